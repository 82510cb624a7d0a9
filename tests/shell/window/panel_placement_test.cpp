#include "shell/desktop/DevicePixels.h"
#include "shell/window/PanelPlacement.h"

#include <gtest/gtest.h>

using glowdeck::DevicePixels;
using glowdeck::PanelPlacement;

namespace {

std::string describe(const QRect& r) {
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
           "x" + std::to_string(r.height());
}

// A 1920 x 1080 screen; the available area leaves out a 28 px bar at the top or bottom.
const QRect topBar(0, 28, 1920, 1052);
const QRect bottomBar(0, 0, 1920, 1052);

// A 24 x 24 tray icon at (x, y).
QRect icon(int x, int y) {
    return {x, y, 24, 24};
}

} // namespace

TEST(PanelPlacementTest, OpeningFrames) {
    const struct {
        const char* name;
        QRect anchor, available;
        QSize wanted;
        QRect frame;
        bool above;
    } cases[] = {
        // Centred under the icon; the sheet (16 inside the window) starts 6 below the icon.
        {"top bar", icon(1000, 2), topBar, {356, 400}, {834, 16, 356, 400}, false},
        // Mirrored for a bar at the bottom: the sheet ends 6 above the icon.
        {"bottom bar", icon(1000, 1054), bottomBar, {356, 400}, {834, 664, 356, 400}, true},
        // Near the right edge the right side stays 8 inside the available area.
        {"right edge", icon(1890, 2), topBar, {356, 400}, {1556, 16, 356, 400}, false},
        {"left edge", icon(4, 2), topBar, {356, 400}, {8, 16, 356, 400}, false},
        // Too wide: the right-hand limit wins and the left edge leaves the screen.
        {"too wide", icon(1000, 2), topBar, {2000, 400}, {-88, 16, 2000, 400}, false},
        // Too tall: capped at the available height less 16.
        {"too tall", icon(1000, 2), topBar, {356, 5000}, {834, 16, 356, 1036}, false},
        {"too tall, bottom", icon(1000, 1054), bottomBar, {356, 5000}, {834, 28, 356, 1036}, true},
        // A screen to the right of the first, with its own origin.
        {"screen 2", icon(2900, 2), {1920, 28, 1280, 996}, {356, 300}, {2734, 16, 356, 300}, false},
        // A pointer-sized anchor low in the top half: the sheet is pulled back on screen.
        {"pulled back", icon(300, 500), topBar, {356, 700}, {134, 396, 356, 700}, false},
    };
    for (const auto& c : cases) {
        const auto placed = PanelPlacement::frame(c.anchor, c.available, c.wanted);
        EXPECT_EQ(placed.frame, c.frame) << c.name << ": got " << describe(placed.frame);
        EXPECT_EQ(placed.above, c.above) << c.name;
    }
}

