#pragma once

#include <QWidget>

class QPushButton;

namespace glowdeck {

class Lights;

// "All Lights" with an On and an Off button that switch every known light at once.
class AllLightsRow : public QWidget {
    Q_OBJECT
public:
    explicit AllLightsRow(Lights& lights, QWidget* parent = nullptr);

    QPushButton* onButton() const { return on_; }
    QPushButton* offButton() const { return off_; }

private:
    QPushButton* on_;
    QPushButton* off_;
};

} // namespace glowdeck
