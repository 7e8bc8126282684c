#include "settings/SettingsWindowLauncher.h"

#include "settings/frmSetting.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

SettingsWindowLauncher::SettingsWindowLauncher(AfterSaveSettings& values, EffectsSettings& effects,
                                               QString setupIniPath, QWidget* returnTo)
    : values_(values), effects_(effects), setupIniPath_(std::move(setupIniPath)), returnTo_(returnTo)
{
}

SettingsWindowLauncher::~SettingsWindowLauncher() { delete window_.data(); }

void SettingsWindowLauncher::show()
{
    if (!window_) {
        window_ = new frmSetting(values_, effects_, setupIniPath_);  // ownerless; deletes itself on close
        window_->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(window_, &QObject::destroyed, [returnTo = returnTo_] {
            if (returnTo && returnTo->isVisible() && !QApplication::activeWindow())
                returnTo->activateWindow();
        });
        // Without an owner nothing places it: put it in the middle of the screen.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            window_->move(screen->availableGeometry().center() - window_->rect().center());
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

frmSetting* SettingsWindowLauncher::window() const { return window_.data(); }
