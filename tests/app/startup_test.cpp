#include "app/Fonts.h"
#include "app/ImageControl.h"
#include "app/SkinLabel.h"
#include "app/PathLabel.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "support/MainWindowRig.h"
#include "editor/EditorSession.h"
#include "timeline/TimelineLayout.h"
#include "timeline/TimelinePanel.h"
#include "support/WindowParts.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using MainFixture = MainWindowRig;

QColor textColour(const QLabel* l) { return l->palette().color(QPalette::WindowText); }

}  // namespace

TEST(Startup, SplashShowsThreeTextsThenOpensTheMainWindow)
{
    int shown = 0;
    bool splashHiddenWhenMainShown = false;
    frmSplash* splashPtr = nullptr;
    frmSplash splash([&] {
        ++shown;
        splashHiddenWhenMainShown = splashPtr->isHidden();
    });
    splashPtr = &splash;
    splash.show();
    EXPECT_EQ(splash.size(), QSize(400, 200));
    EXPECT_TRUE(splash.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash.timer1()->isActive());
    EXPECT_EQ(splash.timer1()->interval(), 1000);
    EXPECT_EQ(splash.label1()->text(), "Loading...");
    EXPECT_EQ(textColour(splash.label2()), QColor(0, 0, 255));
    EXPECT_TRUE(splash.label2()->font().underline());
    EXPECT_EQ(textColour(splash.label3()), QColor(64, 64, 64));

    splash.Timer1_Timer();
    EXPECT_EQ(splash.label1()->text(), "Graphics...");
    EXPECT_EQ(shown, 0);
    splash.Timer1_Timer();
    EXPECT_EQ(splash.label1()->text(), "Components...");
    EXPECT_EQ(shown, 0);
    EXPECT_TRUE(splash.isVisible());
    splash.Timer1_Timer();
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(splashHiddenWhenMainShown);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.timer1()->isActive());
}

