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

void SettingsWindowLauncher::show(int page)
{
    if (!window_) {
        window_ = new frmSetting(values_, effects_, setupIniPath_);  // ownerless; deletes itself on close
        window_->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(window_, &QObject::destroyed, [this, returnTo = returnTo_] {
            if (returnTo && returnTo->isVisible() && !QApplication::activeWindow())
                returnTo->activateWindow();
            if (onClosed_)
                onClosed_();
        });
        // Without an owner nothing places it: put it in the middle of the screen.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            window_->move(screen->availableGeometry().center() - window_->rect().center());
    }
    if (page == 0 || page == 1)
        window_->showPage(page);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

frmSetting* SettingsWindowLauncher::window() const { return window_.data(); }
