// From a file to ring tones as a user makes them: the real transcoder, the real media device
// on SDL's dummy driver, real mouse drags on the timeline's handles and real keys.
#include "app/ImageControl.h"
#include "app/SkinLabel.h"
#include "app/frmMain.h"
#include "coder/CoderHarness.h"
#include "dialogs/DialogBackend.h"
#include "platform/SdlMediaDevice.h"
#include "support/MainWindowRig.h"
#include "timeline/TimelineGeometry.h"
#include "timeline/TimelineLayout.h"
#include "timeline/TimelinePanel.h"
#include "support/WindowParts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>
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
    // Opens a sine tone of `seconds` with the tags `tags` ("-metadata", "artist=..."); a long one
    // is small: 8 kHz mono at 8 kbit/s.
    explicit RealRig(int seconds, const QStringList& tags = {})
    {
        rig.realMedia = &media;
        w = rig.make();
        w->show();
        QApplication::setActiveWindow(w.get());
        const QString input = rig.root.filePath("tone.mp3");
        const bool longFile = seconds > 600;
        EXPECT_TRUE(ffmpeg(QStringList{"-f", "lavfi", "-i",
                                       QString("sine=frequency=660:duration=%1:sample_rate=%2")
                                           .arg(seconds)
                                           .arg(longFile ? 8000 : 44100),
                                       "-ar", longFile ? "8000" : "44100", "-b:a", longFile ? "8k" : "128k"} +
                           tags + QStringList{input}));
        rig.dialogs.openAnswers.push_back(input);
        clickPanel(*w, 0);
        EXPECT_EQ(w->session().state().fileIsOpen, kTrue);
    }
    double left(Boundary b) const { return layoutTimeline(w->session().model()).of(b).left; }
    // Drags a marker by its upper or lower handle with the mouse so that its Left ends at `target`.
    void dragTo(Boundary b, bool bottom, double target)
    {
        const int y = bottom ? kBottomHandleY + 4 : kTopHandleY + 4;
        const int x = int(std::lround(left(b))) + 6;
        const int to = int(std::lround(x + target - left(b)));
        QTest::mousePress(part<TimelinePanel>(*w, "picOpened"), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
        QTest::mouseMove(part<TimelinePanel>(*w, "picOpened"), QPoint((x + to) / 2, y));
        QTest::mouseMove(part<TimelinePanel>(*w, "picOpened"), QPoint(to, y));
        QTest::mouseRelease(part<TimelinePanel>(*w, "picOpened"), Qt::LeftButton, Qt::NoModifier, QPoint(to, y));
    }
    void ctrlWheel(int panelX, int notches)
    {
        const QPointF at(panelX, 200);
        QWheelEvent e(at, part<TimelinePanel>(*w, "picOpened")->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(part<TimelinePanel>(*w, "picOpened"), &e);
    }
    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(w.get(), Qt::Key(k), mods);
        QCoreApplication::processEvents();  // menu commands run once the key is done
    }
};

}  // namespace

