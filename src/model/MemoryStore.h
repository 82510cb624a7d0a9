#pragma once

#include "Store.h"

#include <map>

namespace glowdeck {

// A store that lives in memory: for previews, tests and benchmarks. Counts its writes, and can
// be told to fail them, as a full disk would.
class MemoryStore : public Store {
public:
    std::optional<std::string> data(std::string_view key) const override;
    bool contains(std::string_view key) const override;
    void setData(std::string_view key, const std::string& bytes) override;
    void copy(std::string_view from, std::string_view to) override;

    int writes() const { return writes_; }

    // While set, every write fails: the value is kept (and reads back) but failing() turns
    // true; the first write after it is cleared turns failing() false again.
    void failWrites(bool fail) { failWrites_ = fail; }

    // A value of another kind than bytes under `key`, told apart from others by `label`.
    void setForeign(std::string_view key, std::string label);
    // The label of the foreign value under `key`, or nothing.
    std::optional<std::string> foreign(std::string_view key) const;

private:
    struct Value {
        std::string content;
        bool bytes = true;
    };
    void put(std::string_view key, Value value);

    std::map<std::string, Value, std::less<>> values_;
    int writes_ = 0;
    bool failWrites_ = false;
};

} // namespace glowdeck
