// The session's file commands: opening (decoding into the temporary WAV), closing, saving the
// selection through the transcoder, and the ways to a file besides the open dialog.
#include "dialogs/CCommonDialogs.h"
#include "editor/AppIdentity.h"
#include "editor/DecodeSpace.h"
#include "editor/EditorSession.h"
#include "editor/FileHistory.h"
#include "editor/OpenRequests.h"
#include "editor/PlaybackController.h"
#include "platform/ChildOutput.h"
#include "platform/FreeSpace.h"
#include "platform/MessageBoxes.h"
#include "platform/TempFolder.h"
#include "timeline/SelectionLabels.h"
#include "transcode/ConsoleRunner.h"
#include "transcode/PhoneLength.h"
#include "transcode/ProgressParsing.h"
#include "transcode/RunFailure.h"
#include "transcode/SaveFormats.h"
#include "transcode/TranscodeCommands.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {
// The first entry, chosen by default, covers every kind of file the transcoder reads (any audio
// or video container FFmpeg decodes and AMR); the original entries follow unchanged.
const char* const kOpenFilter =
    "All supported files|"
    "*.mp3;*.wma;*.wav;*.amr;*.wmv;*.avi;*.mpg;*.mpeg;*.m4a;*.m4r;*.m4b;*.mp4;*.m4v;*.aac;*.ogg;*.oga;*.opus;"
    "*.flac;*.aif;*.aiff;*.ape;*.wv;*.mka;*.mkv;*.webm;*.mov;*.3gp;*.3g2;*.ac3;*.mp2;*.asf;*.flv;*.ts;*.vob|"
    "MP3 Files(*.mp3)|*.mp3|WMA Files(*.wma)|*.wma|WAV Files(*.wav)|*.wav|AMR Files(*.amr)|*.amr|"
    "WMV Files(*.wmv)|*.wmv|AVI Files(*.avi)|*.avi|MPG Files(*.mpg)|*.mpg|All Files(*.*)|*.*";
// The names of the filter's entries, for the translation tools.
[[maybe_unused]] const char* const kOpenFilterNames[] = {
    QT_TRANSLATE_NOOP("EditorSession", "All supported files"), QT_TRANSLATE_NOOP("EditorSession", "MP3 Files(*.mp3)"),
    QT_TRANSLATE_NOOP("EditorSession", "WMA Files(*.wma)"), QT_TRANSLATE_NOOP("EditorSession", "WAV Files(*.wav)"),
    QT_TRANSLATE_NOOP("EditorSession", "AMR Files(*.amr)"), QT_TRANSLATE_NOOP("EditorSession", "WMV Files(*.wmv)"),
    QT_TRANSLATE_NOOP("EditorSession", "AVI Files(*.avi)"), QT_TRANSLATE_NOOP("EditorSession", "MPG Files(*.mpg)"),
    QT_TRANSLATE_NOOP("EditorSession", "All Files(*.*)")};
// A filter "name|patterns|name|patterns..." with its names in the user's language.
QString translatedFilter(const char* filter)
{
    QStringList parts = QString::fromLatin1(filter).split(QLatin1Char('|'));
    for (qsizetype i = 0; i < parts.size(); i += 2)
        parts[i] = QCoreApplication::translate("EditorSession", parts[i].toLatin1().constData());
    return parts.join(QLatin1Char('|'));
}
// Shows a common dialog (ShowOpen or ShowSave); one that cannot be shown counts as cancelled.
bool chosenIn(CCommonDialogs& dialogs, bool (CCommonDialogs::*show)())
{
    try {
        return (dialogs.*show)();
    } catch (const DialogError&) {
        return false;
    }
}
}

// ---- Opening ----

void EditorSession::openOrCloseFile()
{
    if (showsFile())
        closeFile();
    else
        openFile();
    // Back from a dialog or a message, the keys work again at once (a window manager would hand
    // the focus back; without one nothing does).
    if (!shuttingDown_)
        Q_EMIT focusWanted();
}

void EditorSession::closeFile()
{
    if (!showsFile() || isBusy())
        return;
    if (services_.boxes->show(tr("Current Audio file will be closed, are you sure?"),
                              tr("Close Current File"), MsgButtons::OkCancel,
                              MsgIcon::None) != MsgResult::Ok)
        return;
    if (following_) {
        // Still being decoded: the decode is stopped, and its end closes what it had opened.
        objDOS_->stop();
        return;
    }
    // The closed file's sound goes with it: nothing can play, or be cut from, a closed file.
    forgetSound();
    QFile::remove(paths_.tempWav);
    decodeTarget_.reset();
    Q_EMIT timelineShown(false);
    Q_EMIT decodeProgress(0, QStringLiteral("0%"));
    setCaption(tr(kNoFileCaption));
    state_.fileIsOpen = kFalse;
    Q_EMIT fileClosed();
}

