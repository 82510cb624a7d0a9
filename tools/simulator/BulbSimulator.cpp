#include "BulbSimulator.h"

#include "HostAddresses.h"

#include <algorithm>
#include <arpa/inet.h>
#include <array>
#include <cerrno>
#include <cstdio>
#include <stdexcept>
#include <system_error>

namespace glowdeck::sim {

namespace {

// Datagrams read per readiness event; the loop comes back for the rest.
constexpr int maxPerPass = 256;

} // namespace

struct BulbSimulator::Entry {
    SimulatedBulb bulb;
    Handle watch;
};

BulbSimulator::BulbSimulator(EventLoop& loop, Options options)
    : loop_(loop), options_(std::move(options)) {
    if (!options_.peers.empty()) {
        // Answering a host that is not this machine is safe only on a LAN a test made.
        if (auto foreign = HostAddresses::current().foreignInterface(); !foreign.empty())
            throw std::system_error(EPERM, std::generic_category(),
                                    "peers are only answered on a test's own LAN; interface " +
                                        foreign + " was not made by a test");
        for (const auto& peer : options_.peers) {
            in_addr address{};
            if (::inet_pton(AF_INET, peer.c_str(), &address) != 1)
                throw std::system_error(EINVAL, std::generic_category(),
                                        "not an IPv4 address: " + peer);
            peers_.push_back(address.s_addr);
        }
    }
    if (!options_.listenForBroadcasts)
        return;
    wildcard_ =
        std::make_unique<DatagramSocket>(ReceivedRequest::wildcard, SimulatedBulb::port, true);
    wildcardWatch_ =
        loop_.watchReadable(wildcard_->fd(), [this] { readFrom(*wildcard_, nullptr); }, {});
}

BulbSimulator::~BulbSimulator() = default;

SimulatedBulb& BulbSimulator::addBulb(const std::string& address) {
    if (bulbs_.size() >= maxBulbs)
        throw std::system_error(EMFILE, std::generic_category(),
                                "at most " + std::to_string(maxBulbs) + " bulbs");
    in_addr bytes{};
    std::array<char, 13> mac{};
    if (::inet_pton(AF_INET, address.c_str(), &bytes) == 1)
        std::snprintf(mac.data(), mac.size(), "a8bb%08x", ntohl(bytes.s_addr));
    return start(address, mac.data());
}

SimulatedBulb& BulbSimulator::start(const std::string& address, const std::string& mac) {
    // Built in place: a bulb owns its socket and cannot move. (It throws for a bad address.)
    std::unique_ptr<Entry> entry(
        new Entry{SimulatedBulb(loop_, address, mac, options_.listenForBroadcasts,
                                options_.pushInterval, peers_),
                  {}});
    auto* raw = entry.get();
    raw->watch = loop_.watchReadable(raw->bulb.fd(),
                                     [this, raw] { readFrom(raw->bulb.socket(), &raw->bulb); }, {});
    bulbs_.push_back(std::move(entry));
    return raw->bulb;
}

SimulatedBulb* BulbSimulator::bulb(std::string_view address) {
    for (auto& entry : bulbs_)
        if (entry->bulb.address() == address)
            return &entry->bulb;
    return nullptr;
}

SimulatedBulb& BulbSimulator::moveBulb(std::string_view from, const std::string& to) {
    SimulatedBulb* old = bulb(from);
    if (old == nullptr)
        throw std::invalid_argument("no simulated bulb at " + std::string(from));
    if (bulb(to) != nullptr)
        throw std::invalid_argument("a simulated bulb is at " + to + " already");
    SimulatedBulb& moved = start(to, old->state().mac); // entries hold bulbs by pointer
    moved.state() = old->state();
    moved.setModule(old->module());
    moved.setFault(old->fault());
    std::erase_if(bulbs_, [old](const auto& entry) { return &entry->bulb == old; });
    return moved;
}

std::vector<ReceivedRequest>
BulbSimulator::requestsWhere(const std::function<bool(const ReceivedRequest&)>& keep) const {
    std::vector<ReceivedRequest> kept;
    for (const auto& request : requests_)
        if (keep(request))
            kept.push_back(request);
    return kept;
}

void BulbSimulator::readFrom(DatagramSocket& socket, SimulatedBulb* target) {
    for (int i = 0; i < maxPerPass; ++i) {
        auto datagram = socket.receive();
        if (!datagram)
            return;
        auto request = ReceivedRequest::parse(std::move(*datagram), socket.address(), ++received_,
                                              loop_.monotonicNow());
        if (options_.keepLog)
            requests_.push_back(request);
        if (observer_)
            observer_(request);
        if (target != nullptr)
            target->handle(request);
        else
            dispatchBroadcast(request);
    }
}

void BulbSimulator::dispatchBroadcast(const ReceivedRequest& request) {
    in_addr destination{};
    if (::inet_pton(AF_INET, request.destination.c_str(), &destination) != 1)
        return;
    // A unicast datagram to an address no bulb holds reaches the wildcard socket too; no bulb
    // answers that.
    if (!HostAddresses::current().isBroadcast(destination))
        return;
    for (auto& entry : bulbs_)
        entry->bulb.handle(request);
}

} // namespace glowdeck::sim
