#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace glowdeck::messages {

// Every text the panel's status line can show.
inline constexpr std::string_view noBulbsReplied =
    "No bulbs replied. Use the same Wi-Fi, enable WiZ LAN control, or add an IP below.";
inline constexpr std::string_view cannotOpen = "Could not open the local network connection.";
inline constexpr std::string_view cannotConfigure =
    "Could not configure the local network connection.";
inline constexpr std::string_view cannotListen = "Could not listen for bulb replies.";
inline constexpr std::string_view invalidAddress = "Enter a valid bulb IPv4 address.";
// Shown from a failed write of the list until a write succeeds.
inline constexpr std::string_view cannotSave = "Could not save the list of lights.";

// The list holds `most` lights: a new one, found or typed, is not added.
inline std::string listFull(std::size_t most) {
    return "The list is full at " + std::to_string(most) + " lights. Forget one to add another.";
}

inline std::string cannotSend(std::string_view ip) {
    return "Could not send to " + std::string(ip) + ". Check local network access.";
}

inline std::string rejected(std::string_view ip) {
    return std::string(ip) + " rejected the command. This bulb may not support it.";
}

// Writing or removing the entry that starts the program at login failed for `reason`.
inline std::string cannotStartAtLogin(std::string_view reason) {
    return "Could not turn on Start at Login: " + std::string(reason) + ".";
}

inline std::string cannotStopAtLogin(std::string_view reason) {
    return "Could not turn off Start at Login: " + std::string(reason) + ".";
}

} // namespace glowdeck::messages
