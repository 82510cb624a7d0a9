#include "AllLightsRow.h"

#include "PanelStyle.h"
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
    on_ = new QPushButton(tr("On"), this);
    off_ = new QPushButton(tr("Off"), this);
    for (QPushButton* button : {on_, off_}) {
        button->setFont(PanelStyle::caption());
        button->setFocusPolicy(Qt::TabFocus);
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    connect(on_, &QPushButton::clicked, this, [&lights] {
        lights.control({{"state", true}}, true);
    });
    connect(off_, &QPushButton::clicked, this, [&lights] {
        lights.control({{"state", false}}, true);
    });
}

} // namespace glowdeck
