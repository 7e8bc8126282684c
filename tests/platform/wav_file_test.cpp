// WAV headers as found in the wild: plain RIFF, RF64, WAVE_FORMAT_EXTENSIBLE, extra chunks,
// sizes that disagree with the file; reading frames by position; and files read while another
// process still writes them (the slow writer helper), up to their final header.
#include "platform/WavFile.h"

#include "support/SlowWavWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <vector>

namespace {

QByteArray le16(quint16 v)
{
    v = qToLittleEndian(v);
    return QByteArray(reinterpret_cast<const char*>(&v), 2);
}
QByteArray le32(quint32 v)
{
    v = qToLittleEndian(v);
    return QByteArray(reinterpret_cast<const char*>(&v), 4);
}

QByteArray samples(int count, int start = 0)
{
    QByteArray s;
    for (int i = 0; i < count; ++i)
        s += le16(quint16(qint16(start + i)));
    return s;
}

QByteArray fmtChunk(quint16 tag, int channels, int rate, int bits)
{
    QByteArray f = le16(tag) + le16(quint16(channels)) + le32(quint32(rate))
        + le32(quint32(rate * channels * bits / 8)) + le16(quint16(channels * bits / 8)) + le16(quint16(bits));
    return "fmt " + le32(quint32(f.size())) + f;
}

QByteArray extensibleFmt(int channels, int rate, quint16 subtype)
{
    QByteArray f = le16(0xFFFE) + le16(quint16(channels)) + le32(quint32(rate))
        + le32(quint32(rate * channels * 2)) + le16(quint16(channels * 2)) + le16(16) + le16(22) + le16(16)
        + le32(3) + le16(subtype)
        + QByteArray("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    return "fmt " + le32(quint32(f.size())) + f;
}

QByteArray riff(const QByteArray& chunks)
{
    return "RIFF" + le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

class WavFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString write(const QByteArray& bytes, const QString& name = QStringLiteral("t.wav"))
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    std::unique_ptr<WavFile> open(const QByteArray& bytes, WavFile::Error* error = nullptr)
    {
        return WavFile::open(write(bytes), error);
    }
};

TEST_F(WavFileTest, PlainRiffGivesFormatAndLength)
{
    const QByteArray data = samples(2 * 22050);  // one second of stereo at 22050 Hz
    auto wav = open(riff(fmtChunk(1, 2, 22050, 16) + "data" + le32(quint32(data.size())) + data));
    ASSERT_TRUE(wav);
    const WavFormat& f = wav->format();
    EXPECT_EQ(f.channels, 2);
    EXPECT_EQ(f.sampleRate, 22050);
    EXPECT_EQ(f.blockAlign, 4);
    EXPECT_EQ(f.dataOffset, 44);
    EXPECT_EQ(f.frames, 22050);
    EXPECT_EQ(f.lengthMs(), 1000);
}

TEST_F(WavFileTest, SkipsOtherChunksIncludingOddSizedOnes)
{
    const QByteArray data = samples(10);
    const QByteArray list = "LIST" + le32(3) + QByteArray("abc") + QByteArray(1, '\0');  // padded
    auto wav = open(riff(list + fmtChunk(1, 1, 8000, 16) + "fact" + le32(4) + le32(10) + "data"
                         + le32(quint32(data.size())) + data));
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->format().frames, 10);
    std::vector<qint16> got(10);
    ASSERT_EQ(wav->readFrames(0, got.data(), 10), 10);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(got[size_t(i)], i);
}

TEST_F(WavFileTest, ExtensiblePcmIsAcceptedOtherSubtypesAreNot)
{
    const QByteArray data = samples(6 * 100);
    auto wav = open(riff(extensibleFmt(6, 48000, 1) + "data" + le32(quint32(data.size())) + data));
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->format().channels, 6);
    EXPECT_EQ(wav->format().frames, 100);

    WavFile::Error error = WavFile::Error::None;
    EXPECT_FALSE(open(riff(extensibleFmt(6, 48000, 3) + "data" + le32(quint32(data.size())) + data), &error));
    EXPECT_EQ(error, WavFile::Error::Unsupported);
}

