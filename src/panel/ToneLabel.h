#pragma once

#include <QLabel>

namespace glowdeck {

// A plain-text label in the primary or the secondary text colour. It never interprets markup,
// and a single-line label elides instead of widening its row.
class ToneLabel : public QLabel {
    Q_OBJECT
public:
    enum class Tone { Primary, Secondary };

    explicit ToneLabel(const QString& text, const QFont& font, Tone tone = Tone::Primary,
                       QWidget* parent = nullptr);

    void setTone(Tone tone);
    Tone tone() const { return tone_; }
    // Sets the text only when it differs, so a refresh that changes nothing repaints nothing.
    void setTextIfChanged(const QString& text);

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyTone();
    Tone tone_;
    bool applying_ = false;
};

} // namespace glowdeck
