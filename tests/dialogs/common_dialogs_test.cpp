#include "dialogs/CCommonDialogs.h"

#include "support/DialogFakes.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
const QString kAppDir = QStringLiteral("/opt/tunesnip-app");
const QString kFourTypes = QStringLiteral(
    "MP3 Files(*.mp3)|*.mp3|WMA Files(*.wma)|*.wma|WAV Files(*.wav)|*.wav|AMR Files(*.amr)|*.amr");

struct Dialogs : ::testing::Test {
    FakeDialogBackend backend;
    CCommonDialogs dialogs{backend, kAppDir};
    QWidget owner;
    void SetUp() override { dialogs.Init(&owner); }

    // Outputs set to known values, so a cancelled dialog can be seen to leave them alone.
    void presetOutputs()
    {
        dialogs.setFileName(QStringLiteral("/old/name.mp3"));
        dialogs.setFileTitle(QStringLiteral("name.mp3"));
        dialogs.setPath(QStringLiteral("/old"));
        dialogs.setColor(0x123456);
        dialogs.setFontName(QStringLiteral("Old Face"));
        dialogs.setFontSize(9);
        dialogs.setFontBold(true);
        dialogs.setFontItalic(false);
    }
    void expectPresetOutputs(const QString& path = QStringLiteral("/old"))
    {
        EXPECT_EQ(dialogs.FileName(), QStringLiteral("/old/name.mp3"));
        EXPECT_EQ(dialogs.FileTitle(), QStringLiteral("name.mp3"));
        EXPECT_EQ(dialogs.Path(), path);
        EXPECT_EQ(dialogs.Color(), 0x123456u);
        EXPECT_EQ(dialogs.FontName(), QStringLiteral("Old Face"));
        EXPECT_EQ(dialogs.FontSize(), 9);
        EXPECT_TRUE(dialogs.FontBold());
        EXPECT_FALSE(dialogs.FontItalic());
    }
};
}

TEST(CommonDialogsProperties, StartEmptyAndCutTheFilledOnesAtNul)
{
    FakeDialogBackend backend;
    CCommonDialogs d(backend, kAppDir);
    EXPECT_TRUE(d.FileName().isEmpty() && d.FileTitle().isEmpty() && d.Path().isEmpty() && d.Filter().isEmpty());
    EXPECT_TRUE(d.Title().isEmpty() && d.DefExt().isEmpty() && d.FontName().isEmpty());
    EXPECT_EQ(d.Color(), 0u);
    EXPECT_EQ(d.FontSize(), 0);
    EXPECT_FALSE(d.FontBold() || d.FontItalic() || d.FontUnderline());

    const QString padded = QStringLiteral("abc") + QChar(0) + QStringLiteral("   ");
    d.setFileName(padded);
    d.setFileTitle(padded);
    d.setPath(padded);
    d.setTitle(padded);
    d.setFilter(padded);
    d.setDefExt(padded);
    d.setFontName(padded);
    for (const QString& cut : {d.FileName(), d.FileTitle(), d.Path(), d.Title()})
        EXPECT_EQ(cut, QStringLiteral("abc"));
    for (const QString& whole : {d.Filter(), d.DefExt(), d.FontName()})
        EXPECT_EQ(whole, padded);
}

TEST(CommonDialogsProperties, DialogsNeedingAnOwnerThrowWithoutOne)
{
    FakeDialogBackend backend;
    CCommonDialogs d(backend, kAppDir);
    EXPECT_THROW(d.ShowOpen(), DialogError);
    EXPECT_THROW(d.ShowSave(), DialogError);
    EXPECT_THROW(d.ShowColor(false), DialogError);
    EXPECT_THROW(d.ShowFolder(), DialogError);
    EXPECT_THROW(d.ShowPrinter(), DialogError);
    EXPECT_TRUE(backend.calls.empty());
    // These two go on without an owner; the dialog then belongs to the application.
    EXPECT_FALSE(d.ShowFont());
    EXPECT_FALSE(d.ShowPrinterProperties());
    ASSERT_EQ(backend.calls.size(), 2u);
    EXPECT_EQ(backend.calls[0].owner, nullptr);

    auto gone = std::make_unique<QWidget>();
    d.Init(gone.get());
    gone.reset();
    EXPECT_THROW(d.ShowOpen(), DialogError);  // an owner that was closed is no owner
}

