// Core throughput: reply handling, refreshing and saving large lists. Run a Release build
// pinned to one core: taskset -c 0 build-release/bench/glowdeck_core_bench
#include "model/Lights.h"
#include "model/MemoryStore.h"
#include "model/SavedLight.h"
#include "model/VirtualLoop.h"
#include "support/FakeSocketApi.h"

#include <benchmark/benchmark.h>
#include <cstdio>

namespace glowdeck {
namespace {

std::string storedList(int count) {
    std::vector<Bulb> bulbs;
    for (int i = 0; i < count; ++i)
        bulbs.push_back(
            Bulb::unseen("10.0." + std::to_string(i / 250) + "." + std::to_string(i % 250 + 1),
                         "WiZ light " + std::to_string(i + 1)));
    return *SavedLight::encode(bulbs);
}

struct Bench {
    VirtualLoop loop;
    MemoryStore store;
    testing::FakeSocketApi net;
    std::unique_ptr<Lights> lights;
    ChangeSignal::Connection observer;

    explicit Bench(int bulbs) {
        store.setData("bulbs", storedList(bulbs));
        lights = std::make_unique<Lights>(false, store, loop, net);
        observer = lights->objectWillChange().connect([] {});
    }
};

// A state report as real bulbs send it, from one of `range(0)` known bulbs in turn.
void ReplyFromKnownBulb(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    Bench bench(count);
    std::vector<std::string> senders;
    std::vector<std::string> replies; // each bulb with its own MAC
    for (const auto& bulb : bench.lights->bulbs()) {
        senders.push_back(bulb.ip);
        char mac[24];
        std::snprintf(mac, sizeof mac, "a8bb50%06zx", senders.size());
        replies.push_back(R"({"method":"syncPilot","id":25,"env":"pro","params":{"mac":")" +
                          std::string(mac) +
                          R"(","rssi":-55,"cnx":"0000","src":"udp","state":true,"sceneId":0,)"
                          R"("temp":2700,"dimming":100}})");
    }
    std::size_t i = 0;
    for (auto _ : state) {
        bench.lights->receiveReply(replies[i], senders[i]);
        i = (i + 1) % senders.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ReplyFromKnownBulb)->Arg(1)->Arg(10)->Arg(1000);

void RefreshKnownBulbs(benchmark::State& state) {
    Bench bench(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        bench.lights->refresh();
        bench.net.sent.clear();
    }
}
BENCHMARK(RefreshKnownBulbs)->Arg(1000)->Unit(benchmark::kMicrosecond);

// A rename forces a real write each time: two names alternate.
void SaveKnownBulbs(benchmark::State& state) {
    Bench bench(static_cast<int>(state.range(0)));
    bool flip = false;
    for (auto _ : state) {
        bench.lights->rename(flip ? "Desk" : "Hall");
        flip = !flip;
    }
}
BENCHMARK(SaveKnownBulbs)->Arg(1000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace glowdeck
