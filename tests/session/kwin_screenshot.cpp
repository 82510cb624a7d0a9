// Saves a screenshot of KWin's whole workspace as PNG, for the session test on KDE Plasma. KWin
// hands the picture over a pipe passed with its ScreenShot2 D-Bus call (the session lets every
// client take screenshots), as raw pixels described by the call's reply.
//
//   glowdeck_kwin_screenshot OUT.png

#include <QDBusInterface>
#include <QDBusReply>
#include <QDBusUnixFileDescriptor>
#include <QGuiApplication>
#include <QImage>
#include <QVariantMap>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

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

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: glowdeck_kwin_screenshot OUT.png\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

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
    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
