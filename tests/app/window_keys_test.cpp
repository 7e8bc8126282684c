// Every command of the editor from the keyboard, as QTest key events on the real main window:
// playing, the playhead, the selection and its undo, the view, the files, the menus, Tab and
// the focused button; and no key but Esc while the transcoder runs.
#include "editor/EditorSession.h"
#include "app/ImageControl.h"
#include "app/SkinLabel.h"
#include "app/frmMain.h"
#include "app/frmMenu.h"
#include "support/MainWindowRig.h"
#include "editor/PlaybackController.h"
#include "settings/EffectsSettings.h"
#include "timeline/TimelinePanel.h"
#include "transcode/ConsoleRunner.h"
#include "support/WindowParts.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Keys {
    MainWindowRig rig;
    std::unique_ptr<frmMain> w = rig.make();
    explicit Keys(std::int32_t duration = 600)
    {
        w->show();
        QApplication::setActiveWindow(w.get());
        QFile wav(rig.paths.tempWav);  // a decoded sound to play
        wav.open(QIODevice::WriteOnly);
        wav.close();
        rig.media.lengthMs = duration * 1000.0;
        w->session().model().setDuration(duration);
        part<TimelinePanel>(*w, "picOpened")->show();
    }
    EditorModel& model() { return w->session().model(); }
    // A key as the user presses it; menu commands run once the key is done.
    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key(k), mods);  // to the focused control
        QCoreApplication::processEvents();
    }
    QString lastCommand() const { return rig.media.commands.isEmpty() ? QString() : rig.media.commands.last(); }
    // The title of the menu that pops up while `press` runs (closed again at once).
    QString menuShownBy(const std::function<void()>& press)
    {
        QString title;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                title = m->title();
                m->close();
            }
        });
        poll.start(5);
        // Without a window manager nothing hands the activation back when a popup closes, and the
        // offscreen platform may deliver a popup's own activation after it has closed: the window
        // takes it back here, as a window manager would give it.
        QElapsedTimer activating;
        activating.start();
        while (QApplication::activeWindow() != w.get() && activating.elapsed() < 10000) {
            QApplication::setActiveWindow(w.get());
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        press();
        // The menu pops up once the key is done (a queued call): wait for it, not for a time.
        QElapsedTimer waited;
        waited.start();
        while (title.isEmpty() && waited.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return title;
    }
};

}  // namespace

TEST(EditorKeys, SpacePlaysAndPausesAndPlayResumes)
{
    Keys k;
    k.key(Qt::Key_Space);
    EXPECT_EQ(k.lastCommand(), "play sound");
    EXPECT_TRUE(k.w->session().playback().isPlaying());
    k.key(Qt::Key_Space);
    EXPECT_EQ(k.lastCommand(), "pause sound");
    EXPECT_EQ(k.w->session().state().playPaused, kTrue);
    k.key(Qt::Key_Space);
    EXPECT_EQ(k.lastCommand(), "resume sound");
}

