// The main window as assistive technology sees it: every control the user can reach has a name
// and a role, the press action runs the control's command, the time labels say what they mean,
// the timeline announces keyboard moves, and Tab reaches every command of the window.
#include "app/AppAccessible.h"
#include "support/AccessibleEvents.h"
#include "support/MainWindowRig.h"
#include "support/WindowParts.h"
#include "editor/EditorSession.h"
#include "transcode/ConsoleRunner.h"
#include "timeline/EditorModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct Window {
    MainWindowRig rig;
    std::unique_ptr<frmMain> w = rig.make();
    Window()
    {
        w->show();
        QApplication::setActiveWindow(w.get());
    }
    EditorModel& model() { return w->session().model(); }
    // Opens a 600-second sound as far as the timeline goes.
    void openSound()
    {
        QFile wav(rig.paths.tempWav);
        wav.open(QIODevice::WriteOnly);
        wav.close();
        rig.media.lengthMs = 600 * 1000.0;
        model().setDuration(600);
        timelineOf(*w)->show();
    }
};

// Every interface below `root` whose widget is shown, depth first.
void walk(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit)
{
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (!child || child->state().invisible)
            continue;
        visit(child);
        walk(child, visit);
    }
}

QAccessibleInterface* byName(QWidget* window, const QString& name, QAccessible::Role role)
{
    QAccessibleInterface* found = nullptr;
    walk(QAccessible::queryAccessibleInterface(window), [&](QAccessibleInterface* a) {
        if (!found && a->role() == role && a->text(QAccessible::Name) == name)
            found = a;
    });
    return found;
}

bool waitFor(const std::function<bool()>& done)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

void press(QAccessibleInterface* a)
{
    ASSERT_NE(a, nullptr);
    ASSERT_NE(a->actionInterface(), nullptr);
    ASSERT_TRUE(a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

}  // namespace

TEST(AppAccessible, EveryShownButtonAndMenuItemHasANameAndThePressAction)
{
    Window f;
    QStringList buttons, menus;
    walk(QAccessible::queryAccessibleInterface(f.w.get()), [&](QAccessibleInterface* a) {
        const QRect inside = f.w->geometry();
        if (!inside.intersects(a->rect()))
            return;  // the artwork stores and the panel button far above the window
        if (a->role() == QAccessible::Button || a->role() == QAccessible::MenuItem) {
            EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << a->object()->objectName().toStdString();
            EXPECT_TRUE(a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()))
                << a->object()->objectName().toStdString();
            (a->role() == QAccessible::Button ? buttons : menus) << a->text(QAccessible::Name);
        }
    });
    buttons.sort();
    QStringList expected = {"Open", "Save", "Random Cut", "Send to Friends", "Settings", "Help", "Exit",
                            "Play", "Stop", "Pause", "Select Start Position", "Select End Position",
                            "Play Selection", "Save Ring Tone", "Minimize", "Close", "Open a Media File",
                            "Send Feedback"};
    expected.sort();
    EXPECT_EQ(buttons, expected);
    EXPECT_EQ(menus, (QStringList{"File", "Tools", "Setting", "About"}));

    // The tool tip, with its shortcut, describes the button.
    QAccessibleInterface* save = byName(f.w.get(), "Save", QAccessible::Button);
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->text(QAccessible::Description), "Save Music (Ctrl+S)");
    EXPECT_EQ(byName(f.w.get(), "File", QAccessible::MenuItem)->text(QAccessible::Description),
              "Opens the File menu (Alt+F)");
}

