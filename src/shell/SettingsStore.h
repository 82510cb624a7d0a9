#pragma once

#include "model/Store.h"

#include <QObject>
#include <QSettings>
#include <QVariant>

#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>

namespace glowdeck {

// The per-user defaults store: QSettings of organisation and application "Glowdeck". Values are
// raw bytes (QByteArray); a key that holds anything else reads as no bytes, but is there and
// is copied as it is.
//
// Writing the settings file waits for the disk (QSettings syncs it to disk, twice), which can
// take tens of milliseconds: setData() returns at once and a thread of the store's own writes
// the file, the latest value of each key, as soon as it can. data() reads back what was set at
// once. A write that fails (a full disk, a read-only folder) is kept and tried again with the
// next value set, by flush() and when the store is destroyed; failing() turns true once the
// thread that made the store hears of it, and false once a write succeeds. Destroying the store
// waits until everything set has been tried once more.
class SettingsStore : public Store {
public:
    SettingsStore();
    ~SettingsStore() override;
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    std::optional<std::string> data(std::string_view key) const override;
    bool contains(std::string_view key) const override;
    void setData(std::string_view key, const std::string& bytes) override;
    void copy(std::string_view from, std::string_view to) override;

    // Writes what is not in the settings file yet, a value whose write failed included, and
    // waits until that is done. Returns whether everything set so far is in the file.
    bool flush();

private:
    QVariant value(std::string_view key) const;
    void put(std::string_view key, const QVariant& value);
    void writeInTurn();

    mutable QSettings settings_;
    // Every value set or copied during this run: what data() answers for these keys.
    std::map<std::string, QVariant, std::less<>> set_;
    // Lives on the thread that made the store: the writer tells it how each write went.
    QObject home_;

    // Shared with the writer thread, under mutex_.
    std::mutex mutex_;
    std::condition_variable changed_;
    std::map<std::string, QVariant> unwritten_;
    bool due_ = false; // unwritten_ waits for a write
    bool writing_ = false;
    bool stopping_ = false;
    std::thread writer_; // started by the first value set
};

} // namespace glowdeck
