// glowdeck-sim: simulated WiZ bulbs for trying the program by hand.
//
//   glowdeck-sim [--duration S] [--no-broadcast] [--peer ADDRESS] [--fault ADDRESS=KIND]
//                [--module [ADDRESS=]MODULE[/FIRMWARE]] [--move ADDRESS=NEW@SECONDS] ADDRESS...
//
// Starts one bulb on port 38899 of each ADDRESS (at most 1000) and prints every request received as
// one line of JSON on standard output. The bulbs answer "getPilot", "setPilot", "getSystemConfig",
// "getModelConfig", "getUserConfig" and "registration", and report to registered clients every few
// seconds. KIND is drop, garble, reject or delay:MILLISECONDS, optionally followed by @METHOD to
// misbehave only for that method. MODULE names the device every bulb (or the one at ADDRESS) plays,
// e.g. ESP21_SHTW_01 (tunable white), ESP05_SHDW_21 (dimmable white), ESP10_SOCKET_06 (plug),
// ESP03_FANDIMS_31 (fan light); default ESP01_SHRGB_03 (colour), firmware 1.25.0 (before 1.22 there
// is no "getModelConfig"). --move moves a bulb to address NEW after SECONDS, keeping its MAC, as a
// router's new lease does. Runs until SIGINT or SIGTERM, or for S seconds. Replies only ever go to
// addresses of this machine, and to each --peer: a host on a test's own LAN, allowed only where
// every interface is lo or one a test made.

#include "BulbSimulator.h"
#include "model/PollLoop.h"

#include <charconv>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

std::optional<double> number(const std::string& text) {
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

std::optional<glowdeck::sim::Fault> parseFault(std::string text) {
    using glowdeck::sim::Fault;
    std::string method;
    if (auto at = text.find('@'); at != std::string::npos) {
        method = text.substr(at + 1);
        text.resize(at);
    }
    if (text == "drop")
        return Fault::drop(method);
    if (text == "garble")
        return Fault::garble(method);
    if (text == "reject")
        return Fault::reject(method);
    if (text.starts_with("delay:"))
        if (auto ms = number(text.substr(6)))
            return Fault::delayBy(std::chrono::duration_cast<glowdeck::Duration>(
                                      std::chrono::duration<double, std::milli>(*ms)),
                                  method);
    return std::nullopt;
}

int usage() {
    std::cerr << "usage: glowdeck-sim [--duration S] [--no-broadcast] [--peer ADDRESS] "
                 "[--fault ADDRESS=drop|garble|reject|delay:MS[@METHOD]] "
                 "[--module [ADDRESS=]MODULE[/FIRMWARE]] [--move ADDRESS=NEW@SECONDS] "
                 "ADDRESS...\n";
    return 2;
}

// "KEY=VALUE" split at its first '=', or the whole text as VALUE with an empty KEY.
std::pair<std::string, std::string> assignment(const std::string& text) {
    const auto equals = text.find('=');
    if (equals == std::string::npos)
        return {"", text};
    return {text.substr(0, equals), text.substr(equals + 1)};
}

struct Move {
    std::string from;
    std::string to;
    double after;
};

} // namespace

int main(int argc, char** argv) {
    std::optional<double> duration;
    bool broadcasts = true;
    std::vector<std::string> peers;
    std::vector<std::string> addresses;
    std::vector<std::pair<std::string, glowdeck::sim::Fault>> faults;
    std::vector<std::pair<std::string, glowdeck::sim::ModuleProfile>> modules;
    std::vector<Move> moves;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--duration" && i + 1 < argc) {
            duration = number(argv[++i]);
            if (!duration)
                return usage();
        } else if (argument == "--no-broadcast") {
            broadcasts = false;
        } else if (argument == "--peer" && i + 1 < argc) {
            peers.emplace_back(argv[++i]);
        } else if (argument == "--fault" && i + 1 < argc) {
            auto [address, kind] = assignment(argv[++i]);
            auto fault = address.empty() ? std::nullopt : parseFault(kind);
            if (!fault)
                return usage();
            faults.emplace_back(address, *fault);
        } else if (argument == "--module" && i + 1 < argc) {
            auto [address, given] = assignment(argv[++i]);
            auto profile = glowdeck::sim::ModuleProfile::parse(given);
            if (!profile)
                return usage();
            modules.emplace_back(address, *profile);
        } else if (argument == "--move" && i + 1 < argc) {
            auto [from, rest] = assignment(argv[++i]);
            const auto at = rest.find('@');
            auto after = at == std::string::npos ? std::nullopt : number(rest.substr(at + 1));
            if (from.empty() || !after)
                return usage();
            moves.push_back({from, rest.substr(0, at), *after});
        } else if (argument.starts_with("-")) {
            return usage();
        } else {
            addresses.push_back(argument);
        }
    }
    if (addresses.empty())
        return usage();

    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    glowdeck::PollLoop loop;
    try {
        glowdeck::sim::BulbSimulator simulator(
            loop, {.listenForBroadcasts = broadcasts, .keepLog = false, .peers = peers});
        for (const auto& address : addresses)
            simulator.addBulb(address);
        for (const auto& [address, profile] : modules) {
            if (address.empty()) {
                for (const auto& each : addresses)
                    simulator.bulb(each)->setModule(profile);
            } else if (auto* bulb = simulator.bulb(address)) {
                bulb->setModule(profile);
            } else {
                return usage();
            }
        }
        std::vector<glowdeck::Handle> pendingMoves;
        for (const auto& move : moves) {
            if (simulator.bulb(move.from) == nullptr)
                return usage();
            pendingMoves.push_back(loop.after(std::chrono::duration_cast<glowdeck::Duration>(
                                                  std::chrono::duration<double>(move.after)),
                                              [&simulator, move] {
                                                  try {
                                                      simulator.moveBulb(move.from, move.to);
                                                      std::cerr << "glowdeck-sim: moved "
                                                                << move.from << " to " << move.to
                                                                << std::endl;
                                                  } catch (const std::exception& error) {
                                                      std::cerr << "glowdeck-sim: cannot move "
                                                                << move.from << ": " << error.what()
                                                                << std::endl;
                                                  }
                                              }));
        }
        for (const auto& [address, fault] : faults) {
            auto* bulb = simulator.bulb(address);
            if (bulb == nullptr)
                return usage();
            bulb->setFault(fault);
        }
        simulator.onRequest([](const glowdeck::sim::ReceivedRequest& request) {
            std::cout << request.describe() << std::endl;
        });
        std::cerr << "glowdeck-sim: " << addresses.size() << " bulb(s) listening on port "
                  << glowdeck::sim::SimulatedBulb::port << (broadcasts ? ", broadcasts heard" : "")
                  << std::endl;

        const auto deadline =
            loop.monotonicNow() + std::chrono::duration_cast<glowdeck::Duration>(
                                      std::chrono::duration<double>(duration.value_or(0)));
        while (stopRequested == 0 && (!duration || loop.monotonicNow() < deadline))
            loop.runOnce(std::chrono::milliseconds(100));
    } catch (const std::system_error& error) {
        std::cerr << "glowdeck-sim: " << error.what() << std::endl;
        return 1;
    }
    return 0;
}
