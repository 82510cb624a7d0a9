#include "TrayController.h"

#include "model/Lights.h"
#include "panel/Panel.h"
#include "panel/PanelHeader.h"
#include "shell/StartAtLogin.h"
#include "shell/desktop/Autostart.h"
#include "shell/desktop/DevicePixels.h"
#include "shell/desktop/DisplayPlatform.h"
#include "shell/desktop/SleepWatcher.h"
#include "shell/desktop/SwayIpc.h"
#include "shell/desktop/WaybarConfig.h"
#include "shell/tray/TrayIcon.h"
#include "shell/window/DesktopClickCatcher.h"
#include "shell/window/OutsideClickWatch.h"
#include "shell/window/PanelLog.h"
#include "shell/window/PanelPlacement.h"
#include "shell/window/PanelWindow.h"

#include <QCursor>
#include <QDBusConnection>
#include <QGuiApplication>
#include <QScreen>

namespace glowdeck {

TrayController::TrayController(Store& defaults, EventLoop& loop, SocketApi& sockets)
    : defaults_(defaults), loop_(loop), sockets_(sockets) {
    sizeTimer_.setSingleShot(true);
    sizeTimer_.setInterval(resizeDebounceMs);
    connect(&sizeTimer_, &QTimer::timeout, this, [this] { fitToContent(); });
}

TrayController::~TrayController() {
    if (panel_) {
        panel_->onHide = nullptr;
    }
    outsideMonitor_.reset();
    desktopCover_.reset();
    sizeUpdates_.reset();
    disconnect(sleepEvents_);
    // The panel's views refer to the lights: they go first.
    panel_.reset();
    trayIcon_.reset();
    lights_.reset();
}

void TrayController::start() {
    if (lights_) {
        return;
    }
    lights_ = std::make_unique<Lights>(false, defaults_, loop_, sockets_);
    coverDesktop_ = DesktopClickCatcher::wanted();

    trayIcon_ = std::make_unique<TrayIcon>(QDBusConnection::sessionBus());
    trayIcon_->onClick = [this](std::optional<QPoint> at) { togglePanel(at); };
    trayIcon_->show();

    auto* view = new Panel(*lights_);
    PanelHeader* header = view->header();
    attachStartAtLogin(*header->startAtLoginAction(), *header->optionsMenu(),
                       Autostart::forThisProgram(), *lights_);
    panel_ = std::make_unique<PanelWindow>(view);
    panel_->onHide = [this] { stopPanelActivity(); };

    sleepWatcher_ = std::make_unique<SleepWatcher>();
    sleepEvents_ = connect(sleepWatcher_.get(), &SleepWatcher::sleeping, this, [this] {
        if (panel_) {
            qCDebug(panelLog) << "hidden for sleep";
            panel_->hide();
        }
    });
}

void TrayController::togglePanel(std::optional<QPoint> click) {
    if (!panel_) {
        return;
    }
    if (panel_->isVisible()) {
        qCDebug(panelLog) << "hidden by a click on the icon";
        panel_->hide();
        return;
    }
    if (hiddenFromOutside_.isValid() && hiddenFromOutside_.elapsed() < reopenGuardMs) {
        qCDebug(panelLog)
            << "a click on the icon" << hiddenFromOutside_.elapsed()
            << "ms after a hide by a click elsewhere or focus loss: taken as the same click";
        hiddenFromOutside_.invalidate();
        return;
    }

    anchor_ = anchorRect(click);
    const QSize wanted = panel_->fittingSize();
    QScreen* screen = QGuiApplication::screenAt(anchor_.center());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen != nullptr) {
        const auto placed = PanelPlacement::frame(anchor_, screen->availableGeometry(), wanted);
        openedAbove_ = placed.above;
        qCDebug(panelLog) << "opened at" << placed.frame << "for the anchor" << anchor_;
        panel_->place(placed.frame);
    } else {
        // No screen to place it on: keep the last position, at the content's size.
        openedAbove_ = false;
        panel_->resize(wanted);
    }
    panel_->showAndActivate();
    startPanelActivity();
}

void TrayController::showPanel() {
    if (!panel_) {
        return;
    }
    if (panel_->isVisible()) {
        panel_->showAndActivate();
        return;
    }
    hiddenFromOutside_.invalidate();
    togglePanel();
}

void TrayController::startPanelActivity() {
    if (!lights_->panelVisible()) {
        lights_->setPanelVisible(true);
    }
    // One watch at a time: the old one lets go of what it watched as it goes.
    outsideMonitor_.reset();
    outsideMonitor_ = std::make_unique<OutsideClickWatch>([this] {
        if (panel_ && panel_->isVisible()) {
            qCDebug(panelLog) << "hidden by a click elsewhere or focus loss";
            hiddenFromOutside_.start();
            panel_->hide();
        }
    });
    if (coverDesktop_) {
        desktopCover_ = std::make_unique<DesktopClickCatcher>([this] {
            if (panel_) {
                qCDebug(panelLog) << "hidden by a click on the desktop";
                panel_->hide();
            }
        });
        desktopCover_->cover();
    }
    sizeUpdates_ = lights_->objectWillChange().connect([this] { sizeTimer_.start(); });
}

void TrayController::stopPanelActivity() {
    if (lights_) {
        lights_->setPanelVisible(false);
    }
    outsideMonitor_.reset();
    desktopCover_.reset();
    sizeUpdates_.reset();
    sizeTimer_.stop();
}

void TrayController::stop() {
    if (terminated_ || !lights_) {
        return;
    }
    terminated_ = true;
    stopPanelActivity();
    disconnect(sleepEvents_);
    lights_->shutdown();
}

void TrayController::fitToContent() {
    if (!panel_ || !panel_->isVisible()) {
        return;
    }
    const QSize wanted = panel_->fittingSize();
    QScreen* screen = panel_->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    panel_->place(PanelPlacement::resized(panel_->geometry(), openedAbove_,
                                          screen->availableGeometry(), wanted));
}

QRect TrayController::anchorRect(std::optional<QPoint> click) const {
    PanelPlacement::Clues clues;
    clues.click = click;
    clues.icon = trayIcon_ ? trayIcon_->geometry() : QRect();
    if (!DisplayPlatform::throughXWayland(DisplayPlatform::processEnvironment,
                                          QGuiApplication::platformName().toStdString())) {
        clues.pointer = QCursor::pos();
    }
    // Sway tells where bars reserve space on its outputs, in the X server's pixels, and
    // waybar's configuration at which end of its bar the tray sits.
    const QList<SwayIpc::Output> outputs = SwayIpc::outputs(PanelWindow::defaultSwaySocket());
    const QList<WaybarConfig::Bar> bars =
        outputs.isEmpty() ? QList<WaybarConfig::Bar>() : WaybarConfig::running();
    for (const SwayIpc::Output& output : outputs) {
        const auto bar = WaybarConfig::on(bars, output.name);
        const auto tray = !bar                                       ? PanelPlacement::Along::End
                          : bar->tray == WaybarConfig::Group::Start  ? PanelPlacement::Along::Start
                          : bar->tray == WaybarConfig::Group::Centre ? PanelPlacement::Along::Middle
                                                                     : PanelPlacement::Along::End;
        clues.areas.append({DevicePixels::toLogical(output.rect),
                            DevicePixels::toLogical(output.usable), output.focused, tray});
    }
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.append(screen->geometry());
    }
    const QScreen* primary = QGuiApplication::primaryScreen();
    return PanelPlacement::anchor(clues, screens,
                                  primary != nullptr ? primary->availableGeometry() : QRect());
}

} // namespace glowdeck
