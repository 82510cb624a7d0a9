#include "panel/Colors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <utility>

using namespace glowdeck;

namespace {

TEST(ColorsTest, ComponentsRoundHalvesAwayFromZeroWithoutClamping) {
    const std::pair<double, int> cases[] = {{0.0, 0},
                                            {1.0, 255},
                                            {0.5, 128},
                                            {0.498, 127},
                                            {1.0 / 255.0, 1},
                                            {-0.5, -128},
                                            {1.02, 260},
                                            {-0.01, -3},
                                            {std::nan(""), 0},
                                            {1e300, std::numeric_limits<int>::max()},
                                            {-1e300, std::numeric_limits<int>::min()}};
    for (const auto& [fraction, expected] : cases) {
        SCOPED_TRACE(fraction);
        EXPECT_EQ(component255(fraction), expected);
    }
}

TEST(ColorsTest, SwatchesAreTheNamedHuesInOrder) {
    // Hue ranges (degrees) that each named colour must fall in.
    struct Expect {
        const char* name;
        int hueFrom, hueTo;
    };
    const Expect expected[] = {{"Red", 0, 10},      {"Orange", 20, 45}, {"Yellow", 45, 65},
                               {"Green", 90, 160},  {"Cyan", 180, 205}, {"Blue", 205, 235},
                               {"Purple", 260, 300}};
    const auto& all = swatches();
    ASSERT_EQ(all.size(), std::size(expected));
    for (std::size_t i = 0; i < all.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(std::string(all[i].name), expected[i].name);
        EXPECT_EQ(all[i].color, all[i].color.toRgb()); // equality includes the colour model
        const int hue = all[i].color.hsvHue();
        EXPECT_GE(hue, expected[i].hueFrom);
        EXPECT_LE(hue, expected[i].hueTo);
        EXPECT_GT(all[i].color.hsvSaturation(), 128);
    }
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
