#include "Icons.h"

#include "GlyphIconEngine.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>
#include <array>

namespace glowdeck {

namespace {

// Codepoints of the Material Icons font (the names are the font's own ligature names).
constexpr std::array<Icons::Entry, 22> entries{{
    {"lightbulb", "lightbulb_outline", 0xe90f},
    {"lightbulb.fill", "lightbulb", 0xe0f0},
    {"lightbulb.2", "emoji_objects", 0xea24},
    {"sun.max.fill", "light_mode", 0xe518},
    {"sun.min.fill", "brightness_low", 0xe1ad},
    {"sun.haze.fill", "wb_incandescent", 0xe42e},
    {"arrow.clockwise", "refresh", 0xe5d5},
    {"ellipsis.circle", "more_horiz", 0xe5d3},
    {"chevron.down", "expand_more", 0xe5cf},
    {"checkmark", "check", 0xe5ca},
    {"slider.horizontal.3", "tune", 0xe429},
    {"lamp.table.fill", "light", 0xf02a},
    {"moon.fill", "dark_mode", 0xe51c},
    {"sunset.fill", "wb_twilight", 0xe1c6},
    {"flame.fill", "whatshot", 0xe80e},
    {"water.waves", "waves", 0xe176},
    {"heart.fill", "favorite", 0xe87d},
    {"leaf.fill", "eco", 0xea35},
    {"party.popper.fill", "celebration", 0xea65},
    {"cup.and.saucer.fill", "local_cafe", 0xe541},
    {"tv.fill", "tv", 0xe333},
    {"flame", "local_fire_department", 0xef55},
}};

constexpr auto fontResource = ":/glowdeck/fonts/MaterialIcons-Regular.ttf";

const Icons::Entry* find(std::string_view symbol) {
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [symbol](const Icons::Entry& e) { return e.symbol == symbol; });
    return it == entries.end() ? nullptr : &*it;
}

} // namespace

std::span<const Icons::Entry> Icons::table() {
    return entries;
}

QString Icons::family() {
    // Registered once per run, as soon as an application exists to hold the font.
    static QString registered;
    if (registered.isEmpty()) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(fontResource));
        const QStringList families =
            id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            registered = families.front();
    }
    return registered;
}

QString Icons::glyph(std::string_view symbol) {
    const Entry* entry = find(symbol);
    if (entry == nullptr)
        return {};
    const char32_t codepoint = entry->codepoint;
    return QString::fromUcs4(&codepoint, 1);
}

QFont Icons::font(qreal pixelSize) {
    QFont f(family());
    f.setStyleStrategy(QFont::NoFontMerging);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setPixelSize(std::max(1, qRound(pixelSize)));
    return f;
}

QIcon Icons::icon(std::string_view symbol, const QColor& color, int pixelSize) {
    const QString text = glyph(symbol);
    if (text.isEmpty())
        return {};
    return QIcon(new GlyphIconEngine(text, color, pixelSize));
}

} // namespace glowdeck