TEST_F(WavFileTest, RejectsWhatCannotBePlayedAsSixteenBitPcm)
{
    const QByteArray data = samples(100);
    const QByteArray dataChunk = "data" + le32(quint32(data.size())) + data;
    const QList<QByteArray> bad = {
        riff(fmtChunk(1, 1, 8000, 8) + dataChunk),         // 8-bit
        riff(fmtChunk(1, 1, 8000, 24) + dataChunk),        // 24-bit
        riff(fmtChunk(3, 1, 8000, 32) + dataChunk),        // float
        riff(fmtChunk(1, 9, 8000, 16) + dataChunk),        // more channels than SDL plays
        riff(fmtChunk(1, 0, 8000, 16) + dataChunk),        // no channels
        riff(fmtChunk(1, 1, 0, 16) + dataChunk),           // no rate
        riff(dataChunk + fmtChunk(1, 1, 8000, 16)),        // data before its format
        riff(fmtChunk(1, 1, 8000, 16)),                    // no data chunk
        "RIFX" + riff(fmtChunk(1, 1, 8000, 16) + dataChunk).mid(4),  // big-endian RIFF
        QByteArray::fromHex("494433030000000000") + " not a wave at all",
        QByteArray("RIFF"),                                // cut short
        QByteArray(),
    };
    for (int i = 0; i < bad.size(); ++i) {
        WavFile::Error error = WavFile::Error::None;
        EXPECT_FALSE(open(bad[i], &error)) << "case " << i;
        EXPECT_EQ(error, WavFile::Error::Unsupported) << "case " << i;
    }
}

TEST_F(WavFileTest, MissingFileAndFolderAreReported)
{
    WavFile::Error error = WavFile::Error::None;
    EXPECT_FALSE(WavFile::open(dir.filePath("nothing.wav"), &error));
    EXPECT_EQ(error, WavFile::Error::NotFound);
    EXPECT_FALSE(WavFile::open(QString(), &error));
    EXPECT_EQ(error, WavFile::Error::NotFound);
    EXPECT_FALSE(WavFile::open(dir.path(), &error));
    EXPECT_NE(error, WavFile::Error::None);
}

TEST_F(WavFileTest, DataSizeBeyondTheFileIsCutToWholeFramesPresent)
{
    const QByteArray data = samples(2 * 50) + QByteArray(3, '\x01');  // 50 frames and a torn one
    auto big = open(riff(fmtChunk(1, 2, 8000, 16) + "data" + le32(1000000) + data));
    ASSERT_TRUE(big);
    EXPECT_EQ(big->format().frames, 50);
    auto streamed = open(riff(fmtChunk(1, 2, 8000, 16) + "data" + le32(0xFFFFFFFF) + data));
    ASSERT_TRUE(streamed);
    EXPECT_EQ(streamed->format().frames, 50);
}

TEST_F(WavFileTest, Rf64TakesTheDataSizeFromDs64)
{
    const QByteArray data = samples(2 * 300);
    QByteArray ds64 = "ds64" + le32(28) + le32(0) + le32(0) + le32(quint32(data.size())) + le32(0)
        + le32(300) + le32(0) + le32(0);
    // The ds64 size says 200 frames although 300 follow: the header wins.
    ds64.replace(16, 4, le32(quint32(2 * 2 * 200)));
    const QByteArray file = "RF64" + le32(0xFFFFFFFF) + "WAVE" + ds64 + fmtChunk(1, 2, 8000, 16) + "data"
        + le32(0xFFFFFFFF) + data;
    auto wav = open(file);
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->format().frames, 200);
    EXPECT_EQ(wav->format().dataOffset, file.size() - data.size());

    WavFile::Error error = WavFile::Error::None;
    QByteArray noDs64 = "RF64" + le32(0xFFFFFFFF) + "WAVE" + fmtChunk(1, 2, 8000, 16) + "data" + le32(0xFFFFFFFF) + data;
    EXPECT_FALSE(open(noDs64, &error));
    EXPECT_EQ(error, WavFile::Error::Unsupported);
}

TEST_F(WavFileTest, HeaderWriterRoundTripsBothKinds)
{
    for (bool rf64 : {false, true}) {
        const QByteArray header = wavHeader(3, 11025, 40, rf64);
        EXPECT_EQ(header.left(4), rf64 ? QByteArray("RF64") : QByteArray("RIFF"));
        auto wav = open(header + samples(3 * 40, 100));
        ASSERT_TRUE(wav) << rf64;
        EXPECT_EQ(wav->format().channels, 3);
        EXPECT_EQ(wav->format().sampleRate, 11025);
        EXPECT_EQ(wav->format().frames, 40);
        EXPECT_EQ(wav->format().dataOffset, header.size());
        if (!rf64) {
            EXPECT_EQ(qFromLittleEndian<quint32>(header.constData() + 4), quint32(header.size() - 8 + 3 * 40 * 2));
        }
    }
}

TEST_F(WavFileTest, ReadFramesStopsAtTheEnd)
{
    auto wav = open(wavHeader(2, 8000, 100) + samples(2 * 100));
    ASSERT_TRUE(wav);
    std::vector<qint16> buf(2 * 30, -1);
    EXPECT_EQ(wav->readFrames(10, buf.data(), 30), 30);
    EXPECT_EQ(buf[0], 20);
    EXPECT_EQ(buf[59], 79);
    EXPECT_EQ(wav->readFrames(90, buf.data(), 30), 10);
    EXPECT_EQ(buf[0], 180);
    EXPECT_EQ(buf[19], 199);
    EXPECT_EQ(wav->readFrames(100, buf.data(), 30), 0);
    EXPECT_EQ(wav->readFrames(-1, buf.data(), 30), 0);
}

