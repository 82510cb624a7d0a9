// Any stored value through the saved-list decoder: what it reads is what loads, and that saves
// back to a value that reads completely as the same list.
#include "model/Lights.h"
#include "model/MemoryStore.h"
#include "model/SavedLight.h"
#include "model/VirtualLoop.h"
#include "support/FakeSocketApi.h"

#include <cstdlib>

using namespace glowdeck;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string stored(reinterpret_cast<const char*>(data), size);
    auto decoded = SavedLight::decode(stored);

    static VirtualLoop loop;
    MemoryStore store;
    store.setData("bulbs", stored);
    testing::FakeSocketApi net;
    Lights lights(false, store, loop, net);

    if (lights.bulbs().size() != decoded.lights.size())
        std::abort();
    for (std::size_t i = 0; i < decoded.lights.size(); ++i)
        if (lights.bulbs()[i].ip != decoded.lights[i].ip ||
            lights.bulbs()[i].name != decoded.lights[i].name)
            std::abort();
    if (lights.selected().has_value() == decoded.lights.empty())
        std::abort();
    // What loaded saves back as it is (a MAC that an earlier light holds is not loaded twice).
    std::vector<SavedLight> loaded;
    for (const auto& bulb : lights.bulbs()) {
        loaded.push_back({bulb.ip, bulb.name, bulb.mac, bulb.device});
        for (const auto& earlier : lights.bulbs()) {
            if (&earlier == &bulb)
                break;
            if (!bulb.mac.empty() && earlier.mac == bulb.mac)
                std::abort();
        }
    }
    if (auto encoded = SavedLight::encode(lights.bulbs())) {
        if (SavedLight::decode(*encoded) != SavedLight::Decoded{loaded, true})
            std::abort();
    }
    return 0;
}
