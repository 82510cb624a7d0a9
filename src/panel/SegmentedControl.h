#pragma once

#include <QWidget>

class QButtonGroup;
class QPushButton;

namespace glowdeck {

// A row of mutually exclusive segments. `chosen` reports the user's choice; setCurrent reflects
// the owner's state without reporting.
class SegmentedControl : public QWidget {
    Q_OBJECT
public:
    SegmentedControl(const QStringList& segments, const QString& label, QWidget* parent = nullptr);

    void setCurrent(int index);
    int current() const;
    QPushButton* segment(int index) const;

Q_SIGNALS:
    void chosen(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void restyle();
    QButtonGroup* group_;
    bool signalsEnabled_ = true;
};

} // namespace glowdeck
