// The translations: every .ts file is complete for the texts of src/ as the linguist tools read
// them now (nothing unfinished, missing or vanished), each translation keeps its source's
// placeholders, access keys, file patterns and line breaks, and the program loads the language
// the desktop or --lang names, Qt's own texts with it, and the help page of that language.
#include "app/ProgramTranslations.h"
#include "app/StartOptions.h"
#include "platform/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <vector>

namespace {

const QStringList kLanguages = QString::fromLatin1(TS_LANGUAGES).split(QLatin1Char(','));

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete" or empty for a finished one
};

// The text of the element the reader stands on, with the <byte value="xd"/> escapes restored.
QString elementText(QXmlStreamReader& xml)
{
    QString text;
    const QString name = xml.name().toString();
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
            text += QChar(xml.attributes().value(QLatin1String("value")).toString().mid(1).toUShort(nullptr, 16));
        else if (xml.isEndElement() && xml.name() == name)
            break;
    }
    return text;
}

// Every message of a .ts file; a failure when it is no well-formed translation file.
std::vector<Message> readTs(const QString& path)
{
    std::vector<Message> messages;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return messages;
    }
    QXmlStreamReader xml(&f);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name"))
            context = elementText(xml);
        else if (name == QLatin1String("message"))
            m = Message{context, {}, {}, {}};
        else if (name == QLatin1String("source"))
            m.source = elementText(xml);
        else if (name == QLatin1String("translation")) {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            m.translation = elementText(xml);
            messages.push_back(m);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QString tsFile(const QString& language)
{
    return QStringLiteral(TS_SOURCE_DIR "/translations/tunesnip_%1.ts").arg(language);
}

QSet<QString> matches(const QString& pattern, const QString& text)
{
    QSet<QString> found;
    for (const auto& m : QRegularExpression(pattern).globalMatch(text))
        found.insert(m.captured(0));
    return found;
}

// The access keys of a text: each "&" before a character other than "&" and a blank ("&&" shows
// an ampersand; "& " is an ampersand in a sentence).
int accessKeys(QString text)
{
    text.remove(QStringLiteral("&&"));
    return int(matches(QStringLiteral("&[^&\\s]"), text).size());
}

// What in a translation must stay as its source has it; empty when everything does.
QString ruleBroken(const Message& m)
{
    if (matches(QStringLiteral("%\\d+"), m.source) != matches(QStringLiteral("%\\d+"), m.translation))
        return QStringLiteral("its placeholders differ from the source's");
    if (accessKeys(m.source) != accessKeys(m.translation))
        return QStringLiteral("it has %1 access keys, the source %2").arg(accessKeys(m.translation)).arg(accessKeys(m.source));
    if (matches(QStringLiteral("\\*\\.[\\w*]+"), m.source) != matches(QStringLiteral("\\*\\.[\\w*]+"), m.translation))
        return QStringLiteral("its file patterns differ from the source's");
    static const QRegularExpression leadingBreaks(QStringLiteral("^[\\r\\n]*")), trailingBreaks(QStringLiteral("[\\r\\n]*$"));
    if (leadingBreaks.match(m.source).captured(0) != leadingBreaks.match(m.translation).captured(0) ||
        trailingBreaks.match(m.source).captured(0) != trailingBreaks.match(m.translation).captured(0))
        return QStringLiteral("its line breaks at the start or the end differ from the source's");
    if (m.source.count(QLatin1Char('\n')) != m.translation.count(QLatin1Char('\n')))
        return QStringLiteral("it has another number of lines than the source");
    // A menu name drawn in the skin ends with its key letter in brackets, the same in every language.
    static const QRegularExpression keyLetter(QStringLiteral("\\([A-Z]\\)$"));
    if (keyLetter.match(m.source).captured(0) != keyLetter.match(m.translation).captured(0))
        return QStringLiteral("its key letter in brackets differs from the source's");
    if (m.source.endsWith(QLatin1String(".mp3")) != m.translation.endsWith(QLatin1String(".mp3")))
        return QStringLiteral("a file name must keep its extension");
    return {};
}

}  // namespace

TEST(Translations, EveryLanguageHasItsSource)
{
    EXPECT_EQ(kLanguages, QStringList({"de", "fr", "es", "pt_BR", "ru", "zh_CN"}));
    for (const QString& language : kLanguages) {
        const std::vector<Message> messages = readTs(tsFile(language));
        EXPECT_GT(messages.size(), 100u) << language.toStdString();
    }
}

