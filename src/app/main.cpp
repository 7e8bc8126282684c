// TuneSnip: the splash window, then the main window.
#include "app/AppIdentity.h"
#include "app/Fonts.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "platform/QtMessageBoxes.h"
#include "platform/Shell.h"
#include "platform/TempFolder.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kProductName));
    installFontSubstitutes();

    const AppPaths paths = AppPaths::make(QApplication::applicationDirPath(), defaultTempFolder(),
                                          QApplication::applicationPid());
    QtMessageBoxes boxes;
    DesktopShell shell;

    std::unique_ptr<frmMain> mainWindow;
    frmSplash splash([&] {
        mainWindow = std::make_unique<frmMain>(paths, MainServices{&boxes, &shell});
        boxes.setOwner(mainWindow.get());
        mainWindow->show();
    });
    splash.show();
    return QApplication::exec();
}
