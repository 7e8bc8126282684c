#pragma once
#include "settings/EffectsSettings.h"
#include "settings/SetupIni.h"

#include <QPointer>
#include <QString>

class frmSetting;

// Shows the settings window non-modal and without an owner, one at a time: a new window when
// none is open (it reloads the lists from the run-time values), else the open one is raised.
// The window deletes itself when closed; the launcher closes one still open when it ends.
// Does not own the run-time values, which must outlive it.
class SettingsWindowLauncher {
public:
    SettingsWindowLauncher(AfterSaveSettings& values, EffectsSettings& effects, QString setupIniPath);
    ~SettingsWindowLauncher();
    SettingsWindowLauncher(const SettingsWindowLauncher&) = delete;
    SettingsWindowLauncher& operator=(const SettingsWindowLauncher&) = delete;

    void show();
    // The open window, or nullptr.
    frmSetting* window() const;

private:
    AfterSaveSettings& values_;
    EffectsSettings& effects_;
    QString setupIniPath_;
    QPointer<frmSetting> window_;
};
