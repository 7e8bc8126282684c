#pragma once
#include "platform/InstallLayout.h"
#include "platform/XdgDirs.h"

#include <QString>

#include <functional>

// Where the program finds its files: its own folder, the private temporary folder, the files it
// reads beside or around its own folder, and the files it writes for the user. A plain value;
// the window receives one and passes it on, so tests can point it elsewhere.
struct AppPaths {
    QString appDir;       // folder of the running executable, no trailing slash
    QString tempDir;      // private per-user temporary folder, no trailing slash
    QString tempWav;      // this instance's decoded WAV inside tempDir
    QString previewWav;   // this instance's selection with its effects, inside tempDir
    QString coderFile;    // the transcoder
    QString setupIniFile; // the after-save settings
    QString effectsIniFile; // the ring-tone effects, beside setup.ini
    QString soundFile;    // the completion sound
    QString helpPage;     // the help page
    QString historyFile;  // recent files and dialog folders; empty: nothing is remembered

    QString coder() const { return coderFile; }
    QString setupIni() const { return setupIniFile; }
    QString effectsIni() const { return effectsIniFile; }
    QString soundWav() const { return soundFile; }
    QString helpFile() const { return helpPage; }

    // Paths of the build's application folder `appDir`, with every file beside the program,
    // for the given temporary folder and process id. Remembers nothing.
    static AppPaths make(const QString& appDir, const QString& tempDir, qint64 pid);

    // Paths of a program running from `appDir`, in whichever layout it finds there (build
    // folder or installed tree); setup.ini where SettingsLocation puts it, the history in
    // <stateHome>/tunesnip/history.ini.
    static AppPaths forProgram(const QString& appDir, const QString& tempDir, qint64 pid, const XdgDirs& xdg,
                               const InstalledTree& tree = InstalledTree::ofThisBuild());
};
