#include "Autostart.h"

#include "model/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace glowdeck {

namespace {

// Characters that make an Exec argument need quotes, and those that need a backslash inside
// them (freedesktop.org's rules for desktop entries).
constexpr QStringView reserved = u" \t\n\"'\\><~|&;$*?#()`";
constexpr QStringView escapedInQuotes = u"\"`$\\";

// The Exec= value that runs `program` with no arguments: the argument quoted where needed,
// '%' doubled, then the escapes of a string value.
QString execValue(const QString& program) {
    QString argument = program;
    if (std::any_of(program.begin(), program.end(), [](QChar c) { return reserved.contains(c); })) {
        argument.clear();
        for (QChar c : program) {
            if (escapedInQuotes.contains(c))
                argument += QLatin1Char('\\');
            argument += c;
        }
        argument = QLatin1Char('"') + argument + QLatin1Char('"');
    }
    argument.replace(QLatin1Char('%'), QStringLiteral("%%"));
    QString value;
    for (QChar c : argument) {
        if (c == QLatin1Char('\\'))
            value += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            value += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            value += QStringLiteral("\\t");
        else
            value += c;
    }
    return value;
}

// The escapes of a string value undone.
QString unescaped(const QString& value) {
    QString text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        switch (value[++i].unicode()) {
        case 's':
            text += QLatin1Char(' ');
            break;
        case 'n':
            text += QLatin1Char('\n');
            break;
        case 't':
            text += QLatin1Char('\t');
            break;
        case 'r':
            text += QLatin1Char('\r');
            break;
        default:
            text += value[i];
            break;
        }
    }
    return text;
}

// The arguments of an Exec= value: split at unquoted white space, quotes and the backslashes
// inside them removed, '%%' read as '%'.
QStringList execArguments(const QString& exec) {
    const QString line = unescaped(exec);
    QStringList arguments;
    QString argument;
    bool inArgument = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == QLatin1Char('"')) {
            inArgument = true;
            for (++i; i < line.size() && line[i] != QLatin1Char('"'); ++i) {
                if (line[i] == QLatin1Char('\\') && i + 1 < line.size())
                    ++i;
                argument += line[i];
            }
        } else if (line[i].isSpace()) {
            if (inArgument)
                arguments << argument.replace(QStringLiteral("%%"), QStringLiteral("%"));
            argument.clear();
            inArgument = false;
        } else {
            inArgument = true;
            argument += line[i];
        }
    }
    if (inArgument)
        arguments << argument.replace(QStringLiteral("%%"), QStringLiteral("%"));
    return arguments;
}

// The program an Exec= value runs: its first argument, or, where that is env(1), the first one
// after env's options and the variables it sets ("env QT_SCALE_FACTOR=2 /usr/bin/program").
QString execProgram(const QString& exec) {
    const QStringList arguments = execArguments(exec);
    if (arguments.isEmpty())
        return {};
    if (arguments[0] != QStringLiteral("env") && !arguments[0].endsWith(QStringLiteral("/env")))
        return arguments[0];
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (word == QStringLiteral("-u") || word == QStringLiteral("--unset") ||
            word == QStringLiteral("-C") || word == QStringLiteral("--chdir"))
            ++i; // and the option's value
        else if (!word.startsWith(QLatin1Char('-')) && !word.contains(QLatin1Char('=')))
            return word;
    }
    return {};
}

// The keys of the [Desktop Entry] group of a desktop entry file.
struct EntryKeys {
    QString exec;
    bool switchedOff = false;
};

EntryKeys readEntry(QFile& file) {
    EntryKeys keys;
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QStringLiteral("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inEntry || line.startsWith(QLatin1Char('#')) || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QStringLiteral("Exec"))
            keys.exec = value;
        else if ((key == QStringLiteral("Hidden") && value == QStringLiteral("true")) ||
                 (key == QStringLiteral("X-GNOME-Autostart-enabled") &&
                  value == QStringLiteral("false")))
            keys.switchedOff = true;
    }
    return keys;
}

QString sameFile(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}

} // namespace