TEST_F(Dialogs, OpenAsksInTheCurrentFolderWithTheGivenNameAndTypes)
{
    dialogs.setTitle(QStringLiteral("Open a sound") + QChar(0));
    dialogs.setFilter(QStringLiteral("MP3 Files(*.mp3)|*.mp3|WMA Files(*.wma)|*.wma|WAV Files(*.wav)|*.wav|"
                                     "AMR Files(*.amr)|*.amr|WMV Files(*.wmv)|*.wmv|AVI Files(*.avi)|*.avi|"
                                     "MPG Files(*.mpg)|*.mpg|All Files(*.*)|*.*"));
    dialogs.setFileName(QStringLiteral("/music/start.mp3"));
    dialogs.setDefExt(QStringLiteral("mp3"));
    backend.openAnswers.push_back(QStringLiteral("/music/rock/a b.mp3"));
    ASSERT_TRUE(dialogs.ShowOpen());

    ASSERT_EQ(backend.calls.size(), 1u);
    const DialogCall& call = backend.calls[0];
    EXPECT_EQ(call.kind, DialogCall::Open);
    EXPECT_EQ(call.owner, &owner);
    EXPECT_EQ(call.file.title, QStringLiteral("Open a sound"));
    EXPECT_EQ(call.file.directory, QDir::currentPath());
    EXPECT_EQ(call.file.initialName, QStringLiteral("/music/start.mp3"));
    EXPECT_EQ(call.file.defaultSuffix, QStringLiteral("mp3"));
    ASSERT_EQ(call.file.filters.size(), 8);
    EXPECT_EQ(call.file.filters[0].pattern, QStringLiteral("*.mp3"));
    EXPECT_EQ(call.file.selectedFilter, 0);

    EXPECT_EQ(dialogs.FileName(), QStringLiteral("/music/rock/a b.mp3"));
    EXPECT_EQ(dialogs.FileTitle(), QStringLiteral("a b.mp3"));
    EXPECT_EQ(dialogs.Path(), QStringLiteral("/music/rock"));

    backend.openAnswers.push_back(QStringLiteral("/a.mp3"));
    ASSERT_TRUE(dialogs.ShowOpen());
    EXPECT_EQ(dialogs.Path(), QStringLiteral("/"));
    EXPECT_EQ(dialogs.FileTitle(), QStringLiteral("a.mp3"));
}

TEST_F(Dialogs, InitDirAndSuggestedNameStartTheDialogsWhereTheProgramWants)
{
    QTemporaryDir music;
    ASSERT_TRUE(music.isValid());
    dialogs.setInitDir(music.path());
    EXPECT_EQ(dialogs.InitDir(), music.path());
    EXPECT_FALSE(dialogs.ShowOpen());
    EXPECT_EQ(backend.calls.back().file.directory, music.path());
    dialogs.setInitDir(QString());
    EXPECT_FALSE(dialogs.ShowOpen());
    EXPECT_EQ(backend.calls.back().file.directory, QDir::currentPath());

    // The offered name fills the save dialog's name box; Path still picks its folder.
    dialogs.setPath(music.path());
    dialogs.setFileName(QStringLiteral("cut.mp3"));
    dialogs.setSuggestedName(QStringLiteral("Song (ring tone).mp3"));
    EXPECT_FALSE(dialogs.ShowSave());
    EXPECT_EQ(backend.calls.back().file.initialName, QStringLiteral("Song (ring tone).mp3"));
    EXPECT_EQ(backend.calls.back().file.directory, music.path() + QLatin1Char('/'));
    EXPECT_EQ(dialogs.FileName(), QStringLiteral("cut.mp3"));  // cancelled: unchanged
}

