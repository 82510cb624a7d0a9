#pragma once

#include <QCoreApplication>
#include <QString>

namespace glowdeck {

// The panel's numbers as the user's language writes them: the default locale's digits (Arabic-Indic
// in Arabic) and the language's own pattern ("35 %" with a no-break space in German and French,
// "35%" in English). The value shown is the integer part, toward zero.
class NumberText {
    Q_DECLARE_TR_FUNCTIONS(glowdeck::NumberText)
public:
    static QString percent(double value);
    static QString kelvin(double value);
};

} // namespace glowdeck
