#pragma once

#include "Bulb.h"
#include "ChangeSignal.h"
#include "ConfigRequests.h"
#include "EventLoop.h"
#include "SocketApi.h"
#include "Store.h"
#include "UdpEndpoint.h"
#include "Wire.h"

#include <cstddef>
#include <functional>
#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace glowdeck {

// The one model and controller: the known bulbs, the selection, the status line and the
// scanning flag, and the machinery that keeps them fresh (discovery, polling, commands).
// Every assignment to a published field announces a change first, on objectWillChange().
// Main-thread only.
class Lights {
public:
    static constexpr std::string_view storeKey = "bulbs";
    // Where a stored value that could not be read completely is kept before the first save
    // replaces it; a later one goes under the first of "bulbs.unreadable.2", ".3", … that is
    // free, never over an earlier one.
    static constexpr std::string_view unreadableKey = "bulbs.unreadable";
    static constexpr std::chrono::milliseconds discoveryWait{3000};
    static constexpr std::chrono::milliseconds pollInterval{10'000};
    static constexpr std::chrono::milliseconds pollTolerance{2000};
    static constexpr std::chrono::milliseconds followUpDelay{350};
    // What devices tell of themselves is saved this long after the first answer, so that a
    // burst of answers costs one write.
    static constexpr std::chrono::milliseconds configSaveDelay{1000};
    // A bulb's rejection stays on the status line through the reports that follow it this
    // closely (the rejected command's own follow-up among them); the user's next command or a
    // new scan clears it at once. So is the message that the list is full.
    static constexpr std::chrono::milliseconds rejectionHold{5000};
    // The most lights the list takes in: a reply from a further unknown sender is ignored (the
    // status line says so once per run), and adding one more by hand is refused. Lights already
    // in the list are never turned away.
    static constexpr std::size_t maxBulbs = 1024;

    // A preview controller holds one sample bulb and never touches the store or the network.
    Lights(bool preview, Store& defaults, EventLoop& loop,
           SocketApi& sockets = SocketApi::system());
    ~Lights();
    Lights(const Lights&) = delete;
    Lights& operator=(const Lights&) = delete;

    // Published state.
    const std::vector<Bulb>& bulbs() const { return bulbs_; }
    const std::optional<std::string>& selected() const { return selected_; }
    const std::optional<std::string>& message() const { return message_; }
    bool scanning() const { return scanning_; }
    ChangeSignal& objectWillChange() { return willChange_; }

    // The light picker writes the selection directly.
    void setSelected(std::optional<std::string> ip);
    // Puts a failure the controller cannot see itself (one of the shell's) on the status line,
    // where it is replaced and cleared like the controller's own.
    void showMessage(std::string text);

    // The first bulb whose address is the selection, or null. Valid until the list changes.
    const Bulb* current() const;

    bool panelVisible() const { return panelVisible_; }
    bool hasDiscovered() const { return hasDiscovered_; }
    int socketFD() const { return endpoint_.socketFD(); }
    // True while the poll timer runs.
    bool polling() const { return poller_ != nullptr; }
    WallTime now() const { return loop_.now(); }

    // Discovery and polling.
    void discover();
    void refresh();
    void setPanelVisible(bool visible);

    // Sends "setPilot" with `params` to the selection, or to every bulb when `all`, and asks
    // the same bulbs for their state 0.35 s later. Each bulb gets what its device takes
    // (DeviceClass::accepted: a temperature clamped into its range), and a bulb that cannot
    // show the command (a colour, a brightness, a temperature or a scene it lacks) gets nothing.
    void control(const Params& params, bool all);
    // The same for the bulbs at `targets`, in that order.
    void control(const Params& params, const std::vector<std::string>& targets);

    // Editing the list.
    void add(std::string_view address);
    void remove();
    void rename(std::string_view name);

    // One request to port 38899 of `ip`.
    void send(const std::string& ip, std::string_view method, const Params& params = {});

    // Stops polling and every task, and closes the socket; a pending save is done first. For
    // the end of the program.
    void shutdown();

    // Reply handling: one received datagram, and one state report.
    void receiveReply(std::string_view bytes, const std::string& from);
    void receivePilot(const nlohmann::json& pilot, const std::string& from);

    // Called with every received datagram and its sender once the controller has handled it,
    // for a caller that waits for particular bulbs' answers. One observer; empty for none.
    using ReplyObserver = std::function<void(std::string_view bytes, const std::string& from)>;
    void observeReplies(ReplyObserver observer) { replyObserver_ = std::move(observer); }

    // Writes the list of bulbs to the store, unless the store already holds exactly that. A
    // preview never writes. Any save still pending from saveSoon() is done by it.
    void save();

private:
    // Saves at the next turn of the event loop: every bulb that reports for the first time
    // until then is written at once.
    void saveSoon();
    // Does a save that is still waiting for its turn now.
    void flushSave();
    void updatePolling();
    // The first bulb with address `ip`, or end().
    std::vector<Bulb>::iterator find(const std::string& ip);
    void load();
    void setMessage(std::optional<std::string> text);
    // Whether a report from `from`, not in the list, may add it: its address passes the
    // add-light form's rule and the list has room. Says once per run that the list is full.
    bool admits(const std::string& from);
    // The light whose MAC is `mac`, moved to `from`, or end() when there is none. It keeps its
    // name, its place and the selection; the list is saved soon.
    std::vector<Bulb>::iterator moveByMac(const std::string& mac, const std::string& from);
    // Gives `mac` to `bulb` alone: a light that held it before lets go of it.
    void takeMac(Bulb& bulb, const std::string& mac);
    // Sends the first configuration requests to `ip`.
    void askConfig(const std::string& ip);
    // A configuration result (or an older device's "method not found") from a known bulb.
    void receiveConfig(const Wire::Reply& reply, const std::string& from);
    void setScanning(bool scanning);
    void finishScan();
    void sendToAll(const std::vector<std::string>& targets, std::string_view method,
                   const Params& params);

    Store& defaults_;
    EventLoop& loop_;
    ChangeSignal willChange_;

    std::vector<Bulb> bulbs_;
    // Every MAC a light holds, and perhaps some that forgotten lights held: a report from an
    // unknown address looks for its light only when its MAC is here.
    std::unordered_set<std::string> macs_;
    std::optional<std::string> selected_;
    std::optional<std::string> message_;
    bool scanning_ = false;
    // When the message shown is a bulb's rejection or the full list: the time it came.
    std::optional<MonoTime> rejectedAt_;
    // The full list has turned a sender away during this run, and the status line said so.
    bool toldListFull_ = false;

    UdpEndpoint endpoint_;
    ConfigRequests configs_;
    Handle poller_;
    Handle scanTask_;
    Handle refreshTask_;
    Handle pendingSave_;
    Handle pendingConfigSave_;
    bool panelVisible_ = false;
    bool hasDiscovered_ = false;
    bool preview_ = false;
    // The stored list holds more than was loaded: keep its value before replacing it.
    bool storedPartly_ = false;
    // While the store fails to write, the status line says so.
    ChangeSignal::Connection storeFailing_;
    ReplyObserver replyObserver_;
};

} // namespace glowdeck
