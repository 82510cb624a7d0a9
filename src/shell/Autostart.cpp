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

// The program an Exec= value runs: its first argument, unquoted, with '%%' read as '%'.
QString execProgram(const QString& exec) {
    const QString line = unescaped(exec).trimmed();
    QString program;
    if (line.startsWith(QLatin1Char('"'))) {
        for (qsizetype i = 1; i < line.size() && line[i] != QLatin1Char('"'); ++i) {
            if (line[i] == QLatin1Char('\\') && i + 1 < line.size())
                ++i;
            program += line[i];
        }
    } else {
        for (qsizetype i = 0; i < line.size() && !line[i].isSpace(); ++i)
            program += line[i];
    }
    return program.replace(QStringLiteral("%%"), QStringLiteral("%"));
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
    QSaveFile entry(file);
    if (entry.open(QIODevice::WriteOnly | QIODevice::Text)) {
        const QString text = QStringLiteral("[Desktop Entry]\n"
                                            "Type=Application\n"
                                            "Name=%1\n"
                                            "Exec=%2\n"
                                            "Icon=glowdeck\n"
                                            "Terminal=false\n")
                                 .arg(QCoreApplication::applicationName(), execValue(program_));
        entry.write(text.toUtf8());
        if (entry.commit())
            return std::nullopt;
    }
    return messages::cannotStartAtLogin(entry.errorString().toStdString());
}

} // namespace glowdeck
