#include "KdeColorScheme.h"

#include <QColor>
#include <QFile>
#include <QStandardPaths>

namespace glowdeck {

QString KdeColorScheme::configPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/kdeglobals");
}

std::optional<ColorScheme> KdeColorScheme::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return std::nullopt;
    }
    // Line by line: one key of one group matters.
    bool inWindow = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(4096).trimmed();
        if (line.startsWith('[')) {
            inWindow = line == "[Colors:Window]";
            continue;
        }
        if (!inWindow || !line.startsWith("BackgroundNormal=")) {
            continue;
        }
        const QList<QByteArray> parts = line.mid(line.indexOf('=') + 1).split(',');
        if (parts.size() < 3) {
            return std::nullopt;
        }
        int rgb[3] = {};
        for (int i = 0; i < 3; ++i) {
            bool number = false;
            rgb[i] = parts[i].trimmed().toInt(&number);
            if (!number || rgb[i] < 0 || rgb[i] > 255) {
                return std::nullopt;
            }
        }
        return QColor(rgb[0], rgb[1], rgb[2]).lightnessF() < 0.5 ? ColorScheme::Dark
                                                                 : ColorScheme::Light;
    }
    return std::nullopt;
}

} // namespace glowdeck
