#pragma once

#include <QPushButton>

namespace glowdeck {

// A push button drawn as a soft rounded pill that follows the palette; the prominent kind is
// filled with the accent colour, for a form's primary action.
class PillButton : public QPushButton {
    Q_OBJECT
public:
    enum class Kind { Plain, Prominent };

    PillButton(const QString& text, Kind kind, const QFont& font, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
};

} // namespace glowdeck