void EditorSession::openFile()
{
    // Two transcoders must never write the same WAV: a second open waits for the first.
    if (objDOS_->isRunning())
        return;
    commonDialogs_->setFileName(QString());
    commonDialogs_->setTitle(tr("Open Files"));
    commonDialogs_->setFilter(translatedFilter(kOpenFilter));
    playback_->stop();
    prepareOpenDialog();
    if (!chosenIn(*commonDialogs_, &CCommonDialogs::ShowOpen))
        return;
    const QString name = commonDialogs_->FileName();
    if (name.isEmpty())
        return;
    decodeFile(name);
}

void EditorSession::decodeFile(const QString& name)
{
    // A named pipe or a device would keep the transcoder reading for ever.
    if (!QFileInfo(name).isFile()) {
        services_.boxes->show(tr("Cannot open \"%1\": it is not a regular file.").arg(name),
                              QString::fromLatin1(kProductName), MsgButtons::Ok, MsgIcon::Error);
        return;
    }
    // The decoded sound goes only into a folder that is private to this user (checked again
    // now: it may have been removed or replaced since start-up).
    QString why;
    if (!ensurePrivateFolder(paths_.tempDir, &why)) {
        services_.boxes->show(tr("Cannot decode \"%1\": the temporary folder is not usable (%2).").arg(name, why),
                              QString::fromLatin1(kProductName), MsgButtons::Ok, MsgIcon::Error);
        return;
    }
    const QString shownBefore = caption_;
    setCaption(name);  // the window elides a long path in the middle
    const QString command = decodeCommand(paths_.coder(), name, paths_.tempWav);

    // An old WAV must not pass for the new file's sound if this decode fails.
    QFile::remove(paths_.tempWav);
    decodeTarget_.reset();
    setBusy(true);
    state_.sourceDurationSeconds = 0;  // each run learns its own input's length
    Q_EMIT decodeProgress(0, QStringLiteral("0%"));
    Q_EMIT decodeProgressShown(true);
    state_.currentJob = QStringLiteral("open file");
    decodeHeader_.clear();
    spaceChecked_ = false;
    spaceShortage_.clear();
    Q_EMIT focusWanted();  // back from the dialog: Esc must reach the window while the transcoder runs
    objDOS_->setCommandLine(command);
    objDOS_->ExecuteCommand(QString());
    const bool followed = following_;
    const bool succeeded = decodeSucceeded() && !shuttingDown_;
    stopFollowing(succeeded);
    if (!followed)
        setBusy(false);

    if (shuttingDown_) {
        // The user quit while the transcoder ran: its WAV must not outlive the program.
        QFile::remove(paths_.tempWav);
        return;
    }
    if (!decodeSucceeded()) {
        // Not started (the runner has said why), stopped by the user, or failed: nothing is open.
        Q_EMIT decodeProgressShown(false);
        Q_EMIT timelineShown(false);
        QFile::remove(paths_.tempWav);
        setCaption(shownBefore);
        const RunExit e = objDOS_->lastExit();
        if (!spaceShortage_.isEmpty())
            services_.boxes->show(spaceShortage_, QString::fromLatin1(kProductName), MsgButtons::Ok, MsgIcon::Error);
        else if (e.started && !e.stopped)
            tellRunFailure(tr("Could not open \"%1\"").arg(name), saysNoSound(objDOS_->Outputs())
                               ? tr(": it holds no sound that can be decoded.")
                               : QStringLiteral("."),
                           *objDOS_);
        return;
    }
    state_.fileIsOpen = kTrue;
    // The duration is known at once, so the markers and the random cutter work before playing.
    playback_->learnDuration();
    Q_EMIT fileOpened(name);
    Q_EMIT fileDecoded(paths_.tempWav);
}

void EditorSession::tellRunFailure(const QString& what, const QString& ending, const ConsoleRunner& runner)
{
    const QString detail = runFailureDetail(runner.lastExit(), runner.Outputs());
    services_.boxes->show(what + ending + QStringLiteral("\r\n\r\n") + detail, QString::fromLatin1(kProductName),
                          MsgButtons::Ok, MsgIcon::Error);
}

