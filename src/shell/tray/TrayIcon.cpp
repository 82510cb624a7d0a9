#include "TrayIcon.h"

#include "shell/desktop/X11Support.h"
#include "shell/tray/DockedTrayIcon.h"
#include "shell/tray/StatusNotifierItem.h"
#include "shell/tray/TrayIconImage.h"
#include "shell/window/PanelLog.h"

#include <QApplication>
#include <QSystemTrayIcon>
#include <QWidget>

#include <algorithm>
#include <cstdio>

namespace glowdeck {

TrayIcon::TrayIcon(const QDBusConnection& bus) : bus_(bus) {}

TrayIcon::~TrayIcon() = default;

void TrayIcon::show() {
    if (item_ || xembed_) {
        return;
    }
    item_ = std::make_unique<StatusNotifierItem>(bus_, TrayIconImage::images());
    item_->onClick = [this](QPoint at) { click(at); };
    item_->onWatcherChanged = [this] { follow(); };
    if (!item_->publish()) {
        item_.reset();
    }
    follow();
    if (kind_ == Kind::XEmbed && xembed_ && !QSystemTrayIcon::isSystemTrayAvailable()) {
        std::fputs("glowdeck: no system tray is available yet; the icon appears when one "
                   "starts.\n",
                   stderr);
    }
}

void TrayIcon::click(std::optional<QPoint> at) {
    if (onClick) {
        onClick(at);
    }
}

void TrayIcon::follow() {
    if (item_ && item_->watched()) {
        if (item_->gnomeHost() && !docked_ && X11Support::available()) {
            docked_ = std::make_unique<DockedTrayIcon>(&TrayIconImage::render);
            docked_->onClick = [this] { click(std::nullopt); };
            docked_->onTrayChanged = [this] { follow(); };
        }
        const bool dock = item_->gnomeHost() && docked_ && docked_->trayRunning();
        if (docked_) {
            docked_->setDocked(dock);
        }
        item_->setWithdrawn(dock);
        kind_ = dock ? Kind::XEmbed : Kind::StatusNotifier;
        if (xembed_) {
            xembed_->hide();
        }
        return;
    }
    if (docked_) {
        docked_->setDocked(false);
    }
    if (item_) {
        item_->setWithdrawn(false);
    }
    kind_ = Kind::XEmbed;
    // Made only while no watcher runs: Qt decides once per run whether its tray icons use
    // D-Bus, and this one must not.
    if (!xembed_) {
        xembed_ = std::make_unique<QSystemTrayIcon>(TrayIconImage::icon());
        xembed_->setToolTip(QStringLiteral("Glowdeck"));
        connect(xembed_.get(), &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    qCDebug(panelLog) << "tray icon activated, reason" << reason;
                    // A double click's first click has come as a Trigger already.
                    if (reason != QSystemTrayIcon::DoubleClick && onClick) {
                        onClick(std::nullopt);
                    }
                });
    }
    xembed_->show();
}

QRect TrayIcon::geometry() const {
    if (kind_ == Kind::XEmbed && docked_ && docked_->docked()) {
        return docked_->geometry();
    }
    if (kind_ != Kind::XEmbed || !xembed_) {
        return QRect();
    }
    QRect icon = xembed_->geometry();
    // Qt's idea of where the embedded icon is, and of its size, goes stale when the tray moves
    // or resizes it; the server knows. The icon is the window Qt's XEmbed tray icon made for it.
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto found = std::find_if(windows.begin(), windows.end(), [](const QWidget* window) {
        return window->inherits("QSystemTrayIconSys") && window->isVisible();
    });
    if (found != windows.end() && icon.isValid()) {
        if (const auto server = X11Support::rootGeometry((*found)->windowHandle())) {
            icon = *server;
        }
    }
    return icon;
}

} // namespace glowdeck