TEST(EditorKeys, ThePlayheadMovesBySecondsAndJumpsAndSeeksOnlyWhilePlaying)
{
    Keys k;
    k.model().applyRandomCut(100, 200);
    k.rig.media.commands.clear();
    k.key(Qt::Key_Right);
    EXPECT_EQ(k.model().playhead(), 1);
    k.key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(k.model().playhead(), 11);
    k.key(Qt::Key_Left);
    EXPECT_EQ(k.model().playhead(), 10);
    k.key(Qt::Key_Left, Qt::ShiftModifier);
    k.key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(k.model().playhead(), 0);  // not before the start
    k.key(Qt::Key_End);
    EXPECT_EQ(k.model().playhead(), 600);
    k.key(Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(k.model().playhead(), 100);
    k.key(Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(k.model().playhead(), 200);
    EXPECT_EQ(part<SkinLabel>(*k.w, "lblTime")->text(), "00:03:20");
    k.w->session().poll();  // nothing plays: the poll leaves the moved playhead alone
    EXPECT_EQ(k.model().playhead(), 200);
    EXPECT_TRUE(k.rig.media.commands.filter("play").isEmpty());  // stopped: only the playhead moved

    k.key(Qt::Key_Space);  // Play starts where the playhead stands
    EXPECT_EQ(k.lastCommand(), "play sound from 200000");
    k.key(Qt::Key_Right, Qt::ShiftModifier);  // while playing, a move seeks
    EXPECT_EQ(k.lastCommand(), "play sound from 210000");
    k.key(Qt::Key_Home);
    EXPECT_EQ(k.lastCommand(), "play sound from 0");
}

TEST(EditorKeys, BeginEndPlaySelectionLoopAndUndo)
{
    Keys k;
    k.model().setPlayhead(30);
    k.key(Qt::Key_B);
    EXPECT_EQ(k.model().selection().beginMs, 30000);
    EXPECT_TRUE(k.model().selection().beginShown);
    k.model().setPlayhead(75);
    k.key(Qt::Key_E);
    EXPECT_EQ(k.model().selection().endMs, 75000);
    EXPECT_EQ(part<SkinLabel>(*k.w, "lblSelLength")->text(), "00:00:45");
    k.model().setPlayhead(40);
    k.key(Qt::Key_BracketLeft);
    EXPECT_EQ(k.model().selection().beginMs, 40000);
    k.model().setPlayhead(70);
    k.key(Qt::Key_BracketRight);
    EXPECT_EQ(k.model().selection().endMs, 70000);

    k.key(Qt::Key_P);
    EXPECT_EQ(k.lastCommand(), "play sound from 40000");
    EXPECT_EQ(k.w->session().state().playingSelection, kTrue);

    clickTransport(*k.w, 1);
    k.key(Qt::Key_L);  // looping on: the selection plays, and plays again at its end
    EXPECT_TRUE(k.w->session().playback().isLooping());
    EXPECT_TRUE(k.w->actions().loopSelection->isChecked());
    EXPECT_EQ(k.lastCommand(), "play sound from 40000");
    k.rig.media.positionMs = 70050;
    k.w->session().poll();
    EXPECT_EQ(k.lastCommand(), "play sound from 40000");
    k.key(Qt::Key_L);
    EXPECT_FALSE(k.w->session().playback().isLooping());

    // Four changes back, and forward again with either redo key.
    k.key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(k.model().selection().endMs, 75000);
    EXPECT_EQ(part<SkinLabel>(*k.w, "lblSelEnd")->text(), "00:01:15");
    k.key(Qt::Key_Z, Qt::ControlModifier);
    k.key(Qt::Key_Z, Qt::ControlModifier);
    k.key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(k.model().selection(), Selection{});
    EXPECT_FALSE(k.w->actions().undo->isEnabled());
    k.key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(k.model().selection().beginMs, 30000);
    k.key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(k.model().selection().endMs, 75000);
}

TEST(EditorKeys, ZoomAroundThePlayheadToTheSelectionAndBack)
{
    Keys k(7200);
    k.model().setPlayhead(1800);  // Left 182
    k.key(Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_NEAR(k.model().view().span, 3600, 1e-6);
    EXPECT_NEAR(k.model().view().pixelOf(1800), 182, 1e-6);  // the playhead keeps its place
    k.key(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_NEAR(k.model().view().span, 1800, 1e-6);
    k.key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_NEAR(k.model().view().span, 3600, 1e-6);
    k.model().applyRandomCut(4000, 4030);
    k.key(Qt::Key_E, Qt::ControlModifier);
    EXPECT_NEAR(k.model().view().span, 33, 1e-6);  // the selection and a twentieth on each side
    EXPECT_NEAR(k.model().view().start, 3998.5, 1e-6);
    k.key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_FALSE(k.model().isZoomed());
}

TEST(EditorKeys, FileHelpAndQuitKeysGoThroughTheirCommands)
{
    Keys k;
    k.key(Qt::Key_O, Qt::ControlModifier);  // cancelled open dialog
    ASSERT_EQ(k.rig.dialogs.calls.size(), 1u);
    EXPECT_EQ(k.rig.dialogs.calls[0].kind, DialogCall::Open);
    EXPECT_EQ(part<QLineEdit>(*k.w, "txtAction")->text(), "OpenFile");  // posted like the menu item

    k.w->session().state().fileIsOpen = kTrue;
    k.model().applyRandomCut(10, 40);
    k.key(Qt::Key_S, Qt::ControlModifier);  // cancelled save dialog
    ASSERT_EQ(k.rig.dialogs.calls.size(), 2u);
    EXPECT_EQ(k.rig.dialogs.calls[1].kind, DialogCall::Save);

    k.key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_NE(k.model().selection(), (Selection{10000, 40000, true, true}));  // a new random cut
    EXPECT_GT(k.model().selection().endMs - k.model().selection().beginMs, 5000);

    k.key(Qt::Key_F1);
    EXPECT_EQ(k.rig.shell.opened, QStringList({k.rig.paths.helpFile()}));

    k.rig.boxes.answers = {MsgResult::Cancel};
    k.key(Qt::Key_W, Qt::ControlModifier);  // close the file: asked, kept
    ASSERT_EQ(k.rig.boxes.shown.size(), 1u);
    EXPECT_EQ(k.rig.boxes.shown[0].text, "Current Audio file will be closed, are you sure?");
    EXPECT_EQ(k.w->session().state().fileIsOpen, kTrue);

    for (const auto& [key, mods] : {std::pair{Qt::Key_Q, Qt::ControlModifier}, std::pair{Qt::Key_F4, Qt::AltModifier}}) {
        k.rig.boxes.answers = {MsgResult::Cancel};
        k.key(key, mods);
        EXPECT_EQ(k.rig.boxes.shown.back().text, "Are you sure to quit?");
        EXPECT_TRUE(k.w->isVisible());
    }
    EXPECT_EQ(k.rig.boxes.shown.size(), 3u);
    k.rig.boxes.answers = {MsgResult::Ok};
    k.key(Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(k.w->session().state().fileIsOpen, kFalse);
    EXPECT_EQ(k.model().duration(), 0);
}

TEST(EditorKeys, AltLettersOpenTheFourMenusWhichShowEachShortcut)
{
    Keys k;
    const std::pair<Qt::Key, const char*> menus[] = {
        {Qt::Key_F, "File"}, {Qt::Key_T, "Tools"}, {Qt::Key_S, "Setting"}, {Qt::Key_A, "About"}};
    for (const auto& [letter, title] : menus)
        EXPECT_EQ(k.menuShownBy([&, l = letter] { k.key(l, Qt::AltModifier); }), title);

    frmMenu& m = k.w->menuWindow();
    EXPECT_EQ(m.menuOpen->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(m.menuSave->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(m.menuClose->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));
    EXPECT_EQ(m.menuExit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(m.menuRRC->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    EXPECT_EQ(m.menuHelp->shortcut(), QKeySequence(Qt::Key_F1));
    for (QMenu* menu : {m.menuFile, m.menuTools, m.menuAbout})
        for (QAction* a : menu->actions())
            EXPECT_TRUE(a->isSeparator() || a->menu() || a->shortcut().isEmpty() || a->isShortcutVisibleInContextMenu());
    QStringList tools;
    for (QAction* a : m.menuTools->actions())
        if (!a->isSeparator())
            tools << a->shortcut().toString();
    EXPECT_TRUE(tools.contains("Ctrl+Z"));
    EXPECT_TRUE(tools.contains("Ctrl+E"));
    EXPECT_TRUE(tools.contains("L"));

    // The hint line names the shortcut of the button under the pointer.
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), part<ImageControl>(*k.w, "imgCtrlButton", 0)->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(part<ImageControl>(*k.w, "imgCtrlButton", 0), &move);
    EXPECT_EQ(part<SkinLabel>(*k.w, "lblText")->text(), "Play (Space)");
}

TEST(EditorKeys, HAndTReachTheSelectionHelpersAndTheToolsMenuHoldsThemWithTheSnapToggle)
{
    Keys k(0);  // no sound: both warn as the random cutter does
    k.key(Qt::Key_H);
    k.key(Qt::Key_T);
    ASSERT_EQ(k.rig.boxes.shown.size(), 2u);
    EXPECT_EQ(k.rig.boxes.shown[0].text, "Please play the music first");
    EXPECT_EQ(k.rig.boxes.shown[1].text, "Please play the music first");

    frmMenu& m = k.w->menuWindow();
    EXPECT_TRUE(m.menuTools->actions().contains(k.w->actions().findHook));
    EXPECT_TRUE(m.menuTools->actions().contains(k.w->actions().trimSilence));
    EXPECT_TRUE(m.menuTools->actions().contains(k.w->actions().snapToBeats));
    EXPECT_EQ(k.w->actions().findHook->shortcut(), QKeySequence(Qt::Key_H));
    EXPECT_EQ(k.w->actions().trimSilence->shortcut(), QKeySequence(Qt::Key_T));

    // Snapping starts off; the toggle turns it on for the timeline and keeps it in effects.ini.
    auto* panel = part<TimelinePanel>(*k.w, "picOpened");
    EXPECT_FALSE(k.w->actions().snapToBeats->isChecked());
    EXPECT_FALSE(panel->drag().snapping());
    k.w->actions().snapToBeats->trigger();
    EXPECT_TRUE(panel->drag().snapping());
    EXPECT_TRUE(loadEffectsIni(k.rig.paths.effectsIni()).snapToBeats);
    // A new window reads it back.
    auto again = k.rig.make();
    EXPECT_TRUE(again->actions().snapToBeats->isChecked());
    EXPECT_TRUE(part<TimelinePanel>(*again, "picOpened")->drag().snapping());
    k.w->actions().snapToBeats->trigger();
    EXPECT_FALSE(panel->drag().snapping());
    EXPECT_FALSE(loadEffectsIni(k.rig.paths.effectsIni()).snapToBeats);
}

TEST(EditorKeys, TabWalksTheButtonsAndEnterOrSpacePressesTheFocusedOne)
{
    Keys k;
    // The window keeps the focus when it appears, also when the desktop activates it again: no
    // button takes Space from Play.
    EXPECT_EQ(QApplication::focusWidget(), k.w.get());
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(k.w.get());
    EXPECT_EQ(QApplication::focusWidget(), k.w.get());
    k.key(Qt::Key_Space);
    EXPECT_EQ(k.lastCommand(), "play sound");
    EXPECT_TRUE(k.rig.dialogs.calls.empty());
    clickTransport(*k.w, 1);
    k.key(Qt::Key_Tab);  // the first Tab brings the ring to the first button
    EXPECT_TRUE(part<ImageControl>(*k.w, "imgButton", 0)->takesKeys());
    part<ImageControl>(*k.w, "imgButton", 0)->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(part<ImageControl>(*k.w, "imgButton", 0)->hasFocus());
    // The fourteen buttons, with the selection's typed times among them.
    QStringList visited;
    QList<ImageControl*> buttons;
    for (int i = 0; i < 17 && buttons.size() < 14; ++i) {
        if (auto* c = qobject_cast<ImageControl*>(QApplication::focusWidget()); c && !buttons.contains(c)) {
            buttons << c;
            visited << c->toolTip();
        }
        k.key(Qt::Key_Tab);
    }
    EXPECT_EQ(visited.size(), 14);
    EXPECT_TRUE(visited.contains("Play (Space)"));
    EXPECT_FALSE(visited.contains(""));  // the hidden panel button is no stop

    // The focus ring: the focused button draws a frame over its bare picture.
    part<ImageControl>(*k.w, "imgCtrlButton", 1)->setFocus(Qt::TabFocusReason);
    const QImage ringed = part<ImageControl>(*k.w, "imgCtrlButton", 1)->grab().toImage();
    part<ImageControl>(*k.w, "imgCtrlButton", 0)->setFocus(Qt::TabFocusReason);
    EXPECT_NE(ringed, part<ImageControl>(*k.w, "imgCtrlButton", 1)->grab().toImage());

    k.rig.media.commands.clear();
    k.key(Qt::Key_Return);  // the focused Play button
    EXPECT_EQ(k.lastCommand(), "play sound");
    part<ImageControl>(*k.w, "imgCtrlButton", 1)->setFocus(Qt::TabFocusReason);
    k.key(Qt::Key_Space);  // Space presses the focused Stop instead of pausing
    EXPECT_FALSE(k.rig.media.open);
    EXPECT_FALSE(k.rig.media.commands.contains("pause sound"));
}

TEST(EditorKeys, AMarkerTakenWithAClickMovesWithTheArrowsInsteadOfThePlayhead)
{
    Keys k;
    k.model().applyRandomCut(100, 200);
    const int x = int(std::lround(k.model().view().pixelOf(100))) + 6;
    QTest::mouseClick(part<TimelinePanel>(*k.w, "picOpened"), Qt::LeftButton, Qt::NoModifier, QPoint(x, 56));
    ASSERT_EQ(part<TimelinePanel>(*k.w, "picOpened")->takenMarker(), Boundary::Begin);
    k.key(Qt::Key_Right);
    k.key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(k.model().selection().beginMs, 111000);
    EXPECT_EQ(k.model().playhead(), 0);
    EXPECT_EQ(part<SkinLabel>(*k.w, "lblSelBegin")->text(), "00:01:51");
    // A click on the track lets go of it: the arrows move the playhead again.
    QTest::mouseClick(part<TimelinePanel>(*k.w, "picOpened"), Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    const double at = k.model().playhead();
    k.key(Qt::Key_Right);
    EXPECT_EQ(k.model().selection().beginMs, 111000);
    EXPECT_EQ(k.model().playhead(), at + 1);
}

TEST(EditorKeys, OnlyEscapeWorksWhileTheTranscoderRuns)
{
    Keys k;
    QFile::remove(k.rig.paths.tempWav);
    const QString input = k.rig.root.filePath("in.mp3");
    QFile(input).open(QIODevice::WriteOnly);
    k.rig.useCoderScript("echo 'time=0.00 '; exec sleep 60");
    bool pressed = false;
    QObject::connect((&k.w->session().decodeRunner()), &ConsoleRunner::ReceiveOutputs, [&](QString&) {
        if (std::exchange(pressed, true))
            return;
        k.rig.media.commands.clear();
        for (const auto& [key, mods] : {std::pair{Qt::Key_Space, Qt::NoModifier}, std::pair{Qt::Key_O, Qt::ControlModifier},
                                        std::pair{Qt::Key_R, Qt::ControlModifier}, std::pair{Qt::Key_F, Qt::AltModifier},
                                        std::pair{Qt::Key_Equal, Qt::ControlModifier}})
            k.key(key, mods);
        // No key reached the device; only the playback poll's status queries may have (it ticks
        // every 100 ms, also while the transcoder runs).
        QStringList sent = k.rig.media.commands;
        sent.removeIf([](const QString& c) { return c.startsWith(QLatin1String("status ")); });
        EXPECT_TRUE(sent.isEmpty()) << sent.join(", ").toStdString();
        EXPECT_EQ(k.rig.dialogs.calls.size(), 1u);  // the open that runs now, no other
        EXPECT_EQ(k.model().selection(), Selection{});
        EXPECT_FALSE(k.model().isZoomed());
        EXPECT_FALSE(part<TimelinePanel>(*k.w, "picOpened")->isEnabled());
        k.key(Qt::Key_Escape);
    });
    k.rig.dialogs.openAnswers.push_back(input);
    k.key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(pressed);
    EXPECT_TRUE((&k.w->session().decodeRunner())->lastExit().stopped);
    EXPECT_EQ(k.w->session().state().fileIsOpen, kFalse);
    EXPECT_TRUE(k.w->actions().playPause->isEnabled());  // every key back
    EXPECT_TRUE(part<TimelinePanel>(*k.w, "picOpened")->isEnabled());
}

TEST(EditorKeys, ACommandThatDoesNothingSaysWhyInTheHintLine)
{
    Keys k(60);
    k.key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(part<SkinLabel>(*k.w, "lblText")->text(), "Nothing to save: open a file first.");
    k.w->session().state().fileIsOpen = kTrue;
    k.key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(part<SkinLabel>(*k.w, "lblText")->text(), "Nothing to save: mark a begin and an end first (B and E).");
    EXPECT_TRUE(k.rig.dialogs.calls.empty());  // no dialog, and no box either
    EXPECT_TRUE(k.rig.boxes.shown.empty());

    k.model().setPlayhead(20);
    k.key(Qt::Key_E);
    k.model().setPlayhead(30);
    k.key(Qt::Key_B);  // after the end: refused
    EXPECT_EQ(k.model().selection().beginMs, 0);
    EXPECT_EQ(part<SkinLabel>(*k.w, "lblText")->text(), "The begin was not set: it must lie before the end (00:00:20). Move the playhead back.");
    k.model().setBeginFromDragMs(10000);
    k.model().setPlayhead(5);
    k.key(Qt::Key_E);  // before the begin: refused
    EXPECT_EQ(k.model().selection().endMs, 20000);
    EXPECT_EQ(part<SkinLabel>(*k.w, "lblText")->text(), "The end was not set: it must not lie before the begin (00:00:10). Move the playhead on.");

    k.key(Qt::Key_End);
    k.rig.media.commands.clear();
    k.key(Qt::Key_Space);  // nothing would sound from the very end
    EXPECT_EQ(part<SkinLabel>(*k.w, "lblText")->text(), "The playhead is at the end of the file: press Home to play from the start.");
    EXPECT_FALSE(k.w->session().playback().isPlaying());
    k.key(Qt::Key_Home);
    k.key(Qt::Key_Space);
    EXPECT_TRUE(k.w->session().playback().isPlaying());
    EXPECT_TRUE(k.rig.boxes.shown.empty());
}
