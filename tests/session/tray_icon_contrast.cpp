// Finds a tray icon on a screenshot and measures how well it stands out from the bar. Within
// the given region of the screenshot the most frequent colour is the bar's background, and the
// largest patch of pixels clearly different from it is the icon. Prints, in screen pixels:
//
//   background #rrggbb
//   icon X Y W H        the box around the icon's pixels
//   contrast R          the contrast ratio (WCAG) with the background that a tenth of the
//                       icon's pixels reach or exceed
//
//   glowdeck_tray_icon_contrast SHOT.png X Y W H
//
// Exits 1 when the region holds no icon.

#include <QColor>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

// A channel difference below this is taken for shading of the bar itself.
constexpr int sameColour = 24;
// Anything smaller is a speck or an edge, not an icon.
constexpr int minimumSide = 6;

double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(QRgb pixel) {
    return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel)) +
           0.0722 * linear(qBlue(pixel));
}

double contrast(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool differs(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) >= sameColour ||
           std::abs(qGreen(a) - qGreen(b)) >= sameColour ||
           std::abs(qBlue(a) - qBlue(b)) >= sameColour;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fputs("usage: glowdeck_tray_icon_contrast SHOT.png X Y W H\n", stderr);
        return 2;
    }
    const QImage shot =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    if (shot.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    const QRect region =
        QRect(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]))
            .intersected(shot.rect());
    if (region.isEmpty()) {
        std::fputs("the region lies outside the screenshot\n", stderr);
        return 2;
    }

    std::map<QRgb, int> counts;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            ++counts[shot.pixel(x, y)];
        }
    }
    const QRgb background =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
    const double backgroundLuminance = luminance(background);

    // The icon is the largest patch of connected (8-neighbour) pixels that differ from the
    // background; specks and edges of the bar elsewhere in the region do not count.
    const auto index = [&](QPoint p) {
        return (p.y() - region.top()) * region.width() + (p.x() - region.left());
    };
    std::vector<bool> seen(static_cast<std::size_t>(region.width() * region.height()));
    std::vector<QPoint> icon;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            const QPoint start(x, y);
            if (seen[index(start)] || !differs(shot.pixel(start), background)) {
                continue;
            }
            std::vector<QPoint> patch{start};
            seen[index(start)] = true;
            for (std::size_t next = 0; next < patch.size(); ++next) {
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint p = patch[next] + QPoint(dx, dy);
                        if (region.contains(p) && !seen[index(p)] &&
                            differs(shot.pixel(p), background)) {
                            seen[index(p)] = true;
                            patch.push_back(p);
                        }
                    }
                }
            }
            if (patch.size() > icon.size()) {
                icon = std::move(patch);
            }
        }
    }
    QRect box;
    std::vector<double> ratios;
    for (const QPoint p : icon) {
        box |= QRect(p, QSize(1, 1));
        ratios.push_back(contrast(luminance(shot.pixel(p)), backgroundLuminance));
    }
    std::printf("background %s\n", qPrintable(QColor(background).name()));
    if (box.width() < minimumSide || box.height() < minimumSide) {
        std::puts("no icon");
        return 1;
    }
    const auto tenth = ratios.begin() + static_cast<std::ptrdiff_t>(ratios.size() * 9 / 10);
    std::nth_element(ratios.begin(), tenth, ratios.end());
    std::printf("icon %d %d %d %d\n", box.x(), box.y(), box.width(), box.height());
    std::printf("contrast %.2f\n", *tenth);
    return 0;
}
