// Saves a screenshot of KWin's whole workspace as PNG, for the session test on KDE Plasma.
//
//   glowdeck_kwin_screenshot OUT.png          KWin on its virtual output, compositing with OpenGL
//   glowdeck_kwin_screenshot --x11 OUT.png    KWin drawing into a window on the X display $DISPLAY
//
// KWin offers its ScreenShot2 D-Bus interface only while it composites with OpenGL, which KWin 6
// does only on a DRM render node. There KWin hands the picture over a pipe passed with the call
// (the session lets every client take screenshots), as raw pixels described by the call's reply.
// Without a render node the session runs KWin in a window that fills an X server's screen
// instead, and the picture is that screen's root window.

#include <QDBusInterface>
#include <QDBusReply>
#include <QDBusUnixFileDescriptor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QVariantMap>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

QByteArray readAll(int fd) {
    QByteArray data;
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n > 0) {
            data.append(chunk, n);
        } else if (n == 0 || errno != EINTR) {
            return data;
        }
    }
}

bool save(const QImage& image, const char* path) {
    if (image.isNull() || !image.save(QString::fromLocal8Bit(path), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", path);
        return false;
    }
    return true;
}

int captureWorkspace(const char* path) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        std::perror("pipe2");
        return 1;
    }
    QDBusInterface kwin(QStringLiteral("org.kde.KWin"), QStringLiteral("/org/kde/KWin/ScreenShot2"),
                        QStringLiteral("org.kde.KWin.ScreenShot2"));
    QDBusReply<QVariantMap> reply;
    {
        const QDBusUnixFileDescriptor writeEnd(fds[1]);
        ::close(fds[1]);
        reply = kwin.call(QStringLiteral("CaptureWorkspace"), QVariantMap(),
                          QVariant::fromValue(writeEnd));
    }
    if (!reply.isValid()) {
        ::close(fds[0]);
        std::fprintf(stderr, "CaptureWorkspace: %s\n", qPrintable(reply.error().message()));
        return 1;
    }
    // KWin writes the pixels after its reply, and closes its end when done.
    const QByteArray pixels = readAll(fds[0]);
    ::close(fds[0]);

    const QVariantMap results = reply.value();
    const int width = results.value(QStringLiteral("width")).toInt();
    const int height = results.value(QStringLiteral("height")).toInt();
    const int stride = results.value(QStringLiteral("stride")).toInt();
    const auto format =
        static_cast<QImage::Format>(results.value(QStringLiteral("format")).toInt());
    if (width <= 0 || height <= 0 || static_cast<qsizetype>(stride) * height > pixels.size()) {
        std::fprintf(stderr, "a %dx%d picture (stride %d) in %lld bytes\n", width, height, stride,
                     static_cast<long long>(pixels.size()));
        return 1;
    }
    const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), width, height, stride,
                       format);
    return save(image, path) ? 0 : 1;
}

int captureRootWindow(const char* path) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        std::fputs("the X display has no screen\n", stderr);
        return 1;
    }
    return save(screen->grabWindow(0).toImage(), path) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const bool x11 = argc == 3 && std::strcmp(argv[1], "--x11") == 0;
    if (argc != 2 && !x11) {
        std::fputs("usage: glowdeck_kwin_screenshot [--x11] OUT.png\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", x11 ? "xcb" : "offscreen");
    QGuiApplication application(argc, argv);
    return x11 ? captureRootWindow(argv[2]) : captureWorkspace(argv[1]);
}
