// Writes the tray icon's drawing as the PNG files of the hicolor icon theme, for installing
// beside the scalable icon: DIR/NxN/apps/glowdeck.png for each size given.
//
//   glowdeck-render-icons DIR SIZE...

#include "shell/tray/TrayIconImage.h"

#include <QDir>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: glowdeck-render-icons DIR SIZE...\n", stderr);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (size <= 0 || !root.mkpath(folder) ||
            !glowdeck::TrayIconImage::render(size).save(
                root.filePath(folder + QStringLiteral("/glowdeck.png")))) {
            std::fprintf(stderr, "cannot write the %s px icon\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
