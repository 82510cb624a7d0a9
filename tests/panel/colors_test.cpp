#include "panel/Colors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <utility>

using namespace glowdeck;

namespace {

TEST(ColorsTest, ComponentsRoundHalvesAwayFromZeroWithoutClamping) {
    const std::pair<double, int> cases[] = {{0.0, 0},     {1.0, 255},       {0.5, 128},
                                            {0.498, 127}, {1.0 / 255.0, 1}, {-0.5, -128},
                                            {1.02, 260},  {-0.01, -3},      {std::nan(""), 0}};
    for (const auto& [fraction, expected] : cases) {
        SCOPED_TRACE(fraction);
        EXPECT_EQ(component255(fraction), expected);
    }
    EXPECT_EQ(component255(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(component255(-1e300), std::numeric_limits<int>::min());
}

TEST(ColorsTest, TintsAreNineDistinctColoursInEitherAppearance) {
    const Tint tints[] = {Tint::Orange, Tint::Blue,  Tint::Indigo, Tint::Red, Tint::Cyan,
                          Tint::Pink,   Tint::Green, Tint::Purple, Tint::Teal};
    for (Appearance appearance : {Appearance::Light, Appearance::Dark}) {
        std::set<QRgb> seen;
        for (Tint t : tints) {
            const QColor c = tintColor(t, appearance);
            EXPECT_TRUE(c.isValid());
            seen.insert(c.rgb());
        }
        EXPECT_EQ(seen.size(), std::size(tints));
    }
    EXPECT_EQ(tintColor(Tint::Orange, Appearance::Light), standardOrange(Appearance::Light));
    EXPECT_EQ(tintColor(Tint::Blue, Appearance::Dark), standardBlue(Appearance::Dark));
}

} // namespace
