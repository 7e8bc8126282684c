#pragma once
#include <QString>

// Where the program's own files are. Two layouts exist:
//  - the build's application folder: <app>/tunesnip, <app>/data/coder, <app>/sound.wav,
//    <app>/help.html;
//  - an installed tree: <prefix>/bin/tunesnip, the transcoder in <prefix>/libexec/tunesnip (or
//    <prefix>/lib/tunesnip), sound.wav and help.html in <prefix>/share/tunesnip.
// Everything is found relative to the program's own folder, so any prefix works.

enum class ProgramLayout { Build, Installed };

// The installed tree's folders, relative to the folder that holds the program.
struct InstalledTree {
    QString coderDir;     // e.g. "../libexec/tunesnip"
    QString altCoderDir;  // a second place tried for the transcoder, e.g. "../lib/tunesnip"
    QString dataDir;      // e.g. "../share/tunesnip"

    // The folders this build installs to (from its install directories).
    static InstalledTree ofThisBuild();
};

// The files the program reads besides the user's: absolute paths.
struct ProgramFiles {
    ProgramLayout layout = ProgramLayout::Build;
    QString coder;
    QString soundWav;
    QString helpFile;
};

// The layout `appDir` (the program's folder, no trailing slash) belongs to: Build when it holds
// data/coder; Installed when it does not and the installed tree's data folder exists around it;
// Build otherwise (so that a missing transcoder is reported at its usual place).
ProgramLayout detectLayout(const QString& appDir, const InstalledTree& tree);

// The program's files for `appDir` in the layout detected there. In an installed tree the
// transcoder is taken from coderDir, or from altCoderDir when only that one holds it. Paths are
// cleaned ("bin/../share" becomes "share"); nothing is created.
ProgramFiles locateProgramFiles(const QString& appDir, const InstalledTree& tree);