TEST(Translations, EveryFileIsCompleteForTheTextsOfTheSources)
{
    // The linguist tools read the sources into a copy of each file: a text that is new there
    // comes in unfinished, a text that is gone stays as vanished.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const QString& language : kLanguages) {
        const QString copy = dir.filePath(QFileInfo(tsFile(language)).fileName());
        ASSERT_TRUE(QFile::copy(tsFile(language), copy));
        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(TS_SOURCE_DIR));
        lupdate.start(QStringLiteral(TS_LUPDATE), {"-silent", "-locations", "none", "-extensions", "cpp,h",
                                                   QStringLiteral(TS_SOURCE_DIR "/src"),
                                                   QStringLiteral(TS_SOURCE_DIR "/tools/settingsart"),
                                                   QStringLiteral(TS_SOURCE_DIR "/tools/skingen"), "-ts", copy});
        ASSERT_TRUE(lupdate.waitForFinished(120000)) << "lupdate did not end";
        ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
        const std::vector<Message> committed = readTs(tsFile(language));
        const std::vector<Message> now = readTs(copy);
        EXPECT_EQ(now.size(), committed.size()) << language.toStdString() << ": texts were added to or removed from src/; "
                                                << "run the update_translations target and translate them";
        for (const Message& m : now) {
            EXPECT_TRUE(m.type.isEmpty()) << language.toStdString() << " " << m.context.toStdString() << ": \""
                                          << m.source.toStdString() << "\" is " << m.type.toStdString();
            EXPECT_FALSE(m.translation.isEmpty()) << language.toStdString() << ": \"" << m.source.toStdString()
                                                  << "\" has no translation";
        }
    }
}

TEST(Translations, KeepTheSourcesPlaceholdersAccessKeysPatternsAndLineBreaks)
{
    for (const QString& language : kLanguages)
        for (const Message& m : readTs(tsFile(language))) {
            const QString broken = ruleBroken(m);
            EXPECT_TRUE(broken.isEmpty()) << language.toStdString() << " " << m.context.toStdString() << ": \""
                                          << m.translation.toStdString() << "\": " << broken.toStdString();
        }
}

TEST(Translations, TheRulesCatchABrokenTranslation)
{
    const auto broken = [](const char* source, const char* translation) {
        return !ruleBroken(Message{{}, QString::fromUtf8(source), QString::fromUtf8(translation), {}}).isEmpty();
    };
    EXPECT_FALSE(broken("Could not save \"%1\"", "„%1“ konnte nicht gespeichert werden"));
    EXPECT_TRUE(broken("Could not save \"%1\"", "Konnte nicht speichern"));
    EXPECT_TRUE(broken("Saved \"%1\". %2.", "„%1“ gespeichert. %1."));
    EXPECT_FALSE(broken("Exit(&E)", "&Beenden"));
    EXPECT_TRUE(broken("Exit(&E)", "Beenden"));
    EXPECT_TRUE(broken("Play", "&Wiedergabe"));
    EXPECT_FALSE(broken("Send Bug Report & Feedback to us", "Fehlerbericht & Rückmeldung senden"));
    EXPECT_TRUE(broken("MP3 Files(*.mp3)", "MP3-Dateien"));
    EXPECT_TRUE(broken("\nFile not found.\nCheck the file name and try again.", "Datei nicht gefunden. Prüfen Sie den Namen."));
    EXPECT_TRUE(broken(" (ring tone).mp3", " (Klingelton)"));
    EXPECT_FALSE(broken("Tools(T)", "工具(T)"));
    EXPECT_TRUE(broken("Tools(T)", "Extras(E)"));
    EXPECT_TRUE(broken("Tools(T)", "Extras"));
}

TEST(Translations, TheProgramSpeaksTheLanguageItIsGiven)
{
    const QString folder = translationsFolderFor(QStringLiteral(TS_APP_DIR "/help.html"));
    for (const QString& language : kLanguages)
        EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/tunesnip_%1.qm").arg(language))) << language.toStdString();
    {
        ProgramTranslations translations;
        ASSERT_TRUE(translations.install(startLocale(QStringLiteral("de")), folder));
        EXPECT_EQ(QCoreApplication::translate("EditorActions", "Exit(&E)"), QStringLiteral("&Beenden"));
        EXPECT_EQ(QCoreApplication::translate("EditorSession", "No file open"), QStringLiteral("Keine Datei geöffnet"));
        // Qt's own dialogs and buttons speak the same language.
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
        EXPECT_EQ(QLocale().name(), QStringLiteral("de_DE"));

        // Another language replaces the first; a region picks its own file.
        ASSERT_TRUE(translations.install(startLocale(QStringLiteral("pt_BR")), folder));
        EXPECT_EQ(QCoreApplication::translate("FileHistory", " (ring tone).mp3"), QStringLiteral(" (toque).mp3"));
        ASSERT_TRUE(translations.install(startLocale(QStringLiteral("zh_CN")), folder));
        EXPECT_EQ(QCoreApplication::translate("frmMenu", "Tools"), QStringLiteral("工具"));

        // English needs no translation: the source texts and Qt's English buttons.
        EXPECT_FALSE(translations.install(startLocale(QStringLiteral("en")), folder));
        EXPECT_EQ(QCoreApplication::translate("EditorActions", "Exit(&E)"), QStringLiteral("Exit(&E)"));
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
        ASSERT_TRUE(translations.install(startLocale(QStringLiteral("ru")), folder));
    }
    // Gone with its owner.
    EXPECT_EQ(QCoreApplication::translate("EditorActions", "Exit(&E)"), QStringLiteral("Exit(&E)"));
    QLocale::setDefault(QLocale::c());
}

