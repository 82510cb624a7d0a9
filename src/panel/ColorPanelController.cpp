#include "ColorPanelController.h"

#include <QColorDialog>

#include <utility>

namespace glowdeck {

ColorPanelController::ColorPanelController(QObject* parent) : QObject(parent) {
    pending_.setSingleShot(true);
    pending_.setTimerType(Qt::PreciseTimer);
    pending_.setInterval(debounceMs);
    connect(&pending_, &QTimer::timeout, this, &ColorPanelController::deliver);
}

ColorPanelController::~ColorPanelController() {
    pending_.stop();
    if (dialog_)
        dialog_->disconnect(this);
}

void ColorPanelController::show(const QColor& color, std::function<void(const QColor&)> onChange) {
    onChange_ = std::move(onChange);
    if (!dialog_) {
        dialog_ = std::make_unique<QColorDialog>();
        // Qt's own dialog reports every intermediate colour while the user drags, which a
        // platform dialog may not.
        dialog_->setOptions(QColorDialog::NoButtons | QColorDialog::DontUseNativeDialog);
        dialog_->setModal(false);
        dialog_->setWindowTitle(tr("Colors"));
        connect(dialog_.get(), &QColorDialog::currentColorChanged, this,
                &ColorPanelController::colorChanged);
    }
    settingColor_ = true;
    dialog_->setCurrentColor(color);
    settingColor_ = false;
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

void ColorPanelController::dismiss() {
    pending_.stop();
    pendingCallback_ = nullptr;
    onChange_ = nullptr;
    hide();
}

void ColorPanelController::hide() {
    if (dialog_)
        dialog_->hide();
}

void ColorPanelController::colorChanged(const QColor& color) {
    if (settingColor_)
        return;
    const QColor srgb = color.toRgb();
    if (!srgb.isValid())
        return;
    pending_.stop();
    pendingColor_ = srgb;
    pendingCallback_ = onChange_;
    pending_.start();
}

void ColorPanelController::deliver() {
    // The callback may show or dismiss the picker again; work on copies.
    auto callback = std::exchange(pendingCallback_, nullptr);
    const QColor color = pendingColor_;
    if (callback)
        callback(color);
}

} // namespace glowdeck
