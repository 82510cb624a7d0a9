#include "GlassSurface.h"

#include "GlassContent.h"
#include "GlassView.h"

#include <QLayout>

namespace glowdeck {

GlassSurface::GlassSurface(Lights& lights, QWidget* parent)
    : GlassSurface(makeGlassContent(lights), parent) {}

GlassSurface::GlassSurface(GlassView* glass, QWidget* parent) : QWidget(parent), glass_(glass) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    glass_->setParent(this);
    resize(fittingSize());
    glass_->setGeometry(rect().adjusted(margin, margin, -margin, -margin));
    glass_->show();
}

QSize GlassSurface::fittingSize() const {
    QWidget* content = glass_->contentView();
    if (content == nullptr) {
        return fallbackSize;
    }
    if (QLayout* layout = content->layout()) {
        layout->activate();
    }
    const QSize size = content->sizeHint();
    if (!size.isValid()) {
        return fallbackSize;
    }
    return size + QSize(2 * margin, 2 * margin);
}

void GlassSurface::resizeEvent(QResizeEvent*) {
    glass_->setGeometry(rect().adjusted(margin, margin, -margin, -margin));
}

} // namespace glowdeck