bool EditorSession::decodeSucceeded() const
{
    const RunExit e = objDOS_->lastExit();
    const QFileInfo wav(paths_.tempWav);
    return e.started && !e.stopped && e.exited && e.signal == 0 && e.exitCode == 0 && wav.exists() && wav.size() > 44;
}

void EditorSession::decodeOutput(QString& chunk)
{
    if (state_.currentJob != QLatin1String("open file"))
        return;
    readDuration(chunk, state_.sourceDurationSeconds);
    checkDecodeSpace(chunk);
    followDecode();
    updateDecodedEnd();
    const std::optional<std::int32_t> t = readTimeSeconds(chunk);
    if (!t)
        return;
    const ProgressDisplay p = progressFor(*t, state_.sourceDurationSeconds);
    Q_EMIT decodeProgress(p.fraction, p.text);
}

void EditorSession::checkDecodeSpace(const QString& chunk)
{
    if (spaceChecked_)
        return;
    decodeHeader_ += chunk;
    const std::optional<PcmOutput> format = readPcmOutput(decodeHeader_);
    // The header comes first and whole; a transcoder that says nothing of its output is not held up.
    if (!format || state_.sourceDurationSeconds <= 0) {
        if (decodeHeader_.size() > 16384 || chunk.contains(QLatin1String("time=")))
            spaceChecked_ = true;
        return;
    }
    spaceChecked_ = true;
    decodeHeader_.clear();
    const std::optional<qint64> free = services_.freeSpace ? services_.freeSpace(paths_.tempDir) : freeBytes(paths_.tempDir);
    if (!free)
        return;
    if (const std::optional<QString> why = spaceShortage(caption_, paths_.tempDir,
                                                         decodedWavBytes(state_.sourceDurationSeconds, *format), *free)) {
        spaceShortage_ = *why;
        objDOS_->stop();
    }
}

void EditorSession::decodeOver()
{
    if (state_.currentJob != QLatin1String("open file"))
        return;
    state_.sourceDurationSeconds = 0;
    if (following_)
        return;  // the panel went and the timeline came when the decode was first followed
    Q_EMIT decodeProgressShown(false);
    if (decodeSucceeded() && !shuttingDown_)
        Q_EMIT timelineShown(true);
}

// ---- The other ways to a file ----

bool EditorSession::openGivenFile(const QString& name)
{
    if (name.isEmpty() || isBusy() || objDOS_->isRunning())
        return false;
    const QString notFound = fileNotFoundText(name);
    if (!notFound.isEmpty()) {
        services_.boxes->show(notFound, tr("Open Files"), MsgButtons::Ok, MsgIcon::Warning);
        return false;
    }
    if (isSet(state_.fileIsOpen)) {
        closeFile();
        if (isSet(state_.fileIsOpen))
            return false;  // the user kept the open file
    }
    playback_->stop();
    decodeFile(QFileInfo(name).absoluteFilePath());
    return isSet(state_.fileIsOpen);
}

void EditorSession::openRecentFile(const QString& name)
{
    if (services_.history && !fileNotFoundText(name).isEmpty())
        services_.history->forget(name);
    openGivenFile(name);
}

void EditorSession::prepareOpenDialog()
{
    if (services_.history)
        commonDialogs_->setInitDir(services_.history->openDialogFolder());
}

void EditorSession::prepareSaveDialog()
{
    if (!services_.history)
        return;
    commonDialogs_->setPath(services_.history->saveDialogFolder());
    commonDialogs_->setSuggestedName(services_.history->suggestedSaveName());
}

// ---- Saving ----

void EditorSession::save()
{
    saveSelection();
    // Back from the dialog or a message, the keys work again at once.
    if (!shuttingDown_)
        Q_EMIT focusWanted();
}

