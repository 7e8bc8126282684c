// Files dropped on the main window open as if chosen in the open dialog.
#include "app/EditorController.h"
#include "editor/OpenRequests.h"
#include "app/frmMain.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>

void frmMain::dragEnterEvent(QDragEnterEvent* event)
{
    if (!controller_->transcoderRunning() && droppedFile(event->mimeData()->urls()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void frmMain::dropEvent(QDropEvent* event)
{
    const std::optional<QString> file = droppedFile(event->mimeData()->urls());
    if (!file || controller_->transcoderRunning()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The drop is answered first (its source waits for that); then the file is opened.
    QTimer::singleShot(0, this, [this, name = *file] { openGivenFile(name); });
}
