#include "LightTile.h"

#include "LightPicker.h"
#include "PanelStyle.h"
#include "PowerButton.h"
#include "PowerSwitch.h"
#include "ToneLabel.h"
#include "model/Lights.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace glowdeck {

LightTile::LightTile(Lights& lights, QWidget* parent) : QWidget(parent), lights_(lights) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);

    power_ = new PowerButton(this);
    connect(power_, &QAbstractButton::clicked, this, [this] { sendPower(!power_->isOn()); });
    row->addWidget(power_, 0, Qt::AlignVCenter);

    auto* names = new QVBoxLayout;
    names->setSpacing(3);
    names->setContentsMargins(0, 0, 0, 0);
    name_ = new ToneLabel(QString(), PanelStyle::headline(), ToneLabel::Tone::Primary, this);
    picker_ = new LightPicker(lights, this);
    picker_->hide();
    status_ = new ToneLabel(QString(), PanelStyle::caption(), ToneLabel::Tone::Secondary, this);
    names->addWidget(name_);
    names->addWidget(picker_, 0, Qt::AlignLeft);
    names->addWidget(status_);
    row->addLayout(names, 1);

    switch_ = new PowerSwitch(this);
    connect(switch_, &PowerSwitch::flipped, this, &LightTile::sendPower);
    row->addWidget(switch_, 0, Qt::AlignVCenter);
}

void LightTile::show(const Bulb& bulb, std::size_t count, WallTime now) {
    power_->setOn(bulb.on);
    switch_->setReported(bulb.on);
    const QString name = QString::fromStdString(bulb.name);
    const bool picking = count >= 2;
    if (picking) {
        picker_->setLight(name, bulb.ip);
    } else {
        name_->setTextIfChanged(name);
    }
    if (picker_->isVisibleTo(this) != picking) {
        picker_->setVisible(picking);
        name_->setVisible(!picking);
    }
    status_->setTextIfChanged(!bulb.responding(now) ? tr("Not responding")
                              : bulb.on             ? tr("On")
                                                    : tr("Off"));
}

void LightTile::sendPower(bool on) {
    lights_.control({{"state", on}}, false);
}

} // namespace glowdeck
