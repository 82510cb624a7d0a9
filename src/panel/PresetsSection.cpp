#include "PresetsSection.h"

#include "PanelStyle.h"
#include "PresetName.h"
#include "PresetTile.h"
#include "SectionLayout.h"
#include "ToneLabel.h"
#include "model/Lights.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace glowdeck {

namespace {
constexpr int columns = 3;
constexpr int gap = 7;

// Why a preset the light cannot show is disabled.
QString cannotShow(DeviceClass::Kind kind) {
    switch (kind) {
    case DeviceClass::Kind::TunableWhite:
        return PresetsSection::tr("A tunable-white bulb cannot show this preset.");
    case DeviceClass::Kind::DimmableWhite:
        return PresetsSection::tr("A dimmable-white bulb cannot show this preset.");
    case DeviceClass::Kind::Plug:
        return PresetsSection::tr("A plug cannot show presets.");
    case DeviceClass::Kind::FanLight:
        return PresetsSection::tr("A fan light cannot show presets.");
    case DeviceClass::Kind::Color:
        break;
    }
    return {};
}
} // namespace

PresetsSection::PresetsSection(Lights& lights, QWidget* parent) : QWidget(parent) {
    auto* column = SectionLayout::column(this);
    activeName_ = new ToneLabel(QString(), PanelStyle::caption(), ToneLabel::Tone::Secondary, this);
    activeName_->hide();
    column->addLayout(SectionLayout::header(tr("Presets"), activeName_, this));

    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(gap);
    grid->setVerticalSpacing(gap);
    int index = 0;
    for (const LightPreset& preset : LightPreset::all) {
        auto* tile = new PresetTile(preset, this);
        const std::int64_t id = preset.id;
        connect(tile, &PresetTile::chosen, this, [&lights, id] {
            lights.control({{"state", true}, {"sceneId", id}}, false);
        });
        tiles_.append(tile);
        grid->addWidget(tile, index / columns, index % columns);
        ++index;
    }
    for (int c = 0; c < columns; ++c)
        grid->setColumnStretch(c, 1);
    column->addLayout(grid);
}

void PresetsSection::show(const Bulb& bulb) {
    const LightPreset* active = LightPreset::active(bulb);
    for (PresetTile* tile : tiles_) {
        tile->setActive(&tile->preset() == active);
        const bool shows = bulb.device.hasScene(tile->preset().id);
        if (tile->isEnabled() != shows)
            tile->setEnabled(shows);
        const QString why = shows ? QString() : cannotShow(bulb.device.kind);
        if (tile->accessibleDescription() != why)
            tile->setAccessibleDescription(why);
    }
    if (active != nullptr)
        activeName_->setTextIfChanged(PresetName::of(*active));
    if (activeName_->isVisibleTo(this) != (active != nullptr))
        activeName_->setVisible(active != nullptr);
}

} // namespace glowdeck
