// The settings window without a mouse: every control has a name a screen reader says, Tab walks
// the layout (tabs, the page's lists, OK, Back), Space chooses a page and presses OK, and the
// press action of OK stores like a click.
#include "controls/SkinButton.h"
#include "settings/SettingsPageTab.h"
#include "settings/frmSetting.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Window {
    QTemporaryDir dir;
    AfterSaveSettings values;
    EffectsSettings effects;
    frmSetting w{values, effects, dir.filePath("setup.ini")};
    Window()
    {
        w.show();
        QApplication::setActiveWindow(&w);
    }
    // What a screen reader says a control is: its name, or for a list the label it is the buddy
    // of (the list's own name is its current text on this desktop).
    QString name(QWidget* c) const
    {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
        const auto labels = a->relations(QAccessible::Label);
        return labels.isEmpty() ? a->text(QAccessible::Name) : labels.first().first->text(QAccessible::Name);
    }
    // The names of the controls Tab visits from the first page tab, once round.
    QStringList tabWalk()
    {
        w.pageTab(0)->setFocus(Qt::TabFocusReason);
        QStringList names;
        for (int i = 0; i < 12; ++i) {
            QWidget* focus = QApplication::focusWidget();
            if (!focus || (i > 0 && focus == w.pageTab(0)))
                break;
            names << name(focus);
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        return names;
    }
};

}  // namespace

TEST(SettingsAccessibility, EveryControlHasANameAndARole)
{
    Window f;
    EXPECT_EQ(f.name(f.w.cmbOF()), "After saving, open the folder");
    EXPECT_EQ(f.name(f.w.cmbRS()), "After saving, play a sound");
    EXPECT_EQ(f.name(f.w.cmbFadeIn()), "Fade in");
    EXPECT_EQ(f.name(f.w.cmbFadeOut()), "Fade out");
    EXPECT_EQ(f.name(f.w.cmbLoudness()), "Loudness");
    EXPECT_EQ(f.name(f.w.pageTab(0)), "After Saving");
    EXPECT_EQ(f.name(f.w.pageTab(1)), "Ring-Tone Effects");
    EXPECT_EQ(f.name(f.w.Image1()), "Close");
    QAccessibleInterface* ok = QAccessible::queryAccessibleInterface(f.w.cmdOK());
    EXPECT_EQ(ok->role(), QAccessible::Button);
    EXPECT_EQ(ok->text(QAccessible::Name), "OK");
    EXPECT_EQ(ok->text(QAccessible::Description), "Stores the settings and closes the window");
    EXPECT_EQ(f.name(f.w.cmbBack()), "Back");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(f.w.cmbOF())->role(), QAccessible::ComboBox);
    EXPECT_FALSE(f.w.findChild<QLabel*>("cmbOFLabel")->isVisible());  // the artwork shows the label
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&f.w)->text(QAccessible::Name), "Settings");
}

TEST(SettingsAccessibility, TabFollowsTheLayoutOfThePageShownAndTheArrowsChooseThePage)
{
    Window f;
    EXPECT_EQ(f.tabWalk(), (QStringList{"After Saving", "After saving, open the folder", "After saving, play a sound",
                                        "OK", "Back"}));
    // The tabs are one stop: the arrow keys move to the other tab and show its page.
    f.w.pageTab(0)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.w.pageTab(0), Qt::Key_Right);
    EXPECT_EQ(f.w.page(), 1);
    EXPECT_TRUE(f.w.pageTab(1)->hasFocus());
    f.w.pageTab(1)->setFocus(Qt::TabFocusReason);
    QStringList names;
    for (int i = 0; i < 5; ++i) {
        names << f.name(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(names, (QStringList{"Ring-Tone Effects", "Fade in", "Fade out", "Loudness", "OK"}));
    f.w.pageTab(1)->setFocus(Qt::BacktabFocusReason);
    QTest::keyClick(f.w.pageTab(1), Qt::Key_Left);
    EXPECT_EQ(f.w.page(), 0);
}

TEST(SettingsAccessibility, TheKeyboardAndThePressActionStoreWithOk)
{
    Window f;
    f.w.cmbRS()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.w.cmbRS(), Qt::Key_Down);  // "No"
    EXPECT_EQ(f.w.cmbRS()->currentIndex(), 1);
    QSignalSpy clicks(f.w.cmdOK(), &SkinButton::Click);
    QTest::keyClick(f.w.cmbRS(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), f.w.cmdOK());
    EXPECT_TRUE(f.w.cmdOK()->keyboardFocus());  // the ring shows where Space goes
    QAccessible::queryAccessibleInterface(f.w.cmdOK())->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(clicks.wait(5000));
    EXPECT_EQ(f.values.playSoundAfterSave, 1);
    QFile ini(f.dir.filePath("setup.ini"));
    EXPECT_TRUE(ini.exists());
}
