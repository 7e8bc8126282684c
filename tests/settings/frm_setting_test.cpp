#include "controls/SkinButton.h"
#include "settings/SettingsWindowLauncher.h"
#include "settings/SettingsPageTab.h"
#include "settings/frmSetting.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class FrmSettingTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    EffectsSettings effects;
    QString ini() const { return dir.filePath("setup.ini"); }
    QByteArray file() const
    {
        QFile f(ini());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
};

void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(w->width() / 2, w->height() / 2)); }

// A mouse event at a global pointer position, as the window system reports it.
void send(QWidget* target, QEvent::Type type, QPoint global, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, target->mapFromGlobal(QPointF(global)), QPointF(global), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

// A press on `target` at `pos`, then moves of the pointer by (dx, dy) and the release, all with
// the left button.
void drag(QWidget* target, QPoint pos, QPoint delta)
{
    const QPoint global = target->mapToGlobal(pos);
    send(target, QEvent::MouseButtonPress, global, Qt::LeftButton);
    send(target, QEvent::MouseMove, global + delta / 2, Qt::LeftButton);
    send(target, QEvent::MouseMove, global + delta, Qt::LeftButton);
    send(target, QEvent::MouseButtonRelease, global + delta, Qt::NoButton);
}

}  // namespace

TEST_F(FrmSettingTest, FirstStartShowsTheDefaultsInTheDesignedLayout)
{
    AfterSaveSettings values;
    frmSetting w(values, effects, ini());
    EXPECT_EQ(w.size(), QSize(418, 251));
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w.cmbOF()->currentText(), "Open the folder");
    EXPECT_EQ(w.cmbRS()->currentText(), "Yes");
    EXPECT_EQ(w.cmbOF()->count(), 2);
    EXPECT_EQ(w.cmbOF()->itemText(1), "Do Nothing");
    EXPECT_EQ(w.cmbRS()->itemText(1), "No");
    EXPECT_EQ(w.cmbOF()->geometry(), QRect(46, 80, 313, 22));
    EXPECT_EQ(w.cmbRS()->geometry(), QRect(46, 148, 313, 22));
    EXPECT_EQ(w.cmdOK()->geometry(), QRect(66, 194, 127, 36));
    EXPECT_EQ(w.cmbBack()->geometry(), QRect(210, 194, 127, 36));
    EXPECT_EQ(w.Image1()->geometry(), QRect(388, 12, 15, 19));
    EXPECT_FALSE(w.Image1()->pixmap().isNull());
    for (SkinButton* b : {w.cmdOK(), w.cmbBack()}) {
        EXPECT_EQ(b->Style(), 5);
        EXPECT_EQ(b->IconSize(), 32);
        EXPECT_EQ(b->IconAlign(), 1);
        EXPECT_EQ(b->NonThemeStyle(), 0);
        EXPECT_EQ(b->ToolTipType(), 0);
        EXPECT_FALSE(b->Icon().isNull());
        EXPECT_DOUBLE_EQ(b->Font().pointSizeF(), 8.25);
    }
    EXPECT_EQ(w.cmdOK()->Caption(), "       O K");
    EXPECT_EQ(w.cmbBack()->Caption(), "       Back");
    EXPECT_EQ(file(), "<absent>");  // opening writes nothing
}

TEST_F(FrmSettingTest, ConfirmingStoresTheChoicesAndCloses)
{
    AfterSaveSettings values;
    {
        frmSetting w(values, effects, ini());
        w.show();
        w.cmbOF()->setCurrentIndex(1);
        w.cmbRS()->setCurrentIndex(1);
        click(w.cmdOK());
        EXPECT_FALSE(w.isVisible());
    }
    EXPECT_EQ(file(), "1\r\n1\r\n");
    EXPECT_EQ(values.openFolderAfterSave, 1);
    EXPECT_EQ(values.playSoundAfterSave, 1);
    frmSetting again(values, effects, ini());  // the next opening shows them again
    EXPECT_EQ(again.cmbOF()->currentText(), "Do Nothing");
    EXPECT_EQ(again.cmbRS()->currentText(), "No");
}

