#include "ControlTile.h"

#include <QHBoxLayout>

namespace glowdeck {

ControlTile::ControlTile(QWidget* content, QWidget* parent) : QWidget(parent), content_(content) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(inset, inset, inset, inset);
    row->setSpacing(0);
    // Content that wants the width gets all of it; anything else keeps its own width.
    const bool expands = content->sizePolicy().horizontalPolicy() & QSizePolicy::ExpandFlag;
    row->addWidget(content, 1, expands ? Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(content->sizePolicy().hasHeightForWidth());
    setSizePolicy(policy);
}

} // namespace glowdeck
