#include "app/ImageControl.h"
#include "app/SkinLabel.h"
#include "app/PathLabel.h"
#include "app/frmMain.h"
#include "app/frmMenu.h"
#include "support/MainWindowRig.h"
#include "editor/PlaybackController.h"
#include "timeline/TimelineGeometry.h"
#include "timeline/TimelineLayout.h"
#include "timeline/SelectionLabels.h"
#include "timeline/TimeText.h"
#include "timeline/TimelinePanel.h"
#include "support/WindowParts.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

void send(QWidget* w, QEvent::Type type, QPoint pos = {2, 2}, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease || type == QEvent::MouseMove ? Qt::NoButton : button;
    QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), type == QEvent::MouseMove ? Qt::NoButton : button,
                  buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}
void moveOver(QWidget* w, QPoint pos = {2, 2}) { send(w, QEvent::MouseMove, pos); }
void click(QWidget* w, QPoint pos = {2, 2})
{
    send(w, QEvent::MouseButtonPress, pos);
    send(w, QEvent::MouseButtonRelease, pos);
}

}  // namespace

TEST(MainWindow, HoverPicturesFollowTheChromeRules)
{
    MainWindowRig rig;
    auto w = rig.make();
    w->show();
    moveOver(part<ImageControl>(*w, "imgExit"));
    EXPECT_EQ(part<ImageControl>(*w, "imgExit")->picture().cacheKey(), part<ImageControl>(*w, "imgExitLight")->picture().cacheKey());
    EXPECT_FALSE(part<ImageControl>(*w, "imgMin")->hasPicture());

    // From imgExit straight out of the window: no leave event, the hover look stays.
    moveOver(part<ImageControl>(*w, "imgMin"));  // imgMin swaps with imgExit and puts its tip in the hint line
    EXPECT_TRUE(part<ImageControl>(*w, "imgMin")->hasPicture());
    EXPECT_FALSE(part<ImageControl>(*w, "imgExit")->hasPicture());
    EXPECT_EQ(part<SkinLabel>(*w, "lblText")->text(), "Minimize");
    moveOver(part<ImageControl>(*w, "imgExit"));
    EXPECT_EQ(part<SkinLabel>(*w, "lblText")->text(), "Minimize");  // kept until the background is crossed

    moveOver(part<ImageControl>(*w, "imgMenu", 1));
    moveOver(part<ImageControl>(*w, "imgMenu", 2));
    EXPECT_FALSE(part<ImageControl>(*w, "imgMenu", 1)->hasPicture());
    EXPECT_TRUE(part<ImageControl>(*w, "imgMenu", 2)->hasPicture());
    moveOver(part<ImageControl>(*w, "imgOpen"));
    EXPECT_TRUE(part<ImageControl>(*w, "imgOpen")->hasPicture());

    moveOver(part<ImageControl>(*w, "imgCtrlButton", 3));
    EXPECT_EQ(part<SkinLabel>(*w, "lblText")->text(), "Select Start Position (B; Shift+B: hear 2 s)");  // the hint names the shortcuts
    EXPECT_EQ(part<ImageControl>(*w, "imgCtrlButton", 3)->picture().cacheKey(), part<ImageControl>(*w, "imgCtrlButtonLight", 3)->picture().cacheKey());
    moveOver(part<ImageControl>(*w, "imgButton", 5));
    EXPECT_EQ(part<SkinLabel>(*w, "lblText")->text(), "Settings");
    EXPECT_TRUE(part<ImageControl>(*w, "imgButton", 5)->hasPicture());
    EXPECT_TRUE(part<ImageControl>(*w, "imgCtrlButton", 3)->hasPicture());  // each array clears only its own buttons

    moveOver(part<PathLabel>(*w, "lblFileName"));  // a label is not the background
    EXPECT_TRUE(part<ImageControl>(*w, "imgExit")->hasPicture());

    moveOver(w.get(), {380, 300});  // the bare background restores everything
    for (ImageControl* c : {part<ImageControl>(*w, "imgExit"), part<ImageControl>(*w, "imgMin"), part<ImageControl>(*w, "imgOpen"), part<ImageControl>(*w, "imgMenu", 2), part<ImageControl>(*w, "imgButton", 5), part<ImageControl>(*w, "imgCtrlButton", 3)})
        EXPECT_FALSE(c->hasPicture());
    EXPECT_EQ(part<SkinLabel>(*w, "lblText")->text(), "");
}

