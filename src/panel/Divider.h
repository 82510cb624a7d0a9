#pragma once

#include <QWidget>

namespace glowdeck {

// A one-pixel horizontal hairline, optionally inset at both ends.
class Divider : public QWidget {
    Q_OBJECT
public:
    explicit Divider(int inset = 0, QWidget* parent = nullptr);
    QSize sizeHint() const override { return {2 * inset_, 1}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int inset_;
};

} // namespace glowdeck
