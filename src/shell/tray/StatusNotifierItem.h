#pragma once

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>
#include <QVariantMap>

#include <functional>

class QDBusServiceWatcher;

namespace glowdeck {

// The tray icon as a StatusNotifierItem (org.kde.StatusNotifierItem) on the session bus, for the
// trays that show those: KDE Plasma, GNOME Shell's AppIndicator extension, XFCE, LXQt, waybar.
//
// Category "ApplicationStatus", status "Active", title and tool tip "Glowdeck", the icon as
// pixmaps, ItemIsMenu false and no menu. A left click (Activate), a middle click
// (SecondaryActivate) and a right click (ContextMenu) each report a click at the screen position
// the host passed. The item registers with the StatusNotifierWatcher whenever one is on the bus,
// and again each time a new one starts.
//
// GNOME Shell's AppIndicator extension shows no item without a menu path (as shipped for
// GNOME 43), so where GNOME Shell owns the watcher the item names an empty menu. The extension
// calls Activate on a double click only (GNOME 43's on the first single click too, until one
// call has succeeded); TrayIcon therefore docks an XEmbed icon there instead when it can, and
// withdraws the item.
class StatusNotifierItem : public QDBusVirtualObject {
public:
    static constexpr char interfaceName[] = "org.kde.StatusNotifierItem";
    static constexpr char itemPath[] = "/StatusNotifierItem";
    static constexpr char menuPath[] = "/MenuBar";
    static constexpr char watcherService[] = "org.kde.StatusNotifierWatcher";

    // A click on the icon, at the position the host gave (its own notion of screen
    // coordinates; (0, 0) from hosts that do not say).
    std::function<void(QPoint at)> onClick;
    // When a watcher starts, or the running one goes away; before the item registers with a
    // new one.
    std::function<void()> onWatcherChanged;

    // `images`: the icon at each size offered to hosts.
    StatusNotifierItem(const QDBusConnection& bus, QList<QImage> images, QObject* parent = nullptr);
    ~StatusNotifierItem() override;
    StatusNotifierItem(const StatusNotifierItem&) = delete;
    StatusNotifierItem& operator=(const StatusNotifierItem&) = delete;

    // Whether a StatusNotifierWatcher is on `bus` now.
    static bool watcherRunning(const QDBusConnection& bus);

    // Puts the item on the bus under its own name, and registers it with the watcher: now, if
    // one runs, and whenever one starts. False when the bus is not connected or refused the
    // name or the object.
    bool publish();

    // Takes the item off the bus (the watcher forgets an item whose name goes away) while
    // another icon stands for the program, or puts it back and registers it again. A withdrawn
    // item registers with no watcher that starts; onWatcherChanged still reports them.
    void setWithdrawn(bool withdrawn);

    // Whether a watcher runs, and whether it has accepted the item.
    bool watched() const { return watched_; }
    bool registered() const { return registered_; }
    // Whether the watcher is GNOME Shell's (see above).
    bool gnomeHost() const { return !gnomeShell_.isEmpty(); }
    const QString& serviceName() const { return service_; }

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    void watcherStarted();
    void watcherGone();
    void registerWithWatcher();
    void setWatched(bool watched);
    QVariantMap properties() const;
    bool handleItem(const QDBusMessage& message, const QDBusConnection& connection);
    bool handleMenu(const QDBusMessage& message, const QDBusConnection& connection);
    bool handleProperties(const QDBusMessage& message, const QDBusConnection& connection,
                          const QVariantMap& all, const QString& interface);

    QDBusConnection bus_;
    QString service_;
    QList<QImage> images_;
    QDBusServiceWatcher* watcher_ = nullptr;
    bool published_ = false;
    bool watched_ = false;
    bool registered_ = false;
    bool withdrawn_ = false;
    // GNOME Shell's unique bus name, where it owns the watcher.
    QString gnomeShell_;
    // Counts registrations, so that the answer to one that a newer one replaced is ignored.
    int registration_ = 0;
};

} // namespace glowdeck
