// Every window's texts fit their boxes in every language the program ships: the main window's
// labels (and the captions its buttons show on hover), the effects line, the splash's labels, the
// settings window's lists and buttons, at one and at two device pixels per logical pixel; the
// settings window shows its artwork drawn in that language (its generator checks that those
// texts fit). The
// menus keep one access key per item, none used twice in a menu.
#include "app/ProgramTranslations.h"
#include "app/frmMain.h"
#include "app/frmMenu.h"
#include "app/frmSplash.h"
#include "controls/SkinButton.h"
#include "platform/Language.h"
#include "settings/EffectsSettings.h"
#include "settings/SetupIni.h"
#include "settings/frmSetting.h"
#include "support/MainWindowRig.h"

#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QKeySequence>
#include <QMenu>
#include <QProcess>
#include <QStyleOptionComboBox>
#include <gtest/gtest.h>

namespace {

const QStringList kLanguages = QStringList{QStringLiteral("en")} + QString::fromLatin1(TS_LANGUAGES).split(QLatin1Char(','));
const QString kFolder = QStringLiteral(TS_APP_DIR "/translations");

// Where a text does not fit: "<where>: "<text>" needs N px, has M"; empty when it fits.
QString overflow(const QString& where, const QFontMetrics& metrics, const QString& text, const QRect& box)
{
    const int width = metrics.horizontalAdvance(text);
    if (width <= box.width() && metrics.height() <= box.height() + 2)
        return {};
    return QStringLiteral("%1: \"%2\" needs %3 x %4 px, has %5 x %6")
        .arg(where, text)
        .arg(width)
        .arg(metrics.height())
        .arg(box.width())
        .arg(box.height());
}

void expectFits(const QString& where, const QLabel* label, const QString& text)
{
    ASSERT_NE(label, nullptr) << where.toStdString();
    const QString problem = overflow(where, label->fontMetrics(), text, label->contentsRect());
    EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
}

void expectFits(const QString& where, const QLabel* label) { expectFits(where, label, label->text()); }

// The longest effects lines: fades that differ, or are the same, with loudness on.
std::vector<EffectsSettings> effectCombinations()
{
    std::vector<EffectsSettings> all;
    for (int in : fadeChoicesMs())
        for (int out : fadeChoicesMs())
            for (int lufs : loudnessChoicesLufs())
                all.push_back(EffectsSettings{in, out, lufs});
    return all;
}

void checkMainWindow(const QString& language)
{
    MainWindowRig rig;
    const auto w = rig.make();
    w->show();
    const QString at = language + QStringLiteral(" main window ");
    for (const char* name : {"lblTimeLeft", "lblTimeRight", "lblVersion", "lblTime", "lblSelBegin", "lblSelEnd",
                             "lblSelLength", "lblViewBegin", "lblViewEnd", "lblViewLength"})
        expectFits(at + QLatin1String(name), label(*w, name));
    const auto* path = part<PathLabel>(*w, QStringLiteral("lblFileName"));
    EXPECT_EQ(path->text(), QCoreApplication::translate("EditorSession", "No file open")) << "the caption was cut";
    expectFits(at + QStringLiteral("lblFileName"), path);

    // The status line shows a button's caption while the pointer is on it.
    QLabel* status = label(*w, "lblText");
    for (const ImageControl* c : parts(*w, "imgButton", 8))
        if (!c->toolTip().isEmpty())
            expectFits(at + QStringLiteral("lblText"), status, c->toolTip());
    for (const ImageControl* c : parts(*w, "imgCtrlButton", 7))
        expectFits(at + QStringLiteral("lblText"), status, c->toolTip());
    for (const char* name : {"imgExit", "imgMin"})
        expectFits(at + QStringLiteral("lblText"), status, part<QWidget>(*w, QString::fromLatin1(name))->toolTip());

    QLabel* effects = label(*w, "lblEffects");
    for (const EffectsSettings& e : effectCombinations())
        expectFits(at + QStringLiteral("lblEffects"), effects, effectsSummary(e));
}

void checkSplash(const QString& language)
{
    frmSplash splash([] {});
    splash.show();
    const QString at = language + QStringLiteral(" splash ");
    for (const char* text : {"Loading...", "Graphics...", "Components..."})
        expectFits(at + QStringLiteral("Label1"), splash.label1(), QCoreApplication::translate("frmSplash", text));
    expectFits(at + QStringLiteral("Label2"), splash.label2());
    expectFits(at + QStringLiteral("Label3"), splash.label3());
}

void checkSettings(const QString& language)
{
    QTemporaryDir dir;
    AfterSaveSettings values;
    EffectsSettings effects;
    frmSetting w(values, effects, dir.filePath(QStringLiteral("setup.ini")));
    w.show();
    const QString at = language + QStringLiteral(" settings ");
    const QList<QComboBox*> lists = w.findChildren<QComboBox*>();
    EXPECT_EQ(lists.size(), 5);
    for (QComboBox* list : lists) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = false;
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        for (int i = 0; i < list->count(); ++i) {
            const QString problem = overflow(at + list->objectName(), list->fontMetrics(), list->itemText(i), field);
            EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
        }
    }
    // Each page shows its picture drawn in the window's language (English: the plain one).
    for (const int page : {0, 1}) {
        w.showPage(page);
        const QString name = QStringLiteral(":/settings/%1%2.png")
                                 .arg(page == 0 ? "background" : "effects",
                                      language == QLatin1String("en") ? QString() : QLatin1Char('_') + language);
        EXPECT_EQ(w.background(), QImage(name).convertToFormat(QImage::Format_RGB32)) << name.toStdString();
    }
    const QList<SkinButton*> buttons = w.findChildren<SkinButton*>();
    EXPECT_EQ(buttons.size(), 2);
    for (SkinButton* b : buttons) {
        // The caption's leading blanks keep it clear of the icon.
        const QString problem = overflow(at + b->objectName(), QFontMetrics(b->font()), b->Caption(), b->captionRect());
        EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
    }
}

