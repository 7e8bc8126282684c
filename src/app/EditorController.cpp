// The editor's commands: the keyword dispatcher, the panel and transport rows, the keyboard,
// the timeline's seeks, the random cutter and the documents the desktop opens (help, mail).
// Opening, closing and saving: EditorFiles.cpp.
#include "app/EditorController.h"

#include "editor/AppIdentity.h"
#include "app/EditorWindow.h"
#include "editor/FileHistory.h"
#include "dialogs/CCommonDialogs.h"
#include "platform/MediaDevice.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "platform/TempFolder.h"
#include "editor/PlaybackController.h"
#include "timeline/RandomCut.h"
#include "timeline/SelectionLabels.h"
#include "timeline/TimelinePanel.h"
#include "timeline/TimeText.h"
#include "transcode/ConsoleRunner.h"
#include "transcode/SelectionPreview.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTimer>

#include <array>
#include <chrono>

EditorController::EditorController(const AppPaths& paths, const MainServices& services, EditorWindow& window,
                                   LabelSink& labels, QTimer& poll, QWidget* dialogOwner)
    : QObject(nullptr), paths_(paths), services_(services), window_(window), labels_(labels), poll_(poll),
      actions_(makeEditorActions(this))
{
    settings_ = AfterSaveSettings{};
    if (QFile::exists(paths_.setupIni()))
        settings_ = loadSetupIni(paths_.setupIni());
    effects_ = loadEffectsIni(paths_.effectsIni());
    objDOS_ = new ConsoleRunner(*services_.boxes, this);
    objDOS1_ = new ConsoleRunner(*services_.boxes, this);
    connect(objDOS_, &ConsoleRunner::ReceiveOutputs, this, &EditorController::decodeOutput);
    connect(objDOS_, &ConsoleRunner::CommandOver, this, &EditorController::decodeOver);
    connect(objDOS1_, &ConsoleRunner::ReceiveOutputs, this, &EditorController::saveOutput);
    connect(objDOS1_, &ConsoleRunner::CommandOver, this, &EditorController::saveOver);
    commonDialogs_ = std::make_unique<CCommonDialogs>(*services_.dialogs, paths_.appDir);
    commonDialogs_->Init(dialogOwner);
    playback_ = std::make_unique<PlaybackController>(
        state_, model_, *services_.media, labels_, paths_.tempWav, [] { QApplication::processEvents(); },
        [this](const QString& why) { warn(why, QString::fromLatin1(kProductName)); });
    // With fades or loudness on, "Play selection" plays the selection as a save will write it.
    preview_ = std::make_unique<SelectionPreview>(*services_.boxes, paths_.coder(), paths_.tempWav, paths_.previewWav,
                                                  effects_);
    playback_->setSelectionSound([this](std::int32_t begin, std::int32_t end) { return preview_->prepare(begin, end); });
    connect(this, &EditorController::fileClosed, this, [this] { preview_->discard(); });
    connectSelectionLabels(model_, labels_, this);
    connect(&poll_, &QTimer::timeout, this, &EditorController::poll);
    connect(&model_, &EditorModel::historyChanged, this, [this] {
        actions_.undo->setEnabled(model_.canUndo());
        actions_.redo->setEnabled(model_.canRedo());
    });
    if (FileHistory* history = services_.history) {
        connect(this, &EditorController::fileOpened, this, [history](const QString& name) { history->noteOpened(name); });
        connect(this, &EditorController::fileClosed, this, [history] { history->noteClosed(); });
    }
    wireActions();
    random_.seed(static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
}

EditorController::~EditorController() = default;

void EditorController::wireActions()
{
    const EditorActions& a = actions_;
    // Menu commands post their keyword once the menu (or the key) is done, as a menu item does.
    for (QAction* act : a.all()) {
        const QString keyword = keywordOf(a, act);
        if (!keyword.isEmpty())
            connect(act, &QAction::triggered, this, [this, keyword] { window_.postCommand(keyword); }, Qt::QueuedConnection);
    }
    connect(a.closeFile, &QAction::triggered, this, &EditorController::closeCurrentFile);
    connect(a.playPause, &QAction::triggered, this, &EditorController::playPause);
    for (int i = 0; i < 6; ++i) {
        QAction* act = std::array{a.play, a.stop, a.pause, a.setBegin, a.setEnd, a.playSelection}[size_t(i)];
        connect(act, &QAction::triggered, this, [this, i] { transportAction(i); });
    }
    connect(a.loopSelection, &QAction::toggled, this, &EditorController::setLooping);
    connect(a.undo, &QAction::triggered, &model_, &EditorModel::undo);
    connect(a.redo, &QAction::triggered, &model_, &EditorModel::redo);
    a.undo->setEnabled(false);
    a.redo->setEnabled(false);
    connect(a.toStart, &QAction::triggered, this, [this] { movePlayheadTo(PlayheadTarget::Start); });
    connect(a.toEnd, &QAction::triggered, this, [this] { movePlayheadTo(PlayheadTarget::End); });
    connect(a.toSelectionBegin, &QAction::triggered, this, [this] { movePlayheadTo(PlayheadTarget::SelectionBegin); });
    connect(a.toSelectionEnd, &QAction::triggered, this, [this] { movePlayheadTo(PlayheadTarget::SelectionEnd); });
    connect(a.back1, &QAction::triggered, this, [this] { movePlayheadBy(-1); });
    connect(a.forward1, &QAction::triggered, this, [this] { movePlayheadBy(1); });
    connect(a.back10, &QAction::triggered, this, [this] { movePlayheadBy(-10); });
    connect(a.forward10, &QAction::triggered, this, [this] { movePlayheadBy(10); });
    connect(a.zoomIn, &QAction::triggered, this, [this] { zoomFromKeyboard(2); });
    connect(a.zoomOut, &QAction::triggered, this, [this] { zoomFromKeyboard(0.5); });
    connect(a.zoomWhole, &QAction::triggered, &model_, &EditorModel::showWholeFile);
    connect(a.zoomSelection, &QAction::triggered, &model_, &EditorModel::zoomToSelection);
    for (int i = 0; i < 4; ++i)
        connect(a.menus[i], &QAction::triggered, this, [this, i] { window_.popupMenu(i); }, Qt::QueuedConnection);
    connect(a.stopJob, &QAction::triggered, this, &EditorController::stopRunningJob);
}

void EditorController::attachTimeline(TimelinePanel& panel)
{
    connect(&panel, &TimelinePanel::playheadTaken, this, [this] {
        poll_.stop();  // the poll does not fight the drag
        playback_->stopAndClose();
    });
    connect(&panel, &TimelinePanel::playheadReleased, this, [this](std::int32_t seconds) {
        poll_.start();
        seekTo(seconds);
        poll();  // the playhead from the device at once
    });
    connect(&panel, &TimelinePanel::trackPressed, this, [this](double x) {
        const std::int32_t t = secondsUnderPointer(model_.view(), model_.duration(), x);
        model_.setPlayhead(t);
        seekTo(t);
    });
    connect(this, &EditorController::loopingChanged, &panel, &TimelinePanel::setLooping);
}

void EditorController::setRunning(bool running)
{
    // While a transcoder runs, only Esc and quitting work; the buttons, the menus and the
    // timeline rest.
    for (QAction* act : actions_.all())
        if (act != actions_.stopJob && act != actions_.exit)
            act->setEnabled(!running);
    if (!running) {
        actions_.undo->setEnabled(model_.canUndo());
        actions_.redo->setEnabled(model_.canRedo());
    }
    window_.setControlsEnabled(!running);
}

// ---- Keywords, panel and transport ----

void EditorController::dispatch(const QString& text)
{
    if (text == QLatin1String("About"))
        showAbout();
    if (text == QLatin1String("Exit"))
        window_.closeWindow();
    if (text == QLatin1String("RRC"))
        panelAction(2);
    if (text == QLatin1String("SR"))
        panelAction(4);
    if (text == QLatin1String("Help"))
        panelAction(6);
    if (text == QLatin1String("OpenFile"))
        panelAction(0);
    if (text == QLatin1String("SaveRingTone"))
        panelAction(1);
    if (text == QLatin1String("Setting"))
        panelAction(5);
}

void EditorController::panelAction(int index)
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
    case 7: window_.closeWindow(); break;
    default: break;
    }
    // Back from a dialog or a message, the keys work again at once (a window manager would hand
    // the focus back; without one nothing does).
    if (index >= 0 && index <= 2 && !shuttingDown_)
        window_.takeFocus();
}

