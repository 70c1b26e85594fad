#include "socket_port.h"

#include "clock.h"
#include "device_names.h"
#include "result_codes.h"
#include "system_error.h"
#include "uri.h"

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <unistd.h>

namespace cobrix {
namespace {

// Socket ports that have started networking and not yet stopped it. A
// closed socket port reconnects on a read or write only while another
// socket port still holds it.
std::atomic<int> g_socketUsers{0};

constexpr int64_t kWaitSliceMs = 100;

void setTimeoutOption(int fd, int option, int64_t ms) {
    timeval tv{};
    tv.tv_sec = static_cast<time_t>(ms / 1000);
    tv.tv_usec = static_cast<suseconds_t>((ms % 1000) * 1000);
    ::setsockopt(fd, SOL_SOCKET, option, &tv, sizeof(tv));
}

// Waits for `events` up to `ms`, in slices so that a raised cancel flag ends
// the wait. >0 ready, 0 time over or cancelled, <0 error.
int waitFor(int fd, short events, int64_t ms, const CancelFlag& cancel) {
    const int64_t start = nowMs();
    for (;;) {
        if (cancel.raised()) {
            return 0;
        }
        const int64_t left = msLeft(start, ms);
        pollfd p{fd, events, 0};
        const int ready = ::poll(&p, 1, pollTimeout(std::min(left, kWaitSliceMs)));
        if (ready != 0 || left <= kWaitSliceMs) {
            if (ready < 0 && errno == EINTR) {
                continue;
            }
            return ready;
        }
    }
}

} // namespace

SocketPort::~SocketPort() {
    close();
}

int SocketPort::keepDeviceName(const char* device) {
    if (std::strlen(device) > kDeviceNameField) {
        return kIoNameTooLong;
    }
    deviceName_ = device;
    return kOk;
}

int SocketPort::getAddress(char* buffer, int capacity, int* length) {
    return copyPortAddress(address_, configured_, buffer, capacity, length);
}

int SocketPort::connectOnce() {
    sockaddr_storage remote{};
    socklen_t remoteLength = 0;
    if (const int r = remoteAddress(remote, remoteLength); r != kOk) {
        return r;
    }
    fd_ = newSocket();
    if (fd_ < 0) {
        return lastSystemError();
    }
    const linger noLinger{0, 0};
    ::setsockopt(fd_, SOL_SOCKET, SO_LINGER, &noLinger, sizeof(noLinger));
    // Sixteen chunks of send buffer: a buffer of a single chunk holds Linux
    // TCP to a third of the link's rate, while this still keeps little enough
    // in the kernel for a stalled printer to run out the write budget.
    const int sendBuffer = chunkSize_ * kSendBufferChunks;
    ::setsockopt(fd_, SOL_SOCKET, SO_SNDBUF, &sendBuffer, sizeof(sendBuffer));
    setTimeoutOption(fd_, SO_SNDTIMEO, writeConstantMs_);
    setTimeoutOption(fd_, SO_RCVTIMEO, firstByteWaitMs_);
    if (bindsBeforeConnect()) {
        sockaddr_in any{};
        any.sin_family = AF_INET;
        any.sin_addr.s_addr = htonl(INADDR_ANY);
        if (::bind(fd_, reinterpret_cast<const sockaddr*>(&any), sizeof(any)) != 0) {
            return lastSystemError();
        }
    }
    if (::connect(fd_, reinterpret_cast<const sockaddr*>(&remote), remoteLength) == 0) {
        return kOk;
    }
    if (errno != EINPROGRESS && errno != EAGAIN) {
        return lastSystemError();
    }
    pollfd p{fd_, POLLOUT, 0};
    int ready;
    do {
        ready = ::poll(&p, 1, pollTimeout(connectTimeoutMs_));
    } while (ready < 0 && errno == EINTR);
    if (ready == 0) {
        return kIoOpenFailed;
    }
    int error = 0;
    socklen_t errorLength = sizeof(error);
    if (ready < 0 || ::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &errorLength) != 0) {
        return lastSystemError();
    }
    return error == 0 ? kOk : systemErrorFromErrno(error);
}

void SocketPort::dropSocket() {
    if (fd_ >= 0) {
        ::shutdown(fd_, SHUT_RDWR);
        ::close(fd_);
        fd_ = -1;
    }
}

