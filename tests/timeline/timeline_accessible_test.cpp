// The timeline as assistive technology sees it: one slider whose value is what the arrow keys
// move (the playhead, or the marker taken with Tab), a description naming the selection, and a
// value change event for every keyboard move.
#include "support/AccessibleEvents.h"
#include "timeline/TimelineAccessible.h"
#include "timeline/TimelinePanel.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Rig {
    EditorModel model;
    QWidget window;
    TimelinePanel* panel;
    QWidget* before;  // a focusable neighbour, for Tab
    explicit Rig(std::int32_t duration)
    {
        model.setDuration(duration);
        before = new QWidget(&window);
        before->setFocusPolicy(Qt::TabFocus);
        before->setGeometry(0, 0, 10, 10);
        panel = new TimelinePanel(model, TimelineArt{}, &window);
        panel->setGeometry(0, 20, 746, 360);
        window.resize(760, 400);
        window.show();
        QApplication::setActiveWindow(&window);
    }
    QAccessibleInterface* iface() const { return QAccessible::queryAccessibleInterface(panel); }
    double value() const { return iface()->valueInterface()->currentValue().toDouble(); }
};

}  // namespace

TEST(TimelineAccessible, IsOneSliderOverTheFileWhoseValueIsThePlayhead)
{
    Rig r(125);
    QAccessibleInterface* a = r.iface();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Slider);
    EXPECT_EQ(a->text(QAccessible::Name), "Timeline");
    ASSERT_NE(a->valueInterface(), nullptr);
    EXPECT_EQ(a->valueInterface()->minimumValue().toDouble(), 0.0);
    EXPECT_EQ(a->valueInterface()->maximumValue().toDouble(), 125.0);
    EXPECT_EQ(a->valueInterface()->minimumStepSize().toDouble(), 1.0);
    r.model.movePlayheadByMs(72000);
    EXPECT_EQ(r.value(), 72.0);
    EXPECT_EQ(a->text(QAccessible::Value), "00:01:12");
    a->valueInterface()->setCurrentValue(5.0);  // read-only: the keys move it
    EXPECT_EQ(r.value(), 72.0);
    EXPECT_EQ(a->childCount(), 0);
}

TEST(TimelineAccessible, TheDescriptionNamesThePlayheadTheSelectionAndWhatTheArrowsMove)
{
    Rig r(600);
    QAccessibleInterface* a = r.iface();
    EXPECT_EQ(a->text(QAccessible::Description),
              "Playhead at 00:00:00. No selection. The arrow keys move the playhead.");
    r.model.movePlayheadByMs(12000);
    EXPECT_TRUE(r.model.setBeginAtPlayhead());
    EXPECT_EQ(a->text(QAccessible::Description),
              "Playhead at 00:00:12. Selection begins at 00:00:12. The arrow keys move the playhead.");
    r.model.applyRandomCut(100, 200);
    r.panel->takeMarker(Boundary::End);
    EXPECT_EQ(a->text(QAccessible::Description),
              "Playhead at 00:00:12. Selection from 00:01:40 to 00:03:20. The arrow keys move the selection end.");
    EXPECT_EQ(r.value(), 200.0);  // the taken marker is what the arrows move
    r.panel->takeMarker(Boundary::Begin);
    EXPECT_EQ(r.value(), 100.0);
}

TEST(TimelineAccessible, KeyboardMovesOfAMarkerAndThePlayheadAreAnnounced)
{
    Rig r(600);
    AccessibleEventLog log(r.panel);
    r.model.applyRandomCut(100, 200);
    EXPECT_GE(log.count(QAccessible::DescriptionChanged, r.panel), 1);
    r.before->setFocus();
    QTest::keyClick(r.before, Qt::Key_Tab);  // takes the begin marker: the value is now its time
    ASSERT_EQ(r.panel->takenMarker(), Boundary::Begin);
    log.clear();
    QTest::keyClick(r.panel, Qt::Key_Right);
    ASSERT_EQ(r.model.selection().beginMs, 101000);
    ASSERT_EQ(log.valueChanges(r.panel).size(), 1u);
    EXPECT_EQ(log.valueChanges(r.panel).back().toDouble(), 101.0);
    EXPECT_EQ(r.value(), 101.0);
    QTest::keyClick(r.panel, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(log.valueChanges(r.panel).back().toDouble(), 111.0);
    QTest::keyClick(r.panel, Qt::Key_Tab);  // on to the end marker: its time is announced
    EXPECT_EQ(log.valueChanges(r.panel).back().toDouble(), 200.0);

    // Let go of the marker: the playhead's keyboard moves are announced.
    r.before->setFocus();
    log.clear();
    r.model.movePlayheadByMs(1000);
    ASSERT_EQ(log.valueChanges(r.panel).size(), 1u);
    EXPECT_EQ(log.valueChanges(r.panel).back().toDouble(), 1.0);
}

TEST(TimelineAccessible, APlayingPlayheadIsNotAnnouncedEverySecond)
{
    Rig r(600);
    AccessibleEventLog log(r.panel);
    r.model.setPlaying(true);
    for (double t = 0.5; t <= 5; t += 0.5)
        r.model.setPlayhead(t);
    EXPECT_TRUE(log.valueChanges(r.panel).empty());
    r.model.setPlaying(false);
    r.model.movePlayheadByMs(-2000);
    ASSERT_EQ(log.valueChanges(r.panel).size(), 1u);
    EXPECT_EQ(r.value(), 3.0);
}
