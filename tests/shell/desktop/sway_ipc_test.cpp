#include "shell/desktop/SwayIpc.h"

#include <gtest/gtest.h>

using glowdeck::SwayIpc;

// What get_outputs and get_workspaces answer, cut to what counts: a laptop's screen with no
// bar, an external one with a 30 px bar at the top, and a disabled output.
TEST(SwayIpcTest, OutputsWithTheAreasTheirBarsLeave) {
    const QByteArray outputs = R"([
        {"name": "eDP-1", "active": true, "focused": true,
         "rect": {"x": 0, "y": 0, "width": 1280, "height": 800}},
        {"name": "DP-2", "active": true, "focused": false,
         "rect": {"x": 1280, "y": 0, "width": 1920, "height": 1080}},
        {"name": "HDMI-A-1", "active": false, "focused": false,
         "rect": {"x": 0, "y": 0, "width": 0, "height": 0}}
    ])";
    const QByteArray workspaces = R"([
        {"name": "1", "visible": true, "output": "eDP-1",
         "rect": {"x": 0, "y": 0, "width": 1280, "height": 800}},
        {"name": "2", "visible": false, "output": "DP-2",
         "rect": {"x": 1280, "y": 0, "width": 1920, "height": 1080}},
        {"name": "3", "visible": true, "output": "DP-2",
         "rect": {"x": 1280, "y": 30, "width": 1920, "height": 1050}}
    ])";
    const auto found = SwayIpc::outputs(outputs, workspaces);
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found[0].name, QStringLiteral("eDP-1"));
    EXPECT_EQ(found[0].usable, QRect(0, 0, 1280, 800));
    EXPECT_TRUE(found[0].focused);
    EXPECT_EQ(found[1].rect, QRect(1280, 0, 1920, 1080));
    EXPECT_EQ(found[1].usable, QRect(1280, 30, 1920, 1050));
    EXPECT_FALSE(found[1].focused);

    // Without its workspace, or with one outside it, an output is usable whole.
    const auto alone = SwayIpc::outputs(outputs, R"([{"name": "9", "visible": true,
        "output": "DP-2", "rect": {"x": 0, "y": 0, "width": 5000, "height": 30}}])");
    ASSERT_EQ(alone.size(), 2);
    EXPECT_EQ(alone[0].usable, alone[0].rect);
    EXPECT_EQ(alone[1].usable, alone[1].rect);
    EXPECT_TRUE(SwayIpc::outputs("not json", workspaces).isEmpty());
}
