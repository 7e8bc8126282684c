// The main window's ways to a file besides the open dialog: the command line, a drop, the
// recent files; and what it remembers for the dialogs (starting folders, the offered name).
#include "app/FileHistory.h"
#include "app/OpenRequests.h"
#include "app/frmMain.h"
#include "dialogs/CCommonDialogs.h"
#include "platform/MessageBoxes.h"
#include "timeline/PlaybackController.h"
#include "transcode/ConsoleRunner.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>

void frmMain::wireFileRequests()
{
    setAcceptDrops(true);
    if (FileHistory* history = services_.history) {
        connect(this, &frmMain::fileOpened, this, [history](const QString& name) { history->noteOpened(name); });
        connect(this, &frmMain::fileClosed, this, [history] { history->noteClosed(); });
    }
}

bool frmMain::transcoderRunning() const { return objDOS->isRunning() || objDOS1->isRunning(); }

bool frmMain::openGivenFile(const QString& name)
{
    if (name.isEmpty() || transcoderRunning())
        return false;
    const QString notFound = fileNotFoundText(name);
    if (!notFound.isEmpty()) {
        services_.boxes->show(notFound, QStringLiteral("Open Files"), MsgButtons::Ok, MsgIcon::Warning);
        return false;
    }
    if (isSet(state_.fileIsOpen)) {
        closeCurrentFile();
        if (isSet(state_.fileIsOpen))
            return false;  // the user kept the open file
    }
    playback_->stop();
    decodeFile(QFileInfo(name).absoluteFilePath());
    return isSet(state_.fileIsOpen);
}

void frmMain::openRecentFile(const QString& name)
{
    if (services_.history && !fileNotFoundText(name).isEmpty())
        services_.history->forget(name);
    openGivenFile(name);
}

QStringList frmMain::recentFiles() const
{
    return services_.history ? services_.history->recentFiles() : QStringList();
}

void frmMain::prepareOpenDialog()
{
    if (services_.history)
        commonDialogs_->setInitDir(services_.history->openDialogFolder());
}

void frmMain::prepareSaveDialog()
{
    if (!services_.history)
        return;
    commonDialogs_->setPath(services_.history->saveDialogFolder());
    commonDialogs_->setSuggestedName(services_.history->suggestedSaveName());
}

void frmMain::rememberSaved(const QString& output)
{
    if (services_.history)
        services_.history->noteSaved(output);
}

void frmMain::dragEnterEvent(QDragEnterEvent* event)
{
    if (!transcoderRunning() && droppedFile(event->mimeData()->urls()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void frmMain::dropEvent(QDropEvent* event)
{
    const std::optional<QString> file = droppedFile(event->mimeData()->urls());
    if (!file || transcoderRunning()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The drop is answered first (its source waits for that); then the file is opened.
    QTimer::singleShot(0, this, [this, name = *file] { openGivenFile(name); });
}
