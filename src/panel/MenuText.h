#pragma once

#include <QString>

namespace glowdeck {

// Menu entries interpret '&' as a mnemonic marker and a tab as the start of the shortcut column;
// user-given names must show as typed.
class MenuText {
public:
    static QString escape(const QString& text);
};

} // namespace glowdeck
