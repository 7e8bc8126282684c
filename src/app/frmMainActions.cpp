// The main window's actions: the panel, the transport row, the command keywords, opening,
// saving and the random cutter.
#include "app/AppIdentity.h"
#include "app/ImageControl.h"
#include "app/SkinLabel.h"
#include "app/frmMain.h"
#include "app/frmMenu.h"
#include "dialogs/CCommonDialogs.h"
#include "platform/MediaDevice.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "platform/TempFolder.h"
#include "timeline/PlaybackController.h"
#include "timeline/TimeText.h"
#include "timeline/TimelineInteraction.h"
#include "timeline/WidgetTimelineBoard.h"
#include "transcode/ConsoleRunner.h"
#include "transcode/ProgressParsing.h"
#include "transcode/TranscodeCommands.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <chrono>
#include <cmath>

namespace {
constexpr int kDecodeBarWidth = 361;
constexpr int kSaveBarWidth = 281;
// Draws of the random cutter before it gives up on a selection of more than five seconds.
constexpr int kRandomCutDraws = 1000;
const char* const kOpenFilter =
    "MP3 Files(*.mp3)|*.mp3|WMA Files(*.wma)|*.wma|WAV Files(*.wav)|*.wav|AMR Files(*.amr)|*.amr|"
    "WMV Files(*.wmv)|*.wmv|AVI Files(*.avi)|*.avi|MPG Files(*.mpg)|*.mpg|All Files(*.*)|*.*";
const char* const kSaveFilter =
    "MP3 Files(*.mp3)|*.mp3|WMA Files(*.wma)|*.wma|WAV Files(*.wav)|*.wav|AMR Files(*.amr)|*.amr";
}

void frmMain::imgButton_Click(int index)
{
    switch (index) {
    case 0: openOrCloseFile(); break;
    case 1: saveRingTone(); break;
    case 2: randomCut(); break;
    case 4: sendToFriends(); break;
    case 5:
        if (services_.showSettings)
            services_.showSettings();
        break;
    case 6: openHelp(); break;
    case 7: close(); break;
    default: break;
    }
}

void frmMain::imgCtrlButton_Click(int index)
{
    switch (index) {
    case 0: playback_->play(); break;
    case 1: playback_->stop(); break;
    case 2: playback_->pause(); break;
    case 3: playback_->setBeginAtPlayhead(); break;
    case 4: playback_->setEndAtPlayhead(); break;
    case 5: playback_->playSelection(); break;
    case 6: imgButton_Click(1); break;
    default: break;
    }
}

void frmMain::Timer2_Timer()
{
    playback_->poll();
    if (txtFullTime->text() != state_.txtFullTime)
        txtFullTime->setText(state_.txtFullTime);
    updateSelectionShade();
}

void frmMain::updateSelectionShade()
{
    const bool shown = !imgSelectLine1->isHidden() && !imgSelectLine2->isHidden() &&
                       imgSelectLine2->x() > imgSelectLine1->x() + 1;
    if (shown) {
        imgSelection->setGeometry(imgSelectLine1->x() + 1, imgSelection->y(),
                                  imgSelectLine2->x() - imgSelectLine1->x() - 1, imgSelection->height());
        imgSelection->stackUnder(imgSelectLine1);
    }
    imgSelection->setVisible(shown);
}

// ---- Command menu and keywords ----

frmMenu& frmMain::menuWindow()
{
    if (!menu_)
        menu_ = std::make_unique<frmMenu>([this](const QString& keyword) { postAction(keyword); });
    return *menu_;
}

void frmMain::unloadMenu()
{
    // The menu window may be on the call stack (an item's handler): let the event loop delete it.
    if (menu_)
        menu_.release()->deleteLater();
}

void frmMain::imgMenu_Click(int index)
{
    if (index < 0 || index > 3)
        return;
    const QRect r = imgMenu[index]->geometry();
    const float x = static_cast<float>(r.x());
    const float y = static_cast<float>(r.y()) + static_cast<float>(r.height());
    menuWindow().popup(index, mapToGlobal(QPoint(static_cast<int>(x), static_cast<int>(y))));
}

void frmMain::postAction(const QString& keyword)
{
    // Every choice is dispatched, also when it repeats the text already in the field.
    txtAction->setText(keyword);
    txtAction_Change();
}

