#pragma once

#include "DatagramSocket.h"
#include "ReceivedRequest.h"
#include "SimulatedBulb.h"
#include "model/EventLoop.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glowdeck::sim {

// Any number of simulated bulbs, each on port 38899 of its own IPv4 address, driven by an
// event loop the caller runs. A wildcard socket on 0.0.0.0:38899 hears broadcasts, which every
// bulb answers from its own socket. Every datagram received is logged in order of arrival.
class BulbSimulator {
public:
    struct Options {
        // Bind the wildcard socket. Without it the bulbs' binds are exclusive, so two
        // simulators on one address fail loudly instead of sharing the traffic.
        bool listenForBroadcasts = true;
        // Keep every request in requests(); a long-running simulator that only reports them
        // through onRequest can turn this off.
        bool keepLog = true;
        // How often a bulb reports to a client that registered with it.
        Duration pushInterval = SimulatedBulb::defaultPushInterval;
        // Hosts of a test's own LAN, outside this network namespace, that the bulbs answer too
        // (dotted quads). Refused unless every interface here is lo or one a test made.
        std::vector<std::string> peers;
    };

    // At most this many bulbs per simulator.
    static constexpr std::size_t maxBulbs = 1000;

    explicit BulbSimulator(EventLoop& loop) : BulbSimulator(loop, Options{}) {}
    BulbSimulator(EventLoop& loop, Options options);
    ~BulbSimulator();
    BulbSimulator(const BulbSimulator&) = delete;
    BulbSimulator& operator=(const BulbSimulator&) = delete;

    // Starts a bulb on `address`:38899. Its MAC is a8bb followed by the four bytes of its
    // address in hex (127.0.0.2: a8bb7f000002), so no two bulbs share one, across simulators too.
    // Throws std::system_error when the address cannot be bound or maxBulbs are running.
    SimulatedBulb& addBulb(const std::string& address);

    SimulatedBulb* bulb(std::string_view address);
    // Moves the bulb at `from` to `to`, as a router's new lease does: it keeps its MAC, state,
    // module and fault, and answers only from `to` afterwards. Throws std::system_error when
    // `to` cannot be bound, and std::invalid_argument when no bulb is at `from`.
    SimulatedBulb& moveBulb(std::string_view from, const std::string& to);
    std::size_t size() const { return bulbs_.size(); }

    const std::vector<ReceivedRequest>& requests() const { return requests_; }
    // The logged requests for which `keep` holds.
    std::vector<ReceivedRequest>
    requestsWhere(const std::function<bool(const ReceivedRequest&)>& keep) const;
    void clearRequests() { requests_.clear(); }

    // Called for every request received, after it has been logged and before it is answered.
    void onRequest(std::function<void(const ReceivedRequest&)> observer) {
        observer_ = std::move(observer);
    }

private:
    struct Entry;
    SimulatedBulb& start(const std::string& address, const std::string& mac);
    void readFrom(DatagramSocket& socket, SimulatedBulb* target);
    void dispatchBroadcast(const ReceivedRequest& request);

    EventLoop& loop_;
    Options options_;
    std::vector<in_addr_t> peers_;
    std::unique_ptr<DatagramSocket> wildcard_;
    Handle wildcardWatch_;
    std::vector<std::unique_ptr<Entry>> bulbs_;
    std::vector<ReceivedRequest> requests_;
    std::uint64_t received_ = 0;
    std::function<void(const ReceivedRequest&)> observer_;
};

} // namespace glowdeck::sim
