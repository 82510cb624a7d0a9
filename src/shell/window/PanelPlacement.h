#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace glowdeck {

// Where the panel window goes, in screen coordinates with the origin at the top left.
//
// The window is the sheet plus a transparent margin of `margin` on every side. It is centred
// under the tray icon (the anchor), kept `screenInset` inside the left and right edges of the
// screen's available area (the right-hand limit wins when the panel is too wide), and its sheet
// begins `anchorGap` below the anchor. When the anchor sits in the lower half of its screen (a
// bar at the bottom) the panel opens above it instead, its sheet ending `anchorGap` above the
// anchor. Its height is capped at the available height less `heightAllowance`, and the sheet is
// kept within the available area vertically.
class PanelPlacement {
public:
    static constexpr int margin = 16;
    static constexpr int screenInset = 8;
    static constexpr int anchorGap = 6;
    static constexpr int heightAllowance = 16;

    // Half the side of the square taken as the icon where only a point of it is known.
    static constexpr int pointHalf = 12;

    // Where along its bar a tray sits: at its left (or top) end, its middle, its right end.
    enum class Along { Start, Middle, End };

    // A screen and the area its bars leave to windows, where the compositor tells (sway).
    struct Area {
        QRect screen;
        QRect usable;
        // The screen with the keyboard focus.
        bool focused = false;
        Along tray = Along::End;
    };

    // What is known of where the tray icon is.
    struct Clues {
        // Where the tray said it was clicked.
        std::optional<QPoint> click;
        // The icon's place, where the tray gives it; empty otherwise.
        QRect icon;
        // The pointer's position, where it is known.
        std::optional<QPoint> pointer;
        // The screens' areas, where the compositor tells them.
        QList<Area> areas;
    };

    // Hosts that do not know where the click was send (0, 0), and some (waybar before 0.10)
    // send the position within the icon instead of the screen: a click within this distance
    // of the screen's origin on both axes says nothing.
    static constexpr int iconRelativeLimit = 64;

    // The rectangle the panel hangs from: the first that applies of
    //   - a square around the click, when that point lies on one of `screens`, not within
    //     iconRelativeLimit of the origin, and on a bar where `clues.areas` tell where bars are;
    //   - the icon's place;
    //   - a square around the pointer, when it lies on one of `screens`;
    //   - the tray's place on the widest band a bar reserves on a screen of `clues.areas` (the
    //     focused one when several screens have bars): the band's end, middle or start, as the
    //     area's `tray` says;
    //   - a square in the top-right corner of `primary`, the primary screen's available area,
    //     where trays are most often.
    static QRect anchor(const Clues& clues, const QList<QRect>& screens, const QRect& primary);

    struct Placed {
        QRect frame;
        // True when the panel opened above its anchor: it then grows and shrinks upward.
        bool above = false;
    };

    // The frame for a panel of size `wanted` opened at `anchor` on a screen whose available
    // area is `available`.
    static Placed frame(const QRect& anchor, const QRect& available, const QSize& wanted);

    // The frame after the content asks for `wanted`: the left edge stays, and the top edge (or
    // the bottom edge for a panel opened above its anchor) stays unless the sheet would leave
    // the available area.
    static QRect resized(const QRect& current, bool above, const QRect& available,
                         const QSize& wanted);

    // The height a panel wanting `wanted` gets on `available`.
    static int cappedHeight(const QRect& available, int wanted);
};

} // namespace glowdeck
