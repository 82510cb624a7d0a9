#pragma once

#include <QWidget>

namespace glowdeck {

// Frames one section of the panel: insets its content by 12 px on every side and spans the full
// width it is given. Content that does not expand sits against the left edge, vertically
// centred. Draws nothing of its own.
class ControlTile : public QWidget {
    Q_OBJECT
public:
    static constexpr int inset = 12;

    explicit ControlTile(QWidget* content, QWidget* parent = nullptr);
    QWidget* content() const { return content_; }

private:
    QWidget* content_;
};

} // namespace glowdeck
