// The selection row's typed times in the real window: a click or Tab and Enter opens the edit,
// Enter applies, Esc restores, a refused time frames the field in red; typed begin and end are
// what a save cuts, to the millisecond.
#include "app/SkinLabel.h"
#include "app/TimeFieldEditor.h"
#include "app/frmMain.h"
#include "coder/CoderHarness.h"
#include "editor/EditorSession.h"
#include "support/MainWindowRig.h"
#include "support/WindowParts.h"
#include "transcode/ConsoleRunner.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QLineEdit* editOf(frmMain& w, const char* label)
{
    return w.findChild<QLineEdit*>(QString::fromLatin1(label) + QStringLiteral("Edit"));
}

// Clicks a time label and types `text` and then `finish` into the edit it opens.
void type(frmMain& w, const char* label, const QString& text, Qt::Key finish = Qt::Key_Return)
{
    QTest::mouseClick(part<SkinLabel>(w, label), Qt::LeftButton);
    QLineEdit* e = editOf(w, label);
    ASSERT_NE(e, nullptr);
    ASSERT_TRUE(e->isVisible());
    ASSERT_TRUE(e->hasSelectedText());  // the time shown is selected, so typing replaces it
    QTest::keyClicks(e, text);
    QTest::keyClick(e, finish);
}

}  // namespace

TEST(TimeFieldEditor, TypedBeginAndEndAreSavedToTheMillisecond)
{
    MainWindowRig rig{true};
    std::unique_ptr<frmMain> w = rig.make();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    const QString input = rig.root.filePath("tone.wav");
    ASSERT_TRUE(coder_test::ffmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=6", "-ac", "2", "-ar", "44100",
                                    "-c:a", "pcm_s16le", input}));
    // Nothing is open yet: the labels do not open an edit.
    QTest::mouseClick(part<SkinLabel>(*w, "lblSelBegin"), Qt::LeftButton);
    EXPECT_EQ(editOf(*w, "lblSelBegin"), nullptr);
    w->session().openGivenFile(input);
    // The decode runs in the background: wait for its end, with a deadline that fails the test.
    QElapsedTimer waited;
    waited.start();
    while ((w->session().isBusy() || !w->session().isFileOpen()) && waited.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_FALSE(w->session().isBusy());
    ASSERT_TRUE(w->session().isFileOpen());
    w->session().model().setDuration(6);  // what the device (a stand-in here) would report
    EditorModel& model = w->session().model();

    type(*w, "lblSelBegin", "1.234");
    EXPECT_EQ(model.selection().beginMs, 1234);
    EXPECT_EQ(part<SkinLabel>(*w, "lblSelBegin")->text(), "00:00:01.234");
    EXPECT_FALSE(editOf(*w, "lblSelBegin")->isVisible());
    type(*w, "lblSelEnd", "0:02.734");
    EXPECT_EQ(model.selection().endMs, 2734);
    EXPECT_EQ(part<SkinLabel>(*w, "lblSelLength")->text(), "00:00:01.5");

    // A refused time changes nothing and says why until the text is edited; Esc restores.
    type(*w, "lblSelEnd", "1:75");
    QLineEdit* end = editOf(*w, "lblSelEnd");
    EXPECT_TRUE(end->isVisible());
    EXPECT_TRUE(end->toolTip().contains("1:23.45"));
    EXPECT_TRUE(end->styleSheet().contains("border"));
    EXPECT_EQ(model.selection().endMs, 2734);
    QTest::keyClick(end, Qt::Key_Backspace);
    EXPECT_TRUE(end->toolTip().isEmpty());
    QTest::keyClicks(end, "0");
    QTest::keyClick(end, Qt::Key_Return);
    EXPECT_TRUE(end->toolTip().contains("1:23.45"));  // 1:70 is no time either
    QTest::keyClick(end, Qt::Key_Escape);
    EXPECT_FALSE(end->isVisible());
    EXPECT_EQ(model.selection().endMs, 2734);
    type(*w, "lblSelEnd", "1");
    EXPECT_TRUE(editOf(*w, "lblSelEnd")->toolTip().contains("after the begin"));
    QTest::keyClick(editOf(*w, "lblSelEnd"), Qt::Key_Escape);
    type(*w, "lblSelEnd", "99");
    EXPECT_TRUE(editOf(*w, "lblSelEnd")->toolTip().contains("The file ends at"));
    QTest::keyClick(editOf(*w, "lblSelEnd"), Qt::Key_Escape);

    // Length moves the end; every applied edit is one undo step.
    type(*w, "lblSelLength", "2.5");
    EXPECT_EQ(model.selection().endMs, 3734);
    ASSERT_TRUE(model.undo());
    EXPECT_EQ(model.selection().endMs, 2734);

    // Tab to the field and Enter opens it too; Esc leaves the time as it was.
    part<SkinLabel>(*w, "lblSelBegin")->setFocus();
    QTest::keyClick(part<SkinLabel>(*w, "lblSelBegin"), Qt::Key_Return);
    ASSERT_TRUE(editOf(*w, "lblSelBegin")->isVisible());
    EXPECT_EQ(editOf(*w, "lblSelBegin")->text(), "00:00:01.234");
    QTest::keyClicks(editOf(*w, "lblSelBegin"), "b");  // a letter is typed, not the B shortcut
    EXPECT_EQ(editOf(*w, "lblSelBegin")->text(), "b");
    QTest::keyClick(editOf(*w, "lblSelBegin"), Qt::Key_Escape);
    EXPECT_EQ(model.selection().beginMs, 1234);

    // The save cuts exactly that: -ss 1.234 -t 1.5, and the WAV holds its samples.
    const QString out = rig.root.filePath("ring.wav");
    rig.dialogs.saveAnswers.push_back(out);
    clickPanel(*w, 1);
    EXPECT_TRUE(w->session().saveRunner().CommandLine().contains(" -ss 1.234 -t 1.5 "))
        << w->session().saveRunner().CommandLine().toStdString();
    const coder_test::WavData saved = coder_test::readWav(out);
    const coder_test::WavData source = coder_test::readWav(input);
    ASSERT_EQ(saved.samples.size(), std::size_t(66150 * 2));  // round(1.5 x 44100) frames
    const auto first = std::size_t(54419 * 2);                // round(1.234 x 44100)
    EXPECT_TRUE(std::equal(saved.samples.begin(), saved.samples.end(), source.samples.begin() + std::ptrdiff_t(first)));
}
