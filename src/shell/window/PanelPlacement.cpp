#include "PanelPlacement.h"

#include <algorithm>

namespace glowdeck {

namespace {

// The first row below the available area (QRect::bottom() is the last row inside it).
int endY(const QRect& r) {
    return r.y() + r.height();
}
int endX(const QRect& r) {
    return r.x() + r.width();
}

// Moves a window top so that its sheet lies inside the available area vertically. A sheet taller
// than the area cannot happen with a capped height; the top edge wins if it does.
int keepSheetInside(int top, int height, const QRect& available) {
    const int lowest = endY(available) + PanelPlacement::margin - height;
    const int highest = available.y() - PanelPlacement::margin;
    return std::max(std::min(top, lowest), highest);
}

bool onAScreen(const QPoint& point, const QList<QRect>& screens) {
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QRect& screen) { return screen.contains(point); });
}

QRect around(const QPoint& point) {
    const int half = PanelPlacement::pointHalf;
    return QRect(point - QPoint(half, half), QSize(2 * half, 2 * half));
}

// Where along `length` pixels from `start` a tray of `side` pixels sits.
int along(PanelPlacement::Along where, int start, int length, int side) {
    switch (where) {
    case PanelPlacement::Along::Start:
        return start;
    case PanelPlacement::Along::Middle:
        return start + length / 2 - side / 2;
    case PanelPlacement::Along::End:
        break;
    }
    return start + length - side;
}

// The tray's place on the band that a bar reserves on `area`. Nothing when no band is reserved.
std::optional<QRect> trayOnBar(const PanelPlacement::Area& area) {
    const QRect& s = area.screen;
    const QRect& u = area.usable;
    const int side = 2 * PanelPlacement::pointHalf;
    const int top = u.y() - s.y();
    const int bottom = endY(s) - endY(u);
    const int left = u.x() - s.x();
    const int right = endX(s) - endX(u);
    const int widest = std::max({top, bottom, left, right});
    if (!u.isValid() || widest <= 0) {
        return std::nullopt;
    }
    const int x = along(area.tray, u.x(), u.width(), side);
    const int y = along(area.tray, u.y(), u.height(), side);
    if (widest == top) {
        return QRect(x, s.y(), side, top);
    }
    if (widest == bottom) {
        return QRect(x, endY(u), side, bottom);
    }
    if (widest == right) {
        return QRect(endX(u), y, right, side);
    }
    return QRect(s.x(), y, left, side);
}

std::optional<QRect> barAnchor(const QList<PanelPlacement::Area>& areas) {
    std::optional<QRect> first;
    for (const auto& area : areas) {
        const auto end = trayOnBar(area);
        if (end && area.focused) {
            return end;
        }
        if (end && !first) {
            first = end;
        }
    }
    return first;
}

} // namespace

QRect PanelPlacement::anchor(const Clues& clues, const QList<QRect>& screens,
                             const QRect& primary) {
    const auto saysWhere = [](const QPoint& click) {
        return click.x() >= iconRelativeLimit || click.y() >= iconRelativeLimit;
    };
    // Where the compositor tells where its bars are, a click elsewhere was not on a tray: a
    // host that counts from its own output's corner (not the screen's) says such a point.
    const auto onABar = [&](const QPoint& click) {
        const auto barred = [](const Area& area) { return area.usable != area.screen; };
        const auto holds = [&](const Area& area) {
            return area.screen.contains(click) && !area.usable.contains(click);
        };
        return std::none_of(clues.areas.begin(), clues.areas.end(), barred) ||
               std::any_of(clues.areas.begin(), clues.areas.end(), holds);
    };
    if (clues.click && saysWhere(*clues.click) && onAScreen(*clues.click, screens) &&
        onABar(*clues.click)) {
        return around(*clues.click);
    }
    if (clues.icon.isValid()) {
        return clues.icon;
    }
    if (clues.pointer && onAScreen(*clues.pointer, screens)) {
        return around(*clues.pointer);
    }
    if (const auto bar = barAnchor(clues.areas)) {
        return *bar;
    }
    return QRect(endX(primary) - 2 * pointHalf, primary.y(), 2 * pointHalf, 2 * pointHalf);
}

int PanelPlacement::cappedHeight(const QRect& available, int wanted) {
    return std::max(0, std::min(available.height() - heightAllowance, wanted));
}

PanelPlacement::Placed PanelPlacement::frame(const QRect& anchor, const QRect& available,
                                             const QSize& wanted) {
    const int w = wanted.width();
    const int h = cappedHeight(available, wanted.height());

    int x = anchor.x() + anchor.width() / 2 - w / 2;
    x = std::max(x, available.x() + screenInset);
    x = std::min(x, endX(available) - w - screenInset);

    const int anchorMid = anchor.y() + anchor.height() / 2;
    const bool above = anchorMid >= available.y() + available.height() / 2;
    int top = above ? anchor.y() - anchorGap + margin - h : endY(anchor) + anchorGap - margin;
    top = keepSheetInside(top, h, available);
    return {QRect(x, top, w, h), above};
}

QRect PanelPlacement::resized(const QRect& current, bool above, const QRect& available,
                              const QSize& wanted) {
    const int h = cappedHeight(available, wanted.height());
    int top = above ? endY(current) - h : current.y();
    top = keepSheetInside(top, h, available);
    return QRect(current.x(), top, wanted.width(), h);
}

} // namespace glowdeck
