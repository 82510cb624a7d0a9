#include "MemoryStore.h"

namespace glowdeck {

std::optional<std::string> MemoryStore::data(std::string_view key) const {
    auto found = values_.find(key);
    if (found == values_.end() || !found->second.bytes)
        return std::nullopt;
    return found->second.content;
}

bool MemoryStore::contains(std::string_view key) const {
    return values_.contains(key);
}

void MemoryStore::setData(std::string_view key, const std::string& bytes) {
    put(key, {bytes, true});
}

void MemoryStore::copy(std::string_view from, std::string_view to) {
    auto found = values_.find(from);
    if (found != values_.end())
        put(to, found->second);
}

void MemoryStore::setForeign(std::string_view key, std::string label) {
    put(key, {std::move(label), false});
}

std::optional<std::string> MemoryStore::foreign(std::string_view key) const {
    auto found = values_.find(key);
    if (found == values_.end() || found->second.bytes)
        return std::nullopt;
    return found->second.content;
}

void MemoryStore::put(std::string_view key, Value value) {
    values_.insert_or_assign(std::string(key), std::move(value));
    ++writes_;
    setFailing(failWrites_);
}

} // namespace glowdeck
