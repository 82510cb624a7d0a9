#pragma once

#include "Store.h"

#include <map>

namespace glowdeck {

// A store that lives in memory: for previews, tests and benchmarks. Counts its writes.
class MemoryStore : public Store {
public:
    std::optional<std::string> data(std::string_view key) const override;
    void setData(std::string_view key, const std::string& bytes) override;

    int writes() const { return writes_; }

private:
    std::map<std::string, std::string, std::less<>> values_;
    int writes_ = 0;
};

} // namespace glowdeck