TEST(MainWindow, PressedButtonsHoldTheirLookUntilTheBackgroundIsCrossed)
{
    MainWindowRig rig;
    auto w = rig.make();
    w->show();
    send(part<ImageControl>(*w, "imgCtrlButton", 1), QEvent::MouseButtonPress);
    EXPECT_EQ(part<ImageControl>(*w, "imgCtrlButton", 1)->picture().cacheKey(), part<ImageControl>(*w, "imgCtrlButtonPress", 1)->picture().cacheKey());
    moveOver(part<ImageControl>(*w, "imgCtrlButton", 2));  // another button while one is held: hint only
    EXPECT_EQ(part<SkinLabel>(*w, "lblText")->text(), "Pause (Space)");
    EXPECT_FALSE(part<ImageControl>(*w, "imgCtrlButton", 2)->hasPicture());
    EXPECT_TRUE(part<ImageControl>(*w, "imgCtrlButton", 1)->hasPicture());
    moveOver(w.get(), {380, 300});  // the background lets go of the held look
    moveOver(part<ImageControl>(*w, "imgCtrlButton", 2));
    EXPECT_TRUE(part<ImageControl>(*w, "imgCtrlButton", 2)->hasPicture());

    send(part<ImageControl>(*w, "imgButton", 2), QEvent::MouseButtonPress);
    EXPECT_FALSE(part<ImageControl>(*w, "imgButton", 2)->hasPicture());  // panel buttons have no pressed picture
    send(part<ImageControl>(*w, "imgButton", 2), QEvent::MouseButtonRelease);
    moveOver(part<ImageControl>(*w, "imgButton", 4));  // released: hovering shows looks again
    EXPECT_TRUE(part<ImageControl>(*w, "imgButton", 4)->hasPicture());
}

TEST(MainWindow, WindowMovesOnlyFromTheBackgroundAndTheVersionLabel)
{
    MainWindowRig rig;
    auto w = rig.make();
    w->show();
    send(part<PathLabel>(*w, "lblFileName"), QEvent::MouseButtonPress);
    EXPECT_FALSE(w->isManualMoveActive());
    send(part<SkinLabel>(*w, "lblTime"), QEvent::MouseButtonPress);
    EXPECT_FALSE(w->isManualMoveActive());
    send(part<ImageControl>(*w, "imgMenu", 0), QEvent::MouseButtonPress);
    EXPECT_FALSE(w->isManualMoveActive());
    send(part<SkinLabel>(*w, "lblVersion"), QEvent::MouseButtonPress);
    EXPECT_TRUE(w->isManualMoveActive());  // no window manager offscreen: the window follows
    send(w.get(), QEvent::MouseButtonRelease);
    EXPECT_FALSE(w->isManualMoveActive());
    send(w.get(), QEvent::MouseButtonPress, {380, 300}, Qt::RightButton);
    EXPECT_TRUE(w->isManualMoveActive());
    send(w.get(), QEvent::MouseButtonRelease, {380, 300}, Qt::RightButton);
}

