// Any datagram as a known device's answer to its configuration requests: it must never crash,
// and whatever it says leaves a device the panel can show and the list can store.
#include "model/Lights.h"
#include "model/MemoryStore.h"
#include "model/SavedLight.h"
#include "model/VirtualLoop.h"
#include "support/FakeSocketApi.h"

#include <cstdlib>

using namespace glowdeck;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static VirtualLoop loop;
    MemoryStore store;
    store.setData("bulbs", R"([{"ip":"10.0.0.5","name":"Desk"}])");
    testing::FakeSocketApi net;
    Lights lights(false, store, loop, net);
    lights.setPanelVisible(true);
    lights.receiveReply(R"({"method":"getPilot","result":{"state":true}})", "10.0.0.5");
    loop.advance(Duration::zero());

    lights.receiveReply(std::string_view(reinterpret_cast<const char*>(data), size), "10.0.0.5");
    loop.advance(Lights::configSaveDelay);

    if (lights.bulbs().size() != 1)
        std::abort();
    const DeviceClass& device = lights.bulbs()[0].device;
    if (device.minKelvin >= device.maxKelvin || device.minKelvin < DeviceClass::lowestKelvin ||
        device.maxKelvin > DeviceClass::highestKelvin ||
        device.kind != DeviceClass::kindOf(device.module))
        std::abort();
    if (net.sentTo("getSystemConfig").size() != 1 || net.sentTo("getUserConfig").size() > 1)
        std::abort(); // at most three requests
    auto saved = SavedLight::decode(store.data("bulbs").value_or(""));
    if (!saved.complete || saved.lights.size() != 1 || saved.lights[0].device != device)
        std::abort(); // what was learnt is stored as it is
    return 0;
}
