#include "controls/SkinButton.h"
#include "controls/SkinToolTip.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Counts the events that reach the button's own handling, after the hover tracker saw them.
class CountingButton : public SkinButton {
public:
    using SkinButton::SkinButton;
    QMap<QEvent::Type, int> seen;

protected:
    bool event(QEvent* e) override
    {
        ++seen[e->type()];
        return SkinButton::event(e);
    }
};

void move(QWidget& w, QPoint pos)
{
    QMouseEvent e(QEvent::MouseMove, pos, w.mapToGlobal(pos), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}
void leave(QWidget& w)
{
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(&w, &e);
}
void mouse(QWidget& w, QEvent::Type type, Qt::MouseButton button, QPoint pos = {5, 5})
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, pos, w.mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}
void key(QWidget& w, QEvent::Type type, bool autoRepeat = false)
{
    QKeyEvent e(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), autoRepeat);
    QApplication::sendEvent(&w, &e);
}
void focus(QWidget& w, bool in)
{
    QFocusEvent e(in ? QEvent::FocusIn : QEvent::FocusOut, Qt::OtherFocusReason);
    QApplication::sendEvent(&w, &e);
}

std::unique_ptr<SkinButton> settingsLikeButton()
{
    auto b = std::make_unique<SkinButton>("cmdOK");
    FormControl entry{"SkinButton", "cmdOK",
                      {{"caption", "       O K"}, {"style", "5"}, {"iconsize", "32"}, {"iconalign", "1"},
                       {"inonthemestyle", "0"}, {"tooltiptype", "0"}, {"font", "Verdana,8.25"}}};
    b->resize(127, 36);
    b->readProperties(entry);
    return b;
}
QColor at(const QImage& img, int x, int y) { return QColor(img.pixel(x, y)); }

}  // namespace

TEST(SkinButton, ReadsItsFormEntryAndPaintsStyle5)
{
    auto b = settingsLikeButton();
    EXPECT_EQ(b->Caption(), "       O K");
    EXPECT_EQ(b->Style(), 5);
    EXPECT_EQ(b->IconSize(), 32);
    EXPECT_EQ(b->NonThemeStyle(), 0);
    EXPECT_EQ(b->ToolTipType(), 0);
    EXPECT_DOUBLE_EQ(b->Font().pointSizeF(), 8.25);
    EXPECT_EQ(b->drawState(), 1);
    EXPECT_EQ(SkinButton::Version(), "3.0");
    const QImage face = b->faceImage();
    ASSERT_EQ(face.size(), QSize(127, 36));
    EXPECT_EQ(at(face, 1, 1), QColor(72, 110, 144));
    EXPECT_EQ(at(face, 60, 0), QColor(0, 60, 116));
    EXPECT_FALSE(b->windowRegion().contains(QPoint(0, 0)));
    EXPECT_TRUE(b->windowRegion().contains(QPoint(1, 0)));
    EXPECT_EQ(b->mask(), b->windowRegion());
    EXPECT_EQ(b->captionFlags(), 0x25);
    EXPECT_EQ(b->captionRect(), QRect(QPoint(4, 4), QPoint(122, 31)));
}

TEST(SkinButton, HoverRaisesEnterAndLeaveOnceAndNeverSwallowsEvents)
{
    CountingButton b("b");
    b.resize(127, 36);
    b.setStyle(5);
    QSignalSpy enter(&b, &SkinButton::MouseEnter), left(&b, &SkinButton::MouseLeave);
    for (int i = 0; i < 5; ++i)
        move(b, QPoint(10 + i, 10));
    EXPECT_EQ(enter.count(), 1);
    EXPECT_TRUE(b.mouseInside());
    EXPECT_EQ(b.drawState(), 2);
    EXPECT_EQ(at(b.faceImage(), 60, 1), QColor(255, 240, 207));
    EXPECT_EQ(b.seen[QEvent::MouseMove], 5);  // every move still reached the button itself
    leave(b);
    leave(b);
    EXPECT_EQ(left.count(), 1);
    EXPECT_FALSE(b.mouseInside());
    EXPECT_EQ(b.drawState(), 1);
    EXPECT_EQ(b.seen[QEvent::Leave], 2);
    move(b, QPoint(3, 3));  // a new hover
    EXPECT_EQ(enter.count(), 2);
}

TEST(SkinButton, HoverWithRealPointerUnderXOrOffscreen)
{
    QWidget window;
    window.resize(300, 120);
    SkinButton b("b", &window);
    b.setGeometry(20, 20, 127, 36);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy enter(&b, &SkinButton::MouseEnter), left(&b, &SkinButton::MouseLeave);
    QTest::mouseMove(&window, QPoint(5, 5));
    QTest::mouseMove(&window, QPoint(50, 30));
    QTest::mouseMove(&window, QPoint(60, 35));
    QTest::mouseMove(&window, QPoint(70, 40));
    EXPECT_EQ(enter.count(), 1);
    QTest::mouseMove(&window, QPoint(250, 100));
    EXPECT_EQ(left.count(), 1);
}

