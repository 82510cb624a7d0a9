#pragma once

#include "DatagramSocket.h"
#include "model/Time.h"

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

namespace glowdeck::sim {

// One datagram that reached the simulator, as it arrived.
struct ReceivedRequest {
    static constexpr const char* wildcard = "0.0.0.0";

    std::uint64_t sequence = 0; // 1, 2, … in order of arrival
    std::string receiver;       // the bulb socket's address, or "0.0.0.0" for the wildcard one
    std::string destination;    // the address it was sent to
    std::string from;           // source address
    std::uint16_t fromPort = 0; // source port
    bool wellFormed = false;    // the bytes are a JSON object
    std::string method;         // "" when the datagram held no string "method"
    nlohmann::json params;      // the "params" member; null when absent
    std::string raw;            // the bytes exactly as received
    MonoTime received;

    // Heard on the wildcard socket: sent to a broadcast address, or to a local address that no
    // bulb holds (which no bulb answers).
    bool broadcast() const { return receiver == wildcard; }

    // Reads what arrived on the socket bound to `receiver`.
    static ReceivedRequest parse(DatagramSocket::Datagram datagram, std::string receiver,
                                 std::uint64_t sequence, MonoTime received);

    // One line of JSON describing the request, for logs.
    std::string describe() const;
};

} // namespace glowdeck::sim
