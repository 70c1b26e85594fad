// Shared by the test helper libraries: a log of the calls received and the
// UTF-16 texts they carry, reachable from the tests through exported
// functions.
#pragma once

#include "mdlUtf16Text.h"

#include <mutex>
#include <string>
#include <uchar.h>

namespace tolvane::test {

class PluginRecorder {
  public:
    void Record(const std::string& call) {
        std::lock_guard lock(mutex_);
        log_ += call;
        log_ += '\n';
    }
    // Every call so far, one per line.
    const char* Log() {
        std::lock_guard lock(mutex_);
        snapshot_ = log_;
        return snapshot_.c_str();
    }
    void Clear() {
        std::lock_guard lock(mutex_);
        log_.clear();
    }

  private:
    std::mutex mutex_;
    std::string log_;
    std::string snapshot_;
};

inline std::string Text(const char16_t* text) {
    return text != nullptr ? Utf8FromUtf16Buffer(text, 4096) : "<null>";
}

// Copies text into a caller's buffer of capacity characters, terminated.
inline void CopyOut(const std::string& text, char16_t* buffer, int capacity) {
    const std::u16string wide = Utf8ToUtf16(text);
    int n = 0;
    for (; n < capacity - 1 && n < static_cast<int>(wide.size()); ++n) {
        buffer[n] = wide[static_cast<std::size_t>(n)];
    }
    buffer[n] = u'\0';
}

} // namespace tolvane::test
