// From a file to ring tones as a user makes them: the real transcoder, the real media device
// on SDL's dummy driver, and real mouse drags on the timeline's handles.
#include "app/ImageControl.h"
#include "app/SkinLabel.h"
#include "app/frmMain.h"
#include "coder/CoderHarness.h"
#include "dialogs/DialogBackend.h"
#include "platform/SdlMediaDevice.h"
#include "support/MainWindowRig.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

using coder_test::decodeSamples;
using coder_test::ffmpeg;
using coder_test::judgeLoudness;
using coder_test::probeFormat;
using coder_test::probeStream;
using coder_test::probeTag;

namespace {

bool waitFor(const std::function<bool()>& condition, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!condition() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return condition();
}

struct RealRig {
    SdlMediaDevice media;
    MainWindowRig rig{true};
    std::unique_ptr<frmMain> w;
    // Opens an MP3 of `seconds` of a tone, with the tags `tags` ("-metadata", "artist=...").
    explicit RealRig(int seconds, const QStringList& tags = {})
    {
        rig.realMedia = &media;
        w = rig.make();
        w->show();
        const QString input = rig.root.filePath("tone.mp3");
        EXPECT_TRUE(ffmpeg(QStringList{"-f", "lavfi", "-i", QString("sine=frequency=660:duration=%1").arg(seconds),
                                       "-ar", "44100", "-b:a", "128k"} +
                           tags + QStringList{input}));
        rig.dialogs.openAnswers.push_back(input);
        w->imgButton_Click(0);
        EXPECT_EQ(w->state().fileIsOpen, kTrue);
    }
    // Drags a handle with the mouse so that its Left ends at `target`.
    void dragTo(ImageControl* handle, int target)
    {
        const QPoint grab(6, 4);
        const int dx = target - handle->x();
        QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, grab);
        QTest::mouseMove(handle, grab + QPoint(dx / 2, 0));
        QTest::mouseMove(handle, grab + QPoint(dx - dx / 2, 0));  // relative to where it is now
        QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, grab);
    }
};

}  // namespace

TEST(RingToneEndToEnd, MarkAndSaveInFourFormats)
{
    RealRig r(60);
    r.w->imgCtrlButton_Click(0);  // Play: the poll learns the duration
    ASSERT_TRUE(waitFor([&] { return r.w->txtFullTime->text() == "60"; }, 3000));

    // Seek by clicks on the timeline and mark at the playhead with the transport buttons.
    QTest::mouseClick(r.w->picOpened, Qt::LeftButton, Qt::NoModifier, QPoint(364, 200));
    ASSERT_TRUE(waitFor([&] { return r.w->imgTopPoint->x() >= 364; }, 2000));
    r.w->imgCtrlButton_Click(4);
    EXPECT_NEAR(r.w->state().selEndSeconds, 30, 2);
    EXPECT_FALSE(r.w->imgSelectTop2->isHidden());
    QTest::mouseClick(r.w->picOpened, Qt::LeftButton, Qt::NoModifier, QPoint(91, 200));
    ASSERT_TRUE(waitFor([&] { return r.w->imgTopPoint->x() >= 91 && r.w->imgTopPoint->x() < 200; }, 2000));
    r.w->imgCtrlButton_Click(3);
    EXPECT_NEAR(r.w->state().selBeginSeconds, 8, 2);
    EXPECT_EQ(r.w->lblSelBegin->text(), r.w->lblViewBegin->text());

    // Then drag the markers to 10 s and 40 s, by an upper and a lower handle.
    r.w->imgCtrlButton_Click(1);
    r.dragTo(r.w->imgSelectTop1, 121);
    EXPECT_EQ(r.w->imgSelectTop1->x(), 121);
    EXPECT_EQ(r.w->imgSelectLine1->x(), 127);
    EXPECT_EQ(r.w->imgSelectBottom1->x(), 121);
    r.dragTo(r.w->imgSelectBottom2, 485);
    EXPECT_EQ(r.w->imgSelectTop2->x(), 485);
    EXPECT_EQ(r.w->state().selBeginSeconds, 10);
    EXPECT_EQ(r.w->state().selEndSeconds, 40);
    EXPECT_EQ(r.w->lblSelLength->text(), "00:00:30");
    EXPECT_EQ(r.w->lblViewLength->text(), "00:00:30");

    r.w->settings() = {1, 0};  // play the completion sound, keep the folder closed
    struct Case {
        QString name, codec, rate, channels;
        double tolerance;
    };
    for (const Case& c : {Case{"ring.mp3", "mp3", "44100", "1", 0.06}, Case{"ring.wma", "wmav1", "44100", "1", 0.1},
                          Case{"ring.wav", "pcm_s16le", "44100", "1", 0.001}, Case{"ring.amr", "amr_nb", "8000", "1", 0.03}}) {
        SCOPED_TRACE(c.name.toStdString());
        const QString out = r.rig.root.filePath(c.name);
        r.rig.dialogs.saveAnswers.push_back(out);
        r.w->imgCtrlButton_Click(6);
        ASSERT_TRUE(QFile::exists(out));
        EXPECT_EQ(probeStream(out, "codec_name"), c.codec);
        EXPECT_EQ(probeStream(out, "sample_rate"), c.rate);
        EXPECT_EQ(probeStream(out, "channels"), c.channels);
        EXPECT_NEAR(probeFormat(out, "duration").toDouble(), 30.0, c.tolerance);
    }
    EXPECT_TRUE(r.rig.boxes.shown.empty());
    EXPECT_TRUE(r.rig.shell.opened.isEmpty());
    // The completion sound does not pass for the edited sound: its duration stays known.
    for (int i = 0; i < 3; ++i)
        r.w->Timer2_Timer();
    EXPECT_EQ(r.w->txtFullTime->text(), "60");
}

