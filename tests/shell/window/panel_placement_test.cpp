#include "shell/window/PanelPlacement.h"

#include <gtest/gtest.h>

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
    const struct {
        const char* name;
        PanelPlacement::Clues clues;
        QRect anchor;
    } cases[] = {
        {"the click, before everything", {QPoint(1700, 14), tray, QPoint(5, 5)}, icon(1688, 2)},
        {"a click on the second screen", {QPoint(3000, 1010), {}, {}}, icon(2988, 998)},
        {"a click off every screen: the icon", {QPoint(5000, 14), tray, QPoint(5, 5)}, tray},
        {"(0, 0) says nothing: the icon", {QPoint(0, 0), tray, {}}, tray},
        {"a point within the icon says nothing",
         {QPoint(10, 12), {}, QPoint(700, 500)},
         icon(688, 488)},
        {"a click near the origin on one axis only", {QPoint(20, 900), tray, {}}, icon(8, 888)},
        {"no click: the icon", {{}, tray, QPoint(5, 5)}, tray},
        {"no icon: the pointer", {{}, {}, QPoint(700, 500)}, icon(688, 488)},
        {"a pointer off every screen: the corner", {{}, {}, QPoint(-50, 500)}, corner},
        {"nothing known: the corner", {}, corner},
    };
    for (const auto& c : cases) {
        const QRect anchor = PanelPlacement::anchor(c.clues, screens, topBar);
        EXPECT_EQ(anchor, c.anchor) << c.name << ": got " << describe(anchor);
    }
}