void EditorSession::saveSelection()
{
    if (waitsForDecode(tr("Saving waits until the file is decoded.")))
        return;
    if (!isSet(state_.fileIsOpen)) {
        Q_EMIT hint(tr("Nothing to save: open a file first."));
        return;
    }
    const Selection& sel = model_.selection();
    if (sel.endMs - sel.beginMs < kMsPerSecond) {
        Q_EMIT hint(tr("Nothing to save: mark a begin and an end first (B and E)."));
        return;
    }
    if (objDOS1_->isRunning())
        return;
    commonDialogs_->setFilter(saveDialogFilter());
    commonDialogs_->setTitle(tr("Save As"));
    commonDialogs_->setPath(QString());
    commonDialogs_->setFileName(QStringLiteral("cut.mp3"));
    prepareSaveDialog();
    if (!chosenIn(*commonDialogs_, &CCommonDialogs::ShowSave))
        return;
    const QString asked = commonDialogs_->FileName();
    savePath_ = asked.trimmed();
    const QString output = savePath_;
    if (output.isEmpty())
        return;
    if (!encodeOptions(output)) {
        services_.boxes->show(tr("Cannot save \"%1\": the name must end in %2.").arg(output, saveExtensionsText()),
                              QString::fromLatin1(kProductName), MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    if (QFileInfo(output).absoluteFilePath() == QFileInfo(paths_.tempWav).absoluteFilePath()) {
        services_.boxes->show(tr("Cannot save over the sound being edited: choose another name."),
                              QString::fromLatin1(kProductName), MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    // The dialog asked about the name as typed; the blanks trimmed off may name another file.
    if (output != asked && QFileInfo::exists(output) &&
        services_.boxes->show(tr("\"%1\" already exists.\r\nDo you want to replace it?").arg(output),
                              tr("Save As"), MsgButtons::OkCancel, MsgIcon::Warning) != MsgResult::Ok)
        return;

    const CutRange cut{sel.beginMs, sel.endMs - sel.beginMs};
    // A phone's limit counts every started second: 30.5 s is longer than 30.
    const auto wholeLength = static_cast<std::int32_t>((cut.lengthMs + kMsPerSecond - 1) / kMsPerSecond);
    if (!confirmPhoneLength(*services_.boxes, output, wholeLength))
        return;

    playback_->releaseForSave();
    const QString command = encodeCommand(paths_.coder(), paths_.tempWav, cut, output, effects_);
    setBusy(true);
    state_.sourceDurationSeconds = 0;
    Q_EMIT saveProgress(0, QStringLiteral("0%"));
    Q_EMIT saveProgressShown(true);
    saveFinished_ = false;
    Q_EMIT focusWanted();
    objDOS1_->setCommandLine(command);
    objDOS1_->ExecuteCommand(QString());
    if (!saveFinished_) {
        // The transcoder could not be started (the runner has said why): undo what the run set up.
        Q_EMIT saveProgressShown(false);
        setBusy(false);
    }
    if (shuttingDown_)
        QFile::remove(paths_.tempWav);  // kept for the transcoder until it was done
}

void EditorSession::saveOutput(QString& chunk)
{
    readDuration(chunk, state_.sourceDurationSeconds);
    const std::optional<std::int32_t> t = readTimeSeconds(chunk);
    if (!t)
        return;
    const ProgressDisplay p = progressFor(*t, secondsOf(model_.selection().endMs - model_.selection().beginMs));
    Q_EMIT saveProgress(p.fraction, p.text);
}

void EditorSession::saveOver()
{
    saveFinished_ = true;
    state_.sourceDurationSeconds = 0;
    Q_EMIT saveProgressShown(false);
    setBusy(false);

    if (shuttingDown_)
        return;  // the user quit meanwhile: the file is written, nothing more is wanted
    const QString output = savePath_;
    const RunExit e = objDOS1_->lastExit();
    if (e.stopped)
        return;  // stopped by the user: nothing was saved, nothing more to do
    const QFileInfo out(output);
    if (!(e.exited && e.signal == 0 && e.exitCode == 0 && out.exists() && out.size() > 0)) {
        tellRunFailure(tr("Could not save \"%1\"").arg(output), QStringLiteral("."), *objDOS1_);
        return;
    }
    if (services_.history)
        services_.history->noteSaved(output);
    Q_EMIT saveFinished(output);
    // A target the selection could not reach within the peak ceiling is told, without a box.
    if (const QString shortfall = loudnessShortfall(objDOS1_->Outputs()); !shortfall.isEmpty())
        Q_EMIT hint(tr("Saved \"%1\". %2.").arg(QFileInfo(output).fileName(), shortfall));
    if (settings_.openFolderAfterSave == 0)
        openThroughShell(folderOf(output), tr("Could not open the folder \"%1\": no file manager was found.")
                                               .arg(folderOf(output)));
    if (settings_.playSoundAfterSave == 0) {
        const QString snd = paths_.soundWav();
        if (!QFile::exists(snd))
            return;
        // The chime gets an alias of its own: under "sound" the playback poll would take it for
        // the edited sound and overwrite its duration with the chime's.
        playback_->playCompletionSound(snd);
    }
}
