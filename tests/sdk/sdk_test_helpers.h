// Small helpers shared by the SDK tests.
#pragma once

#include "cobrix.h"

#include <chrono>
#include <string>
#include <vector>

namespace sdktest {

inline std::u16string u16(const std::string& text) {
    return std::u16string(text.begin(), text.end());
}

// A printer handle that is destroyed with the test.
class Printer {
  public:
    explicit Printer(const char16_t* model = u"Vorlan") { PrinterCreator(&handle_, model); }
    ~Printer() { PrinterDestroy(handle_); }
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    PrinterHandle get() const { return handle_; }
    int open(const std::string& address) { return PortOpen(handle_, u16(address).c_str()); }
    int write(const std::string& text) {
        return WriteData(handle_, reinterpret_cast<const unsigned char*>(text.data()),
                         static_cast<int>(text.size()));
    }

  private:
    PrinterHandle handle_ = nullptr;
};

// Milliseconds a call took.
template <typename F>
long long elapsedMs(F&& call) {
    const auto start = std::chrono::steady_clock::now();
    call();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
        .count();
}

inline std::string text(const std::vector<unsigned char>& bytes, int count) {
    return std::string(bytes.begin(), bytes.begin() + count);
}

} // namespace sdktest
