#include "EmptyState.h"

#include "GlyphLabel.h"
#include "PanelStyle.h"
#include "PillButton.h"
#include "ToneLabel.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace glowdeck {

EmptyState::EmptyState(QWidget* parent) : QWidget(parent) {
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 18, 0, 18);
    column->setSpacing(12);

    column->addWidget(new GlyphLabel("lightbulb.2", 32, {}, this), 0, Qt::AlignHCenter);

    auto* title = new ToneLabel(tr("No Lights Found"), PanelStyle::headline(),
                                ToneLabel::Tone::Primary, this);
    title->setAlignment(Qt::AlignCenter);
    column->addWidget(title);

    auto* hint = new ToneLabel(tr("Connect to the same Wi-Fi as your WiZ lights to get started."),
                               PanelStyle::body(), ToneLabel::Tone::Secondary, this);
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    column->addWidget(hint);

    add_ = new PillButton(tr("Add Light…"), PillButton::Kind::Plain, PanelStyle::body(), this);
    connect(add_, &QPushButton::clicked, this, &EmptyState::addRequested);
    column->addWidget(add_, 0, Qt::AlignHCenter);
}

} // namespace glowdeck