void frmMain::txtAction_Change()
{
    if (txtAction->text() == QLatin1String("About"))
        showAbout();
    if (txtAction->text() == QLatin1String("Exit")) {
        unloadMenu();
        close();
    }
    if (txtAction->text() == QLatin1String("RRC"))
        imgButton_Click(2);
    if (txtAction->text() == QLatin1String("SR"))
        imgButton_Click(4);
    if (txtAction->text() == QLatin1String("Help"))
        imgButton_Click(6);
    if (txtAction->text() == QLatin1String("OpenFile"))
        imgButton_Click(0);
    if (txtAction->text() == QLatin1String("SaveRingTone"))
        imgButton_Click(1);
    if (txtAction->text() == QLatin1String("Setting"))
        imgButton_Click(5);
}

void frmMain::showAbout()
{
    services_.boxes->show(QString::fromUtf8(kOwnershipLine) + QStringLiteral("\r\n") + QString::fromLatin1(kWebAddress),
                          QStringLiteral("About"), MsgButtons::Ok, MsgIcon::None);
}

void frmMain::sendToFriends()
{
    services_.shell->open(QStringLiteral("mailto:") + QString::fromLatin1(kFriendAddress) +
                          QStringLiteral("?subject=I ve cut music by TuneSnip!&body=I ve cut music by TuneSnip! "
                                         "You can see more detail here: ") +
                          QString::fromLatin1(kWebAddress));
}

void frmMain::openHelp()
{
    services_.shell->open(paths_.helpFile());
}

// ---- Progress bars and the controls a save disables ----

void frmMain::setBar(ImageControl* bar, int fullWidth, double fraction)
{
    const int w = static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * fullWidth));
    bar->resize(w, bar->height());
}

void frmMain::setControlsEnabled(bool enabled)
{
    for (ImageControl* c : imgButton)
        c->setEnabled(enabled);
    for (ImageControl* c : imgCtrlButton)
        c->setEnabled(enabled);
    for (ImageControl* c : imgMenu)
        c->setEnabled(enabled);
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
    picOpened->hide();
    resetEditor(state_, *board_, *labelSink_);
    setBar(imgPB, kDecodeBarWidth, 0);
    lblPB->setText(QStringLiteral("0%"));
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
    // The decoded sound goes only into a folder that is private to this user (checked again
    // now: it may have been removed or replaced since start-up).
    QString why;
    if (!ensurePrivateFolder(paths_.tempDir, &why)) {
        services_.boxes->show(QStringLiteral("Cannot decode \"%1\": the temporary folder is not usable (%2).").arg(name, why),
                              QString::fromLatin1(kProductName), MsgButtons::Ok, MsgIcon::Error);
        return;
    }
    lblFileName->setText(fileNameCaption(name));
    lstFile->clear();
    lstFile->addItem(name);
    const QString command = decodeCommand(paths_.coder(), name, paths_.tempWav);

    // An old WAV must not pass for the new file's sound if this decode fails.
    QFile::remove(paths_.tempWav);
    setBar(imgPB, kDecodeBarWidth, 0);
    lblPB->setText(QStringLiteral("0%"));
    picPBBack->show();
    picPBBack->raise();
    state_.currentJob = QStringLiteral("open file");
    objDOS->setCommandLine(command);
    objDOS->ExecuteCommand(QString());

    if (shuttingDown_) {
        // The user quit while the transcoder ran: its WAV must not outlive the program.
        QFile::remove(paths_.tempWav);
        return;
    }
    if (!objDOS->lastExit().started) {
        // The runner has said why; nothing was decoded.
        picPBBack->hide();
        lstFile->clear();
        return;
    }
    if (!decodeSucceeded()) {
        picPBBack->hide();
        picOpened->hide();
        QFile::remove(paths_.tempWav);
        services_.boxes->show(QStringLiteral("Could not open \"%1\": it holds no sound that can be decoded.").arg(name),
                              QString::fromLatin1(kProductName), MsgButtons::Ok, MsgIcon::Error);
        lblFileName->setText(QStringLiteral("C:\\1.MP3"));
        return;
    }
    state_.fileIsOpen = kTrue;
    Q_EMIT fileDecoded(paths_.tempWav);
}