TEST(RingToneEndToEnd, SelectionPlaybackStopsWithinAPollOfItsEnd)
{
    RealRig r(6);
    r.w->imgCtrlButton_Click(0);
    ASSERT_TRUE(waitFor([&] { return r.w->txtFullTime->text() == "6"; }, 3000));
    r.w->state().selBeginSeconds = 1;
    r.w->state().selEndSeconds = 2;
    r.w->imgCtrlButton_Click(5);
    EXPECT_EQ(r.w->state().playingSelection, kTrue);
    QElapsedTimer t;
    t.start();
    ASSERT_TRUE(waitFor([&] { return r.w->state().playingSelection == kFalse; }, 4000));
    // It stopped at the selection's end, not at the end of the file four seconds later.
    EXPECT_GE(t.elapsed(), 900);
    EXPECT_LT(t.elapsed(), 3000);
    EXPECT_EQ(r.w->lblTime->text(), "00:00:00");
    EXPECT_NE(r.media.send("status sound length").code, 0);  // the device is closed
    ASSERT_TRUE(waitFor([&] { return r.w->imgTopPoint->x() == 0; }, 500));
}

TEST(RingToneEndToEnd, PlaysAgainAfterTheCompletionSoundAndTellsWhenTheOutputIsTaken)
{
    // SDL's dummy driver has room for one device, like many sound cards without a mixer.
    RealRig r(6);
    ASSERT_TRUE(QFile::copy(QStringLiteral(TS_APP_DIR "/sound.wav"), r.rig.paths.soundWav()));
    r.w->imgCtrlButton_Click(0);
    ASSERT_TRUE(waitFor([&] { return r.w->txtFullTime->text() == "6"; }, 3000));
    r.w->state().selBeginSeconds = 1;
    r.w->state().selEndSeconds = 3;
    const QString out = r.rig.root.filePath("cut.mp3");
    r.rig.dialogs.saveAnswers.push_back(out);
    r.w->imgButton_Click(1);  // default settings: the folder opens and the completion sound plays
    ASSERT_TRUE(QFile::exists(out));
    EXPECT_EQ(r.rig.shell.opened.size(), 1);
    EXPECT_EQ(r.media.send("status chime mode").reply, "playing");
    // The completion sound (0.8 s) ends and gives the output back.
    EXPECT_TRUE(waitFor([&] { return r.media.send("status chime mode").code != 0; }, 4000));

    r.w->imgCtrlButton_Click(0);
    EXPECT_TRUE(waitFor([&] { return r.w->lblTime->text() == "00:00:01"; }, 4000));  // it plays
    EXPECT_TRUE(r.rig.boxes.shown.empty());

    // Another sound holds the output: Play tells why once, and shows that nothing plays.
    r.w->imgCtrlButton_Click(1);
    ASSERT_EQ(r.media.send("open " + r.rig.paths.soundWav() + " alias other").code, 0);
    r.w->imgCtrlButton_Click(0);
    ASSERT_EQ(r.rig.boxes.shown.size(), 1u);
    EXPECT_TRUE(r.rig.boxes.shown[0].text.contains("no audio output"));
    QTest::mouseClick(r.w->picOpened, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    r.w->imgCtrlButton_Click(0);
    EXPECT_EQ(r.rig.boxes.shown.size(), 1u);
    waitFor([] { return false; }, 300);
    EXPECT_EQ(r.w->lblTime->text(), "00:00:00");
    EXPECT_EQ(r.w->imgTopPoint->x(), 0);
    r.media.send("close other");
    r.w->imgCtrlButton_Click(0);
    EXPECT_TRUE(waitFor([&] { return r.w->lblTime->text() == "00:00:01"; }, 4000));
}

TEST(RingToneEndToEnd, PhoneReadyToneWithFadesLoudnessAndTheSourcesTags)
{
    RealRig r(60, {"-metadata", "artist=The Callers", "-metadata", "album=Rings"});
    r.w->imgCtrlButton_Click(0);
    ASSERT_TRUE(waitFor([&] { return r.w->txtFullTime->text() == "60"; }, 3000));
    r.w->imgCtrlButton_Click(1);
    r.w->settings() = {1, 1};  // nothing after the save
    r.w->effects() = EffectsSettings{500, 1000, -16};
    r.w->state().selBeginSeconds = 10;
    r.w->state().selEndSeconds = 40;
    const QString out = r.rig.root.filePath("Morning Call.m4r");
    r.rig.dialogs.saveAnswers.push_back(out);
    r.w->imgCtrlButton_Click(6);
    ASSERT_TRUE(QFile::exists(out));
    EXPECT_TRUE(r.rig.boxes.shown.empty());  // 30 s: no question
    // The dialog offered the four first formats, then the phones' formats.
    const QList<FilterEntry> filters = r.rig.dialogs.calls.back().file.filters;
    ASSERT_EQ(filters.size(), 8);
    EXPECT_EQ(filters[3].description, "AMR Files(*.amr)");
    EXPECT_EQ(filters[4].description, "M4R iPhone ring tone(*.m4r)");
    EXPECT_EQ(filters[7].pattern, "*.flac");

    EXPECT_EQ(probeStream(out, "codec_name"), "aac");
    EXPECT_EQ(probeStream(out, "sample_rate"), "44100");
    EXPECT_EQ(probeStream(out, "channels"), "2");
    EXPECT_NEAR(probeFormat(out, "duration").toDouble(), 30.0, 1024 / 44100.0);
    EXPECT_EQ(probeTag(out, "title"), "Morning Call");
    EXPECT_EQ(probeTag(out, "artist"), "The Callers");
    EXPECT_EQ(probeTag(out, "album"), "Rings");
    const auto judged = judgeLoudness(out);
    EXPECT_NEAR(judged.integrated, -16, 1.0);
    EXPECT_LE(judged.truePeak, -1.0);
    const std::vector<std::int16_t> s = decodeSamples(out);
    ASSERT_GT(s.size(), 44100u * 2u);
    int first = 0;
    for (std::size_t i = 0; i < 882; ++i)
        first = std::max(first, std::abs(static_cast<int>(s[i])));
    EXPECT_LT(first, 328);  // the first 10 ms under -40 dBFS

    // 35 s asks (No keeps the file unwritten, Yes saves); 45 s is refused with the limit.
    r.w->state().selEndSeconds = 45;
    const QString longer = r.rig.root.filePath("longer.m4r");
    r.rig.boxes.answers = {MsgResult::Cancel};
    r.rig.dialogs.saveAnswers.push_back(longer);
    r.w->imgButton_Click(1);
    ASSERT_EQ(r.rig.boxes.shown.size(), 1u);
    EXPECT_TRUE(r.rig.boxes.shown[0].text.startsWith("iPhone plays ring tones of up to 30 seconds"));
    EXPECT_FALSE(QFile::exists(longer));
    r.rig.boxes.answers = {MsgResult::Ok};
    r.rig.dialogs.saveAnswers.push_back(longer);
    r.w->imgButton_Click(1);
    EXPECT_NEAR(probeFormat(longer, "duration").toDouble(), 35.0, 1024 / 44100.0);
    r.w->state().selEndSeconds = 55;
    const QString tooLong = r.rig.root.filePath("too long.m4r");
    r.rig.dialogs.saveAnswers.push_back(tooLong);
    r.w->imgButton_Click(1);
    ASSERT_EQ(r.rig.boxes.shown.size(), 3u);
    EXPECT_TRUE(r.rig.boxes.shown[2].text.contains("at most 40 seconds"));
    EXPECT_FALSE(QFile::exists(tooLong));
    EXPECT_TRUE(r.w->imgButton[1]->isEnabled());
}

TEST(RingToneEndToEnd, PlaySelectionPlaysTheSelectionWithItsEffects)
{
    RealRig r(20);
    r.w->imgCtrlButton_Click(0);
    ASSERT_TRUE(waitFor([&] { return r.w->txtFullTime->text() == "20"; }, 3000));
    r.w->effects() = EffectsSettings{500, 500, -23};
    r.w->state().selBeginSeconds = 5;
    r.w->state().selEndSeconds = 7;
    r.w->imgCtrlButton_Click(5);
    // The rendered selection is what plays, under the usual alias.
    ASSERT_TRUE(QFile::exists(r.rig.paths.previewWav));
    EXPECT_EQ(r.w->state().playingSelection, kTrue);
    EXPECT_EQ(r.media.send("status sound length").reply.toDouble(), 2000);
    // The playhead crosses the selection and stops at its end.
    EXPECT_TRUE(waitFor([&] { return r.w->lblTime->text() == "00:00:06"; }, 3000));
    EXPECT_GE(r.w->imgTopPoint->x(), 728 * 5 / 20);
    ASSERT_TRUE(waitFor([&] { return r.w->state().playingSelection == kFalse; }, 4000));
    EXPECT_EQ(r.w->txtFullTime->text(), "20");
    EXPECT_TRUE(r.rig.boxes.shown.empty());
    // Closing the file takes the rendered selection with it.
    r.rig.boxes.answers = {MsgResult::Ok};
    r.w->imgButton_Click(0);
    EXPECT_FALSE(QFile::exists(r.rig.paths.previewWav));
}
