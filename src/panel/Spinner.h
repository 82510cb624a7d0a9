#pragma once

#include <QTimer>
#include <QWidget>

namespace glowdeck {

// A small indeterminate activity indicator: a turning arc. Its timer runs only while it is
// visible.
class Spinner : public QWidget {
    Q_OBJECT
public:
    explicit Spinner(int diameter = 12, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {diameter_, diameter_}; }
    bool spinning() const { return timer_.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    int diameter_;
    int angle_ = 0;
    QTimer timer_;
};

} // namespace glowdeck
