// The real main window, offscreen, reached without its open dialog: a file given as on the
// command line, a drop, the recent files of the File menu; and where its dialogs start.
#include "editor/FileHistory.h"
#include "app/SkinLabel.h"
#include "app/PathLabel.h"
#include "app/frmMain.h"
#include "timeline/EditorModel.h"
#include "timeline/TimelinePanel.h"
#include "app/frmMenu.h"
#include "coder/CoderHarness.h"
#include "support/MainWindowRig.h"
#include "support/WindowParts.h"

#include <QAction>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QMenu>
#include <QMimeData>
#include <gtest/gtest.h>

using coder_test::ffmpeg;

namespace {

struct Window {
    MainWindowRig rig{true};
    std::unique_ptr<frmMain> w = rig.make();

    Window() { w->show(); }

    // A one-second tone as `folder/name` under the rig's folder.
    QString song(const QString& folder, const QString& name)
    {
        QDir(rig.root.path()).mkpath(folder);
        const QString path = rig.root.filePath(folder + "/" + name);
        EXPECT_TRUE(ffmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=1", "-b:a", "64k", path}));
        return path;
    }
    bool isOpen() const { return w->session().state().fileIsOpen == kTrue; }
    void waitUntil(const std::function<bool()>& done)
    {
        QElapsedTimer t;
        t.start();
        while (!done() && t.elapsed() < 30000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    // Drags `urls` over the window and drops them; returns whether the window took the drag.
    bool drop(const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at(380, 300);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.get(), &enter);
        const bool taken = enter.isAccepted();
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.get(), &dropped);
        EXPECT_EQ(dropped.isAccepted(), taken);
        QCoreApplication::processEvents();
        return taken;
    }
    QStringList recentCaptions()
    {
        frmMenu& m = w->menuWindow();
        Q_EMIT m.menuFile->aboutToShow();
        QStringList out;
        for (QAction* a : m.menuRecent->actions())
            out << a->text();
        return out;
    }
};

}  // namespace

TEST(FileRequests, AFileNamedAsOnTheCommandLineOpensWithoutTheDialog)
{
    Window win;
    const QString song = win.song("in", "Song.mp3");
    EXPECT_TRUE(win.w->openGivenFile(song));
    EXPECT_TRUE(win.isOpen());
    EXPECT_TRUE(win.rig.dialogs.calls.empty());
    EXPECT_TRUE(win.rig.boxes.shown.empty());
    EXPECT_FALSE(part<TimelinePanel>(*win.w, "picOpened")->isHidden());
    EXPECT_EQ(part<PathLabel>(*win.w, "lblFileName")->path(), song);
    EXPECT_EQ(win.rig.history.recentFiles(), QStringList{song});

    // Another name while a file is open: offered for closing first; Cancel keeps the open one.
    const QString other = win.song("in", "Other.mp3");
    win.rig.boxes.answers = {MsgResult::Cancel};
    EXPECT_FALSE(win.w->openGivenFile(other));
    ASSERT_EQ(win.rig.boxes.shown.size(), 1u);
    EXPECT_EQ(win.rig.boxes.shown[0].title, "Close Current File");
    EXPECT_EQ(win.rig.history.currentFile(), song);
    EXPECT_TRUE(win.w->openGivenFile(other));  // answered OK this time
    EXPECT_EQ(win.rig.history.currentFile(), other);
}

TEST(FileRequests, AMissingOrUndecodableFileGivesTheUsualMessages)
{
    Window win;
    const QString missing = win.rig.root.filePath("in/none.mp3");
    EXPECT_FALSE(win.w->openGivenFile(missing));
    ASSERT_EQ(win.rig.boxes.shown.size(), 1u);
    EXPECT_EQ(win.rig.boxes.shown[0].text, missing + "\nFile not found.\nCheck the file name and try again.");
    EXPECT_EQ(win.rig.boxes.shown[0].title, "Open Files");
    EXPECT_EQ(win.rig.boxes.shown[0].icon, MsgIcon::Warning);
    EXPECT_FALSE(win.isOpen());

    // Text in a sound's clothing: the transcoder's failure, as after the dialog.
    const QString text = win.rig.root.filePath("fake.mp3");
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not sound\n");
    f.close();
    EXPECT_FALSE(win.w->openGivenFile(text));
    ASSERT_EQ(win.rig.boxes.shown.size(), 2u);
    EXPECT_TRUE(win.rig.boxes.shown[1].text.contains(text));
    EXPECT_EQ(win.rig.boxes.shown[1].icon, MsgIcon::Error);
    EXPECT_TRUE(win.rig.history.recentFiles().isEmpty());  // only files that opened are remembered
}

TEST(FileRequests, ADroppedFileOpensTheFirstOfSeveralAndFoldersAreIgnored)
{
    Window win;
    const QString a = win.song("drop", "a.mp3");
    const QString b = win.song("drop", "b.mp3");
    EXPECT_FALSE(win.drop({QUrl::fromLocalFile(win.rig.root.filePath("drop"))}));
    EXPECT_FALSE(win.drop({QUrl("https://example.com/a.mp3")}));
    QCoreApplication::processEvents();
    EXPECT_FALSE(win.isOpen());

    EXPECT_TRUE(win.drop({QUrl::fromLocalFile(win.rig.root.filePath("drop")), QUrl::fromLocalFile(a),
                          QUrl::fromLocalFile(b)}));
    win.waitUntil([&] { return win.isOpen(); });
    EXPECT_TRUE(win.isOpen());
    EXPECT_EQ(win.rig.history.currentFile(), a);
    EXPECT_TRUE(win.rig.boxes.shown.empty());  // several files: the first, without a message
    EXPECT_TRUE(win.rig.dialogs.calls.empty());

    // Dropping another file on an open one replaces it once the user agrees.
    EXPECT_TRUE(win.drop({QUrl::fromLocalFile(b)}));
    win.waitUntil([&] { return win.rig.history.currentFile() == b; });
    EXPECT_EQ(win.rig.history.currentFile(), b);
    ASSERT_EQ(win.rig.boxes.shown.size(), 1u);
    EXPECT_EQ(win.rig.boxes.shown[0].title, "Close Current File");
}

TEST(FileRequests, RecentFilesNewestFirstAtMostEightAndMissingOnesRemoved)
{
    Window win;
    EXPECT_TRUE(win.recentCaptions().isEmpty());
    EXPECT_FALSE(win.w->menuWindow().menuRecent->menuAction()->isEnabled());

    QStringList files;
    for (int i = 0; i < 9; ++i) {
        QFile f(win.rig.root.filePath(QString("music/t%1.mp3").arg(i)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        files.prepend(f.fileName());
        win.rig.history.noteOpened(f.fileName());
    }
    // Opening through the dialog puts the file first.
    const QString opened = win.song("in", "Song & Dance.mp3");
    win.rig.dialogs.openAnswers.push_back(opened);
    clickPanel(*win.w, 0);
    ASSERT_TRUE(win.isOpen());
    files.prepend(opened);

    QStringList expected;
    for (int i = 0; i < 8; ++i)
        expected << recentMenuCaption(i, files[i]);
    EXPECT_EQ(win.recentCaptions(), expected);
    EXPECT_TRUE(win.recentCaptions()[0].endsWith("Song && Dance.mp3"));
    EXPECT_TRUE(win.w->menuWindow().menuRecent->menuAction()->isEnabled());

    // A missing entry: the usual message, and it leaves the list; the open file stays open.
    QFile::remove(files[2]);
    win.w->menuWindow().menuRecent->actions()[2]->trigger();
    QCoreApplication::processEvents();
    ASSERT_EQ(win.rig.boxes.shown.size(), 1u);
    EXPECT_TRUE(win.rig.boxes.shown[0].text.contains("File not found."));
    EXPECT_FALSE(win.rig.history.recentFiles().contains(files[2]));
    EXPECT_EQ(win.recentCaptions().size(), 7);  // only eight were kept
    EXPECT_TRUE(win.isOpen());

    // An existing entry opens (after the close question), and moves to the front.
    const QString again = win.song("in", "Again.mp3");
    win.rig.history.noteOpened(again);
    win.rig.history.noteOpened(opened);
    win.recentCaptions();
    win.w->menuWindow().menuRecent->actions()[1]->trigger();
    win.waitUntil([&] { return win.rig.history.currentFile() == again; });
    EXPECT_EQ(win.rig.history.recentFiles().first(), again);
}

TEST(FileRequests, DialogsStartInTheRememberedFoldersAndOfferARingToneName)
{
    Window win;
    // First open: the music folder.
    clickPanel(*win.w, 0);
    ASSERT_EQ(win.rig.dialogs.calls.size(), 1u);
    EXPECT_EQ(win.rig.dialogs.calls[0].file.directory, win.rig.musicDir);

    const QString song = win.song("albums/one", "Song.mp3");
    win.rig.dialogs.openAnswers.push_back(song);
    clickPanel(*win.w, 0);
    ASSERT_TRUE(win.isOpen());

    // First save: the opened file's folder, offering "Song (ring tone).mp3".
    win.w->session().model().setEndFromDragMs(1000);
    clickPanel(*win.w, 1);
    DialogCall save = win.rig.dialogs.calls.back();
    ASSERT_EQ(save.kind, DialogCall::Save);
    EXPECT_EQ(save.file.directory, win.rig.root.filePath("albums/one") + "/");
    EXPECT_EQ(save.file.initialName, "Song (ring tone).mp3");

    // After a save elsewhere, the next save starts there.
    QDir(win.rig.root.path()).mkpath("tones");
    const QString out = win.rig.root.filePath("tones/Song (ring tone).mp3");
    win.rig.dialogs.saveAnswers.push_back(out);
    clickPanel(*win.w, 1);
    ASSERT_TRUE(QFile::exists(out));
    clickPanel(*win.w, 1);
    EXPECT_EQ(win.rig.dialogs.calls.back().file.directory, win.rig.root.filePath("tones") + "/");

    // The next open starts in the last opened file's folder, also in a new window (next run).
    win.w->openGivenFile(song);  // asks to close first (OK), then opens it again
    win.rig.boxes.answers = {MsgResult::Ok};
    clickPanel(*win.w, 0);  // offers to close
    clickPanel(*win.w, 0);  // the dialog
    EXPECT_EQ(win.rig.dialogs.calls.back().kind, DialogCall::Open);
    EXPECT_EQ(win.rig.dialogs.calls.back().file.directory, win.rig.root.filePath("albums/one"));
    FileHistory nextRun(win.rig.root.filePath("state/history.ini"), win.rig.musicDir);
    EXPECT_EQ(nextRun.openDialogFolder(), win.rig.root.filePath("albums/one"));
    EXPECT_EQ(nextRun.saveDialogFolder(), win.rig.root.filePath("tones"));
}
