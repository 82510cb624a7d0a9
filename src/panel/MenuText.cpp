#include "MenuText.h"

namespace glowdeck {

QString MenuText::escape(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('&'), QLatin1String("&&"));
    out.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return out;
}

} // namespace glowdeck