TEST(RingToneEndToEnd, MarkAndSaveInFourFormats)
{
    RealRig r(60);
    EXPECT_EQ(r.w->session().model().duration(), 60);  // known as soon as the file is open
    clickTransport(*r.w, 0);

    // Seek by clicks on the timeline and mark at the playhead with the transport buttons.
    QTest::mouseClick(part<TimelinePanel>(*r.w, "picOpened"), Qt::LeftButton, Qt::NoModifier, QPoint(364, 200));
    ASSERT_TRUE(waitFor([&] { return r.left(Boundary::Playhead) >= 358; }, 2000));
    clickTransport(*r.w, 4);
    EXPECT_NEAR(r.w->session().model().selection().endMs, 30000, 2000);
    EXPECT_TRUE(r.w->session().model().selection().endShown);
    QTest::mouseClick(part<TimelinePanel>(*r.w, "picOpened"), Qt::LeftButton, Qt::NoModifier, QPoint(91, 200));
    ASSERT_TRUE(waitFor([&] { return r.left(Boundary::Playhead) >= 85 && r.left(Boundary::Playhead) < 200; }, 2000));
    clickTransport(*r.w, 3);
    EXPECT_NEAR(r.w->session().model().selection().beginMs, 8000, 2000);
    EXPECT_EQ(part<SkinLabel>(*r.w, "lblSelBegin")->text(), part<SkinLabel>(*r.w, "lblViewBegin")->text());

    // Then drag the markers to 10 s and 40 s, by an upper and a lower handle.
    clickTransport(*r.w, 1);
    r.dragTo(Boundary::Begin, false, 121);
    EXPECT_NEAR(r.left(Boundary::Begin), 121.33, 0.01);  // 10 s, where its second is drawn
    r.dragTo(Boundary::End, true, 485);
    EXPECT_NEAR(r.left(Boundary::End), 485.33, 0.01);
    EXPECT_EQ(r.w->session().model().selection().beginMs, 10000);
    EXPECT_EQ(r.w->session().model().selection().endMs, 40000);
    EXPECT_EQ(part<SkinLabel>(*r.w, "lblSelLength")->text(), "00:00:30");
    EXPECT_EQ(part<SkinLabel>(*r.w, "lblViewLength")->text(), "00:00:30");

    r.w->session().settings() = {1, 0};  // play the completion sound, keep the folder closed
    struct Case {
        QString name, codec, rate, channels;
        double tolerance;
    };
    for (const Case& c : {Case{"ring.mp3", "mp3", "44100", "1", 0.06}, Case{"ring.wma", "wmav1", "44100", "1", 0.1},
                          Case{"ring.wav", "pcm_s16le", "44100", "1", 0.001}, Case{"ring.amr", "amr_nb", "8000", "1", 0.03}}) {
        SCOPED_TRACE(c.name.toStdString());
        const QString out = r.rig.root.filePath(c.name);
        r.rig.dialogs.saveAnswers.push_back(out);
        clickTransport(*r.w, 6);
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
        r.w->session().poll();
    EXPECT_EQ(r.w->session().model().duration(), 60);
}

TEST(RingToneEndToEnd, SelectionPlaybackStopsWithinAPollOfItsEnd)
{
    RealRig r(6);
    ASSERT_EQ(r.w->session().model().duration(), 6);
    r.w->session().model().applyRandomCut(1, 2);
    clickTransport(*r.w, 5);
    EXPECT_EQ(r.w->session().state().playingSelection, kTrue);
    QElapsedTimer t;
    t.start();
    ASSERT_TRUE(waitFor([&] { return r.w->session().state().playingSelection == kFalse; }, 4000));
    // It stopped at the selection's end, not at the end of the file four seconds later.
    EXPECT_GE(t.elapsed(), 900);
    EXPECT_LT(t.elapsed(), 3000);
    EXPECT_EQ(part<SkinLabel>(*r.w, "lblTime")->text(), "00:00:00");
    EXPECT_NE(r.media.send("status sound length").code, 0);  // the device is closed
    ASSERT_TRUE(waitFor([&] { return r.left(Boundary::Playhead) == 0; }, 500));
}

TEST(RingToneEndToEnd, PlaysAgainAfterTheCompletionSoundAndTellsWhenTheOutputIsTaken)
{
    // SDL's dummy driver has room for one device, like many sound cards without a mixer.
    RealRig r(6);
    ASSERT_TRUE(QFile::copy(QStringLiteral(TS_APP_DIR "/sound.wav"), r.rig.paths.soundWav()));
    ASSERT_EQ(r.w->session().model().duration(), 6);
    r.w->session().model().applyRandomCut(1, 3);
    const QString out = r.rig.root.filePath("cut.mp3");
    r.rig.dialogs.saveAnswers.push_back(out);
    clickPanel(*r.w, 1);  // default settings: the folder opens and the completion sound plays
    ASSERT_TRUE(QFile::exists(out));
    EXPECT_EQ(r.rig.shell.opened.size(), 1);
    EXPECT_EQ(r.media.send("status chime mode").reply, "playing");
    // The completion sound (0.8 s) ends and gives the output back.
    EXPECT_TRUE(waitFor([&] { return r.media.send("status chime mode").code != 0; }, 4000));

    clickTransport(*r.w, 0);
    EXPECT_TRUE(waitFor([&] { return part<SkinLabel>(*r.w, "lblTime")->text() == "00:00:01"; }, 4000));  // it plays
    EXPECT_TRUE(r.rig.boxes.shown.empty());

    // Another sound holds the output: Play tells why once, and shows that nothing plays.
    clickTransport(*r.w, 1);
    ASSERT_EQ(r.media.send("open " + r.rig.paths.soundWav() + " alias other").code, 0);
    clickTransport(*r.w, 0);
    ASSERT_EQ(r.rig.boxes.shown.size(), 1u);
    EXPECT_TRUE(r.rig.boxes.shown[0].text.contains("no audio output"));
    QTest::mouseClick(part<TimelinePanel>(*r.w, "picOpened"), Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
    clickTransport(*r.w, 0);
    EXPECT_EQ(r.rig.boxes.shown.size(), 1u);
    waitFor([] { return false; }, 300);
    EXPECT_EQ(part<SkinLabel>(*r.w, "lblTime")->text(), "00:00:00");
    EXPECT_EQ(r.left(Boundary::Playhead), 0);
    r.media.send("close other");
    clickTransport(*r.w, 0);
    EXPECT_TRUE(waitFor([&] { return part<SkinLabel>(*r.w, "lblTime")->text() == "00:00:01"; }, 4000));
}

TEST(RingToneEndToEnd, ThirtySecondsCutFromATwoHourFileWithZoomAndKeys)
{
    RealRig r(7200);
    ASSERT_EQ(r.w->session().model().duration(), 7200);  // without playing
    // At the whole file a pixel is about 10 s: the markers cannot come 30 s close. Zoom in.
    r.ctrlWheel(6 + 364, 8);
    const TimelineView v = r.w->session().model().view();
    ASSERT_NEAR(v.span, 7200 / 16.0, 1e-6);
    EXPECT_NEAR(v.timeAt(364), 3600, 1e-6);  // around the pointer
    // Seek near the view's left edge, mark begin and end there with the keys, stop.
    QTest::mouseClick(part<TimelinePanel>(*r.w, "picOpened"), Qt::LeftButton, Qt::NoModifier, QPoint(6 + 100, 200));
    const std::int32_t at = r.w->session().model().playheadSeconds();
    EXPECT_EQ(at, v.secondsAt(100));
    r.key(Qt::Key_B);
    r.key(Qt::Key_E);
    clickTransport(*r.w, 1);
    const Millis begin = r.w->session().model().selection().beginMs;
    ASSERT_NEAR(double(begin), at * 1000.0, 1000);  // whole seconds at this zoom (0.6 s a pixel)
    ASSERT_EQ(begin % 1000, 0);
    ASSERT_EQ(r.w->session().model().selection().endMs, begin);
    // Drag the end marker (it lies above the begin marker) 30 seconds to the right.
    r.dragTo(Boundary::End, false, r.w->session().model().view().pixelOf(secondsOf(begin) + 30));
    ASSERT_EQ(r.w->session().model().selection().endMs, begin + 30000);
    EXPECT_EQ(part<SkinLabel>(*r.w, "lblSelLength")->text(), "00:00:30");

    r.w->session().settings() = {1, 1};
    const QString out = r.rig.root.filePath("ring.mp3");
    r.rig.dialogs.saveAnswers.push_back(out);
    r.key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(QFile::exists(out));
    EXPECT_NEAR(probeFormat(out, "duration").toDouble(), 30.0, 0.06);
    EXPECT_TRUE(r.rig.boxes.shown.empty());
}

TEST(RingToneEndToEnd, PhoneReadyToneWithFadesLoudnessAndTheSourcesTags)
{
    RealRig r(60, {"-metadata", "artist=The Callers", "-metadata", "album=Rings"});
    ASSERT_EQ(r.w->session().model().duration(), 60);  // known without playing
    r.w->session().settings() = {1, 1};  // nothing after the save
    r.w->session().effects() = EffectsSettings{500, 1000, -16};
    r.w->session().model().applyRandomCut(10, 40);
    const QString out = r.rig.root.filePath("Morning Call.m4r");
    r.rig.dialogs.saveAnswers.push_back(out);
    clickTransport(*r.w, 6);
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
    r.w->session().model().applyRandomCut(10, 45);
    const QString longer = r.rig.root.filePath("longer.m4r");
    r.rig.boxes.answers = {MsgResult::Cancel};
    r.rig.dialogs.saveAnswers.push_back(longer);
    clickPanel(*r.w, 1);
    ASSERT_EQ(r.rig.boxes.shown.size(), 1u);
    EXPECT_TRUE(r.rig.boxes.shown[0].text.startsWith("iPhone plays ring tones of up to 30 seconds"));
    EXPECT_FALSE(QFile::exists(longer));
    r.rig.boxes.answers = {MsgResult::Ok};
    r.rig.dialogs.saveAnswers.push_back(longer);
    clickPanel(*r.w, 1);
    EXPECT_NEAR(probeFormat(longer, "duration").toDouble(), 35.0, 1024 / 44100.0);
    r.w->session().model().applyRandomCut(10, 55);
    const QString tooLong = r.rig.root.filePath("too long.m4r");
    r.rig.dialogs.saveAnswers.push_back(tooLong);
    clickPanel(*r.w, 1);
    ASSERT_EQ(r.rig.boxes.shown.size(), 3u);
    EXPECT_TRUE(r.rig.boxes.shown[2].text.contains("at most 40 seconds"));
    EXPECT_FALSE(QFile::exists(tooLong));
    EXPECT_TRUE(part<ImageControl>(*r.w, "imgButton", 1)->isEnabled());
}

TEST(RingToneEndToEnd, PlaySelectionPlaysTheSelectionWithItsEffects)
{
    RealRig r(20);
    ASSERT_EQ(r.w->session().model().duration(), 20);
    r.w->session().effects() = EffectsSettings{500, 500, -23};
    r.w->session().model().applyRandomCut(5, 7);
    clickTransport(*r.w, 5);
    // The rendered selection is what plays, under the usual alias.
    ASSERT_TRUE(QFile::exists(r.rig.paths.previewWav));
    EXPECT_EQ(r.w->session().state().playingSelection, kTrue);
    EXPECT_EQ(r.media.send("status sound length").reply.toDouble(), 2000);
    // The playhead crosses the selection and stops at its end.
    EXPECT_TRUE(waitFor([&] { return part<SkinLabel>(*r.w, "lblTime")->text() == "00:00:06"; }, 3000));
    EXPECT_GE(r.w->session().model().playhead(), 5);
    ASSERT_TRUE(waitFor([&] { return r.w->session().state().playingSelection == kFalse; }, 4000));
    EXPECT_EQ(r.w->session().model().duration(), 20);
    EXPECT_TRUE(r.rig.boxes.shown.empty());
    // Closing the file takes the rendered selection with it.
    r.rig.boxes.answers = {MsgResult::Ok};
    clickPanel(*r.w, 0);
    EXPECT_FALSE(QFile::exists(r.rig.paths.previewWav));
}
