#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>

#include <span>
#include <string_view>

namespace glowdeck {

// The app's icons, named by symbol names such as "lightbulb.fill" and drawn with glyphs of the
// Material Icons font embedded in the application.
class Icons {
public:
    // One symbol name and the Material icon drawn for it.
    struct Entry {
        std::string_view symbol;
        std::string_view materialName;
        char32_t codepoint;
    };

    // The font glyph text for a symbol name, or an empty string for an unknown name.
    static QString glyph(std::string_view symbol);

    // The embedded icon font at the given pixel size. The font is registered on first use.
    static QFont font(qreal pixelSize);

    // The symbol drawn in `color`, nominally `pixelSize` square; it is rendered afresh for each
    // requested size and device pixel ratio, so it stays crisp at any scale. A null icon for an
    // unknown name.
    static QIcon icon(std::string_view symbol, const QColor& color, int pixelSize);

    // Every symbol name the app knows, with the glyph drawn for it.
    static std::span<const Entry> table();

    // The family name of the embedded font, or an empty string if it could not be registered.
    static QString family();
};

} // namespace glowdeck