TEST_F(FrmSettingTest, AValueNamingNoEntryLeavesNoSelectionAndStoresMinusOne)
{
    AfterSaveSettings values;
    values.openFolderAfterSave = 7;
    values.playSoundAfterSave = -1;
    frmSetting w(values, effects, ini());
    EXPECT_EQ(w.cmbOF()->currentIndex(), -1);
    EXPECT_EQ(w.cmbRS()->currentIndex(), -1);
    w.cmbRS()->setCurrentIndex(0);
    click(w.cmdOK());
    EXPECT_EQ(values.openFolderAfterSave, -1);
    EXPECT_EQ(values.playSoundAfterSave, 0);
    EXPECT_EQ(file(), "-1\r\n0\r\n");
}

TEST_F(FrmSettingTest, BackAndTheCloseGlyphKeepValuesAndFile)
{
    {
        QFile f(ini());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("0\r\n1\r\n");
    }
    AfterSaveSettings values;
    values.playSoundAfterSave = 1;
    for (int way = 0; way < 3; ++way) {
        frmSetting w(values, effects, ini());
        w.show();
        QApplication::setActiveWindow(&w);
        w.cmbOF()->setCurrentIndex(1);
        w.cmbRS()->setCurrentIndex(0);
        w.cmbRS()->setFocus();
        if (way == 2)
            QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Escape);  // to the focused list: closes like Back
        else
            click(way == 0 ? static_cast<QWidget*>(w.cmbBack()) : w.Image1());
        EXPECT_FALSE(w.isVisible()) << way;
        EXPECT_EQ(values.openFolderAfterSave, 0);
        EXPECT_EQ(values.playSoundAfterSave, 1);
        EXPECT_EQ(file(), "0\r\n1\r\n");
    }
}

TEST_F(FrmSettingTest, AnUnwritableFileStillAppliesTheValuesAndCloses)
{
    AfterSaveSettings values;
    frmSetting w(values, effects, dir.filePath("missing/folder/setup.ini"));
    w.show();
    w.cmbOF()->setCurrentIndex(1);
    click(w.cmdOK());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(values.openFolderAfterSave, 1);
}

TEST_F(FrmSettingTest, DraggingStartsOnlyFromTheBackground)
{
    AfterSaveSettings values;
    frmSetting w(values, effects, ini());
    int systemMoves = 0;
    w.dragger().setSystemMove([&](QWidget&) {
        ++systemMoves;
        return false;  // as on a display without a window manager: follow the pointer
    });
    w.move(100, 100);
    w.show();
    const QPoint start = w.pos();

    drag(w.cmbOF(), QPoint(20, 10), QPoint(30, 20));
    drag(w.cmdOK(), QPoint(60, 18), QPoint(30, 20));
    drag(w.Image1(), QPoint(5, 5), QPoint(30, 20));
    EXPECT_EQ(w.pos(), start);
    EXPECT_EQ(systemMoves, 0);
    EXPECT_TRUE(w.isVisible());  // dragging off the glyph is no click on it

    drag(&w, QPoint(200, 240), QPoint(30, 20));
    EXPECT_EQ(w.pos(), start + QPoint(30, 20));
    EXPECT_EQ(systemMoves, 1);  // asked once per drag
    EXPECT_FALSE(w.dragger().dragging());

    // Where the window system moves the window, we do not move it ourselves.
    w.dragger().setSystemMove([&](QWidget&) {
        ++systemMoves;
        return true;
    });
    drag(&w, QPoint(200, 240), QPoint(30, 20));
    EXPECT_EQ(w.pos(), start + QPoint(30, 20));
    EXPECT_EQ(systemMoves, 2);

    // A move without the button held moves nothing.
    send(&w, QEvent::MouseMove, w.mapToGlobal(QPoint(10, 10)), Qt::NoButton);
    EXPECT_EQ(w.pos(), start + QPoint(30, 20));
}

