// An editor session's panel commands without a window: the random cutter, and the help page
// and mail links through the desktop shell.
#include "support/SessionRig.h"
#include "timeline/TimeText.h"
#include "timeline/TimelineLayout.h"

#include <gtest/gtest.h>

TEST(SessionCommands, TheRandomCutterGivesMoreThanFiveSecondsOrGivesUp)
{
    SessionRig rig;
    EditorSession& s = rig.make();
    s.model().setDuration(240);
    for (int run = 0; run < 200; ++run) {
        s.randomCut();
        const Selection& sel = s.model().selection();
        ASSERT_GE(sel.endMs - sel.beginMs, 6000);
        ASSERT_GE(sel.beginMs, 0);
        ASSERT_LE(sel.endMs, 240000);
        ASSERT_EQ(sel.beginMs % 1000, 0);  // the random cutter stays in whole seconds
        ASSERT_EQ(sel.endMs % 1000, 0);
        ASSERT_TRUE(sel.beginShown && sel.endShown);
    }
    const Selection& sel = s.model().selection();
    EXPECT_EQ(rig.labels.text(TimeLabel::SelBegin), formatTimeMs(sel.beginMs));
    EXPECT_EQ(rig.labels.text(TimeLabel::ViewLength), formatTimeMs(sel.endMs - sel.beginMs));
    EXPECT_TRUE(layoutTimeline(s.model()).shadeShown);  // the span between the markers is shaded
    EXPECT_TRUE(rig.boxes.shown.empty());
    EXPECT_TRUE(rig.media.commands.filter("play").isEmpty());  // nothing is played
    EXPECT_TRUE(s.model().undo());  // each cut is one step back

    s.model().setDuration(5);  // too short: a message, nothing drawn
    s.randomCut();
    ASSERT_EQ(rig.boxes.shown.size(), 1u);
    EXPECT_EQ(rig.boxes.shown[0].title, "warning");
}

TEST(SessionCommands, TheRandomCutterNeverGivesUpWhenALongerCutExists)
{
    SessionRig rig;
    EditorSession& s = rig.make();
    s.model().setDuration(6);  // one cut only: the whole sound
    for (int run = 0; run < 500; ++run) {
        s.randomCut();
        ASSERT_TRUE(rig.boxes.shown.empty()) << "gave up on run " << run;
        ASSERT_EQ(s.model().selection().beginMs, 0);
        ASSERT_EQ(s.model().selection().endMs, 6000);
    }
}

TEST(SessionCommands, AShellThatOpensNothingIsToldWithWhatAndToWhom)
{
    SessionRig rig;
    EditorSession& s = rig.make();
    rig.shell.succeeds = false;
    s.openHelp();
    ASSERT_EQ(rig.boxes.shown.size(), 1u);
    EXPECT_TRUE(rig.boxes.shown[0].text.contains(rig.paths.helpFile()));
    EXPECT_TRUE(rig.boxes.shown[0].text.contains("help"));
    s.sendToFriends();
    ASSERT_EQ(rig.boxes.shown.size(), 2u);
    EXPECT_TRUE(rig.boxes.shown[1].text.contains("mail program"));
    EXPECT_TRUE(rig.boxes.shown[1].text.contains("friend@example.com"));
    s.sendFeedback();
    ASSERT_EQ(rig.boxes.shown.size(), 3u);
    EXPECT_TRUE(rig.boxes.shown[2].text.contains("feedback@tunesnip.example"));
    for (const ShownMessage& m : rig.boxes.shown) {
        EXPECT_EQ(m.title, "TuneSnip");
        EXPECT_EQ(m.buttons, MsgButtons::Ok);
    }
    // A shell that works says nothing.
    rig.shell.succeeds = true;
    s.openHelp();
    s.sendToFriends();
    EXPECT_EQ(rig.boxes.shown.size(), 3u);
}
