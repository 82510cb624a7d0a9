#pragma once

#include <QSize>
#include <QWidget>

#include <functional>

namespace glowdeck {

// The floating panel: a frameless, translucent window above other windows, without a task-bar
// entry, that can take the keyboard focus. It draws a rounded, translucent sheet `margin` inside
// its edges and hosts one content widget on the sheet. Escape hides it; every hiding of a shown
// panel, by hide(), Escape or a close request, runs onHide afterwards.
class PanelWindow : public QWidget {
public:
    static constexpr int margin = 16;
    static constexpr qreal cornerRadius = 24;
    // The size wanted when there is no content to measure.
    static constexpr QSize fallbackSize{356, 632};

    // Run after a shown panel has been hidden.
    std::function<void()> onHide;

    // Takes ownership of `content`, which may be null.
    explicit PanelWindow(QWidget* content = nullptr);

    QWidget* content() const { return content_; }

    // The window size the content wants as it is now: its size hint plus the margins, or the
    // fallback size without content. Lays the content out first.
    QSize fittingSize() const;
    QSize sizeHint() const override { return fittingSize(); }

    // The sheet's rectangle: the window less its margins.
    QRect sheetRect() const;

    // Shows the panel in front and gives it the keyboard focus.
    void showAndActivate();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* content_;
};

} // namespace glowdeck
