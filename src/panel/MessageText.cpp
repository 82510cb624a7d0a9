#include "MessageText.h"

#include "model/Messages.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace glowdeck {

namespace {

// Stands for the value in a message made by one of the core's message functions.
constexpr std::string_view mark = "\x1f";

// The value in `message` when it is `pattern` (made with `mark` for the value) with something
// else in place of the mark.
std::optional<std::string> valueIn(const std::string& message, const std::string& pattern) {
    const auto at = pattern.find(mark);
    const std::string_view before = std::string_view(pattern).substr(0, at);
    const std::string_view after = std::string_view(pattern).substr(at + mark.size());
    if (message.size() <= before.size() + after.size() || !message.starts_with(before) ||
        !message.ends_with(after))
        return std::nullopt;
    return message.substr(before.size(), message.size() - before.size() - after.size());
}

} // namespace

QString MessageText::translate(const std::string& message) {
    namespace m = messages;
    if (message == m::noBulbsReplied)
        return tr("No bulbs replied. Use the same Wi-Fi, enable WiZ LAN control, or add an IP "
                  "below.");
    if (message == m::cannotOpen)
        return tr("Could not open the local network connection.");
    if (message == m::cannotConfigure)
        return tr("Could not configure the local network connection.");
    if (message == m::cannotListen)
        return tr("Could not listen for bulb replies.");
    if (message == m::invalidAddress)
        return tr("Enter a valid bulb IPv4 address.");
    if (message == m::cannotSave)
        return tr("Could not save the list of lights.");

    const std::string value(mark);
    if (const auto ip = valueIn(message, m::cannotSend(value)))
        return tr("Could not send to %1. Check local network access.")
            .arg(QString::fromStdString(*ip));
    if (const auto ip = valueIn(message, m::rejected(value)))
        return tr("%1 rejected the command. This bulb may not support it.")
            .arg(QString::fromStdString(*ip));
    if (const auto reason = valueIn(message, m::cannotStartAtLogin(value)))
        return tr("Could not turn on Start at Login: %1.").arg(QString::fromStdString(*reason));
    if (const auto reason = valueIn(message, m::cannotStopAtLogin(value)))
        return tr("Could not turn off Start at Login: %1.").arg(QString::fromStdString(*reason));

    // The count in "The list is full at 1024 lights." is a number the core wrote.
    const std::string withZero = m::listFull(0);
    const auto zero = withZero.find('0');
    const std::string full =
        withZero.substr(0, zero) + std::string(mark) + withZero.substr(zero + 1);
    if (const auto count = valueIn(message, full);
        count &&
        std::all_of(count->begin(), count->end(), [](char c) { return c >= '0' && c <= '9'; })) {
        bool ok = false;
        const int most = QString::fromStdString(*count).toInt(&ok);
        if (ok)
            return tr("The list is full at %Ln lights. Forget one to add another.", nullptr, most);
    }
    return QString::fromStdString(message);
}

} // namespace glowdeck
