#pragma once

#include "ToneLabel.h"

namespace glowdeck {

// The controller's status message at the foot of the panel: plain text in the caption style,
// wrapped within the panel's width; a single line is centred, wrapped lines start at the left.
class MessageLine : public ToneLabel {
    Q_OBJECT
public:
    explicit MessageLine(QWidget* parent = nullptr);

    void setMessage(const QString& text);
    // True when the text needs more than one line at the current width.
    bool wraps() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void align();
};

} // namespace glowdeck
