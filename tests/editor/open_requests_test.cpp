// What a drop names.
#include "editor/OpenRequests.h"

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
