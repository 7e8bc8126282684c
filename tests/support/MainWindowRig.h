#pragma once
// A main window on recording stand-ins, in an application folder of its own under a temporary
// folder. Its data/coder is a link to the transcoder of the build when `withCoder` is set. It
// remembers files in <root>/state/history.ini, and its open dialog starts in <root>/music.
#include "app/FileHistory.h"
#include "app/frmMain.h"
#include "support/DialogFakes.h"
#include "support/FakeMedia.h"
#include "support/Recorders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

struct MainWindowRig {
    QTemporaryDir root;
    RecordingMessageBoxes boxes;
    RecordingShell shell;
    FakeDialogBackend dialogs;
    FakeMedia media;
    int settingsShown = 0;
    MediaDevice* realMedia = nullptr;  // used instead of the fake when set
    AppPaths paths;
    QString musicDir = root.filePath("music");
    FileHistory history{root.filePath("state/history.ini"), musicDir};

    explicit MainWindowRig(bool withCoder = false)
    {
        QDir(root.path()).mkpath("app/data");
        QDir(root.path()).mkpath("music");
        paths = AppPaths::make(root.filePath("app"), root.filePath("tmp"), 4242);
        if (withCoder)
            QFile::link(QStringLiteral(TS_APP_DIR "/data/coder"), paths.coder());
    }
    MainServices services()
    {
        return MainServices{&boxes, &shell, &dialogs, realMedia ? realMedia : &media, [this] { ++settingsShown; },
                            &history};
    }
    std::unique_ptr<frmMain> make() { return std::make_unique<frmMain>(paths, services()); }
};
