#include "shell/PanelPlacement.h"

#include <gtest/gtest.h>

using glowdeck::PanelPlacement;

namespace {

std::string describe(const QRect& r) {
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
           "x" + std::to_string(r.height());
}

} // namespace

TEST(PanelPlacementTest, OpeningFrames) {
    // A 1920 x 1080 screen; the available area leaves out a 28 px bar at the top or bottom.
    const QRect topBar(0, 28, 1920, 1052);
    const QRect bottomBar(0, 0, 1920, 1052);
    struct Case {
        const char* name;
        QRect anchor;
        QRect available;
        QSize wanted;
        QRect frame;
        bool above;
    };
    const Case cases[] = {
        // Centred under the icon; the sheet (16 inside the window) starts 6 below the icon.
        {"top bar", {1000, 2, 24, 24}, topBar, {356, 400}, {834, 16, 356, 400}, false},
        // Mirrored for a bar at the bottom: the sheet ends 6 above the icon.
        {"bottom bar", {1000, 1054, 24, 24}, bottomBar, {356, 400}, {834, 664, 356, 400}, true},
        // Near the right edge the right side stays 8 inside the available area.
        {"icon at the right edge",
         {1890, 2, 24, 24},
         topBar,
         {356, 400},
         {1556, 16, 356, 400},
         false},
        {"icon at the left edge", {4, 2, 24, 24}, topBar, {356, 400}, {8, 16, 356, 400}, false},
        // Too wide: the right-hand limit wins and the left edge leaves the screen.
        {"wider than the screen",
         {1000, 2, 24, 24},
         topBar,
         {2000, 400},
         {-88, 16, 2000, 400},
         false},
        // Too tall: capped at the available height less 16.
        {"taller than the screen",
         {1000, 2, 24, 24},
         topBar,
         {356, 5000},
         {834, 16, 356, 1036},
         false},
        {"taller than the screen, bottom bar",
         {1000, 1054, 24, 24},
         bottomBar,
         {356, 5000},
         {834, 28, 356, 1036},
         true},
        // A screen to the right of the first, with its own origin.
        {"second screen",
         {2900, 2, 24, 24},
         {1920, 28, 1280, 996},
         {356, 300},
         {2734, 16, 356, 300},
         false},
        // A pointer-sized anchor low in the top half: the sheet is pulled back on screen.
        {"anchor pushing the panel off the bottom",
         {300, 500, 24, 24},
         topBar,
         {356, 700},
         {134, 396, 356, 700},
         false},
    };
    for (const Case& c : cases) {
        const auto placed = PanelPlacement::frame(c.anchor, c.available, c.wanted);
        EXPECT_EQ(placed.frame, c.frame) << c.name << ": got " << describe(placed.frame);
        EXPECT_EQ(placed.above, c.above) << c.name;
    }
}

TEST(PanelPlacementTest, SheetStaysInsideTheAvailableAreaVertically) {
    const QRect available(0, 28, 1920, 1052);
    for (int anchorY = 0; anchorY < 1080; anchorY += 37) {
        for (int height : {100, 600, 1036, 3000}) {
            const auto placed =
                PanelPlacement::frame(QRect(500, anchorY, 24, 24), available, QSize(356, height));
            const QRect sheet = placed.frame.adjusted(16, 16, -16, -16);
            EXPECT_GE(sheet.top(), available.top()) << anchorY << " " << height;
            EXPECT_LE(sheet.bottom(), available.bottom()) << anchorY << " " << height;
        }
    }
}

TEST(PanelPlacementTest, ResizingKeepsTheEdgeNextToTheIcon) {
    const QRect topBar(0, 28, 1920, 1052);
    const QRect bottomBar(0, 0, 1920, 1052);
    struct Case {
        const char* name;
        QRect current;
        bool above;
        QRect available;
        QSize wanted;
        QRect frame;
    };
    const Case cases[] = {
        {"grows downward", {834, 16, 356, 400}, false, topBar, {356, 520}, {834, 16, 356, 520}},
        {"shrinks upward", {834, 16, 356, 400}, false, topBar, {356, 250}, {834, 16, 356, 250}},
        {"capped", {834, 16, 356, 400}, false, topBar, {356, 4000}, {834, 16, 356, 1036}},
        {"opened above grows upward",
         {834, 664, 356, 400},
         true,
         bottomBar,
         {356, 500},
         {834, 564, 356, 500}},
        {"opened above shrinks downward",
         {834, 664, 356, 400},
         true,
         bottomBar,
         {356, 300},
         {834, 764, 356, 300}},
        {"opened above, capped",
         {834, 664, 356, 400},
         true,
         bottomBar,
         {356, 4000},
         {834, 28, 356, 1036}},
        // Growing down from a low top would leave the screen: the panel moves up instead.
        {"pulled back on screen",
         {134, 396, 356, 700},
         false,
         topBar,
         {356, 900},
         {134, 196, 356, 900}},
    };
    for (const Case& c : cases) {
        const QRect frame = PanelPlacement::resized(c.current, c.above, c.available, c.wanted);
        EXPECT_EQ(frame, c.frame) << c.name << ": got " << describe(frame);
    }
}

TEST(PanelPlacementTest, AnchorTakesTheFirstCluePresent) {
    const QList<QRect> screens{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
    const QRect primary(0, 28, 1920, 1052);
    const QRect icon(1800, 2, 24, 24);
    using Clues = PanelPlacement::Clues;
    struct Case {
        const char* name;
        Clues clues;
        QRect anchor;
    };
    const Case cases[] = {
        {"the click, before everything", {QPoint(1700, 14), icon, QPoint(5, 5)}, {1688, 2, 24, 24}},
        {"a click on the second screen", {QPoint(3000, 1010), {}, {}}, {2988, 998, 24, 24}},
        {"a click off every screen: the icon", {QPoint(5000, 14), icon, QPoint(5, 5)}, icon},
        {"(0, 0) says nothing: the icon", {QPoint(0, 0), icon, {}}, icon},
        {"a point within the icon says nothing",
         {QPoint(10, 12), {}, QPoint(700, 500)},
         {688, 488, 24, 24}},
        {"a click near the origin on one axis only", {QPoint(20, 900), icon, {}}, {8, 888, 24, 24}},
        {"no click: the icon", {{}, icon, QPoint(5, 5)}, icon},
        {"no icon: the pointer", {{}, {}, QPoint(700, 500)}, {688, 488, 24, 24}},
        {"a pointer off every screen: the corner", {{}, {}, QPoint(-50, 500)}, {1896, 28, 24, 24}},
        {"nothing known: the corner", {}, {1896, 28, 24, 24}},
    };
    for (const Case& c : cases) {
        const QRect anchor = PanelPlacement::anchor(c.clues, screens, primary);
        EXPECT_EQ(anchor, c.anchor) << c.name << ": got " << describe(anchor);
    }
}
