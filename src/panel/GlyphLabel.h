#pragma once

#include <QColor>
#include <QWidget>

#include <string_view>

namespace glowdeck {

// One symbol icon drawn from the icon font: crisp at any scale. Without a colour of its own it
// takes the secondary text colour of the current palette.
class GlyphLabel : public QWidget {
    Q_OBJECT
public:
    GlyphLabel(std::string_view symbol, int pixelSize, QColor color = {},
               QWidget* parent = nullptr);

    QSize sizeHint() const override { return {size_, size_}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString glyph_;
    int size_;
    QColor color_;
};

} // namespace glowdeck