// Within each menu every item has one access key and no two items share one.
void checkMenus(const QString& language)
{
    MainWindowRig rig;
    const auto w = rig.make();
    frmMenu& menus = w->menuWindow();
    for (int i = 0; i < 4; ++i) {
        QSet<QString> keys;
        for (const QAction* a : menus.menuAt(i)->actions()) {
            if (a->isSeparator())
                continue;
            const QString key = QKeySequence::mnemonic(a->text()).toString().toLower();
            EXPECT_FALSE(key.isEmpty()) << language.toStdString() << ": \"" << a->text().toStdString() << "\" has no access key";
            EXPECT_FALSE(keys.contains(key)) << language.toStdString() << ": the access key " << key.toStdString()
                                             << " is used twice in the menu " << menus.menuAt(i)->title().toStdString();
            keys.insert(key);
        }
    }
}

// All of the checks in every language at the screen's density.
void checkEveryLanguage()
{
    for (const QString& language : kLanguages) {
        SCOPED_TRACE(language.toStdString());
        ProgramTranslations translations;
        EXPECT_EQ(translations.install(startLocale(language), kFolder), language != QLatin1String("en"));
        checkMainWindow(language);
        checkSplash(language);
        checkSettings(language);
        checkMenus(language);
    }
    QLocale::setDefault(QLocale::c());
}

}  // namespace

TEST(WindowTextFit, ChineseHasAFontWithItsCharacters)
{
    EXPECT_FALSE(QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty())
        << "no font for Simplified Chinese: scripts/install-deps.sh installs one";
}

TEST(WindowTextFit, EveryLanguageFitsAtThisScreensDensity)
{
    const double expected = qEnvironmentVariableIsSet("TS_FIT_DENSE") ? 2.0 : 1.0;
    ASSERT_EQ(qApp->devicePixelRatio(), expected);
    checkEveryLanguage();
}

TEST(WindowTextFit, EveryLanguageFitsAtTwoDevicePixelsPerPixel)
{
    if (qEnvironmentVariableIsSet("TS_FIT_DENSE"))
        return;  // this is the run at double density itself
    // The screen's density is fixed when the application starts: the same checks run again in
    // a second run of this program on a screen of twice the density.
    QProcess dense;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    env.insert(QStringLiteral("TS_FIT_DENSE"), QStringLiteral("1"));
    dense.setProcessEnvironment(env);
    dense.setProcessChannelMode(QProcess::MergedChannels);
    dense.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=WindowTextFit.EveryLanguageFitsAtThisScreensDensity"});
    ASSERT_TRUE(dense.waitForFinished(240000)) << "the run at double density did not end";
    const QByteArray output = dense.readAll();
    EXPECT_EQ(dense.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}
