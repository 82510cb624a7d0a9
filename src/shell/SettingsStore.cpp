#include "SettingsStore.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <utility>

namespace glowdeck {

namespace {

const QString organisation = QStringLiteral("Glowdeck");
const QString application = QStringLiteral("Glowdeck");

QString keyText(std::string_view key) {
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

// Writes `values` to the settings file; returns whether they reached it.
bool write(const std::map<std::string, QVariant>& values) {
    QSettings file(organisation, application);
    for (const auto& [key, value] : values) {
        file.setValue(keyText(key), value);
    }
    file.sync();
    if (file.status() == QSettings::NoError) {
        return true;
    }
    qWarning("Could not write the settings file %s", qPrintable(file.fileName()));
    return false;
}

} // namespace

SettingsStore::SettingsStore() : settings_(organisation, application) {}

SettingsStore::~SettingsStore() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (writer_.joinable()) {
        writer_.join();
    }
}

QVariant SettingsStore::value(std::string_view key) const {
    if (auto found = set_.find(key); found != set_.end()) {
        return found->second;
    }
    return settings_.value(keyText(key));
}

std::optional<std::string> SettingsStore::data(std::string_view key) const {
    const QVariant stored = value(key);
    if (!stored.isValid() || stored.typeId() != QMetaType::QByteArray) {
        return std::nullopt;
    }
    const QByteArray bytes = stored.toByteArray();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool SettingsStore::contains(std::string_view key) const {
    return set_.contains(key) || settings_.contains(keyText(key));
}

void SettingsStore::setData(std::string_view key, const std::string& bytes) {
    put(key, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

void SettingsStore::copy(std::string_view from, std::string_view to) {
    const QVariant stored = value(from);
    if (stored.isValid()) {
        put(to, stored);
    }
}

void SettingsStore::put(std::string_view key, const QVariant& value) {
    set_.insert_or_assign(std::string(key), value);
    {
        std::lock_guard lock(mutex_);
        unwritten_.insert_or_assign(std::string(key), value);
        due_ = true; // a value that failed before is tried again with this one
    }
    changed_.notify_all();
    if (!writer_.joinable()) {
        writer_ = std::thread([this] { writeInTurn(); });
    }
}

bool SettingsStore::flush() {
    std::unique_lock lock(mutex_);
    due_ = due_ || !unwritten_.empty();
    changed_.notify_all();
    changed_.wait(lock, [this] { return !due_ && !writing_; });
    return unwritten_.empty();
}

void SettingsStore::writeInTurn() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || due_; });
        if (unwritten_.empty()) {
            if (stopping_) {
                return; // everything is written
            }
            due_ = false;
            continue;
        }
        // Whatever is set while this batch is written waits for the next one.
        auto batch = std::exchange(unwritten_, {});
        due_ = false;
        writing_ = true;
        lock.unlock();
        const bool written = write(batch);
        QMetaObject::invokeMethod(
            &home_, [this, written] { setFailing(!written); }, Qt::QueuedConnection);
        lock.lock();
        writing_ = false;
        if (!written) {
            unwritten_.merge(batch); // kept, unless a value set meanwhile replaced it
        }
        changed_.notify_all();
        if (stopping_ && !written && !due_) {
            return; // that was the last try
        }
    }
}

} // namespace glowdeck