bool frmMain::decodeSucceeded() const
{
    const RunExit e = objDOS->lastExit();
    const QFileInfo wav(paths_.tempWav);
    return e.started && e.exited && e.signal == 0 && e.exitCode == 0 && wav.exists() && wav.size() > 44;
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
    if (static_cast<std::int64_t>(state_.selEndSeconds) - state_.selBeginSeconds < 1)
        return;
    if (objDOS1->isRunning())
        return;
    commonDialogs_->setFilter(QString::fromLatin1(kSaveFilter));
    commonDialogs_->setTitle(QStringLiteral("Save As"));
    commonDialogs_->setPath(QString());
    commonDialogs_->setFileName(QStringLiteral("cut.mp3"));
    bool chosen = false;
    try {
        chosen = commonDialogs_->ShowSave();
    } catch (const DialogError&) {
        chosen = false;
    }
    if (!chosen)
        return;
    txtSave->setText(commonDialogs_->FileName().trimmed());
    const QString output = txtSave->text();
    if (output.isEmpty())
        return;
    if (!encodeOptions(output)) {
        services_.boxes->show(QStringLiteral("Cannot save \"%1\": the name must end in .mp3, .wma, .wav or .amr.").arg(output),
                              QString::fromLatin1(kProductName), MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    if (QFileInfo(output).absoluteFilePath() == QFileInfo(paths_.tempWav).absoluteFilePath()) {
        services_.boxes->show(QStringLiteral("Cannot save over the sound being edited: choose another name."),
                              QString::fromLatin1(kProductName), MsgButtons::Ok, MsgIcon::Warning);
        return;
    }

    playback_->releaseForSave();
    const QString command = encodeCommand(paths_.coder(), paths_.tempWav, state_.selBeginSeconds,
                                          state_.selEndSeconds - state_.selBeginSeconds, output);
    setControlsEnabled(false);
    setBar(imgPro, kSaveBarWidth, 0);
    lblPro->setText(QStringLiteral("0%"));
    picPro->show();
    picPro->raise();
    saveFinished_ = false;
    objDOS1->setCommandLine(command);
    objDOS1->ExecuteCommand(QString());
    if (!saveFinished_) {
        // The transcoder could not be started (the runner has said why): undo what the run set up.
        picPro->hide();
        setControlsEnabled(true);
    }
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
    const QFileInfo out(output);
    if (!(e.exited && e.signal == 0 && e.exitCode == 0 && out.exists() && out.size() > 0)) {
        services_.boxes->show(QStringLiteral("Could not save \"%1\".").arg(output), QString::fromLatin1(kProductName),
                              MsgButtons::Ok, MsgIcon::Error);
        return;
    }
    if (settings_.openFolderAfterSave == 0)
        services_.shell->open(folderOf(output));
    if (settings_.playSoundAfterSave == 0) {
        const QString snd = paths_.soundWav();
        if (!QFile::exists(snd))
            return;
        // The chime gets an alias of its own: under "sound" the playback poll would take it for
        // the edited sound and overwrite its duration with the chime's.
        playback_->playCompletionSound(snd);
    }
}

// ---- Random cutter ----

void frmMain::randomCut()
{
    const double full = state_.fullSeconds();
    if (!(full > 0)) {
        services_.boxes->show(QStringLiteral("Please play the music first"), QStringLiteral("warning"), MsgButtons::Ok,
                              MsgIcon::Warning);
        return;
    }
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    random_.seed(static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
    // With five seconds or less no draw can give more than five; the loop is bounded anyway.
    for (int draw = 0; full > 5 && draw < kRandomCutDraws; ++draw) {
        for (TimelinePic p : {TimelinePic::SelectTop2, TimelinePic::SelectTop1, TimelinePic::SelectLine1,
                              TimelinePic::SelectLine2, TimelinePic::SelectBottom1, TimelinePic::SelectBottom2})
            board_->setVisible(p, true);
        board_->setLeft(TimelinePic::SelectTop2, (unit(random_) * 10000.0f + 500.0f) / 15.0f);
        state_.dragActive = kTrue;
        interaction_->markerMove(MarkerHandle::Top2, 3);
        interaction_->markerRelease(MarkerHandle::Top2);
        board_->setLeft(TimelinePic::SelectTop1, unit(random_) * 10000.0f / 15.0f);
        state_.dragActive = kTrue;
        interaction_->markerMove(MarkerHandle::Top1, 3);
        interaction_->markerRelease(MarkerHandle::Top1);
        if (static_cast<std::int64_t>(state_.selEndSeconds) - state_.selBeginSeconds > 5)
            return;
    }
    services_.boxes->show(QStringLiteral("This sound is too short for a random ring tone of more than five seconds."),
                          QStringLiteral("warning"), MsgButtons::Ok, MsgIcon::Warning);
}
