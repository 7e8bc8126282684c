// The main window's file actions: opening (decoding into the temporary WAV), closing, and
// saving the selection through the transcoder.
#include "app/AppIdentity.h"
#include "app/ImageControl.h"
#include "app/SkinLabel.h"
#include "app/frmMain.h"
#include "dialogs/CCommonDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "platform/TempFolder.h"
#include "timeline/PlaybackController.h"
#include "timeline/WidgetTimelineBoard.h"
#include "transcode/ConsoleRunner.h"
#include "transcode/PhoneLength.h"
#include "transcode/ProgressParsing.h"
#include "transcode/RunFailure.h"
#include "transcode/SaveFormats.h"
#include "transcode/TranscodeCommands.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {
constexpr int kDecodeBarWidth = 361;
constexpr int kSaveBarWidth = 281;
const char* const kOpenFilter =
    "MP3 Files(*.mp3)|*.mp3|WMA Files(*.wma)|*.wma|WAV Files(*.wav)|*.wav|AMR Files(*.amr)|*.amr|"
    "WMV Files(*.wmv)|*.wmv|AVI Files(*.avi)|*.avi|MPG Files(*.mpg)|*.mpg|All Files(*.*)|*.*";
}

// ---- Opening ----

void frmMain::openOrCloseFile()
{
    if (isSet(state_.fileIsOpen))
        closeCurrentFile();
    else
        openFile();
}

void frmMain::closeCurrentFile()
{
    if (services_.boxes->show(QStringLiteral("Current Audio file will be closed, are you sure?"),
                              QStringLiteral("Close Current File"), MsgButtons::OkCancel,
                              MsgIcon::None) != MsgResult::Ok)
        return;
    // The closed file's sound goes with it: nothing can play, or be cut from, a closed file.
    playback_->stop();
    QFile::remove(paths_.tempWav);
    picOpened->hide();
    resetEditor(state_, *board_, *labelSink_);
    txtFullTime->setText(state_.txtFullTime);
    setBar(imgPB, kDecodeBarWidth, 0);
    lblPB->setText(QStringLiteral("0%"));
    lblFileName->setText(QString::fromLatin1(kNoFileCaption));
    state_.fileIsOpen = kFalse;
    Q_EMIT fileClosed();
    update();
}

void frmMain::openFile()
{
    // Two transcoders must never write the same WAV: a second open waits for the first.
    if (objDOS->isRunning())
        return;
    commonDialogs_->setFileName(QString());
    commonDialogs_->setTitle(QStringLiteral("Open Files"));
    commonDialogs_->setFilter(QString::fromLatin1(kOpenFilter));
    playback_->stop();
    prepareOpenDialog();
    bool chosen = false;
    try {
        chosen = commonDialogs_->ShowOpen();
    } catch (const DialogError&) {
        chosen = false;
    }
    if (!chosen)
        return;
    const QString name = commonDialogs_->FileName();
    if (name.isEmpty())
        return;
    decodeFile(name);
}

void frmMain::decodeFile(const QString& name)
{
    // A named pipe or a device would keep the transcoder reading for ever.
    if (!QFileInfo(name).isFile()) {
        services_.boxes->show(QStringLiteral("Cannot open \"%1\": it is not a regular file.").arg(name),
                              QString::fromLatin1(kProductName), MsgButtons::Ok, MsgIcon::Error);
        return;
    }
    // The decoded sound goes only into a folder that is private to this user (checked again
    // now: it may have been removed or replaced since start-up).
    QString why;
    if (!ensurePrivateFolder(paths_.tempDir, &why)) {
        services_.boxes->show(QStringLiteral("Cannot decode \"%1\": the temporary folder is not usable (%2).").arg(name, why),
                              QString::fromLatin1(kProductName), MsgButtons::Ok, MsgIcon::Error);
        return;
    }
    const QString shownBefore = lblFileName->text();
    lblFileName->setText(fileNameCaption(name));
    lstFile->clear();
    lstFile->addItem(name);
    const QString command = decodeCommand(paths_.coder(), name, paths_.tempWav);

    // An old WAV must not pass for the new file's sound if this decode fails.
    QFile::remove(paths_.tempWav);
    setControlsEnabled(false);
    setBar(imgPB, kDecodeBarWidth, 0);
    lblPB->setText(QStringLiteral("0%"));
    picPBBack->show();
    picPBBack->raise();
    state_.currentJob = QStringLiteral("open file");
    activateWindow();  // back from the dialog: Esc must reach this window while the transcoder runs
    objDOS->setCommandLine(command);
    objDOS->ExecuteCommand(QString());
    setControlsEnabled(true);

    if (shuttingDown_) {
        // The user quit while the transcoder ran: its WAV must not outlive the program.
        QFile::remove(paths_.tempWav);
        return;
    }
    if (!decodeSucceeded()) {
        // Not started (the runner has said why), stopped by the user, or failed: nothing is open.
        picPBBack->hide();
        picOpened->hide();
        lstFile->clear();
        QFile::remove(paths_.tempWav);
        lblFileName->setText(shownBefore);
        const RunExit e = objDOS->lastExit();
        if (e.started && !e.stopped)
            tellRunFailure(QStringLiteral("Could not open \"%1\"").arg(name), saysNoSound(objDOS->Outputs())
                               ? QStringLiteral(": it holds no sound that can be decoded.")
                               : QStringLiteral("."),
                           *objDOS);
        return;
    }
    state_.fileIsOpen = kTrue;
    Q_EMIT fileOpened(name);
    Q_EMIT fileDecoded(paths_.tempWav);
}