TEST(AppAccessible, EveryControlTabReachesHasAName)
{
    Window f;
    f.openSound();
    f.model().applyRandomCut(10, 20);  // the timeline takes Tab while it has markers
    part<ImageControl>(*f.w, "imgButton", 0)->setFocus(Qt::TabFocusReason);
    QStringList names;
    for (int i = 0; i < 40 && names.size() < 21; ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        const QString name = QAccessible::queryAccessibleInterface(focus)->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << focus->objectName().toStdString();
        if (names.isEmpty() || names.last() != name)
            names << name;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    // The panel row, the transport row with the selection's times as they stand, the timeline
    // (both markers) and the feedback link, round.
    EXPECT_EQ(names.mid(0, 20).join("|").toStdString(), QStringList({"Open", "Save", "Random Cut", "Send to Friends", "Settings", "Help", "Exit",
                                            "Play", "Stop", "Pause", "Select Start Position", "Select End Position",
                                            "Play Selection", "Selection begin, 00:00:10", "Selection end, 00:00:20",
                                            "Selection length, 00:00:10", "Save Ring Tone", "Timeline", "Send Feedback",
                                            "Open"}).join("|").toStdString());
    // The feedback link is a command of the keyboard too.
    part<ImageControl>(*f.w, "imgFeedback")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(part<ImageControl>(*f.w, "imgFeedback"), Qt::Key_Return);
    ASSERT_EQ(f.rig.shell.opened.size(), 1);
    EXPECT_TRUE(f.rig.shell.opened.first().startsWith("mailto:"));
}

TEST(AppAccessible, PressingOpenAndSettingsRunsTheirCommands)
{
    Window f;
    press(byName(f.w.get(), "Settings", QAccessible::Button));
    EXPECT_EQ(f.rig.settingsShown, 0);  // after the caller has returned
    EXPECT_TRUE(waitFor([&] { return f.rig.settingsShown == 1; }));
    press(byName(f.w.get(), "Open", QAccessible::Button));
    EXPECT_TRUE(waitFor([&] { return !f.rig.dialogs.calls.empty(); }));
    ASSERT_EQ(f.rig.dialogs.calls.size(), 1u);
    EXPECT_EQ(f.rig.dialogs.calls[0].kind, DialogCall::Open);

    // A disabled button offers no press, and a press that arrives late does nothing.
    QAccessibleInterface* help = byName(f.w.get(), "Help", QAccessible::Button);
    press(help);
    part<ImageControl>(*f.w, "imgButton", 6)->setEnabled(false);
    QCoreApplication::processEvents();
    EXPECT_TRUE(f.rig.shell.opened.isEmpty());
    EXPECT_FALSE(help->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

TEST(AppAccessible, TimeLabelsSayWhatTheyMeanAndAnnounceTheirChanges)
{
    Window f;
    f.openSound();
    QLabel* begin = label(*f.w, "lblSelBegin");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(begin);
    EXPECT_EQ(a->role(), QAccessible::StaticText);
    EXPECT_EQ(a->text(QAccessible::Name), "Selection begin, 00:00:00");
    f.model().movePlayheadByMs(12000);
    ASSERT_TRUE(f.model().setBeginAtPlayhead());
    EXPECT_EQ(a->text(QAccessible::Name), "Selection begin, 00:00:12");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(label(*f.w, "lblTime"))->text(QAccessible::Name).left(14),
              "Current time, ");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(label(*f.w, "lblSelLength"))->text(QAccessible::Name),
              "Selection length, " + label(*f.w, "lblSelLength")->text());

    // An empty label says what it is for; the path field names the whole path, also when it
    // shows it elided.
    label(*f.w, "lblText")->clear();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(label(*f.w, "lblText"))->text(QAccessible::Name), "Hint");
    const QString path = "/music/" + QString(200, 'x') + "/song.mp3";
    part<PathLabel>(*f.w, "lblFileName")->setPath(path);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(part<PathLabel>(*f.w, "lblFileName"))->text(QAccessible::Name),
              "File, " + path);
}

TEST(AppAccessible, RightMovesThePlayheadAndTheTimelineAnnouncesIt)
{
    Window f;
    f.openSound();
    TimelinePanel* timeline = timelineOf(*f.w);
    AccessibleEventLog log(timeline);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(timeline);
    ASSERT_EQ(a->role(), QAccessible::Slider);
    EXPECT_EQ(a->valueInterface()->currentValue().toDouble(), 0.0);
    log.clear();
    QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Right);  // to the focused window
    QCoreApplication::processEvents();
    EXPECT_EQ(a->valueInterface()->currentValue().toDouble(), 1.0);
    ASSERT_EQ(log.valueChanges(timeline).size(), 1u);
    EXPECT_EQ(log.valueChanges(timeline).front().toDouble(), 1.0);
}

TEST(AppAccessible, TheDecodePanelIsAProgressBarThatTellsItsPercentage)
{
    Window f;
    const QString input = f.rig.root.filePath("long.mp3");
    QFile(input).open(QIODevice::WriteOnly);
    // A transcoder that reports a tenth of a 100-second file, then stalls.
    f.rig.useCoderScript("echo 'Duration: 00:01:40.00, start: 0.000000'; echo 'time=10.00 '; exec sleep 30");
    ImageControl* panel = part<ImageControl>(*f.w, "picPBBack");
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(panel);
    ASSERT_EQ(a->role(), QAccessible::ProgressBar);
    EXPECT_EQ(a->text(QAccessible::Name), "Decoding the file");
    ASSERT_NE(a->valueInterface(), nullptr);
    EXPECT_EQ(a->valueInterface()->maximumValue().toInt(), 100);
    int seen = -1;
    QObject::connect(&f.w->session().decodeRunner(), &ConsoleRunner::ReceiveOutputs, [&](QString&) {
        if (seen >= 0 || a->valueInterface()->currentValue().toInt() == 0)
            return;
        seen = a->valueInterface()->currentValue().toInt();
        EXPECT_FALSE(a->state().invisible);
        EXPECT_EQ(a->text(QAccessible::Value), "10%");
        pressEscape(*f.w);
    });
    f.rig.dialogs.openAnswers.push_back(input);
    f.w->session().openOrCloseFile();
    EXPECT_EQ(seen, 10);
    EXPECT_TRUE(a->state().invisible);
}
