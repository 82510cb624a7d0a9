#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QPoint>
#include <QRect>

#include <functional>
#include <memory>
#include <optional>

class QSystemTrayIcon;

namespace glowdeck {

class DockedTrayIcon;
class StatusNotifierItem;

// The program's icon, on whichever tray the desktop has: a StatusNotifierItem while a
// StatusNotifierWatcher runs on the session bus, else an XEmbed icon (QSystemTrayIcon). Where
// GNOME Shell runs the watcher and also an XEmbed tray (its AppIndicator extension does both), a
// window of the program's own docked there (DockedTrayIcon) stands in for the item: the extension
// passes every single click on it, and only double clicks to an item. It follows the watcher and
// the trays starting and going away, and is never shown twice.
class TrayIcon : public QObject {
public:
    enum class Kind { None, StatusNotifier, XEmbed };

    // A click on the icon: left, middle or right. `at`: where, when the tray said.
    std::function<void(std::optional<QPoint> at)> onClick;

    explicit TrayIcon(const QDBusConnection& bus);
    ~TrayIcon() override;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Puts the icon on the tray there is, and on the one that comes later if there is none.
    void show();

    Kind kind() const { return kind_; }
    // The icon's place on the screen where the tray says (XEmbed), else an empty rectangle.
    QRect geometry() const;

    StatusNotifierItem* statusNotifierItem() const { return item_.get(); }
    QSystemTrayIcon* xembedIcon() const { return xembed_.get(); }

private:
    void follow();
    void click(std::optional<QPoint> at);

    QDBusConnection bus_;
    std::unique_ptr<StatusNotifierItem> item_;
    std::unique_ptr<QSystemTrayIcon> xembed_;
    std::unique_ptr<DockedTrayIcon> docked_;
    Kind kind_ = Kind::None;
};

} // namespace glowdeck
