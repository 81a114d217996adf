#include "rules/CommandLine.h"

#include "rules/Opening.h"

#include <QCommandLineParser>
#include <QDir>

namespace pagewright
{
namespace
{

constexpr int kMajorVersion = 8;
constexpr int kMinorVersion = 4;
constexpr int kRevision = 2;

// The options QGuiApplication and QApplication take out of the arguments themselves: with a value,
// then without. They are read here only so that they are not taken for errors.
constexpr const char* kQtValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                           "qwindowgeometry", "qwindowicon", "qwindowtitle", "session",
                                           "style", "stylesheet", "display", "geometry", "title", "name"};
constexpr const char* kQtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

} // namespace

QString ProgramVersion()
{
    return QStringLiteral("%1.%2%3").arg(kMajorVersion).arg(kMinorVersion).arg(kRevision);
}

CommandLine ParseCommandLine(const QStringList& arguments, const QString& currentFolder)
{
    QCommandLineParser parser;
    // "-platform offscreen" as Qt spells its own options; "-h" and "-v" still work.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlagOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.action = CommandLine::Fail;
        result.error = parser.errorText();
    } else if (parser.isSet(help)) {
        result.action = CommandLine::ShowHelp;
    } else if (parser.isSet(version)) {
        result.action = CommandLine::ShowVersion;
    } else if (parser.positionalArguments().size() > 1) {
        result.action = CommandLine::Fail;
        result.error = QStringLiteral("Only one FILE can be opened.");
    } else if (!parser.positionalArguments().isEmpty()) {
        const QString file = parser.positionalArguments().first();
        if (file.isEmpty()) {
            result.action = CommandLine::Fail;
            result.error = QStringLiteral("The FILE name is empty.");
        } else {
            result.file = QDir::cleanPath(QDir(currentFolder).absoluteFilePath(file));
        }
    }
    return result;
}

QString HelpText()
{
    return QStringLiteral("Usage: vellum842 [FILE]\n"
                          "Pagewright: six tabs that each write one .htm page.\n"
                          "\n"
                          "FILE, when given, is opened in the tab that takes it: a table file (.tbl) in the\n"
                          "Table Creator, .csv and .tsv data in Data to Table, source code in Code to HTML\n"
                          "and any other file in Text to HTML. Source code is a file ending in one of\n"
                          "  .") +
           CodeExtensions().join(QStringLiteral(" .")) +
           QStringLiteral("\n"
                          "\n"
                          "Options:\n"
                          "  -h, --help     Show this help and exit.\n"
                          "  -v, --version  Show the version and exit.\n"
                          "\n"
                          "Qt's own options, such as -platform offscreen, are taken too.\n");
}

QString VersionText()
{
    return QStringLiteral("vellum842 ") + ProgramVersion() + QLatin1Char('\n');
}

} // namespace pagewright
