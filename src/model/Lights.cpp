#include "Lights.h"

#include "DeviceConfig.h"
#include "Messages.h"
#include "SavedLight.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

namespace glowdeck {

using nlohmann::json;

namespace {

// The sample bulb a preview controller shows.
Bulb sampleBulb(WallTime now) {
    return {"192.168.1.42", "Desk Light", true, 72.0, 2700.0, 6, now, {}, {}};
}

// Whether `pilot` reports exactly `mac`, a MAC already known.
bool holdsMac(const json& pilot, const std::string& mac) {
    if (mac.empty())
        return false;
    auto value = pilot.find("mac");
    return value != pilot.end() && value->is_string() &&
           value->get_ref<const std::string&>() == mac;
}

// Matches the bulbs at `ip`.
auto hasAddress(const std::string& ip) {
    return [&ip](const Bulb& bulb) { return bulb.ip == ip; };
}

std::string defaultName(std::size_t count) {
    return "WiZ light " + std::to_string(count + 1);
}

std::optional<double> number(const json& pilot, const char* key) {
    auto value = pilot.find(key);
    if (value == pilot.end() || !value->is_number())
        return std::nullopt;
    return value->get<double>();
}

// A scene number: any JSON number that is exactly a signed 64-bit integer.
std::optional<std::int64_t> sceneNumber(const json& pilot) {
    auto value = pilot.find("sceneId");
    if (value == pilot.end())
        return std::nullopt;
    if (value->is_number_unsigned()) {
        auto n = value->get<std::uint64_t>();
        if (n > static_cast<std::uint64_t>(INT64_MAX))
            return std::nullopt;
        return static_cast<std::int64_t>(n);
    }
    if (value->is_number_integer())
        return value->get<std::int64_t>();
    if (value->is_number_float()) {
        double d = value->get<double>();
        // [-2^63, 2^63): every integral double in it converts exactly.
        if (std::trunc(d) != d || d < -9223372036854775808.0 || d >= 9223372036854775808.0)
            return std::nullopt;
        return static_cast<std::int64_t>(d);
    }
    return std::nullopt;
}

// Unicode white space and line breaks beyond ASCII, UTF-8 encoded: NEL, NBSP, U+1680,
// U+2000–U+200A, U+2028, U+2029, U+202F, U+205F, U+3000.
constexpr std::string_view wideSpaces[] = {
    "\xC2\x85",     "\xC2\xA0",     "\xE1\x9A\x80", "\xE2\x80\x80", "\xE2\x80\x81",
    "\xE2\x80\x82", "\xE2\x80\x83", "\xE2\x80\x84", "\xE2\x80\x85", "\xE2\x80\x86",
    "\xE2\x80\x87", "\xE2\x80\x88", "\xE2\x80\x89", "\xE2\x80\x8A", "\xE2\x80\xA8",
    "\xE2\x80\xA9", "\xE2\x80\xAF", "\xE2\x81\x9F", "\xE3\x80\x80"};

bool asciiSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// `text` without white space and line breaks at either end.
std::string_view trimmed(std::string_view text) {
    for (bool trimmedSome = true; trimmedSome && !text.empty();) {
        trimmedSome = false;
        if (asciiSpace(text.front())) {
            text.remove_prefix(1);
            trimmedSome = true;
        }
        if (!text.empty() && asciiSpace(text.back())) {
            text.remove_suffix(1);
            trimmedSome = true;
        }
        for (auto space : wideSpaces) {
            if (text.starts_with(space)) {
                text.remove_prefix(space.size());
                trimmedSome = true;
            }
            if (text.ends_with(space)) {
                text.remove_suffix(space.size());
                trimmedSome = true;
            }
        }
    }
    return text;
}

// The first of `base`, `base`.2, `base`.3, … that `store` holds nothing under.
std::string unusedKey(const Store& store, std::string_view base) {
    std::string key(base);
    for (int n = 2; store.contains(key); ++n)
        key = std::string(base) + "." + std::to_string(n);
    return key;
}

} // namespace

Lights::Lights(bool preview, Store& defaults, EventLoop& loop, SocketApi& sockets)
    : defaults_(defaults), loop_(loop), endpoint_(loop, sockets),
      configs_(loop, [this](const std::string& ip) { askConfig(ip); }) {
    if (preview) {
        preview_ = true;
        bulbs_ = {sampleBulb(loop_.now())};
        selected_ = bulbs_.front().ip;
        return;
    }
    load();
    storeFailing_ = defaults_.failingChanged().connect([this] {
        if (defaults_.failing() || message_ == messages::cannotSave)
            setMessage(std::nullopt);
    });
    if (auto failure = endpoint_.open(
            [this](std::string_view bytes, const std::string& from) { receiveReply(bytes, from); }))
        message_ = std::move(failure);
}

Lights::~Lights() {
    flushSave();
}

// --- Saved lights ---

void Lights::load() {
    auto stored = defaults_.data(storeKey);
    if (!stored) {
        storedPartly_ = defaults_.contains(storeKey); // a value of another kind
        return;
    }
    auto saved = SavedLight::decode(*stored);
    storedPartly_ = !saved.complete;
    for (auto& light : saved.lights) {
        Bulb bulb = Bulb::unseen(std::move(light.ip), std::move(light.name));
        if (!light.mac.empty() && macs_.insert(light.mac).second)
            bulb.mac = std::move(light.mac);
        bulb.device = std::move(light.device);
        bulbs_.push_back(std::move(bulb));
    }
    if (!bulbs_.empty())
        selected_ = bulbs_.front().ip;
}

void Lights::save() {
    pendingSave_.reset();
    pendingConfigSave_.reset();
    if (preview_)
        return;
    auto encoded = SavedLight::encode(bulbs_);
    if (!encoded)
        return;
    auto stored = defaults_.data(storeKey);
    if (stored == encoded)
        return;
    if (storedPartly_)
        defaults_.copy(storeKey, unusedKey(defaults_, unreadableKey));
    storedPartly_ = false;
    defaults_.setData(storeKey, *encoded);
}

void Lights::saveSoon() {
    if (!pendingSave_ || !pendingSave_->active())
        pendingSave_ = loop_.after(Duration::zero(), [this] { save(); });
}

void Lights::flushSave() {
    if ((pendingSave_ && pendingSave_->active()) ||
        (pendingConfigSave_ && pendingConfigSave_->active()))
        save();
}

// --- Published state ---

void Lights::setSelected(std::optional<std::string> ip) {
    willChange_.notify();
    selected_ = std::move(ip);
}

void Lights::showMessage(std::string text) {
    setMessage(std::move(text));
}

void Lights::setMessage(std::optional<std::string> text) {
    if (!text && !preview_ && defaults_.failing())
        text = std::string(messages::cannotSave); // until a write succeeds
    willChange_.notify();
    message_ = std::move(text);
    rejectedAt_.reset();
}

void Lights::setScanning(bool scanning) {
    willChange_.notify();
    scanning_ = scanning;
}

std::vector<Bulb>::iterator Lights::find(const std::string& ip) {
    return std::find_if(bulbs_.begin(), bulbs_.end(), hasAddress(ip));
}

const Bulb* Lights::current() const {
    if (!selected_)
        return nullptr;
    auto found = std::find_if(bulbs_.begin(), bulbs_.end(), hasAddress(*selected_));
    return found == bulbs_.end() ? nullptr : &*found;
}

// --- Sending and receiving ---

void Lights::send(const std::string& ip, std::string_view method, const Params& params) {
    if (endpoint_.socketFD() < 0)
        return;
    auto request = Wire::request(method, params);
    if (!request)
        return;
    if (endpoint_.send(ip, *request) == UdpEndpoint::Sent::Failed)
        setMessage(messages::cannotSend(ip));
}

void Lights::sendToAll(const std::vector<std::string>& targets, std::string_view method,
                       const Params& params) {
    for (const auto& target : targets)
        send(target, method, params);
}

void Lights::receiveReply(std::string_view bytes, const std::string& from) {
    auto reply = Wire::parseReply(bytes);
    switch (reply.kind) {
    case Wire::Reply::Kind::Dropped:
        break;
    case Wire::Reply::Kind::Rejected:
        if (!Wire::validIP(from) && find(from) == bulbs_.end())
            return; // no bulb sends from there
        setMessage(messages::rejected(from));
        rejectedAt_ = loop_.monotonicNow();
        break;
    case Wire::Reply::Kind::Pilot:
        receivePilot(reply.pilot, from);
        break;
    case Wire::Reply::Kind::Config:
    case Wire::Reply::Kind::Unsupported:
        receiveConfig(reply, from);
        break;
    }
    if (replyObserver_)
        replyObserver_(bytes, from);
}

void Lights::receiveConfig(const Wire::Reply& reply, const std::string& from) {
    auto bulb = find(from);
    if (bulb == bulbs_.end() || !configs_.asked(from))
        return;
    if (reply.kind == Wire::Reply::Kind::Unsupported) {
        if (reply.method == DeviceConfig::modelMethod && configs_.takeFallback(from))
            send(from, DeviceConfig::userMethod);
        return;
    }
    DeviceClass device = bulb->device;
    if (!DeviceConfig::apply(device, reply.method, reply.pilot))
        return;
    willChange_.notify();
    bulb->device = std::move(device);
    if (!pendingConfigSave_ || !pendingConfigSave_->active())
        pendingConfigSave_ = loop_.after(configSaveDelay, [this] { save(); });
}

void Lights::askConfig(const std::string& ip) {
    send(ip, DeviceConfig::systemMethod);
    send(ip, DeviceConfig::modelMethod);
}

void Lights::receivePilot(const json& pilot, const std::string& from) {
    auto state = pilot.find("state");
    if (state == pilot.end() || !state->is_boolean())
        return;

    auto apply = [&](Bulb& bulb) {
        bulb.on = state->get<bool>();
        bulb.lastSeen = loop_.now();
        if (auto dimming = number(pilot, "dimming"))
            bulb.brightness = *dimming;
        if (auto temp = number(pilot, "temp"))
            bulb.temperature = *temp;
        bulb.sceneID = sceneNumber(pilot);
    };

    auto known = find(from);
    // Most reports carry the MAC the light already has: read it only when it is news.
    std::optional<std::string> mac;
    if (known == bulbs_.end() || !holdsMac(pilot, known->mac))
        mac = DeviceConfig::mac(pilot);
    if (known == bulbs_.end() && mac)
        known = moveByMac(*mac, from);
    if (known == bulbs_.end() && !admits(from))
        return;

    // A light's first report in this run has it asked for its configuration.
    const bool firstReport = known == bulbs_.end() || !known->lastSeen;
    willChange_.notify();
    if (known != bulbs_.end()) {
        apply(*known);
        if (mac && known->mac != *mac)
            takeMac(*known, *mac);
    } else {
        Bulb bulb = Bulb::unseen(from, defaultName(bulbs_.size()));
        apply(bulb);
        if (mac) {
            macs_.insert(*mac);
            bulb.mac = std::move(*mac);
        }
        bulbs_.push_back(std::move(bulb));
        saveSoon();
        updatePolling();
    }
    if (firstReport)
        configs_.add(from);
    if (!selected_)
        setSelected(from);
    if (message_ && !(rejectedAt_ && loop_.monotonicNow() - *rejectedAt_ < rejectionHold))
        setMessage(std::nullopt);
}

std::vector<Bulb>::iterator Lights::moveByMac(const std::string& mac, const std::string& from) {
    if (!macs_.contains(mac) || !Wire::validIP(from))
        return bulbs_.end();
    auto moving = std::find_if(bulbs_.begin(), bulbs_.end(),
                               [&](const Bulb& bulb) { return bulb.mac == mac; });
    if (moving == bulbs_.end())
        return moving;
    willChange_.notify();
    if (selected_ == moving->ip)
        setSelected(from);
    moving->ip = from; // asked at its old address already, if it answered there in this run
    saveSoon();
    return moving;
}

void Lights::takeMac(Bulb& bulb, const std::string& mac) {
    for (auto& other : bulbs_)
        if (other.mac == mac)
            other.mac.clear();
    bulb.mac = mac;
    macs_.insert(mac);
    saveSoon();
}

bool Lights::admits(const std::string& from) {
    if (!Wire::validIP(from))
        return false;
    if (bulbs_.size() < maxBulbs)
        return true;
    if (!toldListFull_) {
        toldListFull_ = true;
        setMessage(messages::listFull(maxBulbs));
        rejectedAt_ = loop_.monotonicNow();
    }
    return false;
}

// --- Discovery and polling ---

void Lights::discover() {
    if (endpoint_.socketFD() < 0)
        return;
    setScanning(true);
    setMessage(std::nullopt);
    refresh();
    send("255.255.255.255", "getPilot");
    for (const auto& address : endpoint_.broadcastAddresses())
        send(address, "getPilot");
    scanTask_ = loop_.after(discoveryWait, [this] { finishScan(); });
}

void Lights::finishScan() {
    setScanning(false);
    const auto now = loop_.now();
    bool anyResponding = std::any_of(bulbs_.begin(), bulbs_.end(),
                                     [now](const Bulb& bulb) { return bulb.responding(now); });
    if (!anyResponding)
        setMessage(std::string(messages::noBulbsReplied));
}

void Lights::refresh() {
    if (endpoint_.socketFD() < 0)
        return;
    for (const auto& bulb : bulbs_)
        send(bulb.ip, "getPilot");
    willChange_.notify();
}

void Lights::setPanelVisible(bool visible) {
    if (visible == panelVisible_)
        return;
    panelVisible_ = visible;
    if (visible) {
        if (!hasDiscovered_) {
            hasDiscovered_ = true;
            discover();
        } else {
            refresh();
        }
    } else {
        scanTask_.reset();
        if (scanning_)
            setScanning(false);
    }
    configs_.setActive(visible);
    updatePolling();
}

void Lights::updatePolling() {
    if (panelVisible_ && !bulbs_.empty() && endpoint_.socketFD() >= 0) {
        if (poller_ && poller_->active())
            return; // the running timer keeps its phase
        poller_ = loop_.every(pollInterval, pollTolerance, [this] {
            if (panelVisible_)
                refresh();
        });
    } else {
        poller_.reset();
    }
}

// --- Commands ---

void Lights::control(const Params& params, bool all) {
    std::vector<std::string> targets;
    if (all) {
        targets.reserve(bulbs_.size());
        for (const auto& bulb : bulbs_)
            targets.push_back(bulb.ip);
    } else if (selected_) {
        targets.push_back(*selected_);
    }
    control(params, targets);
}

void Lights::control(const Params& params, const std::vector<std::string>& targets) {
    if (rejectedAt_)
        setMessage(std::nullopt);
    std::vector<std::string> taking; // the targets whose device takes the command
    taking.reserve(targets.size());
    for (const auto& target : targets) {
        auto bulb = find(target);
        auto taken = bulb == bulbs_.end() ? std::optional(params) : bulb->device.accepted(params);
        if (!taken)
            continue;
        send(target, "setPilot", *taken);
        taking.push_back(target);
    }
    refreshTask_ = loop_.after(
        followUpDelay, [this, taking = std::move(taking)] { sendToAll(taking, "getPilot", {}); });
}

// --- Editing the list ---

void Lights::add(std::string_view typed) {
    std::string address(trimmed(typed));
    if (!Wire::validIP(address)) {
        setMessage(std::string(messages::invalidAddress));
        return;
    }
    if (find(address) == bulbs_.end()) {
        if (bulbs_.size() >= maxBulbs) {
            setMessage(messages::listFull(maxBulbs));
            return;
        }
        willChange_.notify();
        bulbs_.push_back(Bulb::unseen(address, defaultName(bulbs_.size())));
    }
    setSelected(address);
    save();
    updatePolling();
    send(address, "getPilot");
}

void Lights::remove() {
    willChange_.notify();
    if (selected_)
        std::erase_if(bulbs_, hasAddress(*selected_));
    setSelected(bulbs_.empty() ? std::nullopt : std::optional(bulbs_.front().ip));
    save();
    updatePolling();
}

void Lights::rename(std::string_view name) {
    if (!selected_)
        return;
    auto found = find(*selected_);
    if (found == bulbs_.end())
        return;
    willChange_.notify();
    found->name = name.empty() ? "WiZ light" : std::string(name);
    save();
}

// --- Shutting down ---

void Lights::shutdown() {
    flushSave();
    panelVisible_ = false;
    poller_.reset();
    scanTask_.reset();
    refreshTask_.reset();
    configs_.stop();
    endpoint_.shutdown();
}

} // namespace glowdeck
