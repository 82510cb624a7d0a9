#include "MemoryStore.h"

namespace glowdeck {

std::optional<std::string> MemoryStore::data(std::string_view key) const {
    auto found = values_.find(key);
    if (found == values_.end())
        return std::nullopt;
    return found->second;
}

void MemoryStore::setData(std::string_view key, const std::string& bytes) {
    values_.insert_or_assign(std::string(key), bytes);
    ++writes_;
}

} // namespace glowdeck