TEST(MainWindow, ShutdownAsksAndCancelKeepsEverything)
{
    MainWindowRig rig;
    auto w = rig.make();
    w->show();
    QFile wav(rig.paths.tempWav);
    ASSERT_TRUE(wav.open(QIODevice::WriteOnly));
    wav.write("RIFF");
    wav.close();
    int shutDowns = 0;
    QObject::connect(w.get(), &frmMain::shutDown, [&] { ++shutDowns; });

    rig.boxes.answers = {MsgResult::Cancel};
    click(part<ImageControl>(*w, "imgExit"));
    ASSERT_EQ(rig.boxes.shown.size(), 1u);
    EXPECT_EQ(rig.boxes.shown[0].text, "Are you sure to quit?");
    EXPECT_EQ(rig.boxes.shown[0].title, "Exit");
    EXPECT_EQ(rig.boxes.shown[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(rig.boxes.shown[0].icon, MsgIcon::Warning);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(QFile::exists(rig.paths.tempWav));
    EXPECT_TRUE(rig.media.commands.filter("close sound").isEmpty());
    EXPECT_EQ(shutDowns, 0);

    // The window manager's close asks the same question; OK releases the sound and the WAV.
    rig.boxes.answers = {MsgResult::Ok};
    w->close();
    EXPECT_EQ(rig.boxes.shown.size(), 2u);
    EXPECT_EQ(rig.boxes.shown[1].text, "Are you sure to quit?");
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(shutDowns, 1);
    EXPECT_TRUE(rig.media.commands.contains("stop sound"));
    EXPECT_TRUE(rig.media.commands.contains("close sound"));
    EXPECT_FALSE(QFile::exists(rig.paths.tempWav));
    EXPECT_TRUE(QDir(rig.paths.tempDir).exists());
}

TEST(MainWindow, PanelIndicesReachTheirActions)
{
    MainWindowRig rig;
    auto w = rig.make();
    w->show();
    clickPanel(*w, 3);  // the button that lies far above the window does nothing
    EXPECT_TRUE(rig.boxes.shown.empty());
    EXPECT_TRUE(rig.shell.opened.isEmpty());

    clickPanel(*w, 4);
    ASSERT_EQ(rig.shell.opened.size(), 1);
    EXPECT_EQ(rig.shell.opened[0], "mailto:friend@example.com?subject=I ve cut music by TuneSnip!&body=I ve cut music by "
                                   "TuneSnip! You can see more detail here: www.tunesnip.example");
    clickPanel(*w, 6);
    EXPECT_EQ(rig.shell.opened.last(), rig.paths.helpFile());
    clickPanel(*w, 5);
    EXPECT_EQ(rig.settingsShown, 1);
    click(part<ImageControl>(*w, "imgFeedback"));
    EXPECT_EQ(rig.shell.opened.last(), "mailto:feedback@tunesnip.example?subject=Feedback/Bug Report");

    // Random cutter before any playback: the warning, nothing else.
    clickPanel(*w, 2);
    ASSERT_EQ(rig.boxes.shown.size(), 1u);
    EXPECT_EQ(rig.boxes.shown[0].text, "Please play the music first");
    EXPECT_EQ(rig.boxes.shown[0].title, "warning");
    EXPECT_FALSE(w->session().model().selection().beginShown);

    // Save with no selection does nothing; index 6 of the transport row is the same save.
    clickTransport(*w, 6);
    clickPanel(*w, 1);
    EXPECT_TRUE(rig.dialogs.calls.empty());

    rig.boxes.answers = {MsgResult::Ok};
    clickPanel(*w, 7);
    EXPECT_FALSE(w->isVisible());
}

TEST(MainWindow, ARandomCutShowsItsTimesInTheLabels)
{
    // The cutter's rules are tested on the session (tests/editor/session_commands_test.cpp).
    MainWindowRig rig;
    auto w = rig.make();
    w->session().model().setDuration(240);
    clickPanel(*w, 2);
    const Selection& s = w->session().model().selection();
    ASSERT_GE(s.endMs - s.beginMs, 6000);
    EXPECT_EQ(label(*w, "lblSelBegin")->text(), formatTimeMs(s.beginMs));
    EXPECT_EQ(label(*w, "lblViewLength")->text(), formatTimeMs(s.endMs - s.beginMs));
    EXPECT_TRUE(rig.boxes.shown.empty());
}

TEST(MainWindow, PlayheadHandlesStopThePollOnPressAndSeekOnRelease)
{
    MainWindowRig rig;
    auto w = rig.make();
    w->show();
    part<TimelinePanel>(*w, "picOpened")->show();
    w->session().model().setDuration(364);
    QFile wav(rig.paths.tempWav);
    ASSERT_TRUE(wav.open(QIODevice::WriteOnly));
    wav.close();
    for (int y : {kBottomHandleY + 4, kTopHandleY + 4}) {
        SCOPED_TRACE(y);
        ASSERT_TRUE(w->session().pollTimer().isActive());
        rig.media.commands.clear();
        const int x = int(std::lround(layoutTimeline(w->session().model()).playhead.left)) + 6;
        send(part<TimelinePanel>(*w, "picOpened"), QEvent::MouseButtonPress, {x, y});
        EXPECT_FALSE(w->session().pollTimer().isActive());  // the poll does not fight the drag
        EXPECT_EQ(rig.media.commands, QStringList({"stop sound", "close sound"}));
        QMouseEvent move(QEvent::MouseMove, QPointF(6 + 182, y), part<TimelinePanel>(*w, "picOpened")->mapToGlobal(QPointF(6 + 182, y)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(part<TimelinePanel>(*w, "picOpened"), &move);
        EXPECT_EQ(layoutTimeline(w->session().model()).playhead.left, 182);
        send(part<TimelinePanel>(*w, "picOpened"), QEvent::MouseButtonRelease, {6 + 182, y});
        EXPECT_TRUE(w->session().pollTimer().isActive());
        EXPECT_TRUE(rig.media.commands.contains("open " + rig.paths.tempWav + " alias sound"));
        EXPECT_TRUE(rig.media.commands.contains("play sound from 91000"));
        clickTransport(*w, 1);
        w->session().model().setPlayhead(0);
    }
}

TEST(MainWindow, TrackClicksPlayTheSecondUnderThePointerAndKeepTheSelectionPlayback)
{
    MainWindowRig rig;
    auto w = rig.make();
    w->show();
    part<TimelinePanel>(*w, "picOpened")->show();
    w->session().model().setDuration(364);
    w->session().state().playingSelection = kTrue;
    w->session().state().playPaused = kTrue;
    QFile wav(rig.paths.tempWav);
    ASSERT_TRUE(wav.open(QIODevice::WriteOnly));
    wav.close();
    // The second under the pointer plays: the line of 273 s is drawn at 546 + 6.
    send(part<TimelinePanel>(*w, "picOpened"), QEvent::MouseButtonPress, {552, 200});
    EXPECT_EQ(rig.media.commands.mid(rig.media.commands.size() - 4),
              QStringList({"stop sound", "close sound", "open " + rig.paths.tempWav + " alias sound",
                           "play sound from 273000"}));
    EXPECT_EQ(w->session().state().playingSelection, kTrue);
    EXPECT_EQ(w->session().state().playPaused, kTrue);
    EXPECT_TRUE(w->session().pollTimer().isActive());  // a click does not suspend the poll
    // The track's edges and the strips beside them play from the start and from the end.
    for (const auto& [x, ms] : {std::pair{0, "0"}, std::pair{6, "0"}, std::pair{8, "1000"}, std::pair{734, "364000"},
                                std::pair{745, "364000"}}) {
        send(part<TimelinePanel>(*w, "picOpened"), QEvent::MouseButtonPress, {x, 200}, Qt::RightButton);
        EXPECT_EQ(rig.media.commands.last(), QStringLiteral("play sound from ") + QLatin1String(ms)) << x;
    }
}

TEST(MainWindow, DispatcherRunsEveryKeywordEveryTime)
{
    MainWindowRig rig;
    auto w = rig.make();
    w->show();
    w->postAction(part<QLineEdit>(*w, "txtAction")->text());  // the designed "Text1" is no keyword
    EXPECT_TRUE(rig.boxes.shown.empty());

    w->postAction("About");
    w->postAction("About");  // the same choice twice runs twice
    ASSERT_EQ(rig.boxes.shown.size(), 2u);
    EXPECT_EQ(rig.boxes.shown[0].text,
              QStringLiteral("TuneSnip %1.%2.%3\r\n").arg(TUNESNIP_VERSION_MAJOR).arg(TUNESNIP_VERSION_MINOR).arg(TUNESNIP_VERSION_PATCH) +
                  QString::fromUtf8("\xC2\xA9 2026 TuneSnip developers\r\nwww.tunesnip.example"));
    EXPECT_EQ(rig.boxes.shown[0].title, "About");
    EXPECT_EQ(rig.boxes.shown[0].icon, MsgIcon::None);
    EXPECT_EQ(part<QLineEdit>(*w, "txtAction")->text(), "About");

    w->postAction("SR");
    w->postAction("Help");
    w->postAction("Setting");
    EXPECT_EQ(rig.shell.opened.size(), 2);
    EXPECT_EQ(rig.settingsShown, 1);
    w->postAction("about");  // case matters
    w->postAction("RRC");
    EXPECT_EQ(rig.boxes.shown.back().text, "Please play the music first");

    rig.dialogs.openAnswers.push_back(std::nullopt);  // cancelled
    w->postAction("OpenFile");
    ASSERT_EQ(rig.dialogs.calls.size(), 1u);
    EXPECT_EQ(rig.dialogs.calls[0].kind, DialogCall::Open);

    rig.boxes.answers = {MsgResult::Cancel};
    w->postAction("Exit");
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(rig.boxes.shown.back().text, "Are you sure to quit?");
}

TEST(MainWindow, MenusPopUpUnderTheirNamesAndPostTheirKeywords)
{
    MainWindowRig rig;
    auto w = rig.make();
    w->show();
    QPoint shownAt;
    QStringList captions;
    // Chooses "About(A)" from the About menu once it is up.
    QTimer::singleShot(0, [&] {
        auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(m, nullptr);
        shownAt = m->pos();
        for (QAction* a : m->actions())
            captions << a->text();
        m->actions().first()->trigger();
        m->close();
    });
    clickMenu(*w, 3);
    QCoreApplication::processEvents();
    EXPECT_EQ(shownAt, w->mapToGlobal(QPoint(206, 60)));
    EXPECT_EQ(captions, QStringList({"About(&A)", "Help(&H)"}));
    ASSERT_EQ(rig.boxes.shown.size(), 1u);
    EXPECT_EQ(rig.boxes.shown[0].title, "About");

    frmMenu& m = w->menuWindow();
    EXPECT_FALSE(m.isVisible());
    QStringList file;
    for (QAction* a : m.menuFile->actions())
        file << (a->isSeparator() ? QString("-") : a->text());
    // The designed items, with Close after Open and the recent files' submenu after Save.
    EXPECT_EQ(file, QStringList({"Open Audio File(&O)", "Close Audio File(&C)", "Save RingTone(&S)", "Recent Files(&R)",
                                 "-", "Exit(&E)"}));
    EXPECT_EQ(m.menuRRC->text(), "Random RingTone Cutter(&R)");
    EXPECT_EQ(m.menuSR->text(), "Send RingTone to Friends(&S)");
    EXPECT_EQ(m.menuSettings->text(), "Setting(&S)");

    // Dismissing a menu posts nothing.
    QTimer::singleShot(0, [] {
        if (QWidget* p = QApplication::activePopupWidget())
            p->close();
    });
    clickMenu(*w, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(rig.boxes.shown.size(), 1u);
    EXPECT_EQ(part<QLineEdit>(*w, "txtAction")->text(), "About");

    // Exit, then Cancel: the menu window is unloaded, and the next pop-up loads it again.
    rig.boxes.answers = {MsgResult::Cancel};
    m.menuExit->trigger();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w->isVisible());
    EXPECT_NE(w->menuWindow().menuFile, nullptr);
}

TEST(MainWindow, TheEffectsThatAreOnShowBesideSaveAndAClickOpensTheirSettings)
{
    MainWindowRig rig;
    auto w = rig.make();
    w->show();
    EXPECT_EQ(part<SkinLabel>(*w, "lblEffects")->text(), "");  // all off: nothing to tell
    w->session().effects() = EffectsSettings{1000, 1000, -16};
    w->showEffectsSummary();
    EXPECT_EQ(part<SkinLabel>(*w, "lblEffects")->text(), QString::fromUtf8("Fade 1 s \u00b7 \u221216 LUFS"));
    EXPECT_TRUE(part<SkinLabel>(*w, "lblEffects")->isVisible());
    // The whole text fits its box.
    EXPECT_LE(part<SkinLabel>(*w, "lblEffects")->fontMetrics().horizontalAdvance(part<SkinLabel>(*w, "lblEffects")->text()), part<SkinLabel>(*w, "lblEffects")->width());
    click(part<SkinLabel>(*w, "lblEffects"));
    EXPECT_EQ(rig.ringTonePageShown, 1);
    EXPECT_EQ(rig.settingsShown, 0);
}
