// The windows on a screen of two device pixels per logical pixel: this test program runs with
// QT_SCALE_FACTOR=2. Skins, hover and pressed pictures, progress bars, the timeline's art and
// the settings and splash windows show their double-size pictures at their logical sizes,
// while every window keeps the shape of its 1x picture.
#include "app/ImageControl.h"
#include "app/SkinnedWindow.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "platform/SkinShape.h"
#include "settings/frmSetting.h"
#include "support/MainWindowRig.h"
#include "support/WindowParts.h"
#include "timeline/TimelinePainter.h"
#include "timeline/TimelinePanel.h"

#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Set before main() makes the application, so that its screen is a dense one.
const bool kDenseScreen = qputenv("QT_SCALE_FACTOR", "2");

// Whether the device pixels of `shown` inside the logical rectangle `r` are those of the
// double-size `picture` at the same place (both with two device pixels per logical pixel).
bool showsPicture(const QImage& shown, const QImage& picture, const QRect& r)
{
    const QImage a = shown.convertToFormat(QImage::Format_RGB32);
    const QImage b = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 2 * r.top(); y < 2 * (r.bottom() + 1); ++y)
        for (int x = 2 * r.left(); x < 2 * (r.right() + 1); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

QImage grabbed(QWidget& w)
{
    const QImage image = w.grab().toImage();
    EXPECT_EQ(image.size(), w.size() * 2);
    return image;
}

void expectDense(const ImageControl* c, QSize logical)
{
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->picture().devicePixelRatio(), 2.0);
    EXPECT_EQ(c->picture().deviceIndependentSize(), QSizeF(logical));
}

}  // namespace

TEST(DenseScreen, TheScreenHasTwoDevicePixelsPerPixel)
{
    ASSERT_TRUE(kDenseScreen);
    EXPECT_EQ(qApp->devicePixelRatio(), 2.0);
}

TEST(DenseScreen, ASkinnedWindowPaintsTheDoublePictureInTheShapeOfThe1xOne)
{
    QTemporaryDir dir;
    QImage one(20, 10, QImage::Format_RGB32);
    one.fill(Qt::red);
    one.setPixel(0, 0, qRgb(255, 0, 255));
    ASSERT_TRUE(one.save(dir.filePath("skin.png")));
    QImage two(40, 20, QImage::Format_RGB32);
    two.fill(Qt::blue);
    ASSERT_TRUE(two.save(dir.filePath("skin@2x.png")));

    SkinnedWindow w;
    w.setSkin(dir.filePath("skin.png"));
    EXPECT_EQ(w.size(), QSize(20, 10));
    EXPECT_EQ(w.skin().size(), QSize(20, 10));
    EXPECT_FALSE(w.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(w.mask().contains(QPoint(1, 0)));
    EXPECT_EQ(grabbed(w).pixelColor(30, 15), QColor(Qt::blue));

    // A double picture that does not match the 1x one is not used.
    QImage odd(30, 30, QImage::Format_RGB32);
    odd.fill(Qt::green);
    ASSERT_TRUE(odd.save(dir.filePath("odd@2x.png")));
    ASSERT_TRUE(one.save(dir.filePath("odd.png")));
    w.setSkin(dir.filePath("odd.png"));
    EXPECT_EQ(grabbed(w).pixelColor(30, 15), QColor(Qt::red));
}

TEST(DenseScreen, TheMainWindowShowsItsDoublePictures)
{
    MainWindowRig rig;
    auto main = rig.make();
    EXPECT_EQ(main->size(), QSize(765, 565));
    EXPECT_EQ(main->skin().devicePixelRatio(), 1.0);
    EXPECT_EQ(main->mask(), skinRegion(QImage(":/skin/main/background.png")));
    const QImage background(":/skin/main/background@2x.png");
    EXPECT_TRUE(showsPicture(grabbed(*main), background, {18, 8, 74, 26}));  // the product name

    expectDense(part<ImageControl>(*main, "imgExitLight"), {22, 22});
    expectDense(part<ImageControl>(*main, "imgMinLight"), {22, 22});
    expectDense(part<ImageControl>(*main, "imgGettingStartedLight"), {31, 36});
    for (const ImageControl* c : parts(*main, "imgMenuData", 4))
        expectDense(c, c->geometry().size());
    for (int i : {0, 1, 2, 4, 5, 6, 7})
        expectDense(part<ImageControl>(*main, "imgButtonData", i), {37, 32});
    for (int i = 0; i < 7; ++i) {
        const QSize size = i < 6 ? QSize(34, 32) : QSize(108, 32);
        expectDense(part<ImageControl>(*main, "imgCtrlButtonLight", i), size);
        expectDense(part<ImageControl>(*main, "imgCtrlButtonPress", i), size);
    }
    expectDense(part<ImageControl>(*main, "picPBBack"), {381, 64});
    expectDense(part<ImageControl>(*main, "imgPB"), {361, 14});
    expectDense(part<ImageControl>(*main, "picPro"), {281, 44});
    expectDense(part<ImageControl>(*main, "imgPro"), {281, 16});

    // The timeline's card and handles come at double density too.
    const QImage panel = timelineOf(*main)->grabScene();
    ASSERT_EQ(panel.size(), QSize(2 * kPanelWidth, 720));
    EXPECT_TRUE(showsPicture(panel, QImage(":/skin/main/timeline@2x.png"), {0, 0, kPanelWidth, kRulerTop}));
}

TEST(DenseScreen, TheSplashAndTheSettingsWindowShowTheirDoublePictures)
{
    frmSplash splash([] {});
    splash.timer1()->stop();
    EXPECT_EQ(splash.size(), QSize(400, 200));
    EXPECT_EQ(splash.mask(), skinRegion(QImage(":/skin/splash/splash.png")));
    EXPECT_TRUE(showsPicture(grabbed(splash), QImage(":/skin/splash/splash@2x.png"), {20, 18, 360, 70}));

    QTemporaryDir dir;
    AfterSaveSettings values;
    EffectsSettings effects;
    frmSetting settings(values, effects, dir.filePath("setup.ini"));
    EXPECT_EQ(settings.size(), QSize(418, 251));
    EXPECT_EQ(settings.mask(), skinRegion(QImage(":/settings/background.png")));
    EXPECT_TRUE(showsPicture(grabbed(settings), QImage(":/settings/background@2x.png"), {14, 8, 120, 34}));
    settings.showPage(1);
    EXPECT_TRUE(showsPicture(grabbed(settings), QImage(":/settings/effects@2x.png"), {14, 8, 120, 34}));
    EXPECT_EQ(settings.Image1()->pixmap().devicePixelRatio(), 2.0);
}