Autostart::Autostart(QString desktopId, QString program)
    : desktopId_(std::move(desktopId)), program_(std::move(program)) {}

Autostart Autostart::forThisProgram() {
    return Autostart(QGuiApplication::desktopFileName(), QCoreApplication::applicationFilePath());
}

QString Autostart::path() const {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/") + desktopId_ + QStringLiteral(".desktop");
}

bool Autostart::enabled() const {
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const EntryKeys keys = readEntry(file);
    return !keys.switchedOff && startsProgram(keys.exec);
}

bool Autostart::startsProgram(const QString& exec) const {
    QString program = execProgram(exec);
    if (program.isEmpty())
        return false;
    // A bare name is looked up on the PATH, as the session would.
    if (!program.contains(QLatin1Char('/')))
        program = QStandardPaths::findExecutable(program);
    return !program.isEmpty() && sameFile(program) == sameFile(program_);
}

QString Autostart::entryText(const QString& file) const {
    const QString exec = QStringLiteral("Exec=") + execValue(program_);
    QFile old(file);
    QStringList lines;
    if (old.open(QIODevice::ReadOnly | QIODevice::Text))
        lines = QString::fromUtf8(old.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const auto header = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
        return line.trimmed() == QStringLiteral("[Desktop Entry]");
    });
    if (header == lines.end()) {
        return QStringLiteral("[Desktop Entry]\n"
                              "Type=Application\n"
                              "Name=%1\n"
                              "%2\n"
                              "Icon=glowdeck\n"
                              "Terminal=false\n")
            .arg(QCoreApplication::applicationName(), exec);
    }

    // The user's entry, with every key and comment kept but those that decide whether and what
    // it starts: Exec (kept when it starts this program, in whatever way), Type, and the
    // switches that turn it off.
    QStringList kept;
    qsizetype groupEnd = -1;
    bool inEntry = false;
    bool hasExec = false;
    bool hasName = false;
    for (auto line = lines.begin(); line != lines.end(); ++line) {
        const QString trimmed = line->trimmed();
        if (trimmed.startsWith(QLatin1Char('['))) {
            inEntry = line == header;
            if (inEntry)
                groupEnd = kept.size() + 1;
            kept << *line;
            continue;
        }
        const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
        if (!inEntry || trimmed.startsWith(QLatin1Char('#')) || equals < 0) {
            kept << *line;
            continue;
        }
        const QString key = trimmed.left(equals).trimmed();
        const QString value = trimmed.mid(equals + 1).trimmed();
        if (key == QStringLiteral("Hidden") || key == QStringLiteral("X-GNOME-Autostart-enabled") ||
            key == QStringLiteral("Type") || (key == QStringLiteral("Exec") && hasExec))
            continue;
        if (key == QStringLiteral("Exec")) {
            hasExec = true;
            kept << (startsProgram(value) ? *line : exec);
        } else {
            hasName = hasName || key == QStringLiteral("Name");
            kept << *line;
        }
        groupEnd = kept.size();
    }
    QStringList added{QStringLiteral("Type=Application")};
    if (!hasName)
        added << QStringLiteral("Name=") + QCoreApplication::applicationName();
    if (!hasExec)
        added << exec;
    for (qsizetype i = 0; i < added.size(); ++i)
        kept.insert(groupEnd + i, added[i]);
    return kept.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

std::optional<std::string> Autostart::setEnabled(bool on) const {
    const QString file = path();
    if (!on) {
        QFile entry(file);
        if (!entry.exists() || entry.remove())
            return std::nullopt;
        return messages::cannotStopAtLogin(entry.errorString().toStdString());
    }

    const QString folder = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(folder))
        return messages::cannotStartAtLogin("cannot create " + folder.toStdString());
    const QString text = entryText(file);
    QSaveFile entry(file);
    if (entry.open(QIODevice::WriteOnly | QIODevice::Text)) {
        entry.write(text.toUtf8());
        if (entry.commit())
            return std::nullopt;
    }
    return messages::cannotStartAtLogin(entry.errorString().toStdString());
}

} // namespace glowdeck