void EditorController::transportAction(int index)
{
    switch (index) {
    case 0: playOrTellWhy(); break;
    case 1: playback_->stop(); break;
    case 2: playback_->pause(); break;
    case 3: setBeginOrTellWhy(); break;
    case 4: setEndOrTellWhy(); break;
    case 5: playSelection(); break;
    case 6: panelAction(1); break;
    default: break;
    }
}

void EditorController::poll()
{
    playback_->poll();
}

// ---- Keyboard ----

void EditorController::playPause()
{
    if (playback_->isPlaying())
        playback_->pause();
    else
        playOrTellWhy();
}

void EditorController::playOrTellWhy()
{
    if (isSet(state_.fileIsOpen) && playback_->isCued() && !isSet(state_.playPaused) && model_.duration() > 0 &&
        model_.playheadSeconds() >= model_.duration()) {
        Q_EMIT hint(QStringLiteral("The playhead is at the end of the file: press Home to play from the start."));
        return;
    }
    playback_->play();
}

void EditorController::setBeginOrTellWhy()
{
    if (!model_.setBeginAtPlayhead())
        Q_EMIT hint(QStringLiteral("The begin was not set: it must lie before the end (%1). Move the playhead back.")
                        .arg(formatTime(model_.selection().end)));
}

void EditorController::setEndOrTellWhy()
{
    if (!model_.setEndAtPlayhead())
        Q_EMIT hint(QStringLiteral("The end was not set: it must not lie before the begin (%1). Move the playhead on.")
                        .arg(formatTime(model_.selection().begin)));
}

