#pragma once

#include <QWidget>

class QPushButton;

namespace glowdeck {

// Shown when there is no light to control: an invitation to add one by address.
class EmptyState : public QWidget {
    Q_OBJECT
public:
    explicit EmptyState(QWidget* parent = nullptr);

    QPushButton* addButton() const { return add_; }

Q_SIGNALS:
    void addRequested();

private:
    QPushButton* add_;
};

} // namespace glowdeck
