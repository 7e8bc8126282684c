#include "editor/AppPaths.h"

#include "settings/EffectsSettings.h"
#include "settings/SettingsLocation.h"

AppPaths AppPaths::make(const QString& appDir, const QString& tempDir, qint64 pid)
{
    AppPaths p;
    p.appDir = appDir;
    p.tempDir = tempDir;
    // One WAV per running instance, so that two instances never play or overwrite each other's.
    p.tempWav = tempDir + QStringLiteral("/open-") + QString::number(pid) + QStringLiteral(".wav");
    p.previewWav = tempDir + QStringLiteral("/preview-") + QString::number(pid) + QStringLiteral(".wav");
    p.coderFile = appDir + QStringLiteral("/data/coder");
    p.setupIniFile = appDir + QStringLiteral("/setup.ini");
    p.effectsIniFile = effectsIniBeside(p.setupIniFile);
    p.soundFile = appDir + QStringLiteral("/sound.wav");
    p.helpPage = appDir + QStringLiteral("/help.html");
    return p;
}

AppPaths AppPaths::forProgram(const QString& appDir, const QString& tempDir, qint64 pid, const XdgDirs& xdg,
                              const InstalledTree& tree)
{
    AppPaths p = make(appDir, tempDir, pid);
    const ProgramFiles files = locateProgramFiles(appDir, tree);
    p.coderFile = files.coder;
    p.soundFile = files.soundWav;
    p.helpPage = files.helpFile;
    p.setupIniFile = setupIniLocation(files.layout, appDir, xdg.configHome);
    p.effectsIniFile = effectsIniBeside(p.setupIniFile);
    p.historyFile = xdg.stateHome + QStringLiteral("/tunesnip/history.ini");
    return p;
}
