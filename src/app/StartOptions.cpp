#include "app/StartOptions.h"

#include "editor/AppIdentity.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <cstdio>

namespace {
QString versionText()
{
    return QStringLiteral("%1 %2.%3.%4\n")
        .arg(QString::fromLatin1(kProductName))
        .arg(TUNESNIP_VERSION_MAJOR)
        .arg(TUNESNIP_VERSION_MINOR)
        .arg(TUNESNIP_VERSION_PATCH);
}

QString absoluteFile(const QString& argument, const QString& currentDir)
{
    if (argument.startsWith(QLatin1String("file:"))) {
        const QUrl url(argument);
        if (url.isLocalFile())
            return QDir::cleanPath(url.toLocalFile());
    }
    return QDir::cleanPath(QDir(currentDir).absoluteFilePath(argument));
}
}  // namespace

namespace {
// The options Qt's application object takes for itself (with one dash or two).
bool isQtOption(const QString& name)
{
    static const QStringList qt = {
        QStringLiteral("platform"), QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
        QStringLiteral("plugin"), QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
        QStringLiteral("qwindowtitle"), QStringLiteral("reverse"), QStringLiteral("session"),
        QStringLiteral("display"), QStringLiteral("geometry"), QStringLiteral("style"), QStringLiteral("stylesheet"),
        QStringLiteral("widgetcount"), QStringLiteral("name"), QStringLiteral("title"), QStringLiteral("visual"),
        QStringLiteral("ncols"), QStringLiteral("cmap"), QStringLiteral("nograb"), QStringLiteral("dograb"),
        QStringLiteral("qmljsdebugger")};
    return qt.contains(name);
}

StartOptions parse(const QStringList& arguments, const QString& currentDir, bool beforeQt)
{
    QCommandLineParser parser;
    // Qt's own options are words after one dash (-platform), never bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "StartOptions", "Cuts a piece out of an audio or video file and saves it as a ring tone."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption quit(QStringLiteral("quit-after-open"),
                                  QCoreApplication::translate("StartOptions", "Quit as soon as FILE is open (status 0) or could not be opened "
                                     "(status 1). Messages go to standard error. For tests."));
    parser.addOption(quit);
    const QCommandLineOption language(QStringLiteral("lang"),
                                      QCoreApplication::translate("StartOptions", "Speak the language CODE (de, fr, es, pt_BR, ru, zh_CN; en for English) "
                                         "instead of the desktop's."),
                                      QStringLiteral("CODE"));
    parser.addOption(language);
    parser.addPositionalArgument(QStringLiteral("FILE"), QCoreApplication::translate("StartOptions", "The audio or video file to open."),
                                 QStringLiteral("[FILE]"));

    StartOptions o;
    const QString program = arguments.isEmpty() ? QString::fromLatin1("tunesnip") : QFileInfo(arguments.first()).fileName();
    const bool parsed = parser.parse(arguments);
    o.language = parser.value(language);  // also for --help and errors, which answer in it
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        o.action = StartOptions::Action::ShowHelp;
        // The usage line names the program as it was called, without its folder (and without an
        // application object Qt could not name it at all).
        o.text = parser.helpText();
        o.text.replace(0, o.text.indexOf(QLatin1Char('\n')),
                       QCoreApplication::translate("StartOptions", "Usage: %1 [options] [FILE]").arg(program));
        return o;
    }
    if (parser.isSet(version)) {
        o.action = StartOptions::Action::ShowVersion;
        o.text = versionText();
        return o;
    }
    if (!parsed) {
        QStringList unknown = parser.unknownOptionNames();
        if (beforeQt)
            unknown.removeIf(isQtOption);  // Qt takes these; the arguments are read again once it has
        if (beforeQt && unknown.isEmpty() && !parser.unknownOptionNames().isEmpty())
            return o;
        const QString error = unknown.isEmpty() ? parser.errorText()
                                                : QCoreApplication::translate("StartOptions", "Unknown option '%1'.")
                                                      .arg(unknown.join(QStringLiteral("', '")));
        o.action = StartOptions::Action::Fail;
        o.text = QCoreApplication::translate("StartOptions", "%1: %2\nTry '%1 --help' for more information.\n")
                     .arg(program, error);
        return o;
    }
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty() && !files.first().isEmpty())
        o.file = absoluteFile(files.first(), currentDir);
    o.quitAfterOpen = parser.isSet(quit);
    if (o.quitAfterOpen && o.file.isEmpty() && !beforeQt) {
        o.action = StartOptions::Action::Fail;
        o.text = QCoreApplication::translate("StartOptions", "%1: --quit-after-open needs a FILE\n").arg(program);
    }
    return o;
}
}  // namespace

StartOptions parseStartOptions(const QStringList& arguments, const QString& currentDir)
{
    return parse(arguments, currentDir, false);
}

StartOptions earlyStartOptions(const QStringList& arguments)
{
    StartOptions o = parse(arguments, QString(), true);
    if (o.action == StartOptions::Action::Run) {
        o.file.clear();  // Qt's option values may look like files here
        o.quitAfterOpen = false;
    }
    return o;
}

int printStartOutcome(const StartOptions& options)
{
    switch (options.action) {
    case StartOptions::Action::Run:
        return -1;
    case StartOptions::Action::ShowHelp:
    case StartOptions::Action::ShowVersion:
        std::fputs(options.text.toLocal8Bit().constData(), stdout);
        std::fflush(stdout);
        return 0;
    case StartOptions::Action::Fail:
        break;
    }
    std::fputs(options.text.toLocal8Bit().constData(), stderr);
    return 2;
}
