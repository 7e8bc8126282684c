// The real main window, offscreen, reached without its open dialog: a file given as on the
// command line, a drop, the recent files of the File menu. What the session does with a given
// file, and where its dialogs start, is tested on the session (tests/editor/session_files_test.cpp).
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

TEST(FileRequests, AFileNamedAsOnTheCommandLineShowsItsTimelineAndName)
{
    Window win;
    const QString song = win.song("in", "Song.mp3");
    EXPECT_TRUE(win.w->openGivenFile(song));
    EXPECT_TRUE(win.isOpen());
    EXPECT_TRUE(win.rig.dialogs.calls.empty());
    EXPECT_FALSE(part<TimelinePanel>(*win.w, "picOpened")->isHidden());
    EXPECT_EQ(part<PathLabel>(*win.w, "lblFileName")->path(), song);
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
