#include "shell/desktop/WaybarConfig.h"

#include <gtest/gtest.h>

using glowdeck::WaybarConfig;
using Group = WaybarConfig::Group;

TEST(WaybarConfigTest, FindsTheTrayOfTheBarOnAnOutput) {
    // Two bars, commented as waybar allows: one with its tray at the left on DP-2, one without a
    // tray everywhere but DP-2; then a third with a tray in the middle on every output.
    const QByteArray text = R"([
        // the laptop's screen has no tray
        { "output": "DP-2", "position": "bottom", /* left */ "modules-left": ["tray", "clock"],
          "format": "http://example.org/*not a comment*/" },
        { "output": ["!DP-2"], "modules-right": ["clock"] },
        { "output": ["!DP-2", "eDP-1", "HDMI-A-1"], "modules-center": ["tray"] },
        { "modules-right": ["battery", "tray"] }
    ])";
    const auto bars = WaybarConfig::parse(text);
    ASSERT_EQ(bars.size(), 3);
    const struct {
        const char* output;
        std::optional<Group> tray;
    } cases[] = {
        {"DP-2", Group::Start},
        {"eDP-1", Group::Centre},
        {"DP-3", Group::End},
    };
    for (const auto& c : cases) {
        const auto bar = WaybarConfig::on(bars, QLatin1String(c.output));
        ASSERT_EQ(bar.has_value(), c.tray.has_value()) << c.output;
        EXPECT_EQ(bar->tray, *c.tray) << c.output;
    }
    // One bar as an object, on one output only.
    const auto single =
        WaybarConfig::parse(R"({"output": "HEADLESS-2", "modules-right": ["tray"]})");
    EXPECT_TRUE(WaybarConfig::on(single, QStringLiteral("HEADLESS-2")).has_value());
    EXPECT_FALSE(WaybarConfig::on(single, QStringLiteral("HEADLESS-1")).has_value());
    EXPECT_TRUE(WaybarConfig::parse("not json").isEmpty());
}