TEST(Translations, TheLangOptionNamesTheLanguage)
{
    const StartOptions given = parseStartOptions({"tunesnip", "--lang", "fr", "song.mp3"}, QStringLiteral("/music"));
    EXPECT_EQ(given.action, StartOptions::Action::Run);
    EXPECT_EQ(given.language, QStringLiteral("fr"));
    EXPECT_EQ(given.file, QStringLiteral("/music/song.mp3"));
    EXPECT_EQ(parseStartOptions({"tunesnip", "--lang=pt_BR"}, QStringLiteral("/")).language, QStringLiteral("pt_BR"));
    EXPECT_TRUE(parseStartOptions({"tunesnip"}, QStringLiteral("/")).language.isEmpty());
    EXPECT_EQ(parseStartOptions({"tunesnip", "--lang"}, QStringLiteral("/")).action, StartOptions::Action::Fail);
    EXPECT_EQ(earlyStartOptions({"tunesnip", "--lang", "de"}).action, StartOptions::Action::Run);
    EXPECT_TRUE(earlyStartOptions({"tunesnip", "--help"}).text.contains("--lang <CODE>"));

    // Without the option the desktop's language counts.
    EXPECT_EQ(startLocale(QString()), QLocale::system());
    EXPECT_EQ(startLocale(QStringLiteral("ru")).language(), QLocale::Russian);
}

TEST(Translations, TheHelpPageOfTheLanguageIsOpenedWithEnglishAsTheFallback)
{
    const QString english = QStringLiteral(TS_APP_DIR "/help.html");
    for (const QString& language : kLanguages) {
        const QString page = localizedFile(english, QLocale(language));
        EXPECT_EQ(page, QStringLiteral(TS_APP_DIR "/help_%1.html").arg(language));
        EXPECT_TRUE(QFile::exists(QStringLiteral(TS_SOURCE_DIR "/docs/help/help_%1.html").arg(language)));
    }
    EXPECT_EQ(localizedFile(english, QLocale(QStringLiteral("de_AT"))), QStringLiteral(TS_APP_DIR "/help_de.html"));
    EXPECT_EQ(localizedFile(english, QLocale(QStringLiteral("en_GB"))), english);
    EXPECT_EQ(localizedFile(english, QLocale(QStringLiteral("it"))), english);
    EXPECT_EQ(localizedFile(english, QLocale::c()), english);
}

TEST(Translations, EveryHelpPageHasTheSectionsTablesKeysAndFileNamesOfTheEnglishOne)
{
    // What a translation of the page keeps: its anchors, its table rows, its keys and the file
    // names and commands it quotes (the suggested ring-tone name is translated with the program).
    const auto shape = [](const QString& path) {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        const QString page = QString::fromUtf8(f.readAll());
        QStringList ids;
        for (const auto& m : QRegularExpression(QStringLiteral("id=\"(\\w+)\"")).globalMatch(page))
            ids << m.captured(1);
        QSet<QString> quoted = matches(QStringLiteral("<code>[^<]*</code>"), page);
        quoted.removeIf([](const QString& q) { return q.startsWith(QLatin1String("<code>Song (")); });
        return std::tuple(ids, page.count(QStringLiteral("<tr>")), page.count(QStringLiteral("<kbd>")), quoted);
    };
    const auto english = shape(QStringLiteral(TS_SOURCE_DIR "/docs/help/help.html"));
    for (const QString& language : kLanguages) {
        const QString path = QStringLiteral(TS_SOURCE_DIR "/docs/help/help_%1.html").arg(language);
        EXPECT_EQ(shape(path), english) << path.toStdString();
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(f.readAll());
        EXPECT_TRUE(page.contains(QStringLiteral("<html lang=\"%1\">").arg(QString(language).replace('_', '-'))));
        // The page names the suggested ring-tone file as the program does.
        ProgramTranslations translations;
        ASSERT_TRUE(translations.install(startLocale(language), translationsFolderFor(QStringLiteral(TS_APP_DIR "/help.html"))));
        EXPECT_TRUE(page.contains(QStringLiteral("<code>Song") + QCoreApplication::translate("FileHistory", " (ring tone).mp3") +
                                  QStringLiteral("</code>")))
            << path.toStdString();
    }
    QLocale::setDefault(QLocale::c());
}
