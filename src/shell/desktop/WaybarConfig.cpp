#include "WaybarConfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <unistd.h>

#include <algorithm>

namespace glowdeck {

namespace {

// Larger than any bar's configuration.
constexpr qint64 longestConfig = 1 << 20;

// `text` without its comments; strings are kept whole, "//" in a URL included.
QByteArray withoutComments(const QByteArray& text) {
    QByteArray out;
    out.reserve(text.size());
    bool inString = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (inString) {
            out.append(c);
            if (c == '\\' && i + 1 < text.size()) {
                out.append(text[++i]);
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
            out.append(c);
        } else if (c == '/' && next == '/') {
            while (i < text.size() && text[i] != '\n') {
                ++i;
            }
            out.append('\n');
        } else if (c == '/' && next == '*') {
            const qsizetype end = text.indexOf("*/", i + 2);
            i = end < 0 ? text.size() : end + 1;
        } else {
            out.append(c);
        }
    }
    return out;
}

bool holdsTray(const QJsonValue& modules) {
    for (const QJsonValue& module : modules.toArray()) {
        if (module.toString() == QLatin1String("tray")) {
            return true;
        }
    }
    return false;
}

QByteArray readAtMost(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(longestConfig) : QByteArray();
}

} // namespace

QList<WaybarConfig::Bar> WaybarConfig::parse(const QByteArray& text) {
    const QJsonDocument document = QJsonDocument::fromJson(withoutComments(text));
    QJsonArray bars = document.array();
    if (document.isObject()) {
        bars.append(document.object());
    }
    QList<Bar> found;
    for (const QJsonValue& value : bars) {
        const QJsonObject bar = value.toObject();
        Bar entry;
        if (holdsTray(bar.value(QLatin1String("modules-left")))) {
            entry.tray = Group::Start;
        } else if (holdsTray(bar.value(QLatin1String("modules-center")))) {
            entry.tray = Group::Centre;
        } else if (!holdsTray(bar.value(QLatin1String("modules-right")))) {
            continue;
        }
        const QJsonValue outputs = bar.value(QLatin1String("output"));
        if (outputs.isString()) {
            entry.outputs << outputs.toString();
        }
        for (const QJsonValue& output : outputs.toArray()) {
            entry.outputs << output.toString();
        }
        found.append(entry);
    }
    return found;
}

std::optional<WaybarConfig::Bar> WaybarConfig::on(const QList<Bar>& bars, const QString& output) {
    for (const Bar& bar : bars) {
        const bool excluded = bar.outputs.contains(QLatin1Char('!') + output);
        const bool named =
            std::any_of(bar.outputs.begin(), bar.outputs.end(),
                        [](const QString& o) { return !o.startsWith(QLatin1Char('!')); });
        if (!excluded && (!named || bar.outputs.contains(output))) {
            return bar;
        }
    }
    return std::nullopt;
}

QString WaybarConfig::runningPath() {
    const QDir proc(QStringLiteral("/proc"));
    for (const QString& pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (readAtMost(proc.filePath(pid + QStringLiteral("/comm"))).trimmed() != "waybar" ||
            QFileInfo(proc.filePath(pid)).ownerId() != ::getuid()) {
            continue;
        }
        const QList<QByteArray> arguments =
            readAtMost(proc.filePath(pid + QStringLiteral("/cmdline"))).split('\0');
        for (qsizetype i = 0; i + 1 < arguments.size(); ++i) {
            QByteArray named;
            if (arguments[i] == "-c" || arguments[i] == "--config") {
                named = arguments[i + 1];
            } else if (arguments[i].startsWith("--config=")) {
                named = arguments[i].mid(9);
            }
            if (!named.isEmpty()) {
                // A relative name is waybar's own working folder's.
                return QDir(proc.filePath(pid + QStringLiteral("/cwd")))
                    .filePath(QString::fromLocal8Bit(named));
            }
        }
        QStringList places;
        for (const QString& folder :
             QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
            places << folder + QStringLiteral("/waybar/config")
                   << folder + QStringLiteral("/waybar/config.jsonc");
        }
        places << QStringLiteral("/etc/xdg/waybar/config")
               << QStringLiteral("/etc/xdg/waybar/config.jsonc");
        for (const QString& place : places) {
            if (QFileInfo::exists(place)) {
                return place;
            }
        }
        return {};
    }
    return {};
}

QList<WaybarConfig::Bar> WaybarConfig::running() {
    const QString path = runningPath();
    return path.isEmpty() ? QList<Bar>() : parse(readAtMost(path));
}

} // namespace glowdeck