TEST(PanelPlacementTest, AnchorTakesTheFirstCluePresent) {
    const QList<QRect> screens{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    const QRect tray = icon(1800, 2);
    const QRect corner = icon(1896, 28);
    // The second screen less a 30 px bar at its top.
    const QRect barred(1920, 30, 1280, 994);
    const struct {
        const char* name;
        PanelPlacement::Clues clues;
        QRect anchor;
    } cases[] = {
        {"the click, before everything", {QPoint(1700, 14), tray, QPoint(5, 5), {}}, icon(1688, 2)},
        {"a click on the second screen", {QPoint(3000, 1010), {}, {}, {}}, icon(2988, 998)},
        {"a click off every screen: the icon", {QPoint(5000, 14), tray, QPoint(5, 5), {}}, tray},
        {"(0, 0) says nothing: the icon", {QPoint(0, 0), tray, {}, {}}, tray},
        {"a point within the icon says nothing",
         {QPoint(10, 12), {}, QPoint(700, 500), {}},
         icon(688, 488)},
        {"a click near the origin on one axis only", {QPoint(20, 900), tray, {}, {}}, icon(8, 888)},
        {"no click: the icon", {{}, tray, QPoint(5, 5), {}}, tray},
        {"no icon: the pointer", {{}, {}, QPoint(700, 500), {}}, icon(688, 488)},
        {"a pointer off every screen: the corner", {{}, {}, QPoint(-50, 500), {}}, corner},
        // Sway: the right end of the bar on the focused screen among those with bars, else on
        // the first with one.
        {"a bar on the second screen only",
         {QPoint(9, 14), {}, {}, {{screens[0], screens[0], true}, {screens[1], barred, false}}},
         {3176, 0, 24, 30}},
        {"bars on both: the focused screen's",
         {{}, {}, {}, {{screens[0], topBar, false}, {screens[1], barred, true}}},
         {3176, 0, 24, 30}},
        {"bars on both, neither focused: the first",
         {{}, {}, {}, {{screens[0], topBar, false}, {screens[1], barred, false}}},
         {1896, 0, 24, 28}},
        {"a bar at the bottom",
         {{}, {}, {}, {{screens[0], bottomBar, true}}},
         {1896, 1052, 24, 28}},
        {"a bar at the left: its lower end",
         {{}, {}, {}, {{screens[0], {40, 0, 1880, 1080}, true}}},
         {0, 1056, 40, 24}},
        {"a bar at the right",
         {{}, {}, {}, {{screens[0], {0, 0, 1880, 1080}, true}}},
         {1880, 1056, 40, 24}},
        {"a tray at the left of a bottom bar",
         {{}, {}, {}, {{screens[0], bottomBar, true, PanelPlacement::Along::Start}}},
         {0, 1052, 24, 28}},
        {"a tray in the middle of a top bar",
         {{}, {}, {}, {{screens[0], topBar, true, PanelPlacement::Along::Middle}}},
         {948, 0, 24, 28}},
        {"no bar anywhere: the corner", {{}, {}, {}, {{screens[0], screens[0], true}}}, corner},
        {"a click on the bar before the bar's end",
         {QPoint(1500, 10), {}, {}, {{screens[0], topBar, true}}},
         icon(1488, -2)},
        // Counted from the second screen's corner: on the first screen, where no bar is.
        {"a click where no bar is",
         {QPoint(1250, 14), {}, {}, {{screens[0], screens[0], true}, {screens[1], barred, false}}},
         {3176, 0, 24, 30}},
        {"no bar reserves space: the click",
         {QPoint(1500, 10), {}, {}, {{screens[0], screens[0], true}}},
         icon(1488, -2)},
        {"the icon before the bar", {{}, tray, {}, {{screens[0], bottomBar, true}}}, tray},
        {"nothing known: the corner", {}, corner},
    };
    for (const auto& c : cases) {
        const QRect anchor = PanelPlacement::anchor(c.clues, screens, topBar);
        EXPECT_EQ(anchor, c.anchor) << c.name << ": got " << describe(anchor);
    }
}

// The X server gives the icon's place in device pixels and takes the panel's frame in them; Qt
// counts in logical ones. At Xft.dpi 192 a tray at the top centre of a 2560 x 1600 screen shows
// the icon at 1161,1 44x54: the panel belongs under 580,0 22x27, not 650 px further right.
TEST(PanelPlacementTest, IconAndFrameCrossBetweenDeviceAndLogicalPixels) {
    const QList<DevicePixels::Screen> hidpi{{{0, 0, 1280, 800}, 2}};
    // A 1920 x 1080 screen at scale 1 beside one of 2560 x 1440 device pixels at scale 2.
    const QList<DevicePixels::Screen> mixed{{{0, 0, 1920, 1080}, 1}, {{1920, 0, 1280, 720}, 2}};
    const struct {
        const char* name;
        QList<DevicePixels::Screen> screens;
        QRect device, logical;
    } cases[] = {
        {"200 %, tray at the top centre", hidpi, {1160, 2, 44, 54}, {580, 1, 22, 27}},
        {"200 %, tray at the bottom right", hidpi, {2520, 1560, 40, 40}, {1260, 780, 20, 20}},
        {"scale 1 leaves it", mixed, {1800, 2, 24, 24}, {1800, 2, 24, 24}},
        // Scaled about the second screen's origin, which both counts share.
        {"the second screen at 200 %", mixed, {4400, 4, 40, 40}, {3160, 2, 20, 20}},
        // Off every screen: the first screen's ratio.
        {"off every screen", hidpi, {6000, 10, 40, 40}, {3000, 5, 20, 20}},
    };
    for (const auto& c : cases) {
        const QRect logical = DevicePixels::toLogical(c.device, c.screens);
        EXPECT_EQ(logical, c.logical) << c.name << ": got " << describe(logical);
        const QRect device = DevicePixels::toDevice(c.logical, c.screens);
        EXPECT_EQ(device, c.device) << c.name << ": back " << describe(device);
    }
    // The whole way: the icon from the server, the frame in Qt, the frame the server is asked for.
    const QRect anchor = DevicePixels::toLogical({1161, 1, 44, 54}, hidpi);
    const auto placed = PanelPlacement::frame(anchor, {0, 14, 1280, 786}, {356, 400});
    EXPECT_EQ(placed.frame, QRect(413, 17, 356, 400)) << describe(placed.frame);
    EXPECT_EQ(DevicePixels::toDevice(placed.frame, hidpi), QRect(826, 34, 712, 800));
}
