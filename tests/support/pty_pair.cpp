#include "pty_pair.h"

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <unistd.h>

namespace testsupport {

PtyPair::PtyPair() {
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
        throw std::runtime_error("openpty failed");
    }
    termios raw{};
    ::tcgetattr(slave_, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave_, TCSANOW, &raw);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    path_ = name;
}

PtyPair::~PtyPair() {
    ::close(master_);
    ::close(slave_);
}

std::vector<uint8_t> PtyPair::readDevice(size_t atLeast, int ms) {
    std::vector<uint8_t> out;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (out.size() < atLeast && std::chrono::steady_clock::now() < deadline) {
        pollfd p{master_, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0) {
            continue;
        }
        uint8_t buffer[65536];
        const ssize_t n = ::read(master_, buffer, sizeof(buffer));
        if (n > 0) {
            out.insert(out.end(), buffer, buffer + n);
        }
    }
    return out;
}

void PtyPair::writeDevice(const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else {
            pollfd p{master_, POLLOUT, 0};
            ::poll(&p, 1, 20);
        }
    }
}

void PtyPair::writeDevice(const std::string& text) {
    writeDevice(std::vector<uint8_t>(text.begin(), text.end()));
}

termios PtyPair::settings() const {
    termios t{};
    ::tcgetattr(slave_, &t);
    return t;
}

} // namespace testsupport