int SocketPort::connectWithRetry() {
    int r = connectOnce();
    if (r != kOk) {
        dropSocket();
        r = connectOnce();
        if (r != kOk) {
            dropSocket();
        }
    }
    open_ = r == kOk;
    return r;
}

int SocketPort::open() {
    if (!configured_) {
        return kIoInvalidSetting;
    }
    if (open_) {
        return kIoAlreadyOpen;
    }
    if (!holdsLibrary_) {
        ++g_socketUsers;
        holdsLibrary_ = true;
    }
    cancel_.lower();
    return connectWithRetry();
}

int SocketPort::close() {
    if (fd_ >= 0) {
        ::shutdown(fd_, SHUT_RD);
        ::close(fd_);
        fd_ = -1;
    }
    open_ = false;
    if (holdsLibrary_) {
        --g_socketUsers;
        holdsLibrary_ = false;
    }
    return kOk;
}

int SocketPort::cancel() {
    if (fd_ >= 0) {
        cancel_.raise();
    }
    return kOk;
}

int SocketPort::setTimeouts(int64_t read, int64_t gap, int64_t write) {
    if (read < 0 || gap < 0 || write < 0) {
        return kBadParameter;
    }
    firstByteWaitMs_ = read;
    nextByteWaitMs_ = gap;
    writeConstantMs_ = write;
    if (fd_ >= 0) {
        setTimeoutOption(fd_, SO_SNDTIMEO, writeConstantMs_);
        setTimeoutOption(fd_, SO_RCVTIMEO, firstByteWaitMs_);
    }
    return kOk;
}

int SocketPort::getTimeouts(int64_t* read, int64_t* gap, int64_t* write) {
    if (read == nullptr || gap == nullptr || write == nullptr) {
        return kBadParameter;
    }
    *read = firstByteWaitMs_;
    *gap = nextByteWaitMs_;
    *write = writeConstantMs_;
    return kOk;
}

int SocketPort::ensureConnection() {
    if (!configured_) {
        return kIoInvalidSetting;
    }
    if (fd_ < 0) {
        // Closed (or never connected): reconnect while networking is still in use.
        if (g_socketUsers.load() == 0) {
            return kWsaNotInitialised;
        }
        return connectWithRetry();
    }
    int error = 0;
    socklen_t errorLength = sizeof(error);
    const bool socketError = ::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &errorLength) != 0 || error != 0;
    uint8_t probe = 0;
    const bool peerClosed = !socketError && ::recv(fd_, &probe, 1, MSG_PEEK | MSG_DONTWAIT) == 0;
    if (socketError || peerClosed) {
        dropSocket();
        return connectWithRetry();
    }
    return kOk;
}

int SocketPort::write(const uint8_t* buffer, int offset, int length, int* written) {
    int total = 0;
    if (written != nullptr) {
        *written = 0;
    }
    if (length < 0 || offset < 0 || (length > 0 && buffer == nullptr)) {
        return kBadParameter;
    }
    if (const int r = ensureConnection(); r != kOk) {
        return r;
    }
    const uint8_t* data = buffer + offset;
    const int64_t budget = static_cast<int64_t>(length) * writePerByteMs_ + writeConstantMs_;
    const int64_t start = nowMs();
    bool reconnected = false;
    int result = kOk;
    while (total < length && !cancel_.raised()) {
        const size_t chunk = static_cast<size_t>(std::min(chunkSize_, length - total));
        // Chunks followed by more of the same write are sent as "more to come",
        // so a long write fills whole segments; the last chunk goes out at once.
        const int more = total + static_cast<int>(chunk) < length ? MSG_MORE : 0;
        const ssize_t sent = ::send(fd_, data + total, chunk, MSG_NOSIGNAL | MSG_DONTWAIT | more);
        if (sent > 0) {
            total += static_cast<int>(sent);
            continue;
        }
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        if (sent < 0 && errno == EAGAIN) {
            // The printer is not taking data yet: wait for room, within the budget.
            const int64_t left = msLeft(start, budget);
            if (left <= 0 || waitFor(fd_, POLLOUT, left, cancel_) <= 0) {
                result = cancel_.raised() ? kOk : kIoWriteTimeout;
                break;
            }
            continue;
        }
        const int code = sent == 0 ? kWsaConnReset : lastSystemError();
        if (code == kWsaConnReset && !reconnected) {
            reconnected = true;
            dropSocket();
            if (const int r = connectWithRetry(); r != kOk) {
                result = r;
                break;
            }
            continue;
        }
        result = code;
        break;
    }
    if (written != nullptr) {
        *written = total;
    }
    return result;
}

