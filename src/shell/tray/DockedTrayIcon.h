#pragma once

#include <QAbstractNativeEventFilter>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <functional>

namespace glowdeck {

// The tray icon as a small X window of the program's own, docked in the XEmbed system tray that
// owns the screen's _NET_SYSTEM_TRAY_S<n> selection. For GNOME Shell: its AppIndicator extension
// hosts such icons beside StatusNotifierItems, and forwards every click on one to its window as a
// button press and release, where an item only ever hears of double clicks (see TrayIcon).
// Qt's own XEmbed icon cannot be used there: Qt takes the D-Bus path whenever a StatusNotifierItem
// host runs.
//
// The window has the visual the tray asks for, asks for `side` x `side` pixels, and shows the
// image `render` draws at its actual size: over transparency in an ARGB visual, else over the
// tray's background. Without an X server or a tray, nothing is docked.
class DockedTrayIcon : public QAbstractNativeEventFilter {
public:
    static constexpr int side = 16;

    // A press of the left, middle or right button on the icon.
    std::function<void()> onClick;
    // When a tray starts or the running one goes away.
    std::function<void()> onTrayChanged;

    explicit DockedTrayIcon(std::function<QImage(int size)> render);
    ~DockedTrayIcon() override;
    DockedTrayIcon(const DockedTrayIcon&) = delete;
    DockedTrayIcon& operator=(const DockedTrayIcon&) = delete;

    // Whether a tray that can take the icon runs.
    bool trayRunning() const { return tray_ != 0 && visual_ != 0; }

    // Docks the icon in the running tray (again, after the tray restarted), or takes it out.
    void setDocked(bool docked);
    bool docked() const { return docked_; }

    // Where the tray shows the icon's window, in Qt's logical pixels; empty while not docked.
    QRect geometry() const;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

private:
    void findTray();
    void createWindow();
    void requestDock();
    void paint();

    std::function<QImage(int)> render_;
    uint32_t root_ = 0;
    uint32_t selection_ = 0;
    uint32_t managerAtom_ = 0;
    // The tray's window, and the visual it asks icons to use (0 when none, or one whose pixels
    // the icon cannot be drawn in).
    uint32_t tray_ = 0;
    uint32_t visual_ = 0;
    uint8_t depth_ = 0;
    uint32_t colormap_ = 0;
    uint32_t window_ = 0;
    uint32_t gc_ = 0;
    int width_ = side;
    int height_ = side;
    bool docked_ = false;
    bool mapped_ = false;
};

} // namespace glowdeck