TEST(SkinButton, RightClickDoesNothingButSpaceStillClicks)
{
    SkinButton b("b");
    QSignalSpy clicks(&b, &SkinButton::Click);
    mouse(b, QEvent::MouseButtonPress, Qt::RightButton);
    EXPECT_NE(b.drawState(), 3);
    mouse(b, QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_EQ(b.lastMouseUpButton(), 2);
    EXPECT_EQ(clicks.count(), 0);
    key(b, QEvent::KeyPress);
    EXPECT_EQ(b.drawState(), 3);  // space held: pressed look
    EXPECT_EQ(clicks.count(), 1);
    key(b, QEvent::KeyPress, true);  // auto-repeat: no further clicks
    key(b, QEvent::KeyRelease, true);
    key(b, QEvent::KeyRelease);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(b.drawState(), 2);
    EXPECT_EQ(b.lastMouseUpButton(), 1);
}

TEST(SkinButton, LeftClickAndDoubleClick)
{
    SkinButton b("b");
    QSignalSpy clicks(&b, &SkinButton::Click);
    mouse(b, QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_EQ(b.drawState(), 3);
    mouse(b, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(b.drawState(), 2);
    EXPECT_EQ(clicks.count(), 1);
    // The second press of a double click comes as a double click: pressed look, no Click.
    mouse(b, QEvent::MouseButtonDblClick, Qt::LeftButton);
    EXPECT_EQ(b.drawState(), 3);
    mouse(b, QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    // A release outside the control is no click.
    mouse(b, QEvent::MouseButtonPress, Qt::LeftButton);
    mouse(b, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(-5, 5));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(SkinButton, CheckButtonClickedTwice)
{
    SkinButton b("b");
    b.setButtonType(1);
    QSignalSpy clicks(&b, &SkinButton::Click);
    QTest::mouseClick(&b, Qt::LeftButton);
    EXPECT_TRUE(b.Value());
    EXPECT_EQ(b.drawState(), 3);  // a checked check button shows pressed
    QTest::mouseClick(&b, Qt::LeftButton);
    EXPECT_FALSE(b.Value());
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(b.drawState(), 2);
    key(b, QEvent::KeyPress);  // the space bar toggles as well
    key(b, QEvent::KeyRelease);
    EXPECT_TRUE(b.Value());
    EXPECT_EQ(clicks.count(), 3);
}

TEST(SkinButton, SizeHasAMinimumOf20)
{
    SkinButton b("b");
    b.resize(10, 50);
    EXPECT_EQ(b.width(), 20);
    EXPECT_EQ(b.height(), 50);
    b.resize(127, 5);
    EXPECT_EQ(b.size(), QSize(127, 20));
    b.show();  // a hidden widget gets its resize event when shown
    EXPECT_EQ(b.faceImage().size(), QSize(127, 20));
    EXPECT_EQ(b.windowRegion().boundingRect(), QRect(0, 0, 127, 20));
}

TEST(SkinButton, EnabledFocusAndPaletteRepaint)
{
    auto b = settingsLikeButton();
    b->setEnabled(false);
    EXPECT_EQ(b->drawState(), 4);
    EXPECT_FALSE(b->isEnabled());
    EXPECT_EQ(at(b->faceImage(), 60, 18).rgb() & 0xFFFFFF, QColor(245, 244, 234).rgb() & 0xFFFFFF);
    EXPECT_EQ(at(b->faceImage(), 60, 0), QColor(201, 199, 186));
    b->setEnabled(true);
    EXPECT_EQ(b->drawState(), 1);
    EXPECT_TRUE(b->changedProperties().contains("Enabled"));

    focus(*b, true);
    EXPECT_TRUE(b->hasFocus());
    EXPECT_EQ(at(b->faceImage(), 60, 1), QColor(206, 231, 255));
    focus(*b, false);
    EXPECT_FALSE(b->hasFocus());
    EXPECT_NE(at(b->faceImage(), 60, 1), QColor(206, 231, 255));

    SkinButton flat("flat");  // style 0 paints with the palette's face colour
    QPalette pal = flat.palette();
    pal.setColor(QPalette::Button, QColor(10, 200, 10));
    flat.setPalette(pal);
    EXPECT_EQ(at(flat.faceImage(), 10, 10), QColor(10, 200, 10));
}

TEST(SkinButton, Style6FallsBackToNonThemeStyleForGood)
{
    SkinButton b("b");
    b.resize(80, 30);
    b.setNonThemeStyle(5);
    int calls = 0;
    b.setThemedFacePainter([&](QImage&, int, bool) {
        ++calls;
        return false;
    });
    b.setStyle(6);
    EXPECT_EQ(b.Style(), 5);
    EXPECT_EQ(calls, 1);
    b.Refresh();
    EXPECT_EQ(calls, 1);  // the next paints use style 5
    EXPECT_EQ(at(b.faceImage(), 1, 1), QColor(72, 110, 144));
    EXPECT_FALSE(b.windowRegion().contains(QPoint(0, 0)));

    SkinButton themed("t");  // with the application's style the themed face stays
    themed.setStyle(6);
    EXPECT_EQ(themed.Style(), 6);
}

TEST(SkinButton, TooltipColoursTypeAndTitle)
{
    SkinButton b("b");
    b.setToolTipText("Saves the settings");
    b.setToolTipType(1);
    b.setToolTipTitle("OK");
    b.setToolTipIcon(1);
    b.setToolTipForeColor(ButtonColor());  // 0: the system's colour
    b.setToolTipBackColor(ButtonColor::fromRgb(200, 230, 255));
    EXPECT_EQ(b.ToolTipBackColor(), ButtonColor::fromRgb(200, 230, 255));
    EXPECT_EQ(b.ToolTipBackColor(), ButtonColor::fromRgb(200, 230, 255));  // reading changes nothing
    EXPECT_EQ(b.toolTipWindow(), nullptr);
    move(b, QPoint(5, 5));
    SkinToolTip* tip = b.toolTipWindow();
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(tip->content().balloon);
    EXPECT_EQ(tip->content().text, "Saves the settings");
    EXPECT_EQ(tip->content().title, "OK");
    EXPECT_EQ(tip->content().titleIcon, 1);
    EXPECT_EQ(tip->content().textColor, b.palette().color(QPalette::ToolTipText));
    EXPECT_EQ(tip->content().backgroundColor, QColor(200, 230, 255));
    tip->popUp(QPoint(100, 100));
    EXPECT_TRUE(tip->isVisible());
    // The balloon's shape: its body and pointer are inside, the corners beside the pointer not.
    const QRect box(QPoint(0, 0), tip->size());
    EXPECT_TRUE(tip->mask().contains(box.center()));
    EXPECT_TRUE(tip->mask().contains(QPoint(17, 5)));
    EXPECT_FALSE(tip->mask().contains(QPoint(1, 1)));
    EXPECT_FALSE(tip->mask().contains(QPoint(box.width() - 2, 3)));
    const QImage shot = tip->grab().toImage();
    EXPECT_FALSE(shot.isNull());
    leave(b);
    EXPECT_FALSE(tip->isVisible());

    b.setToolTipType(0);
    b.setToolTipForeColor(ButtonColor::fromRgb(0, 0, 1));
    QPointer<SkinToolTip> old(tip);
    move(b, QPoint(5, 5));  // each hover builds a new tooltip
    ASSERT_NE(b.toolTipWindow(), nullptr);
    EXPECT_TRUE(old.isNull());
    EXPECT_FALSE(b.toolTipWindow()->content().balloon);
    EXPECT_EQ(b.toolTipWindow()->content().textColor, QColor(0, 0, 1));
}

TEST(SkinButton, TakesTheContainersTooltipWhileShown)
{
    QWidget window;
    SkinButton b("b", &window);
    b.QWidget::setToolTip("container text");
    window.show();
    EXPECT_EQ(b.ToolTip(), "container text");
    EXPECT_TRUE(b.QWidget::toolTip().isEmpty());
    b.hide();
    EXPECT_EQ(b.QWidget::toolTip(), "container text");
}

TEST(SkinButton, WritesWhatItRead)
{
    auto b = settingsLikeButton();
    FormControl back{"SkinButton", "cmdOK", b->writeProperties()};
    SkinButton c("other");
    c.readProperties(back);
    EXPECT_EQ(c.Caption(), "       O K");
    EXPECT_EQ(c.Style(), 5);
    EXPECT_EQ(c.IconSize(), 32);
    EXPECT_EQ(c.IconAlign(), 1);
    EXPECT_EQ(c.NonThemeStyle(), 0);
    EXPECT_EQ(c.ToolTipType(), 0);
    EXPECT_EQ(c.Font().family(), b->Font().family());
}

TEST(SkinButton, OnlyAFocusThatTabBroughtShowsTheKeyboardRing)
{
    QWidget window;
    auto* first = new QWidget(&window);
    first->setFocusPolicy(Qt::StrongFocus);
    auto* b = new SkinButton(QStringLiteral("b"), &window);
    b->setGeometry(10, 10, 80, 30);
    b->setShowFocus(false);
    window.show();
    QApplication::setActiveWindow(&window);
    const QColor ring = b->palette().color(QPalette::Active, QPalette::Highlight);
    first->setFocus(Qt::OtherFocusReason);
    const QImage before = b->faceImage();
    QTest::keyClick(first, Qt::Key_Tab);
    ASSERT_TRUE(b->QWidget::hasFocus());
    EXPECT_TRUE(b->keyboardFocus());
    EXPECT_EQ(QColor(b->faceImage().pixel(2, 15)), ring);
    EXPECT_NE(b->faceImage(), before);

    first->setFocus(Qt::OtherFocusReason);
    EXPECT_FALSE(b->keyboardFocus());
    EXPECT_EQ(b->faceImage(), before);
    b->setFocus(Qt::MouseFocusReason);  // a click gives the focus without the ring
    EXPECT_FALSE(b->keyboardFocus());
    EXPECT_NE(QColor(b->faceImage().pixel(2, 15)), ring);
}
