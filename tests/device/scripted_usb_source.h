// A scripted source of USB device events for tests: events written to a
// pipe (from any thread) become readable at its descriptor, exactly as the
// device monitor's events do.
#pragma once

#include "mdlUsbEvents.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace tolvane::test {

class ScriptedUsbSource final : public IUsbEventSource {
  public:
    ScriptedUsbSource() {
        if (::pipe2(fds_, O_CLOEXEC | O_NONBLOCK) != 0) {
            fds_[0] = fds_[1] = -1;
        }
    }
    ~ScriptedUsbSource() override {
        CloseWriter();
        if (fds_[0] >= 0) {
            ::close(fds_[0]);
        }
    }
    ScriptedUsbSource(const ScriptedUsbSource&) = delete;
    ScriptedUsbSource& operator=(const ScriptedUsbSource&) = delete;

    // The end the script writes to; one event is "action devtype\n".
    int WriterFd() const { return fds_[1]; }
    void CloseWriter() {
        if (fds_[1] >= 0) {
            ::close(fds_[1]);
            fds_[1] = -1;
        }
    }

    int Fd() const override { return fds_[0]; }
    std::optional<TUsbEvent> Receive() override {
        std::string line;
        char c = 0;
        while (::read(fds_[0], &c, 1) == 1 && c != '\n') {
            line += c;
        }
        if (line.empty()) {
            return std::nullopt;
        }
        const std::size_t blank = line.find(' ');
        return TUsbEvent{line.substr(0, blank), blank == std::string::npos ? "" : line.substr(blank + 1),
                         "/sys/devices/scripted"};
    }

  private:
    int fds_[2] = {-1, -1};
};

// Writes one event line to a scripted source's writer end.
inline bool SendUsbEvent(int writerFd, const std::string& action, const std::string& devType) {
    const std::string line = action + " " + devType + "\n";
    return ::write(writerFd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
}

} // namespace tolvane::test
