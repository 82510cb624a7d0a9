#include "AllLightsRow.h"

#include "PanelStyle.h"
#include "PillButton.h"
#include "ToneLabel.h"
#include "model/Lights.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace glowdeck {

AllLightsRow::AllLightsRow(Lights& lights, QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 4, 4, 4);
    row->addWidget(
        new ToneLabel(tr("All Lights"), PanelStyle::caption(), ToneLabel::Tone::Secondary, this));
    row->addStretch(1);
    on_ = new PillButton(tr("On"), PillButton::Kind::Plain, PanelStyle::caption(), this);
    off_ = new PillButton(tr("Off"), PillButton::Kind::Plain, PanelStyle::caption(), this);
    row->addWidget(on_);
    row->addWidget(off_);
    connect(on_, &QPushButton::clicked, this, [&lights] {
        lights.control({{"state", true}}, true);
    });
    connect(off_, &QPushButton::clicked, this, [&lights] {
        lights.control({{"state", false}}, true);
    });
}

} // namespace glowdeck