TEST_F(WavFileTest, ReadFramesSeesAFileThatShrankAfterOpening)
{
    const QString path = write(wavHeader(1, 8000, 100) + samples(100));
    auto wav = WavFile::open(path);
    ASSERT_TRUE(wav);
    QFile::resize(path, 44 + 2 * 60);
    std::vector<qint16> buf(100);
    EXPECT_EQ(wav->readFrames(0, buf.data(), 100), 60);
    EXPECT_EQ(wav->readFrames(70, buf.data(), 10), 0);
}

// Checks that frames [first, first + count) of `wav` are the slow writer's samples.
void expectWriterFrames(const WavFile& wav, qint64 first, qint64 count)
{
    const int channels = wav.format().channels;
    std::vector<qint16> buf(size_t(count * channels));
    ASSERT_EQ(wav.readFrames(first, buf.data(), count), count);
    for (qint64 f = 0; f < count; ++f)
        for (int c = 0; c < channels; ++c)
            ASSERT_EQ(qFromLittleEndian(buf[size_t(f * channels + c)]), growingWavSample(first + f, c))
                << "frame " << first + f << " channel " << c;
}

TEST_F(WavFileTest, GrowingFileIsReadAsFarAsItIsWrittenUntilItsHeaderIsFinal)
{
    SlowWavWriter writer(dir.path(), "g.wav", 2, 8000, SlowWavWriter::Place::Direct);
    ASSERT_TRUE(writer.ok());
    const QString path = dir.filePath("g.wav");
    WavFile::Error error = WavFile::Error::None;
    EXPECT_FALSE(WavFile::openGrowing(path, &error));  // nothing written yet
    EXPECT_EQ(error, WavFile::Error::Incomplete);
    for (qint64 part : {qint64(20), writer.headerSize() - 3 - 20}) {  // the header in pieces
        ASSERT_TRUE(writer.header(part));
        EXPECT_FALSE(WavFile::openGrowing(path, &error)) << writer.fileBytes();
        EXPECT_EQ(error, WavFile::Error::Incomplete) << writer.fileBytes();
        EXPECT_FALSE(WavFile::open(path, &error));  // a complete file's reader refuses it
        EXPECT_EQ(error, WavFile::Error::Unsupported);
    }
    ASSERT_TRUE(writer.header());
    auto wav = WavFile::openGrowing(path, &error);
    ASSERT_TRUE(wav);
    EXPECT_EQ(error, WavFile::Error::None);
    EXPECT_TRUE(wav->isGrowing());
    EXPECT_FALSE(wav->isFinal());
    EXPECT_EQ(wav->format().channels, 2);
    EXPECT_EQ(wav->format().sampleRate, 8000);
    EXPECT_EQ(wav->format().dataOffset, writer.headerSize());
    EXPECT_EQ(wav->frames(), 0);

    ASSERT_TRUE(writer.bytes(4 * 100 + 3));  // a torn frame at the end
    EXPECT_EQ(wav->frames(), 0);             // nothing new until it looks again
    EXPECT_EQ(wav->refresh(), 100);
    EXPECT_FALSE(wav->isFinal());
    expectWriterFrames(*wav, 0, 100);
    std::vector<qint16> buf(8);
    EXPECT_EQ(wav->readFrames(99, buf.data(), 2), 1);  // whole frames only
    EXPECT_EQ(wav->readFrames(100, buf.data(), 1), 0);

    ASSERT_TRUE(writer.bytes(1));
    EXPECT_EQ(wav->refresh(), 101);
    ASSERT_TRUE(writer.frames(7999));
    EXPECT_EQ(wav->refresh(), 8100);
    EXPECT_EQ(wav->format().lengthMs(), 1012);
    EXPECT_FALSE(wav->isFinal());
    expectWriterFrames(*wav, 8000, 100);

    ASSERT_TRUE(writer.finish());
    EXPECT_EQ(wav->refresh(), 8100);
    EXPECT_TRUE(wav->isFinal());
    EXPECT_EQ(wav->refresh(), 8100);
    auto complete = WavFile::open(path);
    ASSERT_TRUE(complete);
    EXPECT_EQ(complete->frames(), 8100);
    EXPECT_FALSE(complete->isGrowing());
    EXPECT_TRUE(complete->isFinal());
    auto again = WavFile::openGrowing(path);  // a finished file opened as growing is final at once
    ASSERT_TRUE(again);
    EXPECT_TRUE(again->isFinal());
    EXPECT_EQ(again->frames(), 8100);
}

