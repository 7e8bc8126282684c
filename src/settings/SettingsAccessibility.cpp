#include "settings/SettingsAccessibility.h"

#include "settings/SettingsPageTab.h"
#include "settings/frmSetting.h"

#include "controls/SkinAccessible.h"
#include "controls/SkinButton.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>

void describeSettingsWindow(frmSetting& w)
{
    installSkinControlsAccessibility();
    // A list's label is drawn in the artwork. Screen readers on this desktop name a list by the
    // label it is the buddy of (the list's own name is its current text), so each gets a label
    // that is never shown.
    const std::pair<QComboBox*, QString> lists[] = {
        {w.cmbOF(), QCoreApplication::translate("SettingsAccessibility", "After saving, open the folder")},
        {w.cmbRS(), QCoreApplication::translate("SettingsAccessibility", "After saving, play a sound")},
        {w.cmbFadeIn(), QCoreApplication::translate("SettingsAccessibility", "Fade in")},
        {w.cmbFadeOut(), QCoreApplication::translate("SettingsAccessibility", "Fade out")},
        {w.cmbLoudness(), QCoreApplication::translate("SettingsAccessibility", "Loudness")}};
    for (const auto& [list, text] : lists) {
        auto* label = new QLabel(text, &w);
        label->setObjectName(list->objectName() + QStringLiteral("Label"));
        label->setBuddy(list);
        label->hide();
        list->setAccessibleName(text);
    }
    w.pageTab(0)->setAccessibleName(QCoreApplication::translate("SettingsAccessibility", "After Saving"));
    w.pageTab(1)->setAccessibleName(QCoreApplication::translate("SettingsAccessibility", "Ring-Tone Effects"));
    w.cmdOK()->setAccessibleName(QCoreApplication::translate("SettingsAccessibility", "OK"));
    w.cmdOK()->setAccessibleDescription(QCoreApplication::translate("SettingsAccessibility", "Stores the settings and closes the window"));
    w.cmbBack()->setAccessibleName(QCoreApplication::translate("SettingsAccessibility", "Back"));
    w.cmbBack()->setAccessibleDescription(QCoreApplication::translate("SettingsAccessibility", "Closes the window without storing (Esc)"));
    w.Image1()->setAccessibleName(QCoreApplication::translate("SettingsAccessibility", "Close"));
    w.Image1()->setAccessibleDescription(QCoreApplication::translate("SettingsAccessibility", "Closes the window without storing (Esc)"));

    QWidget* order[] = {w.pageTab(0), w.pageTab(1), w.cmbOF(), w.cmbFadeIn(), w.cmbFadeOut(), w.cmbRS(),
                        w.cmbLoudness(), w.cmdOK(), w.cmbBack()};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
