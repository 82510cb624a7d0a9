#pragma once

#include <QString>

class QHBoxLayout;
class QVBoxLayout;
class QWidget;

namespace glowdeck {

class ToneLabel;

// The layout every section inside a tile shares: a column of rows 10 px apart, headed by a
// row with the section's title on the left and, optionally, a detail on the right.
class SectionLayout {
public:
    static QVBoxLayout* column(QWidget* section);
    static QHBoxLayout* header(const QString& title, ToneLabel* detail, QWidget* section);
};

} // namespace glowdeck