TEST_F(Dialogs, OpenWithoutTypesOrWithTooLongAName)
{
    backend.openAnswers.push_back(QStringLiteral("/x/y.wav"));
    ASSERT_TRUE(dialogs.ShowOpen());
    EXPECT_TRUE(backend.calls.back().file.filters.isEmpty());

    presetOutputs();
    dialogs.setFileName(QStringLiteral("/") + QString(259, QLatin1Char('n')));  // 260: allowed
    EXPECT_FALSE(dialogs.ShowOpen());
    dialogs.setFileName(QStringLiteral("/") + QString(260, QLatin1Char('n')));
    const size_t before = backend.calls.size();
    EXPECT_THROW(dialogs.ShowOpen(), DialogError);
    EXPECT_EQ(backend.calls.size(), before);  // no dialog shown
    // The NUL cut comes first: padding after the name does not count.
    dialogs.setFileName(QStringLiteral("/short.mp3") + QChar(0) + QString(300, QLatin1Char(' ')));
    EXPECT_NO_THROW(dialogs.ShowOpen());
}

TEST_F(Dialogs, CancelledDialogsChangeNothing)
{
    presetOutputs();
    EXPECT_FALSE(dialogs.ShowOpen());
    EXPECT_FALSE(dialogs.ShowColor(true));
    EXPECT_FALSE(dialogs.ShowFont());
    EXPECT_FALSE(dialogs.ShowFolder());
    EXPECT_FALSE(dialogs.ShowPrinter());
    EXPECT_FALSE(dialogs.ShowPrinterProperties());
    expectPresetOutputs();
    EXPECT_EQ(backend.calls.size(), 6u);
    // The save dialog settles Path before it opens; that alone stays.
    EXPECT_FALSE(dialogs.ShowSave());
    dialogs.setPath(QStringLiteral("/old"));
    expectPresetOutputs();
}

TEST_F(Dialogs, SaveOpensInASettledFolderWithAnEmptyNameBox)
{
    QTemporaryDir ring;
    ASSERT_TRUE(ring.isValid());
    dialogs.setFileName(QStringLiteral("cut.mp3"));
    dialogs.setTitle(QStringLiteral("ignored here"));
    dialogs.setDefExt(QStringLiteral("wav"));
    dialogs.setFilter(kFourTypes);
    dialogs.setPath(ring.path());
    const QString chosen = ring.filePath(QStringLiteral("x.mp3"));
    backend.saveAnswers.push_back(chosen);
    ASSERT_TRUE(dialogs.ShowSave());

    const DialogCall& call = backend.calls.back();
    EXPECT_EQ(call.kind, DialogCall::Save);
    EXPECT_EQ(call.owner, &owner);
    EXPECT_EQ(call.file.title, QStringLiteral("Save"));
    EXPECT_EQ(call.file.directory, ring.path() + QLatin1Char('/'));
    EXPECT_TRUE(call.file.initialName.isEmpty());
    EXPECT_TRUE(call.file.defaultSuffix.isEmpty());
    EXPECT_EQ(call.file.filters.size(), 4);
    EXPECT_EQ(call.file.selectedFilter, 0);
    EXPECT_TRUE(call.file.confirmOverwrite);
    EXPECT_EQ(dialogs.FileName(), chosen);
    EXPECT_EQ(dialogs.FileTitle(), QStringLiteral("x.mp3"));
    EXPECT_EQ(dialogs.Path(), ring.path());
}

