#include "NumberText.h"

#include "WholeNumber.h"

#include <QLocale>

namespace glowdeck {

namespace {

// Digits as the default locale writes them; no thousands separator, as a reading ("6500 K").
QString digits(double value) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(static_cast<qlonglong>(WholeNumber::towardZero(value)));
}

} // namespace

QString NumberText::percent(double value) {
    //: A percentage of full brightness; a no-break space goes where the language puts a space.
    return tr("%1%").arg(digits(value));
}

QString NumberText::kelvin(double value) {
    //: A white temperature in kelvins; a no-break space keeps the number and the unit together.
    return tr("%1 K").arg(digits(value));
}

} // namespace glowdeck