void EditorController::playSelection()
{
    playback_->playSelection();
}

void EditorController::seekTo(std::int32_t seconds)
{
    playback_->seekTo(seconds);
}

void EditorController::afterKeyboardMove(std::int32_t seconds)
{
    if (playback_->isPlaying())
        seekTo(seconds);
    else
        playback_->cuePlayhead();
}

void EditorController::movePlayheadBy(std::int32_t seconds)
{
    afterKeyboardMove(model_.movePlayheadBy(seconds));
}

void EditorController::movePlayheadTo(PlayheadTarget target)
{
    afterKeyboardMove(model_.movePlayheadTo(target));
}

void EditorController::setLooping(bool looping)
{
    if (actions_.loopSelection->isChecked() != looping)
        actions_.loopSelection->setChecked(looping);  // comes back here through toggled
    if (playback_->isLooping() == looping)
        return;
    playback_->setLooping(looping);
    Q_EMIT loopingChanged(looping);
    if (looping && !(playback_->isPlaying() && isSet(state_.playingSelection)))
        playSelection();
}

void EditorController::zoomFromKeyboard(double factor)
{
    model_.zoomAround(model_.keyboardAnchor(), factor);
}

// ---- Random cutter, mail, help, about ----

void EditorController::warn(const QString& text, const QString& title)
{
    services_.boxes->show(text, title, MsgButtons::Ok, MsgIcon::Warning);
}

void EditorController::randomCut()
{
    if (model_.duration() <= 0) {
        warn(QStringLiteral("Please play the music first"), QStringLiteral("warning"));
        return;
    }
    const std::optional<RandomCut> cut = ::randomCut(model_.duration(), random_);
    if (!cut) {
        warn(QStringLiteral("This sound is too short for a random ring tone of more than five seconds."),
             QStringLiteral("warning"));
        return;
    }
    model_.applyRandomCut(cut->begin, cut->end);
}

void EditorController::showAbout()
{
    const QString version = QStringLiteral("%1 %2.%3.%4")
                                .arg(QString::fromLatin1(kProductName))
                                .arg(TUNESNIP_VERSION_MAJOR)
                                .arg(TUNESNIP_VERSION_MINOR)
                                .arg(TUNESNIP_VERSION_PATCH);
    services_.boxes->show(version + QStringLiteral("\r\n") + QString::fromUtf8(kOwnershipLine) + QStringLiteral("\r\n") +
                              QString::fromLatin1(kWebAddress),
                          QStringLiteral("About"), MsgButtons::Ok, MsgIcon::None);
}

void EditorController::openThroughShell(const QString& target, const QString& failureText)
{
    if (!services_.shell->open(target))
        services_.boxes->show(failureText, QString::fromLatin1(kProductName), MsgButtons::Ok, MsgIcon::Warning);
}

void EditorController::sendToFriends()
{
    const QString to = QString::fromLatin1(kFriendAddress);
    openThroughShell(QStringLiteral("mailto:") + to +
                         QStringLiteral("?subject=I ve cut music by TuneSnip!&body=I ve cut music by TuneSnip! "
                                        "You can see more detail here: ") +
                         QString::fromLatin1(kWebAddress),
                     QStringLiteral("Could not start a mail program for a message to %1.").arg(to));
}

void EditorController::sendFeedback()
{
    const QString to = QString::fromLatin1(kSupportAddress);
    openThroughShell(QStringLiteral("mailto:") + to + QStringLiteral("?subject=Feedback/Bug Report"),
                     QStringLiteral("Could not start a mail program. Please write to %1.").arg(to));
}

void EditorController::openHelp()
{
    openThroughShell(paths_.helpFile(),
                     QStringLiteral("Could not open the help page \"%1\": no program to show it was found.")
                         .arg(paths_.helpFile()));
}

// ---- Quitting ----

QString EditorController::quitQuestion() const
{
    if (objDOS1_->isRunning())
        return QStringLiteral("Saving \"%1\" is not finished.\r\nQuit anyway? The save stops and the file is left as it "
                              "was before.")
            .arg(savePath_);
    return QStringLiteral("Are you sure to quit?");
}

void EditorController::shutDown()
{
    shuttingDown_ = true;
    // A decode's WAV is ours and deleted anyway. A save is stopped at once: the transcoder
    // writes its output whole or not at all, so the target stays as it was and no part is left.
    objDOS_->stop();
    objDOS1_->stop();
    services_.media->send(QStringLiteral("stop sound"));
    services_.media->send(QStringLiteral("close sound"));
    QApplication::processEvents();
    poll_.stop();
    if (!objDOS1_->isRunning() && QFile::exists(paths_.tempWav))
        QFile::remove(paths_.tempWav);
}

void EditorController::stopRunningJob()
{
    objDOS_->stop();
    objDOS1_->stop();
}
