#pragma once

#include "emulator/core/record.h"

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace emulator {

// Keeps every record and every received byte for tests to query, and
// writes each record as one readable line to the log file, if any. A
// long-running emulator keeps the latest kMaxRecords records and
// kMaxReceived bytes in memory (the log has everything).
// Thread-safe: the emulator adds, tests read and wait.
class Recorder {
  public:
    static constexpr size_t kMaxRecords = 100000;
    static constexpr size_t kMaxReceived = 64u << 20;
    static constexpr size_t kMaxUnknown = 10000;

    Recorder() = default;
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Appends to the log file `path`; false with `error` when it cannot be opened.
    bool openLog(const std::string& path, std::string* error);

    void add(Record record);
    void addReceived(ByteView bytes);
    // A line for the log only (start, stop, listening addresses).
    void logLine(const std::string& text);

    std::vector<Record> records() const;
    Bytes received() const;
    // What the printer was asked but did not know ("getval density",
    // "setkey 1.999", "do frobnicate", "raw"), each once, in the order first
    // asked; the log gets an "unknown request: ..." line for each.
    std::vector<std::string> unknownRequests() const;
    // Forgets the records, the received bytes and the unknown requests.
    void clear();

    // Waits until a record satisfies `match` (also one kept before the
    // call); returns it, or nothing after `timeout`.
    std::optional<Record> waitFor(const std::function<bool(const Record&)>& match,
                                  std::chrono::milliseconds timeout) const;

  private:
    void writeLog(const std::string& text);

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<Record> records_;
    uint64_t forgotten_ = 0; // records dropped from the front to stay within kMaxRecords
    Bytes received_;
    std::vector<std::string> unknown_;
    uint64_t nextSequence_ = 1;
    std::FILE* log_ = nullptr;
};

// "yyyy-mm-dd hh:mm:ss.zzz" in local time.
std::string formatTime(std::chrono::system_clock::time_point time);

} // namespace emulator
