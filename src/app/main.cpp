// TuneSnip: the splash window, then the main window.
#include "app/AppIdentity.h"
#include "app/Fonts.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "dialogs/QtDialogBackend.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QuitSignals.h"
#include "platform/SdlMediaDevice.h"
#include "platform/Shell.h"
#include "platform/StaleWavs.h"
#include "platform/TempFolder.h"
#include "settings/SettingsWindowLauncher.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kProductName));
    installFontSubstitutes();

    const AppPaths paths = AppPaths::make(QApplication::applicationDirPath(), defaultTempFolder(),
                                          QApplication::applicationPid());
    removeStaleWavs(paths.tempDir);  // left by runs that were killed or cut off
    QtMessageBoxes boxes;
    DesktopShell shell;
    QtDialogBackend dialogs;
    SdlMediaDevice media;

    std::unique_ptr<frmMain> mainWindow;
    QuitSignals quitSignals;  // SIGTERM, SIGINT, SIGHUP: quit without the question
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, &app,
                     [&] { mainWindow ? mainWindow->quitWithoutAsking() : QApplication::quit(); });
    std::unique_ptr<SettingsWindowLauncher> settingsWindow;  // ends before the main window
    frmSplash splash([&] {
        MainServices services{&boxes, &shell, &dialogs, &media, [&] {
                                  if (settingsWindow)
                                      settingsWindow->show();
                              }};
        mainWindow = std::make_unique<frmMain>(paths, services);
        settingsWindow = std::make_unique<SettingsWindowLauncher>(mainWindow->settings(), paths.setupIni());
        boxes.setOwner(mainWindow.get());
        QObject::connect(mainWindow.get(), &frmMain::shutDown, &app, &QApplication::quit, Qt::QueuedConnection);
        mainWindow->show();
    });
    splash.show();
    return QApplication::exec();
}