TEST_F(FrmSettingTest, TheShapeLeavesOutTheMagentaWithoutAPinkFringe)
{
    AfterSaveSettings values;
    frmSetting w(values, effects, ini());
    const QImage& bg = w.background();
    ASSERT_EQ(bg.size(), QSize(418, 251));
    const QRgb key = qRgb(255, 0, 255);
    EXPECT_EQ(bg.pixel(0, 0), key);
    const QRegion shape = frmSetting::shapeFromColorKey(bg);
    EXPECT_EQ(w.mask(), shape);
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(417, 250)));
    EXPECT_TRUE(shape.contains(QPoint(209, 125)));
    EXPECT_TRUE(shape.contains(QPoint(0, 125)));
    int magenta = 0;
    for (int y = 0; y < bg.height(); ++y)
        for (int x = 0; x < bg.width(); ++x) {
            const QRgb c = bg.pixel(x, y);
            EXPECT_EQ(shape.contains(QPoint(x, y)), c != key) << x << "," << y;
            if (c == key) {
                ++magenta;
                continue;
            }
            // No pixel of the shape is a blend towards the key colour.
            const bool pinkish = qRed(c) > qGreen(c) + 60 && qBlue(c) > qGreen(c) + 60;
            EXPECT_FALSE(pinkish) << x << "," << y;
        }
    EXPECT_GT(magenta, 40);      // the rounded corners are cut
    EXPECT_LT(magenta, 1000);
}

TEST_F(FrmSettingTest, KeepsDarkTextOnItsLightArtworkUnderADarkDesktopTheme)
{
    const QPalette old = QApplication::palette();
    QPalette dark = old;
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Base, Qt::black);
    QApplication::setPalette(dark);
    AfterSaveSettings values;
    frmSetting w(values, effects, ini());
    QApplication::setPalette(old);
    EXPECT_LT(w.cmdOK()->palette().color(QPalette::ButtonText).lightness(), 100);
    EXPECT_LT(w.cmbOF()->palette().color(QPalette::Text).lightness(), 100);
    EXPECT_GT(w.cmbOF()->palette().color(QPalette::Base).lightness(), 200);
    // The caption is drawn dark on the light face.
    const QImage face = w.cmdOK()->faceImage();
    int darkPixels = 0;
    for (int y = 8; y < 28; ++y)
        for (int x = 60; x < 110; ++x)
            darkPixels += QColor(face.pixel(x, y)).lightness() < 100;
    EXPECT_GT(darkPixels, 10);
}

TEST_F(FrmSettingTest, LauncherShowsOneWindowAtATimeAndReloads)
{
    AfterSaveSettings values;
    SettingsWindowLauncher launcher(values, effects, ini());
    EXPECT_EQ(launcher.window(), nullptr);
    launcher.show();
    frmSetting* first = launcher.window();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->parentWidget(), nullptr);
    EXPECT_FALSE(first->isModal());
    launcher.show();
    EXPECT_EQ(launcher.window(), first);

    first->cmbOF()->setCurrentIndex(1);
    click(first->cmdOK());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(launcher.window(), nullptr);  // destroyed when closed
    EXPECT_EQ(values.openFolderAfterSave, 1);

    values.playSoundAfterSave = 1;  // changed meanwhile: the next window shows it
    launcher.show();
    ASSERT_NE(launcher.window(), nullptr);
    EXPECT_EQ(launcher.window()->cmbOF()->currentIndex(), 1);
    EXPECT_EQ(launcher.window()->cmbRS()->currentIndex(), 1);
}

TEST_F(FrmSettingTest, ClosingGivesTheKeysBackToTheWindowItWasOpenedFrom)
{
    // With no window manager to hand the focus on, the main window's keys would stay dead.
    QWidget main;
    main.show();
    AfterSaveSettings values;
    SettingsWindowLauncher launcher(values, effects, ini(), &main);
    launcher.show();
    QApplication::setActiveWindow(launcher.window());
    ASSERT_EQ(QApplication::activeWindow(), launcher.window());
    click(launcher.window()->cmbBack());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(launcher.window(), nullptr);
    QCoreApplication::processEvents();  // the window system's answer to the activation
    EXPECT_EQ(QApplication::activeWindow(), &main);
}