TEST_F(WavFileTest, GrowingFileTurnedIntoRf64AtTheEndIsFinalWithTheDs64Sizes)
{
    SlowWavWriter writer(dir.path(), "big.wav", 1, 44100, SlowWavWriter::Place::Direct);
    ASSERT_TRUE(writer.ok());
    ASSERT_TRUE(writer.frames(44100));
    auto wav = WavFile::openGrowing(dir.filePath("big.wav"));
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->frames(), 44100);
    EXPECT_FALSE(wav->isFinal());
    ASSERT_TRUE(writer.frames(501));
    ASSERT_TRUE(writer.finish(true));
    QFile f(dir.filePath("big.wav"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    ASSERT_EQ(f.read(4), QByteArray("RF64"));
    EXPECT_EQ(wav->refresh(), 44601);
    EXPECT_TRUE(wav->isFinal());
    expectWriterFrames(*wav, 44500, 101);
}

TEST_F(WavFileTest, GrowingFileOfAKilledWriterNeverBecomesFinal)
{
    SlowWavWriter writer(dir.path(), "k.wav", 2, 22050, SlowWavWriter::Place::Direct);
    ASSERT_TRUE(writer.ok());
    ASSERT_TRUE(writer.frames(2205));
    auto wav = WavFile::openGrowing(dir.filePath("k.wav"));
    ASSERT_TRUE(wav);
    ASSERT_TRUE(writer.bytes(4 * 1000 + 2));
    writer.kill();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(wav->refresh(), 3205);
        EXPECT_FALSE(wav->isFinal());
    }
    expectWriterFrames(*wav, 3000, 205);
}

TEST_F(WavFileTest, GrowingHeadersWithPlaceholderSizes)
{
    const QByteArray data = samples(2 * 50);
    const QByteArray fmt = fmtChunk(1, 2, 8000, 16);
    auto growing = [&](const QByteArray& bytes) { return WavFile::openGrowing(write(bytes)); };

    // The data size patched, the RIFF size not yet: the writer is not done.
    auto wav = growing("RIFF" + le32(0xFFFFFFFF) + "WAVE" + fmt + "data" + le32(quint32(data.size())) + data);
    ASSERT_TRUE(wav);
    EXPECT_FALSE(wav->isFinal());
    EXPECT_EQ(wav->frames(), 50);
    // Writers that put 0 where the sizes go.
    wav = growing("RIFF" + le32(0) + "WAVE" + fmt + "data" + le32(0) + data);
    ASSERT_TRUE(wav);
    EXPECT_FALSE(wav->isFinal());
    EXPECT_EQ(wav->frames(), 50);
    // RF64 whose ds64 is not written yet: growing here, refused as a complete file.
    const QByteArray rf64 = "RF64" + le32(0xFFFFFFFF) + "WAVE" + "JUNK" + le32(28) + QByteArray(28, '\0') + fmt
        + "data" + le32(0xFFFFFFFF) + data;
    wav = growing(rf64);
    ASSERT_TRUE(wav);
    EXPECT_FALSE(wav->isFinal());
    EXPECT_EQ(wav->frames(), 50);
    EXPECT_FALSE(WavFile::open(write(rf64)));
    // Real sizes that the file does not hold yet: a writer that knew the length beforehand.
    const QString presized = write(wavHeader(2, 8000, 80) + data);
    wav = WavFile::openGrowing(presized);
    ASSERT_TRUE(wav);
    EXPECT_FALSE(wav->isFinal());
    EXPECT_EQ(wav->frames(), 50);
    QFile f(presized);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(samples(2 * 30, 100));
    f.close();
    EXPECT_EQ(wav->refresh(), 80);
    EXPECT_TRUE(wav->isFinal());

    // Complete files of every kind are final at once and read as open() reads them.
    for (bool asRf64 : {false, true}) {
        wav = growing(wavHeader(2, 8000, 50, asRf64) + data);
        ASSERT_TRUE(wav);
        EXPECT_TRUE(wav->isFinal());
        EXPECT_EQ(wav->frames(), 50);
    }
    wav = growing(riff(extensibleFmt(2, 8000, 1) + "data" + le32(quint32(data.size())) + data));
    ASSERT_TRUE(wav);
    EXPECT_TRUE(wav->isFinal());

    WavFile::Error error = WavFile::Error::None;
    EXPECT_FALSE(WavFile::openGrowing(dir.filePath("none.wav"), &error));
    EXPECT_EQ(error, WavFile::Error::NotFound);
    EXPECT_FALSE(WavFile::openGrowing(write(riff(fmtChunk(1, 1, 8000, 8) + "data" + le32(0))), &error));
    EXPECT_EQ(error, WavFile::Error::Unsupported);
    EXPECT_FALSE(WavFile::openGrowing(write("RIFX" + QByteArray(40, 'x')), &error));
    EXPECT_EQ(error, WavFile::Error::Unsupported);
}

}  // namespace
