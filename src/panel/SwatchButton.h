#pragma once

#include <QAbstractButton>
#include <QColor>

namespace glowdeck {

// One colour swatch: a 23 px circle of the colour, centred in a cell 30 px tall that takes its
// share of the row. A press emits `chosen` with the colour.
class SwatchButton : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int diameter = 23;

    SwatchButton(const QColor& color, const QString& name, QWidget* parent = nullptr);

    QColor color() const { return color_; }
    QSize sizeHint() const override { return {diameter + 4, 30}; }
    QSize minimumSizeHint() const override { return {diameter, 30}; }

Q_SIGNALS:
    void chosen(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};

} // namespace glowdeck