TEST_F(FrmSettingTest, TheRingTonePageSetsTheEffectsAndStoresThemBesideSetupIni)
{
    AfterSaveSettings values;
    frmSetting w(values, effects, ini());
    w.show();
    // It opens on the after-save page, as it always did.
    EXPECT_EQ(w.page(), 0);
    EXPECT_TRUE(w.cmbOF()->isVisible());
    EXPECT_FALSE(w.cmbLoudness()->isVisible());
    const QImage first = w.background();

    click(w.pageTab(1));
    EXPECT_EQ(w.page(), 1);
    EXPECT_FALSE(w.cmbOF()->isVisible());
    EXPECT_FALSE(w.cmbRS()->isVisible());
    for (QComboBox* list : {w.cmbFadeIn(), w.cmbFadeOut(), w.cmbLoudness()}) {
        EXPECT_TRUE(list->isVisible());
        EXPECT_EQ(list->currentText(), "Off");
    }
    EXPECT_FALSE(w.background().isNull());
    EXPECT_NE(w.background(), first);
    EXPECT_EQ(w.background().size(), first.size());
    EXPECT_EQ(w.cmbFadeIn()->geometry(), QRect(46, 80, 150, 22));
    EXPECT_EQ(w.cmbFadeOut()->geometry(), QRect(209, 80, 150, 22));
    EXPECT_EQ(w.cmbLoudness()->geometry(), QRect(46, 148, 313, 22));
    QStringList fades;
    for (int i = 0; i < w.cmbFadeIn()->count(); ++i)
        fades << w.cmbFadeIn()->itemText(i);
    EXPECT_EQ(fades, QStringList({"Off", "0.5 s", "1 s", "2 s", "3 s"}));
    // Turning loudness on offers -16 LUFS first; EBU R 128's -23 is named.
    EXPECT_EQ(w.cmbLoudness()->itemText(1), QString::fromUtf8("\u221216 LUFS, for phones"));
    EXPECT_TRUE(w.cmbLoudness()->itemText(3).contains("EBU R 128"));

    w.cmbFadeIn()->setCurrentIndex(2);
    w.cmbFadeOut()->setCurrentIndex(4);
    w.cmbLoudness()->setCurrentIndex(1);
    click(w.cmdOK());
    EXPECT_EQ(effects, (EffectsSettings{1000, 3000, -16}));
    QFile stored(dir.filePath("effects.ini"));
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.readAll(), "1000\r\n3000\r\n-16\r\n");
    EXPECT_EQ(file(), "0\r\n0\r\n");  // setup.ini: its two lines, nothing more

    // The next opening shows them; Back forgets a change.
    frmSetting again(values, effects, ini());
    again.show();
    click(again.pageTab(1));
    EXPECT_EQ(again.cmbFadeIn()->currentText(), "1 s");
    EXPECT_EQ(again.cmbFadeOut()->currentText(), "3 s");
    again.cmbLoudness()->setCurrentIndex(0);
    click(again.cmbBack());
    EXPECT_EQ(effects.loudnessLufs, -16);
    click(again.pageTab(0));
    EXPECT_TRUE(again.cmbOF()->isVisibleTo(&again));
}

TEST_F(FrmSettingTest, TheLauncherOpensTheRingTonePageWhenAskedAndTellsWhenItCloses)
{
    AfterSaveSettings values;
    SettingsWindowLauncher launcher(values, effects, ini());
    int closed = 0;
    launcher.setOnClosed([&] { ++closed; });
    launcher.show(1);
    ASSERT_NE(launcher.window(), nullptr);
    EXPECT_EQ(launcher.window()->page(), 1);
    launcher.window()->cmbLoudness()->setCurrentIndex(1);
    click(launcher.window()->cmdOK());
    QApplication::processEvents();  // the window deletes itself later
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(launcher.window(), nullptr);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(effects.loudnessLufs, -16);
    launcher.show();
    EXPECT_EQ(launcher.window()->page(), 0);  // a new window opens on its first page
}
