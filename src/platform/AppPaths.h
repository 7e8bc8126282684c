#pragma once
#include <QString>

// Where the program finds its files: the application folder and the private temporary folder.
// A plain value; the window receives one and passes it on, so tests can point it elsewhere.
struct AppPaths {
    QString appDir;   // folder of the running executable, no trailing slash
    QString tempDir;  // private per-user temporary folder, no trailing slash
    QString tempWav;  // this instance's decoded WAV inside tempDir

    QString coder() const { return appDir + QStringLiteral("/data/coder"); }
    QString setupIni() const { return appDir + QStringLiteral("/setup.ini"); }
    QString soundWav() const { return appDir + QStringLiteral("/sound.wav"); }
    QString helpFile() const { return appDir + QStringLiteral("/help.html"); }

    // Paths for the given application folder, temporary folder and process id.
    static AppPaths make(const QString& appDir, const QString& tempDir, qint64 pid);
};
