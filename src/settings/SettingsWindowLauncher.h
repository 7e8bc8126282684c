#pragma once
#include "settings/EffectsSettings.h"
#include "settings/SetupIni.h"

#include <QPointer>
#include <QString>

#include <functional>

class frmSetting;
class QWidget;

// Shows the settings window non-modal and without an owner, one at a time: a new window when
// none is open (it reloads the lists from the run-time values), else the open one is raised.
// The window deletes itself when closed; the launcher closes one still open when it ends. When
// it closes and no window of the program is active (no window manager hands the focus on), the
// window it was opened from takes the keyboard again. Does not own the run-time values, which
// must outlive it.
class SettingsWindowLauncher {
public:
    // `returnTo` is the window the settings window was opened from; it may be null.
    SettingsWindowLauncher(AfterSaveSettings& values, EffectsSettings& effects, QString setupIniPath,
                           QWidget* returnTo = nullptr);
    ~SettingsWindowLauncher();
    SettingsWindowLauncher(const SettingsWindowLauncher&) = delete;
    SettingsWindowLauncher& operator=(const SettingsWindowLauncher&) = delete;

    // Shows the window; on page 0 (after saving) or 1 (ring-tone effects) when `page` names one,
    // else a new window on page 0 and an open one as it is.
    void show(int page = -1);
    // Called whenever the window closes (stored or not), so that what shows the values can follow.
    void setOnClosed(std::function<void()> onClosed) { onClosed_ = std::move(onClosed); }
    // The open window, or nullptr.
    frmSetting* window() const;

private:
    AfterSaveSettings& values_;
    EffectsSettings& effects_;
    QString setupIniPath_;
    QPointer<frmSetting> window_;
    QPointer<QWidget> returnTo_;
    std::function<void()> onClosed_;
};
