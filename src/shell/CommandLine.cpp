#include "CommandLine.h"

#include "remote/Verb.h"
#include "shell/Translations.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace glowdeck {

namespace {

// The options QGuiApplication and QApplication read from the command line (a session manager,
// for one, restarts programs with -session): accepted here, and left for the QApplication.
constexpr const char* qtOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "qmljsdebugger", "dialogs", "fontengine",
};
// With -nograb (X11) Qt's menus take no pointer or keyboard grab; the program takes none itself.
constexpr const char* qtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The options, with their descriptions in the language loaded when it is made.
struct Options {
    QCommandLineParser parser;
    const QCommandLineOption help{
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("glowdeck::CommandLine", "Show this help and exit.")};
    const QCommandLineOption version{
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("glowdeck::CommandLine", "Show the version and exit.")};

    Options() {
        // Qt's own options are single-dash words: -platform, not -p -l -a ...
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.setApplicationDescription(QCoreApplication::translate(
            "glowdeck::CommandLine",
            "Controls WiZ lights on the local network from the system tray."));
        parser.addOption(help);
        parser.addOption(version);
        const auto addQtOption = [this](const char* name, const QString& valueName) {
            QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        };
        for (const char* name : qtOptionsWithValue)
            addQtOption(name, QStringLiteral("value"));
        for (const char* name : qtFlags)
            addQtOption(name, QString());
    }
};

} // namespace

std::optional<int> CommandLine::handle(int argc, char** argv) {
    if (argc < 2)
        return std::nullopt; // the usual start: nothing to read
    Options options;
    QCommandLineParser& parser = options.parser;
    const QCommandLineOption& help = options.help;
    const QCommandLineOption& version = options.version;

    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    bool parsed = parser.parse(arguments);
    if (!parser.positionalArguments().isEmpty())
        parsed = false;
    if (parsed && !parser.isSet(help) && !parser.isSet(version))
        return std::nullopt;

    // Help and errors are for a person to read: in the user's language, Qt's texts ("Usage:")
    // too, which needs an application object. The usual start has returned before this, and in
    // English none is made (it would warn about a C locale on standard error).
    std::optional<QCoreApplication> application;
    if (!Translations::languageFor().isEmpty()) {
        application.emplace(argc, argv);
        Translations::install();
    }
    Options translated;
    translated.parser.parse(arguments);
    QString error = translated.parser.errorText();
    if (!parser.positionalArguments().isEmpty())
        error = QCoreApplication::translate("glowdeck::CommandLine", "Unknown verb '%1'.")
                    .arg(parser.positionalArguments()[0]);

    // The program as it was called, not the file the kernel reports.
    const QString usage = translated.parser.helpText().replace(
        QStringLiteral("<executable_name>"), arguments.value(0, QStringLiteral("glowdeck")));
    if (!parsed) {
        print(stderr, error + QLatin1Char('\n') + usage);
        return 2;
    }
    if (parser.isSet(help)) {
        print(stdout, usage + QString::fromStdString(Verb::help()));
        return 0;
    }
    print(stdout, QCoreApplication::applicationName() + QLatin1Char(' ') +
                      QCoreApplication::applicationVersion() + QLatin1Char('\n'));
    return 0;
}

} // namespace glowdeck
