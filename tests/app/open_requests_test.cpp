// What a drop names, and the open dialog's message for a name that is no file.
#include "app/OpenRequests.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(DroppedFile, TheFirstLocalFileCountsFoldersAndOtherUrlsAreIgnored)
{
    QTemporaryDir root;
    const QString a = root.filePath("a b.mp3");
    const QString b = root.filePath("b.wav");
    for (const QString& f : {a, b}) {
        QFile file(f);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QUrl folder = QUrl::fromLocalFile(root.path());
    const QUrl web("https://example.com/song.mp3");
    EXPECT_EQ(droppedFile({QUrl::fromLocalFile(a)}), a);
    EXPECT_EQ(droppedFile({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)}), a);
    EXPECT_EQ(droppedFile({folder, web, QUrl::fromLocalFile(b)}), b);
    EXPECT_FALSE(droppedFile({}));
    EXPECT_FALSE(droppedFile({folder}));
    EXPECT_FALSE(droppedFile({web, QUrl("mailto:x@example.com")}));
    // A file that went away meanwhile still names a file: opening it reports it missing.
    EXPECT_EQ(droppedFile({QUrl::fromLocalFile(root.filePath("gone.mp3"))}), root.filePath("gone.mp3"));
}

TEST(FileNotFound, OnlyForNamesThatAreNoFile)
{
    QTemporaryDir root;
    const QString f = root.filePath("a.mp3");
    QFile file(f);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_EQ(fileNotFoundText(f), "");
    EXPECT_EQ(fileNotFoundText(root.filePath("x.mp3")),
              root.filePath("x.mp3") + "\nFile not found.\nCheck the file name and try again.");
    EXPECT_FALSE(fileNotFoundText(root.path()).isEmpty());
}
