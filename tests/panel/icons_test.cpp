#include "panel/Icons.h"
#include "presets/LightPreset.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

using namespace glowdeck;

namespace {

// Every symbol name the app draws.
std::set<std::string_view> symbolsInUse() {
    std::set<std::string_view> names{"lightbulb",       "lightbulb.fill",     "lightbulb.2",
                                     "sun.max.fill",    "sun.min.fill",       "sun.haze.fill",
                                     "arrow.clockwise", "ellipsis.circle",    "chevron.down",
                                     "checkmark",       "slider.horizontal.3"};
    for (const auto& preset : LightPreset::all)
        names.insert(preset.symbol);
    return names;
}

// `text` drawn in black with the icon font on white; for comparing glyphs.
QImage render(const QString& text) {
    QImage image(48, 48, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(Icons::font(40));
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    return image;
}

TEST(IconsTest, EverySymbolInUseIsTheFontsIconOfTheNamedMaterialIcon) {
    for (std::string_view symbol : symbolsInUse())
        EXPECT_FALSE(Icons::glyph(symbol).isEmpty()) << symbol;
    // The font also draws an icon for its ligature name; both must give the same picture.
    for (const Icons::Entry& entry : Icons::table()) {
        SCOPED_TRACE(std::string(entry.symbol));
        const QImage byName = render(
            QString::fromLatin1(entry.materialName.data(), qsizetype(entry.materialName.size())));
        EXPECT_EQ(render(Icons::glyph(entry.symbol)), byName);
    }
}

TEST(IconsTest, IconsAreDrawnAtTheRequestedScaleInTheirColourAndUnknownOnesAreNull) {
    EXPECT_TRUE(Icons::glyph("no.such.symbol").isEmpty());
    EXPECT_TRUE(Icons::icon("no.such.symbol", Qt::red, 16).isNull());
    const QColor tint(255, 149, 0);
    const QIcon icon = Icons::icon("flame.fill", tint, 16);
    ASSERT_FALSE(icon.isNull());
    for (qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        const QPixmap pixmap = icon.pixmap(QSize(16, 16), ratio);
        EXPECT_EQ(pixmap.size(), QSize(16, 16) * ratio);
        EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
        const QImage image = pixmap.toImage();
        int solid = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                solid += image.pixelColor(x, y).alpha() == 255 &&
                         image.pixelColor(x, y).rgb() == tint.rgb();
        EXPECT_GT(solid, 10 * ratio * ratio);
    }
}

} // namespace
