// A pseudo-terminal pair for tests: the library under test opens the
// terminal side by path; the test plays the device on the other side.
#pragma once

#include <cstdint>
#include <string>
#include <termios.h>
#include <vector>

namespace testsupport {

class PtyPair {
  public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& path() const { return path_; }
    // The device side: what the library wrote, and bytes for it to read.
    std::vector<uint8_t> readDevice(size_t atLeast, int ms = 2000);
    void writeDevice(const std::vector<uint8_t>& bytes);
    void writeDevice(const std::string& text);
    // The terminal's current settings, as the library left them.
    termios settings() const;

  private:
    int master_ = -1;
    int slave_ = -1; // held so the terminal settings outlive the library's close
    std::string path_;
};

} // namespace testsupport