TEST(Startup, SplashTicksOnItsOwnTimer)
{
    bool shown = false;
    frmSplash splash([&] { shown = true; });
    splash.timer1()->setInterval(20);  // the same timer, quicker
    splash.show();
    QElapsedTimer t;
    t.start();
    while (!shown && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(shown);
    EXPECT_EQ(splash.tickCounter(), 3);
}

TEST(Startup, MainWindowStartsEmptyWithDesignedLabelsAndMarkers)
{
    MainFixture fx;
    auto w = fx.make();
    EXPECT_EQ(w->windowTitle(), "TuneSnip");
    EXPECT_EQ(w->size(), QSize(765, 565));
    EXPECT_TRUE(w->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w->transparentColorKey(), QColor(255, 0, 255));

    for (QLabel* l : {part<SkinLabel>(*w, "lblTime"), part<SkinLabel>(*w, "lblSelBegin"), part<SkinLabel>(*w, "lblSelEnd"), part<SkinLabel>(*w, "lblSelLength"), part<SkinLabel>(*w, "lblViewBegin"), part<SkinLabel>(*w, "lblViewEnd"),
                      part<SkinLabel>(*w, "lblViewLength")}) {
        EXPECT_EQ(l->text(), "00:00:00");
        EXPECT_EQ(textColour(l), QColor(11, 77, 109));
    }
    EXPECT_EQ(textColour(part<SkinLabel>(*w, "lblText")), QColor(11, 77, 109));
    EXPECT_EQ(part<SkinLabel>(*w, "lblText")->text(), "");
    EXPECT_EQ(part<SkinLabel>(*w, "lblTimeLeft")->text(), "Start");
    EXPECT_EQ(part<SkinLabel>(*w, "lblTimeRight")->text(), "End");
    // A neutral hint, not a path that cannot exist here, in the label's own colour and font.
    EXPECT_EQ(part<PathLabel>(*w, "lblFileName")->text(), "No file open");
    EXPECT_EQ(part<PathLabel>(*w, "lblFileName")->font(), part<SkinLabel>(*w, "lblTimeLeft")->font());
    for (QLabel* l : std::initializer_list<QLabel*>{part<SkinLabel>(*w, "lblTimeLeft"), part<SkinLabel>(*w, "lblTimeRight"), part<PathLabel>(*w, "lblFileName")})
        EXPECT_EQ(textColour(l), QColor(71, 99, 113));
    EXPECT_EQ(part<SkinLabel>(*w, "lblVersion")->text(), QString("- Ver %1.%2.%3").arg(TUNESNIP_VERSION_MAJOR).arg(TUNESNIP_VERSION_MINOR).arg(TUNESNIP_VERSION_PATCH));
    EXPECT_EQ(part<SkinLabel>(*w, "lblVersion")->geometry(), QRect(96, 16, 87, 14));
    EXPECT_EQ(textColour(part<SkinLabel>(*w, "lblVersion")), QColor(Qt::white));

    const EditorState& s = w->session().state();
    EXPECT_EQ(s.fileIsOpen, 0);
    EXPECT_EQ(s.playPaused, 0);
    EXPECT_EQ(s.playingSelection, 0);
    EXPECT_EQ(w->session().model().selection(), Selection{});
    EXPECT_EQ(s.sourceDurationSeconds, 0);
    EXPECT_EQ(s.currentJob, "");
    EXPECT_EQ(w->session().model().duration(), 0);
    EXPECT_EQ(part<QLineEdit>(*w, "txtAction")->text(), "Text1");
    EXPECT_TRUE(part<QLineEdit>(*w, "txtAction")->isHidden());
    EXPECT_TRUE(part<TimelinePanel>(*w, "picOpened")->isHidden());
    EXPECT_TRUE(part<ImageControl>(*w, "picPBBack")->isHidden());
    EXPECT_TRUE(part<ImageControl>(*w, "picPro")->isHidden());
    EXPECT_EQ(part<QLabel>(*w, "lblPB")->text(), "0%");
    EXPECT_EQ(part<QLabel>(*w, "lblPro")->text(), "0%");
    EXPECT_EQ(w->session().pollTimer().interval(), 100);

    // Begin marker at 0 (line 6), end marker at 728 (line 734), both hidden; the playhead at 0.
    const TimelineLayout l = layoutTimeline(w->session().model());
    EXPECT_EQ(l.begin.left, 0);
    EXPECT_EQ(l.end.left, 728);
    EXPECT_FALSE(l.begin.drawn);
    EXPECT_FALSE(l.end.drawn);
    EXPECT_EQ(l.playhead.left, 0);
    EXPECT_EQ(part<TimelinePanel>(*w, "picOpened")->geometry(), QRect(10, 104, 746, 360));

    // Controls at their designed places; panel button 3 is out of sight.
    EXPECT_EQ(part<ImageControl>(*w, "imgExit")->geometry(), QRect(729, 12, 22, 22));
    EXPECT_EQ(part<ImageControl>(*w, "imgMin")->geometry(), QRect(704, 12, 22, 22));
    EXPECT_EQ(part<ImageControl>(*w, "imgOpen")->geometry(), QRect(146, 220, 31, 36));
    EXPECT_EQ(part<ImageControl>(*w, "imgMenu", 3)->geometry(), QRect(206, 42, 62, 18));
    EXPECT_EQ(part<ImageControl>(*w, "imgFeedback")->geometry(), QRect(648, 538, 83, 17));
    EXPECT_EQ(part<ImageControl>(*w, "imgButton", 0)->geometry(), QRect(24, 65, 37, 32));
    EXPECT_EQ(part<ImageControl>(*w, "imgButton", 7)->geometry(), QRect(319, 65, 37, 32));
    EXPECT_LT(part<ImageControl>(*w, "imgButton", 3)->geometry().bottom(), 0);
    EXPECT_EQ(part<ImageControl>(*w, "imgCtrlButton", 5)->geometry(), QRect(240, 483, 34, 32));
    EXPECT_EQ(part<ImageControl>(*w, "imgCtrlButton", 6)->geometry(), QRect(643, 483, 108, 32));
    EXPECT_EQ(part<TimelinePanel>(*w, "picOpened")->geometry(), QRect(10, 104, 746, 360));
    EXPECT_EQ(part<ImageControl>(*w, "imgPB")->width(), 361);
    EXPECT_EQ(part<ImageControl>(*w, "picPro")->width(), 281);
    // The designed tips, each followed by its shortcut where it has one.
    EXPECT_EQ(part<ImageControl>(*w, "imgButton", 1)->toolTip(), "Save Music (Ctrl+S)");
    EXPECT_EQ(part<ImageControl>(*w, "imgButton", 5)->toolTip(), "Settings");
    EXPECT_EQ(part<ImageControl>(*w, "imgCtrlButton", 3)->toolTip(), "Select Start Position (B; Shift+B: hear 2 s)");
    EXPECT_EQ(part<ImageControl>(*w, "imgCtrlButton", 4)->toolTip(), "Select End Position (E; Shift+E: hear 2 s)");
    EXPECT_EQ(part<ImageControl>(*w, "imgCtrlButton", 1)->toolTip(), "Stop");
    EXPECT_EQ(part<ImageControl>(*w, "imgFeedback")->toolTip(), "Send Bug Report & Feedback to us");
    // Hover stores carry pictures but are never visible.
    EXPECT_FALSE(w->skin().isNull());  // the artwork is compiled in
    EXPECT_TRUE(part<ImageControl>(*w, "imgExitLight")->hasPicture());
    EXPECT_TRUE(part<ImageControl>(*w, "imgCtrlButtonPress", 6)->hasPicture());
    EXPECT_EQ(part<ImageControl>(*w, "imgCtrlButtonPress", 6)->picture().size(), QSize(108, 32));
    EXPECT_FALSE(w->mask().contains(QPoint(0, 0)));  // shaped by the magenta corners
    EXPECT_TRUE(w->mask().contains(QPoint(380, 300)));
    EXPECT_TRUE(part<ImageControl>(*w, "imgExitLight")->isHidden());
    EXPECT_TRUE(part<ImageControl>(*w, "imgCtrlButtonPress", 6)->isHidden());
    EXPECT_FALSE(part<ImageControl>(*w, "imgExit")->hasPicture());
}

TEST(Startup, LoadsSettingsAndPreparesThePrivateTemporaryFolder)
{
    MainFixture fx;
    {
        auto w = fx.make();
        EXPECT_EQ(w->session().settings().openFolderAfterSave, 0);  // no setup.ini
        EXPECT_EQ(w->session().settings().playSoundAfterSave, 0);
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(fx.paths.tempDir).constData(), &st), 0);
        EXPECT_TRUE(S_ISDIR(st.st_mode));
        EXPECT_EQ(st.st_mode & 0777, 0700u);
    }
    QFile ini(fx.paths.setupIni());
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("7\r\n1\r\n");
    ini.close();
    QFile keep(fx.paths.tempDir + "/keep.txt");
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
    keep.write("x");
    keep.close();

    auto w = fx.make();
    EXPECT_EQ(w->session().settings().openFolderAfterSave, 7);
    EXPECT_EQ(w->session().settings().playSoundAfterSave, 1);
    EXPECT_TRUE(QFile::exists(fx.paths.tempDir + "/keep.txt"));
}

TEST(Startup, GeometryConversionKeepsPixelsAndMarkers)
{
    MainFixture fx;
    auto w = fx.make();
    w->convertGeometry(12, 12);
    EXPECT_EQ(part<ImageControl>(*w, "imgButton", 0)->geometry(), QRect(24, 65, 37, 32));
    EXPECT_EQ(part<SkinLabel>(*w, "lblTime")->geometry(), QRect(301, 490, 75, 23));
    EXPECT_EQ(layoutTimeline(w->session().model()).end.left, 728);
    EXPECT_EQ(part<TimelinePanel>(*w, "picOpened")->size(), QSize(746, 360));
    EXPECT_NEAR(part<SkinLabel>(*w, "lblTime")->font().pointSizeF(), 14.25 * 12 / 15, 0.01);
    w->convertGeometry(15, 15);
    EXPECT_NEAR(part<SkinLabel>(*w, "lblTime")->font().pointSizeF(), 14.25, 0.01);
    EXPECT_EQ(w->size(), QSize(765, 565));
}
