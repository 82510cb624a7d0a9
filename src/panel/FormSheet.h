#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace glowdeck {

class ToneLabel;

// A small modal form drawn over the panel: a title, an optional message, one text field and a
// primary and a Cancel button. It covers its parent while open and takes the keyboard; Escape
// cancels, Return in the field presses the primary button. The field reports every change of its
// text, however it came (typing, pasting, an input method, dragging, an assistive technology), so
// the owner can keep its text between openings.
class FormSheet : public QWidget {
    Q_OBJECT
public:
    FormSheet(const QString& title, const QString& message, const QString& placeholder,
              const QString& accept, QWidget* parent);

    // Shows the form over its parent with `text` in the field.
    void open(const QString& text);
    // Hides it; the owner decides what the buttons mean.
    void close();
    bool isOpen() const { return isVisible(); }

    QLineEdit* field() const { return field_; }
    QPushButton* acceptButton() const { return accept_; }
    QPushButton* cancelButton() const { return cancel_; }
    QString title() const;
    QString message() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void textChanged(const QString& text);
    void accepted(const QString& text);
    void cancelled();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* card_;
    ToneLabel* title_;
    ToneLabel* message_;
    QLineEdit* field_;
    QPushButton* accept_;
    QPushButton* cancel_;
};

} // namespace glowdeck
