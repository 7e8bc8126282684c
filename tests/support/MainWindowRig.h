#pragma once
// A main window on recording stand-ins, in an application folder of its own under a temporary
// folder. Its data/coder is a link to the transcoder of the build when `withCoder` is set.
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

    explicit MainWindowRig(bool withCoder = false)
    {
        QDir(root.path()).mkpath("app/data");
        paths = AppPaths::make(root.filePath("app"), root.filePath("tmp"), 4242);
        if (withCoder)
            QFile::link(QStringLiteral(TS_APP_DIR "/data/coder"), paths.coder());
    }
    MainServices services()
    {
        return MainServices{&boxes, &shell, &dialogs, realMedia ? realMedia : &media, [this] { ++settingsShown; }};
    }
    std::unique_ptr<frmMain> make() { return std::make_unique<frmMain>(paths, services()); }
    // Puts a shell script in the transcoder's place ("$@" are the transcoder's arguments);
    // REAL_CODER in it stands for the build's transcoder.
    void useCoderScript(QString body)
    {
        QFile::remove(paths.coder());
        QFile script(paths.coder());
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\n" + body.replace("REAL_CODER", TS_APP_DIR "/data/coder").toUtf8() + "\n");
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
};