void frmMain::tellRunFailure(const QString& what, const QString& ending, const ConsoleRunner& runner)
{
    const QString detail = runFailureDetail(runner.lastExit(), runner.Outputs());
    services_.boxes->show(what + ending + QStringLiteral("\r\n\r\n") + detail, QString::fromLatin1(kProductName),
                          MsgButtons::Ok, MsgIcon::Error);
}

bool frmMain::decodeSucceeded() const
{
    const RunExit e = objDOS->lastExit();
    const QFileInfo wav(paths_.tempWav);
    return e.started && !e.stopped && e.exited && e.signal == 0 && e.exitCode == 0 && wav.exists() && wav.size() > 44;
}

void frmMain::decodeOutput(QString& chunk)
{
    if (state_.currentJob != QLatin1String("open file"))
        return;
    readDuration(chunk, state_.sourceDurationSeconds);
    const std::optional<std::int32_t> t = readTimeSeconds(chunk);
    if (!t)
        return;
    const ProgressDisplay p = progressFor(*t, state_.sourceDurationSeconds);
    setBar(imgPB, kDecodeBarWidth, p.fraction);
    lblPB->setText(p.text);
}

void frmMain::decodeOver()
{
    if (state_.currentJob == QLatin1String("open file")) {
        lstFile->clear();
        state_.sourceDurationSeconds = 0;
        picPBBack->hide();
        if (decodeSucceeded() && !shuttingDown_)
            picOpened->show();
    }
    // The panels keep their designed pixel size at every density (the window converts its
    // geometry once at load), so nothing is resized here.
}

// ---- Saving ----

void frmMain::saveRingTone()
{
    if (!isSet(state_.fileIsOpen))
        return;  // nothing to cut from
    if (static_cast<std::int64_t>(state_.selEndSeconds) - state_.selBeginSeconds < 1)
        return;
    if (objDOS1->isRunning())
        return;
    commonDialogs_->setFilter(saveDialogFilter());
    commonDialogs_->setTitle(QStringLiteral("Save As"));
    commonDialogs_->setPath(QString());
    commonDialogs_->setFileName(QStringLiteral("cut.mp3"));
    prepareSaveDialog();
    bool chosen = false;
    try {
        chosen = commonDialogs_->ShowSave();
    } catch (const DialogError&) {
        chosen = false;
    }
    if (!chosen)
        return;
    const QString asked = commonDialogs_->FileName();
    txtSave->setText(asked.trimmed());
    const QString output = txtSave->text();
    if (output.isEmpty())
        return;
    if (!encodeOptions(output)) {
        services_.boxes->show(QStringLiteral("Cannot save \"%1\": the name must end in %2.").arg(output, saveExtensionsText()),
                              QString::fromLatin1(kProductName), MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    if (QFileInfo(output).absoluteFilePath() == QFileInfo(paths_.tempWav).absoluteFilePath()) {
        services_.boxes->show(QStringLiteral("Cannot save over the sound being edited: choose another name."),
                              QString::fromLatin1(kProductName), MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    // The dialog asked about the name as typed; the blanks trimmed off may name another file.
    if (output != asked && QFileInfo::exists(output) &&
        services_.boxes->show(QStringLiteral("\"%1\" already exists.\r\nDo you want to replace it?").arg(output),
                              QStringLiteral("Save As"), MsgButtons::OkCancel, MsgIcon::Warning) != MsgResult::Ok)
        return;

    const std::int32_t length = state_.selEndSeconds - state_.selBeginSeconds;
    if (!confirmPhoneLength(*services_.boxes, output, length))
        return;

    playback_->releaseForSave();
    const QString command = encodeCommand(paths_.coder(), paths_.tempWav, state_.selBeginSeconds, length, output,
                                          effects_);
    setControlsEnabled(false);
    setBar(imgPro, kSaveBarWidth, 0);
    lblPro->setText(QStringLiteral("0%"));
    picPro->show();
    picPro->raise();
    saveFinished_ = false;
    activateWindow();
    objDOS1->setCommandLine(command);
    objDOS1->ExecuteCommand(QString());
    if (!saveFinished_) {
        // The transcoder could not be started (the runner has said why): undo what the run set up.
        picPro->hide();
        setControlsEnabled(true);
    }
    if (shuttingDown_)
        QFile::remove(paths_.tempWav);  // kept for the transcoder until it was done
}

void frmMain::saveOutput(QString& chunk)
{
    readDuration(chunk, state_.sourceDurationSeconds);
    const std::optional<std::int32_t> t = readTimeSeconds(chunk);
    if (!t)
        return;
    const ProgressDisplay p = progressFor(*t, state_.selEndSeconds - state_.selBeginSeconds);
    setBar(imgPro, kSaveBarWidth, p.fraction);
    lblPro->setText(p.text);
}

void frmMain::saveOver()
{
    saveFinished_ = true;
    picPro->hide();
    setControlsEnabled(true);

    if (shuttingDown_)
        return;  // the user quit meanwhile: the file is written, nothing more is wanted
    const QString output = txtSave->text();
    const RunExit e = objDOS1->lastExit();
    if (e.stopped)
        return;  // stopped by the user: nothing was saved, nothing more to do
    const QFileInfo out(output);
    if (!(e.exited && e.signal == 0 && e.exitCode == 0 && out.exists() && out.size() > 0)) {
        tellRunFailure(QStringLiteral("Could not save \"%1\"").arg(output), QStringLiteral("."), *objDOS1);
        return;
    }
    rememberSaved(output);
    if (settings_.openFolderAfterSave == 0)
        openThroughShell(folderOf(output), QStringLiteral("Could not open the folder \"%1\": no file manager was found.")
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

