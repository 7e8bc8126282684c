// The session's selection helpers: finding the hook and trimming silence on the open file's
// decoded sound (the work is SelectionHelpers').
#include "editor/EditorSession.h"
#include "editor/SelectionHelpers.h"

void EditorSession::makeSelectionHelpers()
{
    helpers_ = new SelectionHelpers(model_, this);
    connect(helpers_, &SelectionHelpers::hint, this, &EditorSession::hint);
    connect(this, &EditorSession::fileOpened, helpers_, [this](const QString& name) {
        helpers_->setFile(name, paths_.tempWav);
    });
    connect(this, &EditorSession::fileClosed, helpers_, &SelectionHelpers::clearFile);
}

bool EditorSession::soundOpenOrWarn()
{
    if (model_.duration() > 0)
        return true;
    warn(tr("Please play the music first"), tr("warning"));
    if (!shuttingDown_)
        Q_EMIT focusWanted();
    return false;
}

void EditorSession::findHook()
{
    if (waitsForDecode(tr("Finding the hook waits until the file is decoded.")))
        return;
    if (soundOpenOrWarn())
        helpers_->findHook();
}

void EditorSession::trimSilence()
{
    if (waitsForDecode(tr("Trimming silence waits until the file is decoded.")))
        return;
    if (soundOpenOrWarn())
        helpers_->trimSilence();
}
