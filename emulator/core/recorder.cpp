#include "emulator/core/recorder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>

namespace emulator {

std::string formatTime(std::chrono::system_clock::time_point time) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(time.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[40];
    const size_t n = std::strftime(text, sizeof(text), "%Y-%m-%d %H:%M:%S", &local);
    std::snprintf(text + n, sizeof(text) - n, ".%03d", static_cast<int>(millis));
    return text;
}

Recorder::~Recorder() {
    if (log_ != nullptr) {
        std::fclose(log_);
    }
}

bool Recorder::openLog(const std::string& path, std::string* error) {
    std::FILE* file = std::fopen(path.c_str(), "a");
    if (file == nullptr) {
        if (error != nullptr) {
            *error = "cannot open the log file " + path + ": " + std::strerror(errno);
        }
        return false;
    }
    std::lock_guard lock(mutex_);
    if (log_ != nullptr) {
        std::fclose(log_);
    }
    log_ = file;
    return true;
}

void Recorder::writeLog(const std::string& text) {
    if (log_ == nullptr) {
        return;
    }
    const std::string line = formatTime(std::chrono::system_clock::now()) + " " + text + "\n";
    std::fwrite(line.data(), 1, line.size(), log_);
    std::fflush(log_);
}

void Recorder::add(Record record) {
    {
        std::lock_guard lock(mutex_);
        record.sequence = nextSequence_++;
        record.time = std::chrono::system_clock::now();
        writeLog(describeRecord(record));
        if (record.unknown) {
            std::string request = unknownRequestText(record);
            if (std::find(unknown_.begin(), unknown_.end(), request) == unknown_.end()) {
                writeLog("unknown request: " + request);
                if (unknown_.size() < kMaxUnknown) {
                    unknown_.push_back(std::move(request));
                }
            }
        }
        if (records_.size() >= kMaxRecords) {
            const size_t drop = kMaxRecords / 10;
            records_.erase(records_.begin(), records_.begin() + static_cast<std::ptrdiff_t>(drop));
            forgotten_ += drop;
        }
        records_.push_back(std::move(record));
    }
    changed_.notify_all();
}

void Recorder::addReceived(ByteView bytes) {
    std::lock_guard lock(mutex_);
    received_.insert(received_.end(), bytes.begin(), bytes.end());
    if (received_.size() > kMaxReceived) {
        received_.erase(received_.begin(), received_.end() - static_cast<std::ptrdiff_t>(kMaxReceived / 2));
    }
}

void Recorder::logLine(const std::string& text) {
    std::lock_guard lock(mutex_);
    writeLog(text);
}

std::vector<Record> Recorder::records() const {
    std::lock_guard lock(mutex_);
    return records_;
}

Bytes Recorder::received() const {
    std::lock_guard lock(mutex_);
    return received_;
}

void Recorder::clear() {
    std::lock_guard lock(mutex_);
    forgotten_ += records_.size();
    records_.clear();
    received_.clear();
    unknown_.clear();
}

std::vector<std::string> Recorder::unknownRequests() const {
    std::lock_guard lock(mutex_);
    return unknown_;
}

std::optional<Record> Recorder::waitFor(const std::function<bool(const Record&)>& match,
                                        std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    std::optional<Record> found;
    uint64_t checked = forgotten_; // counted from the first record ever kept
    changed_.wait_for(lock, timeout, [&] {
        for (checked = std::max(checked, forgotten_); checked < forgotten_ + records_.size(); ++checked) {
            const Record& record = records_[static_cast<size_t>(checked - forgotten_)];
            if (match(record)) {
                found = record;
                return true;
            }
        }
        return false;
    });
    return found;
}

} // namespace emulator
