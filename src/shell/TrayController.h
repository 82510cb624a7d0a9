#pragma once

#include "model/ChangeSignal.h"
#include "model/SocketApi.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QTimer>

#include <memory>
#include <optional>

namespace glowdeck {

class DesktopClickCatcher;
class EventLoop;
class Lights;
class PanelWindow;
class OutsideClickWatch;
class SleepWatcher;
class Store;
class TrayIcon;

// The program's tray side: owns the lights, the tray icon and the panel for the whole run, shows
// and hides the panel, and keeps the lights told whether the panel is shown.
class TrayController : public QObject {
public:
    // Quiet time after the lights' last change before the panel is fitted to its content.
    static constexpr int resizeDebounceMs = 50;
    // A tray click this soon after the panel hid because the focus left it, or for a click
    // elsewhere, is the very click that hid it (a click on a StatusNotifierItem reaches both
    // the tray and the outside-click watch): it must not reopen the panel.
    static constexpr int reopenGuardMs = 300;

    // Nothing happens until start(). The store, loop and socket layer must outlive the tray
    // controller.
    TrayController(Store& defaults, EventLoop& loop, SocketApi& sockets = SocketApi::system());
    ~TrayController() override;
    TrayController(const TrayController&) = delete;
    TrayController& operator=(const TrayController&) = delete;

    // Creates the lights (nothing goes to the network), the tray icon and the hidden panel, and
    // subscribes to sleep events.
    void start();

    // The tray icon's action: hides a shown panel, or places and shows a hidden one, under the
    // point where the tray said it was clicked, if it said.
    void togglePanel(std::optional<QPoint> click = std::nullopt);
    // Shows the panel, or brings a shown one to the front (a second start of the program asks
    // this).
    void showPanel();
    // Ends the shown-time activity, the sleep subscription and the lights.
    void stop();

    Lights* lights() const { return lights_.get(); }
    PanelWindow* panel() const { return panel_.get(); }
    TrayIcon* trayIcon() const { return trayIcon_.get(); }
    SleepWatcher* sleepWatcher() const { return sleepWatcher_.get(); }
    OutsideClickWatch* outsideMonitor() const { return outsideMonitor_.get(); }
    bool resizing() const { return sizeUpdates_.has_value(); }
    bool openedAbove() const { return openedAbove_; }

    // Where the last opening anchored the panel.
    QRect lastAnchor() const { return anchor_; }

private:
    void startPanelActivity();
    void stopPanelActivity();
    void fitToContent();
    QRect anchorRect(std::optional<QPoint> click) const;

    Store& defaults_;
    EventLoop& loop_;
    SocketApi& sockets_;

    std::unique_ptr<Lights> lights_;
    std::unique_ptr<TrayIcon> trayIcon_;
    std::unique_ptr<PanelWindow> panel_;
    std::unique_ptr<OutsideClickWatch> outsideMonitor_;
    // Over the desktop background while the panel is shown, on desktops whose background takes
    // clicks without moving the focus (see DesktopClickCatcher).
    std::unique_ptr<DesktopClickCatcher> desktopCover_;
    bool coverDesktop_ = false;
    std::optional<ChangeSignal::Connection> sizeUpdates_;
    QTimer sizeTimer_;
    std::unique_ptr<SleepWatcher> sleepWatcher_;
    QMetaObject::Connection sleepEvents_;

    QRect anchor_;
    bool openedAbove_ = false;
    bool terminated_ = false;
    // Since the panel last hid for a click elsewhere or the focus leaving it.
    QElapsedTimer hiddenFromOutside_;
};

} // namespace glowdeck
