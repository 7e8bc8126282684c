#pragma once
// An editor session on recording stand-ins, in an application folder of its own under a
// temporary folder, with a log of everything it tells its window. Its data/coder is a link to
// the transcoder of the build when `withCoder` is set. It remembers files in
// <root>/state/history.ini, and its open dialog starts in <root>/music. The common dialogs get an
// owner window only where the test program has a QApplication (tests registered as GUI); without
// one every dialog counts as cancelled.
#include "editor/EditorSession.h"
#include "editor/FileHistory.h"
#include "transcode/ConsoleRunner.h"
#include "dialogs/CCommonDialogs.h"
#include "platform/TempFolder.h"
#include "support/DialogFakes.h"
#include "support/FakeMedia.h"
#include "support/Recorders.h"
#include "support/RecordingLabels.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

// What a session told its window through its signals: each kind in order, and all of them in
// one list ("busy 1", "decodePanel 1", "decode 10%", "caption <text>", ...).
struct SessionLog {
    QStringList events;
    QList<bool> busy;
    QList<bool> decodePanel;
    QList<bool> savePanel;
    QList<bool> timeline;
    QStringList decodeTexts;
    QList<double> decodeFractions;
    QStringList saveTexts;
    QList<double> saveFractions;
    QStringList captions;
    QStringList hints;
    QStringList opened;
    QStringList decoded;
    QStringList saved;
    QList<bool> looping;
    int focusWanted = 0;
    int closeRequests = 0;
    int settingsRequests = 0;
    int closed = 0;

    // The panels as last told; hidden when nothing was told yet (the window starts so).
    bool decodePanelShown() const { return !decodePanel.isEmpty() && decodePanel.last(); }
    bool savePanelShown() const { return !savePanel.isEmpty() && savePanel.last(); }
    bool timelineShown() const { return !timeline.isEmpty() && timeline.last(); }
    // Busy as last told: the window's controls rest while it is.
    bool busyNow() const { return !busy.isEmpty() && busy.last(); }
    void clear() { *this = SessionLog(); }

    // Records `s` until it is destroyed.
    void listenTo(EditorSession& s)
    {
        auto on = [](bool b) { return QString::number(int(b)); };
        QObject::connect(&s, &EditorSession::busyChanged, &s, [this, on](bool b) {
            busy << b;
            events << "busy " + on(b);
        });
        QObject::connect(&s, &EditorSession::decodeProgressShown, &s, [this, on](bool b) {
            decodePanel << b;
            events << "decodePanel " + on(b);
        });
        QObject::connect(&s, &EditorSession::decodeProgress, &s, [this](double f, const QString& t) {
            decodeFractions << f;
            decodeTexts << t;
            events << "decode " + t;
        });
        QObject::connect(&s, &EditorSession::saveProgressShown, &s, [this, on](bool b) {
            savePanel << b;
            events << "savePanel " + on(b);
        });
        QObject::connect(&s, &EditorSession::saveProgress, &s, [this](double f, const QString& t) {
            saveFractions << f;
            saveTexts << t;
            events << "save " + t;
        });
        QObject::connect(&s, &EditorSession::timelineShown, &s, [this, on](bool b) {
            timeline << b;
            events << "timeline " + on(b);
        });
        QObject::connect(&s, &EditorSession::fileCaptionChanged, &s, [this](const QString& c) {
            captions << c;
            events << "caption " + c;
        });
        QObject::connect(&s, &EditorSession::hint, &s, [this](const QString& h) {
            hints << h;
            events << "hint " + h;
        });
        QObject::connect(&s, &EditorSession::focusWanted, &s, [this] { ++focusWanted; });
        QObject::connect(&s, &EditorSession::closeRequested, &s, [this] {
            ++closeRequests;
            events << "closeRequested";
        });
        QObject::connect(&s, &EditorSession::settingsRequested, &s, [this] {
            ++settingsRequests;
            events << "settingsRequested";
        });
        QObject::connect(&s, &EditorSession::fileOpened, &s, [this](const QString& n) {
            opened << n;
            events << "opened " + n;
        });
        QObject::connect(&s, &EditorSession::fileDecoded, &s, [this](const QString& w) {
            decoded << w;
            events << "decoded " + w;
        });
        QObject::connect(&s, &EditorSession::fileClosed, &s, [this] {
            ++closed;
            events << "closed";
        });
        QObject::connect(&s, &EditorSession::loopingChanged, &s, [this, on](bool b) {
            looping << b;
            events << "looping " + on(b);
        });
        QObject::connect(&s, &EditorSession::saveFinished, &s, [this](const QString& p) {
            saved << p;
            events << "saved " + p;
        });
    }
};

struct SessionRig {
    QTemporaryDir root;
    RecordingMessageBoxes boxes;
    RecordingShell shell;
    FakeDialogBackend dialogs;
    FakeMedia media;
    MediaDevice* realMedia = nullptr;  // used instead of the fake when set (before make)
    // The room the session sees where the decoded sound goes; empty: the file system's.
    std::function<std::optional<qint64>(const QString&)> freeSpace;
    RecordingLabels labels;
    AppPaths paths;
    QString musicDir = root.filePath("music");
    FileHistory history{root.filePath("state/history.ini"), musicDir};
    SessionLog log;
    std::unique_ptr<QWidget> dialogOwner;
    std::unique_ptr<EditorSession> session;

    explicit SessionRig(bool withCoder = false)
    {
        QDir(root.path()).mkpath("app/data");
        QDir(root.path()).mkpath("music");
        paths = AppPaths::make(root.filePath("app"), root.filePath("tmp"), 4242);
        ensurePrivateFolder(paths.tempDir);  // as the window does when it starts
        if (withCoder)
            QFile::link(QStringLiteral(TS_APP_DIR "/data/coder"), paths.coder());
    }
    ~SessionRig() { session.reset(); }

    SessionServices services()
    {
        return {&boxes, &shell, &dialogs, realMedia ? realMedia : &media, &history, freeSpace};
    }

    // A new session (an earlier one goes first), its labels and log started afresh.
    EditorSession& make()
    {
        session.reset();
        labels = RecordingLabels();
        log.clear();
        session = std::make_unique<EditorSession>(paths, services(), labels);
        if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
            if (!dialogOwner)
                dialogOwner = std::make_unique<QWidget>();
            session->commonDialogs().Init(dialogOwner.get());
        }
        log.listenTo(*session);
        return *session;
    }
    EditorSession& s() { return *session; }

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
    // An empty file where the decoded sound lies, as after a decode (for the playing commands).
    void fakeDecodedWav()
    {
        QFile wav(paths.tempWav);
        wav.open(QIODevice::WriteOnly);
    }
};

// Hands out events until `condition` holds or `ms` have passed; returns whether it holds.
inline bool waitUntil(const std::function<bool()>& condition, int ms = 30000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}