int SocketPort::read(uint8_t* buffer, int offset, int length, int* got) {
    if (got != nullptr) {
        *got = 0;
    }
    if (buffer == nullptr || got == nullptr || offset < 0 || length < 0) {
        return kBadParameter;
    }
    if (!configured_) {
        return kIoInvalidSetting;
    }
    if (fd_ < 0) {
        if (const int r = ensureConnection(); r != kOk) {
            return r;
        }
    }
    int64_t wait = firstByteWaitMs_;
    while (*got < length) {
        const int ready = waitFor(fd_, POLLIN, wait, cancel_);
        if (cancel_.raised()) {
            return kOk;
        }
        if (ready < 0) {
            return lastSystemError();
        }
        if (ready == 0) {
            return kIoReadTimeout;
        }
        const ssize_t n =
            ::recv(fd_, buffer + offset + *got, static_cast<size_t>(length - *got), MSG_DONTWAIT);
        if (n > 0) {
            *got += static_cast<int>(n);
            wait = nextByteWaitMs_;
        } else if (n == 0) {
            dropSocket(); // the printer closed the connection: be ready for the next exchange
            return connectWithRetry();
        } else if (errno != EAGAIN && errno != EINTR) {
            return lastSystemError();
        }
    }
    return kOk;
}

int SocketPort::readPending(uint8_t* buffer, int offset, int end, int* got) {
    if (got != nullptr) {
        *got = 0;
    }
    if (buffer == nullptr || got == nullptr || offset < 0 || end < offset) {
        return kBadParameter;
    }
    if (!configured_) {
        return kIoInvalidSetting;
    }
    if (fd_ < 0) {
        if (const int r = ensureConnection(); r != kOk) {
            return r;
        }
    }
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, 0) <= 0 || end == offset) {
        return kOk;
    }
    const ssize_t n = ::recv(fd_, buffer + offset, static_cast<size_t>(end - offset), MSG_DONTWAIT);
    if (n > 0) {
        *got = static_cast<int>(n);
    } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
        return lastSystemError();
    }
    return kOk;
}

int SocketPort::control(int, const uint8_t*, int, uint8_t*, int, int* outputLength) {
    if (outputLength != nullptr) {
        *outputLength = 0;
    }
    return kNotImplemented;
}

// ---- Network ---------------------------------------------------------------

int NetworkPort::configure(const char* address) {
    ostrel_io_uri parsed;
    if (const int r = uri::parse(&parsed, address); r != kOk) {
        return r;
    }
    const char* ip = uri::option(&parsed, "ip");
    if (ip == nullptr) {
        return kIoInvalidSetting;
    }
    if (const int r = keepDeviceName(parsed.device); r != kOk) {
        return r;
    }
    // The port is read as C's "%i" reads it; only its low 16 bits count.
    port_ = 9100;
    if (const char* portText = uri::option(&parsed, "port"); portText != nullptr) {
        char* endOfNumber = nullptr;
        errno = 0;
        const long long value = std::strtoll(portText, &endOfNumber, 0);
        if (endOfNumber != portText) {
            port_ = static_cast<uint16_t>(static_cast<unsigned long long>(value) & 0xffffu);
        }
    }
    ip_ = ip;
    address_ = address;
    configured_ = true;
    return kOk;
}

int NetworkPort::remoteAddress(sockaddr_storage& address, socklen_t& length) const {
    auto* in = reinterpret_cast<sockaddr_in*>(&address);
    in->sin_family = AF_INET;
    in->sin_port = htons(port_);
    if (::inet_pton(AF_INET, ip_.c_str(), &in->sin_addr) != 1) {
        return kIoInvalidSetting;
    }
    length = sizeof(sockaddr_in);
    return kOk;
}

int NetworkPort::newSocket() const {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_TCP);
    if (fd >= 0) {
        const int on = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof(on));
    }
    return fd;
}

} // namespace cobrix
