// The skinned button as assistive technology sees it: a push button (or check box) named by its
// accessible name, caption or tool tip, whose press action clicks it once the caller returned.
#include "controls/SkinAccessible.h"
#include "controls/SkinButton.h"

#include <QApplication>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {
QAccessibleInterface* iface(QWidget* w) { return QAccessible::queryAccessibleInterface(w); }
}  // namespace

TEST(SkinAccessible, CaptionsBecomeNamesWithoutAccessKeysOrPadding)
{
    EXPECT_EQ(accessibleCaption("       O K"), "O K");
    EXPECT_EQ(accessibleCaption("&Open"), "Open");
    EXPECT_EQ(accessibleCaption("Save && Quit"), "Save & Quit");
    EXPECT_EQ(accessibleCaption(""), "");
}

TEST(SkinAccessible, APushButtonIsNamedByItsNameElseCaptionElseTip)
{
    SkinButton b(QStringLiteral("cmdGo"));
    b.setCaption(QStringLiteral("  &Go  "));
    b.setToolTipText(QStringLiteral("Starts the run"));
    QAccessibleInterface* a = iface(&b);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::Button);
    EXPECT_EQ(a->text(QAccessible::Name), "Go");
    EXPECT_EQ(a->text(QAccessible::Description), "Starts the run");
    b.setCaption(QString());
    EXPECT_EQ(a->text(QAccessible::Name), "Starts the run");
    EXPECT_EQ(a->text(QAccessible::Description), "");  // not said twice
    b.setAccessibleName(QStringLiteral("Go now"));
    b.setAccessibleDescription(QStringLiteral("Runs it"));
    EXPECT_EQ(a->text(QAccessible::Name), "Go now");
    EXPECT_EQ(a->text(QAccessible::Description), "Runs it");
    EXPECT_TRUE(a->state().focusable);
    ASSERT_NE(a->actionInterface(), nullptr);
    EXPECT_EQ(a->actionInterface()->actionNames().value(0), QAccessibleActionInterface::pressAction());
    EXPECT_EQ(a->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()), QStringList{"Space"});
}

TEST(SkinAccessible, PressClicksOnceAfterTheCallerReturnedAndNotWhenDisabled)
{
    SkinButton b(QStringLiteral("cmdGo"));
    QSignalSpy clicks(&b, &SkinButton::Click);
    QAccessibleActionInterface* act = iface(&b)->actionInterface();
    act->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 0);  // posted: a modal command must not block the caller
    EXPECT_TRUE(clicks.wait(5000));
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_NE(b.drawState(), DrawState::Pressed);  // released again

    b.setEnabled(false);
    EXPECT_FALSE(act->actionNames().contains(QAccessibleActionInterface::pressAction()));
    act->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks.count(), 1);
}

TEST(SkinAccessible, ACheckButtonIsACheckBoxThatPressToggles)
{
    SkinButton b(QStringLiteral("chkLoop"));
    b.setButtonType(1);
    QAccessibleInterface* a = iface(&b);
    EXPECT_EQ(a->role(), QAccessible::CheckBox);
    EXPECT_TRUE(a->state().checkable);
    EXPECT_FALSE(a->state().checked);
    QSignalSpy clicks(&b, &SkinButton::Click);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(clicks.wait(5000));
    EXPECT_TRUE(b.Value());
    EXPECT_TRUE(a->state().checked);
}
