#include "MessageLine.h"

#include "PanelStyle.h"

namespace glowdeck {

namespace {
// The panel's width less its own padding, for the time before the first layout pass.
constexpr int defaultWidth = 300;
constexpr int sidePadding = 4;
} // namespace

MessageLine::MessageLine(QWidget* parent)
    : ToneLabel(QString(), PanelStyle::caption(), Tone::Secondary, parent) {
    setWordWrap(true);
    setContentsMargins(sidePadding, 4, sidePadding, 0);
    QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void MessageLine::setMessage(const QString& text) {
    setTextIfChanged(text);
    align();
}

bool MessageLine::wraps() const {
    const int room = (width() > 0 ? width() : defaultWidth) - 2 * sidePadding;
    return fontMetrics().horizontalAdvance(text()) > room;
}

void MessageLine::align() {
    const Qt::Alignment wanted = (wraps() ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignTop;
    if (alignment() != wanted)
        setAlignment(wanted);
}

void MessageLine::resizeEvent(QResizeEvent* event) {
    ToneLabel::resizeEvent(event);
    align();
}

} // namespace glowdeck
