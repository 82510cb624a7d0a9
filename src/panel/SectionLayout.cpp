#include "SectionLayout.h"

#include "PanelStyle.h"
#include "ToneLabel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace glowdeck {

QVBoxLayout* SectionLayout::column(QWidget* section) {
    section->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    auto* column = new QVBoxLayout(section);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    return column;
}

QHBoxLayout* SectionLayout::header(const QString& title, ToneLabel* detail, QWidget* section) {
    auto* header = new QHBoxLayout;
    header->setContentsMargins(0, 0, 0, 0);
    header->addWidget(
        new ToneLabel(title, PanelStyle::headline(), ToneLabel::Tone::Primary, section));
    header->addStretch(1);
    if (detail != nullptr) {
        detail->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        header->addWidget(detail);
    }
    return header;
}

} // namespace glowdeck
