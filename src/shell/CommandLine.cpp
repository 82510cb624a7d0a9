#include "CommandLine.h"

#include "remote/Verb.h"

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

} // namespace

std::optional<int> CommandLine::handle(int argc, char** argv) {
    if (argc < 2)
        return std::nullopt; // the usual start: nothing to read
    QCommandLineParser parser;
    // Qt's own options are single-dash words: -platform, not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Controls WiZ lights on the local network from the system tray."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    const auto addQtOption = [&parser](const char* name, const QString& valueName) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    };
    for (const char* name : qtOptionsWithValue)
        addQtOption(name, QStringLiteral("value"));
    for (const char* name : qtFlags)
        addQtOption(name, QString());

    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    bool parsed = parser.parse(arguments);
    QString error = parser.errorText();
    if (parsed && !parser.positionalArguments().isEmpty()) {
        parsed = false;
        error = QStringLiteral("Unknown verb '%1'.").arg(parser.positionalArguments()[0]);
    }
    if (parsed && !parser.isSet(help) && !parser.isSet(version))
        return std::nullopt;

    // Without an application object the parser cannot name the program in the usage; making
    // one would read Qt's logging configuration, so the name goes in here.
    const QString usage = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                    arguments.value(0, QStringLiteral("glowdeck")));
    if (!parsed) {
        print(stderr, error + QLatin1Char('\n') + usage);
        return 2;
    }
    if (parser.isSet(help)) {
        print(stdout, usage + QString::fromUtf8(Verb::help().data(),
                                                static_cast<qsizetype>(Verb::help().size())));
        return 0;
    }
    print(stdout, QCoreApplication::applicationName() + QLatin1Char(' ') +
                      QCoreApplication::applicationVersion() + QLatin1Char('\n'));
    return 0;
}

} // namespace glowdeck
