// Part files: a live run's part is never taken for stale, a dead run's is once it has aged.
#include "coder/PartFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using coder::createPart;
using coder::isPartName;
using coder::removeStaleParts;

namespace {

QStringList entries(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

void age(const QString& file, int seconds)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-seconds), QFileDevice::FileModificationTime));
}

TEST(PartFiles, OnlyHiddenCoderPartsAreParts)
{
    EXPECT_TRUE(isPartName(".coder-a1B2c3.part"));
    EXPECT_TRUE(isPartName(".coder-4711-0.part"));
    EXPECT_FALSE(isPartName(".coder-.part"));
    EXPECT_FALSE(isPartName("coder-a1B2c3.part"));
    EXPECT_FALSE(isPartName(".coder-a1B2c3.part.wav"));
    EXPECT_FALSE(isPartName("ring.part"));
}

TEST(PartFiles, APartIsStaleOnlyWhenItsRunHasEndedAndItHasAged)
{
    QTemporaryDir dir;
    std::string path;
    const int fd = createPart(dir.path().toStdString(), path);
    ASSERT_GE(fd, 0);
    const QString part = QString::fromStdString(path);
    EXPECT_TRUE(isPartName(QFileInfo(part).fileName().toStdString()));
    age(part, 3600);
    // Its run is alive: however old, it stays.
    EXPECT_EQ(removeStaleParts(dir.path().toStdString(), std::chrono::seconds(10)), 0);
    EXPECT_TRUE(QFile::exists(part));
    ::close(fd);
    EXPECT_EQ(removeStaleParts(dir.path().toStdString(), std::chrono::seconds(10)), 1);
    EXPECT_FALSE(QFile::exists(part));

    // A fresh part may be one a run has just made and not yet locked; other names are never touched.
    for (const char* name : {".coder-fresh1.part", ".coder-notes.txt", "old.part"}) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    age(dir.filePath(".coder-notes.txt"), 3600);
    age(dir.filePath("old.part"), 3600);
    ASSERT_TRUE(QFile::link("old.part", dir.filePath(".coder-link01.part")));
    EXPECT_EQ(removeStaleParts(dir.path().toStdString(), std::chrono::seconds(10)), 0);
    EXPECT_EQ(entries(dir), QStringList({".coder-fresh1.part", ".coder-link01.part", ".coder-notes.txt", "old.part"}));
}

} // namespace
