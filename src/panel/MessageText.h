#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>

namespace glowdeck {

// The status line's messages in the user's language. The core writes them in English; each is
// recognised here by its whole text or, for those that carry a value (an address, a count, a
// reason), by the text around the value, which is kept as it came. A message not known here is
// shown as the core wrote it.
class MessageText {
    Q_DECLARE_TR_FUNCTIONS(glowdeck::MessageText)
public:
    static QString translate(const std::string& message);
};

} // namespace glowdeck
