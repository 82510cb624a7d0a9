#include "shell/desktop/DisplayPlatform.h"

#include <gtest/gtest.h>

#include <map>

using glowdeck::DisplayPlatform;

TEST(DisplayPlatformTest, WaylandSessionsRunThroughXWayland) {
    using Environment = std::map<std::string, std::string>;
    struct Case {
        const char* name;
        Environment environment;
        std::optional<std::string> platform;
    };
    const Case cases[] = {
        {"X11 session", {{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "x11"}}, std::nullopt},
        {"Wayland with XWayland", {{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}}, "xcb"},
        {"Wayland session type only", {{"DISPLAY", ":1"}, {"XDG_SESSION_TYPE", "wayland"}}, "xcb"},
        {"the user's choice stands",
         {{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}, {"QT_QPA_PLATFORM", "wayland"}},
         std::nullopt},
        {"no X server to use", {{"WAYLAND_DISPLAY", "wayland-0"}}, std::nullopt},
        {"empty values count as unset",
         {{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}},
         std::nullopt},
        {"nothing at all", {}, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto lookup = [&](const char* name) -> std::optional<std::string> {
            auto found = c.environment.find(name);
            return found != c.environment.end() ? std::optional(found->second) : std::nullopt;
        };
        EXPECT_EQ(DisplayPlatform::forced(lookup), c.platform) << c.name;
    }
}
