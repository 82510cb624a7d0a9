#pragma once

#include <QSize>
#include <QWidget>

namespace glowdeck {

class GlassView;
class Lights;

// The panel window's content: a transparent area holding the glass sheet `margin` inside it on
// every side.
class GlassSurface : public QWidget {
public:
    static constexpr int margin = 16;
    static constexpr QSize fallbackSize{356, 632};

    explicit GlassSurface(Lights& lights, QWidget* parent = nullptr);
    // Wraps an existing glass sheet (taking ownership of it).
    explicit GlassSurface(GlassView* glass, QWidget* parent = nullptr);

    GlassView* glass() const { return glass_; }

    // The size the window needs for the glass content as it is now: its content's size plus
    // the margins, or the fallback size when the glass has no content. Lays the content out
    // first.
    QSize fittingSize() const;

    QSize sizeHint() const override { return fittingSize(); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    GlassView* glass_;
};

} // namespace glowdeck
