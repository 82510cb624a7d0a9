// Any stored value through the saved-list decoder: it loads or is rejected whole, and what
// loads saves back to a value that loads the same list.
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

    if (!decoded) {
        if (!lights.bulbs().empty() || lights.selected())
            std::abort();
        return 0;
    }
    if (lights.bulbs().size() != decoded->size())
        std::abort();
    if (auto encoded = SavedLight::encode(lights.bulbs())) {
        if (SavedLight::decode(*encoded) != decoded)
            std::abort();
    }
    return 0;
}
