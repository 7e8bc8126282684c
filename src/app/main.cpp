// TuneSnip: the splash window, then the main window.
#include "editor/AppIdentity.h"
#include "editor/FileHistory.h"
#include "app/Fonts.h"
#include "app/ProgramTranslations.h"
#include "app/StartOptions.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "editor/EditorSession.h"
#include "dialogs/QtDialogBackend.h"
#include "platform/ConsoleMessageBoxes.h"
#include "platform/InstallLayout.h"
#include "platform/Language.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QuitSignals.h"
#include "platform/SdlMediaDevice.h"
#include "platform/Shell.h"
#include "platform/StaleWavs.h"
#include "platform/TempFolder.h"
#include "platform/XdgDirs.h"
#include "settings/SettingsWindowLauncher.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QTimer>

#include <memory>

namespace {
QStringList rawArguments(int argc, char** argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

// Installs the program's translations for `language` (the desktop's when empty), and Qt's for the
// same language, from the translations folder of this program's layout.
void installTranslations(ProgramTranslations& translations, const QString& language)
{
    const ProgramFiles files = locateProgramFiles(QCoreApplication::applicationDirPath(), InstalledTree::ofThisBuild());
    translations.install(startLocale(language), translationsFolderFor(files.helpFile));
}

// Prints the answer to --help, --version or a wrong command line in the program's language and
// returns the exit status. A console application object only: no window system is needed.
int answerOnConsole(int argc, char** argv, const QString& language)
{
    const QStringList arguments = rawArguments(argc, argv);
    QCoreApplication console(argc, argv);
    ProgramTranslations translations;
    installTranslations(translations, language);
    return printStartOutcome(earlyStartOptions(arguments));
}
}  // namespace

int main(int argc, char** argv)
{
    // --help, --version and unknown options answer on the console before any window system is
    // touched, in the language the program would speak.
    if (const StartOptions early = earlyStartOptions(rawArguments(argc, argv)); early.action != StartOptions::Action::Run)
        return answerOnConsole(argc, argv, early.language);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kProductName));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    // What is left once Qt has taken its own options (-platform, -style, ...).
    const StartOptions options = parseStartOptions(QApplication::arguments(), QDir::currentPath());
    // The desktop's language, or the one asked for, before anything is said or shown.
    ProgramTranslations translations;
    installTranslations(translations, options.language);
    if (const int status = printStartOutcome(parseStartOptions(QApplication::arguments(), QDir::currentPath()));
        status >= 0)
        return status;
    installFontSubstitutes();

    const XdgDirs xdg = xdgDirs(processEnvironment(), QDir::homePath());
    // The decoded sound goes to the user's cache folder on disk, not to a memory-backed one.
    const AppPaths paths = AppPaths::forProgram(QApplication::applicationDirPath(), defaultTempFolder(xdg),
                                                QApplication::applicationPid(), xdg);
    removeStaleWavs(paths.tempDir);  // left by runs that were killed or cut off
    FileHistory history(paths.historyFile, musicOrHome(xdg));
    QtMessageBoxes boxes;
    ConsoleMessageBoxes consoleBoxes;  // the unattended test run answers every message itself
    MessageBoxes& messages = options.quitAfterOpen ? static_cast<MessageBoxes&>(consoleBoxes) : boxes;
    DesktopShell shell;
    QtDialogBackend dialogs;
    SdlMediaDevice media;
    int openStatus = 0;

    std::unique_ptr<frmMain> mainWindow;
    QuitSignals quitSignals;  // SIGTERM, SIGINT, SIGHUP: quit without the question
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, &app,
                     [&] { mainWindow ? mainWindow->quitWithoutAsking() : QApplication::quit(); });
    std::unique_ptr<SettingsWindowLauncher> settingsWindow;  // ends before the main window
    frmSplash splash([&] {
        MainServices services{&messages, &shell, &dialogs, &media, [&] {
                                  if (settingsWindow)
                                      settingsWindow->show();
                              }, &history, [&] {
                                  if (settingsWindow)
                                      settingsWindow->show(1);
                              }};
        mainWindow = std::make_unique<frmMain>(paths, services);
        settingsWindow = std::make_unique<SettingsWindowLauncher>(mainWindow->session().settings(),
                                                                  mainWindow->session().effects(),
                                                                  paths.setupIni(), mainWindow.get());
        settingsWindow->setOnClosed([&] { mainWindow->showEffectsSummary(); });
        boxes.setOwner(mainWindow.get());
        QObject::connect(mainWindow.get(), &frmMain::shutDown, &app, &QApplication::quit, Qt::QueuedConnection);
        mainWindow->show();
        // The keys work at once: the window takes the focus the splash had.
        mainWindow->activateWindow();
        mainWindow->raise();
        // A file named on the command line opens once the window is up, as if chosen in the dialog.
        if (!options.file.isEmpty())
            QTimer::singleShot(0, mainWindow.get(), [&] {
                const bool open = mainWindow->openGivenFile(options.file);
                if (options.quitAfterOpen) {
                    openStatus = open ? 0 : 1;
                    mainWindow->close();
                }
            });
    });
    splash.show();
    const int status = QApplication::exec();
    return options.quitAfterOpen ? openStatus : status;
}
