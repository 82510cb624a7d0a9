#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace glowdeck {

// The per-user key-value store: raw bytes under a key.
class Store {
public:
    virtual ~Store() = default;
    virtual std::optional<std::string> data(std::string_view key) const = 0;
    virtual void setData(std::string_view key, const std::string& bytes) = 0;
};

} // namespace glowdeck
