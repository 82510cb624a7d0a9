// Any datagram through the controller's reply handling: it must never crash, hang or leak,
// and whatever it does leaves the controller consistent.
#include "model/Lights.h"
#include "model/MemoryStore.h"
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

    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The first byte picks the sender: the known bulb or a new one.
    const std::string from = size > 0 && data[0] % 2 ? "10.0.0.5" : "10.0.0.6";
    lights.receiveReply(bytes, from);
    loop.advance(Duration::zero());

    if (lights.bulbs().empty() || lights.bulbs().size() > 2 || !lights.selected())
        std::abort();
    if (lights.bulbs().size() == 2 && store.writes() != 2)
        std::abort(); // a new bulb is saved
    return 0;
}
