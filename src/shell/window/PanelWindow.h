#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace glowdeck {

// The floating panel: a frameless, translucent utility window above other windows, out of task
// bars, window lists and pagers, that takes the keyboard focus. It draws a rounded, translucent
// sheet `margin` inside its edges and hosts one content widget on the sheet.
//
// Hiding: Escape, a click on the transparent margin around the sheet and a close request hide
// it; every hiding of a shown panel runs onHide afterwards. The panel takes neither the pointer
// nor the keyboard from other programs: clicks elsewhere are noticed by OutsideClickWatch, and
// reach whatever they were meant for.
//
// Placement: place() gives the window its frame. Under sway, which centres floating X11 windows
// whatever they ask for, the frame goes through sway's IPC instead, and a panel being shown stays
// transparent until sway has put it in place.
class PanelWindow : public QWidget {
public:
    static constexpr int margin = 16;
    static constexpr qreal cornerRadius = 24;
    // The size wanted when there is no content to measure.
    static constexpr QSize fallbackSize{356, 632};

    // Run after a shown panel has been hidden.
    std::function<void()> onHide;

    // Takes ownership of `content`, which may be null. `swaySocket`: sway's IPC socket, where
    // sway places the window; empty elsewhere.
    explicit PanelWindow(QWidget* content = nullptr, QString swaySocket = defaultSwaySocket());

    // Sway's socket where the program is an X client of sway, else empty.
    static QString defaultSwaySocket();

    QWidget* content() const { return content_; }

    // The window size the content wants as it is now: its size hint plus the margins, or the
    // fallback size without content. Lays the content out first.
    QSize fittingSize() const;
    QSize sizeHint() const override { return fittingSize(); }

    // The sheet's rectangle: the window less its margins.
    QRect sheetRect() const;

    // Gives the window the frame `frame`, in screen coordinates.
    void place(const QRect& frame);

    // Shows the panel in front and gives it the keyboard focus.
    void showAndActivate();

    // Whether the sheet and the content are drawn (a shown panel is not until sway has placed
    // it).
    bool revealed() const { return revealed_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void setRevealed(bool revealed);
    void tryPlaceOnSway();

    QWidget* content_;
    QString swaySocket_;
    QRect frame_;
    bool revealed_ = true;
    bool pressedOutside_ = false;
    int swayTries_ = 0;
    QTimer swayRetry_;
};

} // namespace glowdeck
