// The help page beside the program tells the truth about the program: every shortcut of the
// editor's commands is in its key table, every format a save writes is listed, and it never says
// that the length of a file waits for its first playback.
#include "app/EditorActions.h"
#include "transcode/SaveFormats.h"

#include <QAction>
#include <QFile>
#include <QKeySequence>
#include <QObject>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

QString helpPage()
{
    QFile f(QStringLiteral(TS_SOURCE_DIR "/docs/help/help.html"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QString::fromUtf8(f.readAll());
}

// The key combinations written in the page's key table: each run of <kbd>..</kbd> joined by "+".
QSet<QKeySequence> keysInTable(const QString& page)
{
    const qsizetype from = page.indexOf(QStringLiteral("id=\"keys\""));
    const qsizetype to = page.indexOf(QStringLiteral("</table>"), from);
    const QString table = page.mid(from, to - from);
    const QHash<QString, QString> names{{"&larr;", "Left"}, {"&rarr;", "Right"}, {"Esc", "Escape"}};
    static const QRegularExpression combo(QStringLiteral("<kbd>[^<]+</kbd>(?:\\+<kbd>[^<]+</kbd>)*"));
    static const QRegularExpression key(QStringLiteral("<kbd>([^<]+)</kbd>"));
    QSet<QKeySequence> keys;
    for (const QRegularExpressionMatch& m : combo.globalMatch(table)) {
        QStringList parts;
        for (const QRegularExpressionMatch& k : key.globalMatch(m.captured(0)))
            parts << names.value(k.captured(1), k.captured(1));
        keys.insert(QKeySequence::fromString(parts.join('+'), QKeySequence::PortableText));
    }
    return keys;
}

}  // namespace

TEST(HelpPage, ItsKeyTableHoldsEveryShortcutOfTheCommands)
{
    const QSet<QKeySequence> written = keysInTable(helpPage());
    ASSERT_GT(written.size(), 20);
    QObject owner;
    const EditorActions actions = makeEditorActions(&owner);
    for (const QAction* a : actions.all())
        for (const QKeySequence& k : a->shortcuts())
            EXPECT_TRUE(written.contains(k)) << k.toString().toStdString() << " (" << a->text().toStdString() << ")";
    // The keys that hear the edges and the fine steps, named here so that they cannot drop out
    // of both the actions and the page together.
    for (const char* k : {"Shift+B", "Shift+E", "Alt+Left", "Alt+Right"})
        EXPECT_TRUE(written.contains(QKeySequence::fromString(QLatin1String(k), QKeySequence::PortableText))) << k;
}

TEST(HelpPage, ItTellsHowToTypeATime)
{
    const QString page = helpPage();
    for (const char* form : {"83", "83.5", "83,5", "1:23", "1:23.45", "0:01:23.450", "1:02:03.5"})
        EXPECT_TRUE(page.contains(QStringLiteral("<code>%1</code>").arg(QLatin1String(form)))) << form;
}

TEST(HelpPage, ItListsEverySaveFormatAndKnowsTheLengthAtOnce)
{
    const QString page = helpPage();
    for (const SaveFormat& f : saveFormats())
        EXPECT_TRUE(page.contains(QStringLiteral("<code>.%1</code>").arg(QLatin1String(f.key)))) << f.key;
    EXPECT_FALSE(page.contains(QStringLiteral("first playback"), Qt::CaseInsensitive));
    EXPECT_FALSE(page.contains(QStringLiteral("Play the file first"), Qt::CaseInsensitive));
    EXPECT_TRUE(page.contains(QStringLiteral("All supported files")));
}
