#pragma once
#include <QString>
#include <QStringList>

// The program's command line: `tunesnip [--quit-after-open] [--lang CODE] [FILE]`, plus --help and
// --version.
struct StartOptions {
    enum class Action {
        Run,          // start the windows
        ShowHelp,     // print `text` on standard output and end with status 0
        ShowVersion,  // the same, with the version
        Fail          // print `text` on standard error and end with status 2
    };
    Action action = Action::Run;
    QString file;                // absolute path of the file to open after the splash; empty: none
    bool quitAfterOpen = false;  // end once `file` is open (status 0) or could not be (status 1)
    QString text;                // what to print for ShowHelp, ShowVersion and Fail
    QString language;            // --lang CODE ("de", "pt_BR", ...); empty: the desktop's language
};

// Reads `arguments` (the first is the program's own name). FILE may be a path (relative to
// `currentDir`) or a file:// URL; when several are given, the first counts. --quit-after-open
// needs a FILE. Options of Qt's own (-platform, -style, ...) are unknown here: parse the
// arguments that are left once the application object has taken them.
StartOptions parseStartOptions(const QStringList& arguments, const QString& currentDir);

// What can be answered before the window system is touched: --help, --version, and options
// that neither this program nor Qt knows (Fail). Everything else, including options of Qt's own,
// gives Run with no file: read the arguments again with parseStartOptions once the application
// object has taken Qt's.
StartOptions earlyStartOptions(const QStringList& arguments);

// For every action but Run: prints `options.text` (help and version on standard output, an
// error on standard error) and returns the status the program ends with (0, or 2 for Fail).
// Returns -1 for Run, printing nothing.
int printStartOutcome(const StartOptions& options);
