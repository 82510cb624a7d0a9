#pragma once

#include <QLocale>
#include <QString>

namespace glowdeck {

// Glowdeck's texts and Qt's own (the colour dialog, standard buttons) in the user's language.
// Glowdeck's catalogues are compiled into the program; Qt's come from its translations folder.
// Only the catalogues of one language are loaded: the first of the locale's languages (LANGUAGE,
// then LC_ALL, LC_MESSAGES, LANG) that Glowdeck speaks, and none when English comes first.
class Translations {
public:
    // Installs the catalogues into the running QCoreApplication (there must be one; the command
    // line can call this on its QCoreApplication as the tray does on its QApplication), in place of
    // any this installed before. Returns the language loaded ("de", "pt_BR"), or empty for English.
    static QString install(const QLocale& locale = QLocale::system());

    // The language install() would load for `locale`, or empty for English; needs no
    // QCoreApplication.
    static QString languageFor(const QLocale& locale = QLocale::system());
};

} // namespace glowdeck
