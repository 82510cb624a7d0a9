#pragma once

#include "model/Store.h"

#include <QSettings>

#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>

namespace glowdeck {

// The per-user defaults store: QSettings of organisation and application "Glowdeck". Values are
// raw bytes (QByteArray); a key that is absent or holds anything else reads as nothing.
//
// Writing the settings file waits for the disk (QSettings syncs it to disk, twice), which can
// take tens of milliseconds: setData() returns at once and a thread of the store's own writes
// the file, the latest value of each key, as soon as it can. data() reads back what was set at
// once. Destroying the store waits until everything set is in the file.
class SettingsStore : public Store {
public:
    SettingsStore();
    ~SettingsStore() override;
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    std::optional<std::string> data(std::string_view key) const override;
    void setData(std::string_view key, const std::string& bytes) override;

    // Waits until every value set so far is in the settings file.
    void flush();

private:
    void writeInTurn();

    mutable QSettings settings_;
    // Every value set during this run, as set: what data() answers for these keys.
    std::map<std::string, std::string, std::less<>> set_;

    // Shared with the writer thread, under mutex_.
    std::mutex mutex_;
    std::condition_variable changed_;
    std::map<std::string, std::string> unwritten_;
    bool writing_ = false;
    bool stopping_ = false;
    std::thread writer_; // started by the first setData()
};

} // namespace glowdeck
