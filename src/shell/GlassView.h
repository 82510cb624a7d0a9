#pragma once

#include <QWidget>

namespace glowdeck {

// A rounded, translucent sheet: the window colour at high opacity with a faint edge. It hosts
// one content widget that fills it.
class GlassView : public QWidget {
public:
    static constexpr qreal cornerRadius = 24;

    explicit GlassView(QWidget* parent = nullptr);

    // Takes ownership of `content`; replaces (and deletes) any previous one.
    void setContentView(QWidget* content);
    QWidget* contentView() const { return content_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* content_ = nullptr;
};

} // namespace glowdeck
