// The one reader of the program's small files: regular files only, whole, within a bound, and
// never a wait on a FIFO or a device.
#include "platform/SmallFile.h"

#include "support/Fifo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
void write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}
}  // namespace

TEST(SmallFile, ARegularFileIsReadWholeUpToTheBound)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.ini");
    write(path, "0\r\n1\r\n");
    EXPECT_EQ(readSmallFile(path), QByteArray("0\r\n1\r\n"));
    write(path, "");
    EXPECT_EQ(readSmallFile(path), QByteArray());  // empty, but read
    // A link to a regular file reads as that file.
    write(dir.filePath("target"), "t");
    ASSERT_TRUE(QFile::link(dir.filePath("target"), dir.filePath("link")));
    EXPECT_EQ(readSmallFile(dir.filePath("link")), QByteArray("t"));

    // Longer than 16 kB chunks, up to the bound: whole; one byte more: unreadable.
    QByteArray bytes(100000, 'x');
    bytes[99999] = 'y';
    write(path, bytes);
    EXPECT_EQ(readSmallFile(path, 100000), bytes);
    EXPECT_FALSE(readSmallFile(path, 99999).has_value());
    EXPECT_EQ(kMaxSmallFileBytes, 1024 * 1024);
    write(path, QByteArray(kMaxSmallFileBytes, 'z'));
    EXPECT_EQ(readSmallFile(path)->size(), kMaxSmallFileBytes);
    write(path, QByteArray(kMaxSmallFileBytes + 1, 'z'));
    EXPECT_FALSE(readSmallFile(path).has_value());
}

TEST(SmallFile, AnythingButARegularFileIsUnreadable)
{
    QTemporaryDir dir;
    EXPECT_FALSE(readSmallFile(dir.filePath("missing")).has_value());
    EXPECT_FALSE(readSmallFile(QString()).has_value());
    EXPECT_FALSE(readSmallFile(dir.path()).has_value());  // a folder
    // Devices: one that never ends and one that never holds anything.
    EXPECT_FALSE(readSmallFile("/dev/zero").has_value());
    EXPECT_FALSE(readSmallFile("/dev/null").has_value());

    const QString fifo = dir.filePath("setup.ini");
    ASSERT_TRUE(makeFifo(fifo));
    const auto read = returnsWithoutWaiting([&] { return readSmallFile(fifo); }, {fifo});
    ASSERT_TRUE(read.has_value()) << "the reader waited for a writer to the FIFO";
    EXPECT_FALSE(read->has_value());
    // A FIFO that has a writer, with bytes waiting, is not read either.
    const int writer = ::open(QFile::encodeName(fifo).constData(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::write(writer, "1\r\n", 3), 3);
    EXPECT_FALSE(readSmallFile(fifo).has_value());
    ::close(writer);
}