TEST_F(Dialogs, SaveFallsBackToTheApplicationFolderAndToAllFiles)
{
    for (const QString& path : {QString(), QStringLiteral("   "), QStringLiteral("/no/such/folder")}) {
        dialogs.setPath(path);
        dialogs.setFilter(QString());
        EXPECT_FALSE(dialogs.ShowSave());
        EXPECT_EQ(backend.calls.back().file.directory, kAppDir);
        EXPECT_EQ(dialogs.Path(), kAppDir);  // kept although cancelled
        EXPECT_EQ(backend.calls.back().file.filters,
                  (QList<FilterEntry>{{QStringLiteral("*.*"), QStringLiteral("*.*")}}));
    }
}

TEST_F(Dialogs, ColourGoesInAndComesBackAsBlueGreenRed)
{
    dialogs.setColor(0x00FF8000);  // blue 0xFF, green 0x80, red 0
    backend.colorAnswers.push_back(QColor(0x10, 0x20, 0x30));
    ASSERT_TRUE(dialogs.ShowColor(true));
    const DialogCall& call = backend.calls.back();
    EXPECT_EQ(call.initialColor, QColor(0, 0x80, 0xFF));
    EXPECT_TRUE(call.fullOpen);
    EXPECT_EQ(dialogs.Color(), 0x302010u);
    EXPECT_FALSE(dialogs.ShowColor(false));
    EXPECT_FALSE(backend.calls.back().fullOpen);
    EXPECT_EQ(dialogs.Color(), 0x302010u);
}

TEST_F(Dialogs, FontGoesInAsPixelHeightAndComesBackInWholePoints)
{
    dialogs.setFontName(QString(40, QLatin1Char('F')));
    dialogs.setFontSize(10);
    dialogs.setFontBold(true);
    dialogs.setFontItalic(true);
    dialogs.setFontUnderline(true);
    dialogs.setColor(0x0000FF);
    backend.fontAnswers.push_back(FontChoice{QStringLiteral("DejaVu Serif"), 12.5, false, true});
    ASSERT_TRUE(dialogs.ShowFont());

    const FontRequest& req = backend.calls.back().font;
    EXPECT_EQ(req.family, QString(31, QLatin1Char('F')));
    const int dpi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
    EXPECT_EQ(req.pixelHeight, fontPixelHeight(10, dpi));
    EXPECT_GT(req.pixelHeight, 0);
    EXPECT_TRUE(req.bold && req.italic && req.underline);

    EXPECT_EQ(dialogs.FontName(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(dialogs.FontSize(), 12);
    EXPECT_FALSE(dialogs.FontBold());
    EXPECT_TRUE(dialogs.FontItalic());
    EXPECT_TRUE(dialogs.FontUnderline());  // input only
    EXPECT_EQ(dialogs.Color(), 0x0000FFu);
}

TEST_F(Dialogs, FolderSetsPathAndClearsTheFile)
{
    presetOutputs();
    dialogs.setTitle(QStringLiteral("Pick a folder"));
    backend.folderAnswers.push_back(QStringLiteral("/home/me/Ring tones"));
    ASSERT_TRUE(dialogs.ShowFolder());
    EXPECT_EQ(backend.calls.back().folderTitle, QStringLiteral("Pick a folder"));
    EXPECT_EQ(backend.calls.back().owner, &owner);
    EXPECT_EQ(dialogs.Path(), QStringLiteral("/home/me/Ring tones"));
    EXPECT_TRUE(dialogs.FileName().isEmpty());
    EXPECT_TRUE(dialogs.FileTitle().isEmpty());
}

TEST_F(Dialogs, PrinterDialogsReportTheAnswer)
{
    backend.printAnswers = {true, false};
    backend.pageSetupAnswers = {true};
    EXPECT_TRUE(dialogs.ShowPrinter());
    EXPECT_FALSE(dialogs.ShowPrinter());
    EXPECT_TRUE(dialogs.ShowPrinterProperties());
    EXPECT_FALSE(dialogs.ShowPrinterProperties());
    for (const DialogCall& c : backend.calls)
        EXPECT_EQ(c.owner, &owner);
}
