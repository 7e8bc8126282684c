#pragma once
// A main window on recording stand-ins, in an application folder of its own under a temporary
// folder. Its data/coder is a link to the transcoder of the build when `withCoder` is set. It
// remembers files in <root>/state/history.ini, and its open dialog starts in <root>/music.
#include "editor/FileHistory.h"
#include "app/ImageControl.h"
#include "app/frmMain.h"
#include "support/DialogFakes.h"
#include "support/FakeMedia.h"
#include "support/Recorders.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <memory>
#include <vector>

struct MainWindowRig {
    QTemporaryDir root;
    RecordingMessageBoxes boxes;
    RecordingShell shell;
    FakeDialogBackend dialogs;
    FakeMedia media;
    int settingsShown = 0;
    int ringTonePageShown = 0;
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
                            &history, [this] { ++ringTonePageShown; }};
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

// The Esc key, as the user presses it on the main window.
inline void pressEscape(frmMain& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &release);
}

// Which of the window's controls are enabled: panel, transport row, menu bar (19 in all).
inline std::vector<bool> enabledControls(const frmMain& w)
{
    std::vector<bool> on;
    for (const ImageControl* c : w.imgButton)
        on.push_back(c->isEnabled());
    for (const ImageControl* c : w.imgCtrlButton)
        on.push_back(c->isEnabled());
    for (const ImageControl* c : w.imgMenu)
        on.push_back(c->isEnabled());
    return on;
}
