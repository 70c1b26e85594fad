#include "loopback_server.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace testsupport {

LoopbackServer::LoopbackServer(Responder responder, int backlog, bool acceptClients)
    : responder_(std::move(responder)), acceptClients_(acceptClients) {
    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int on = 1;
    ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof(address));
    ::listen(listenFd_, backlog);
    socklen_t length = sizeof(address);
    ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    if (acceptClients_) {
        thread_ = std::thread([this] { run(); });
    }
}

LoopbackServer::~LoopbackServer() {
    stop_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
    if (clientFd_ >= 0) {
        ::close(clientFd_);
    }
    ::close(listenFd_);
}

std::string LoopbackServer::commaAddress() const {
    return "NET,127.0.0.1," + std::to_string(port_);
}

std::vector<uint8_t> LoopbackServer::received() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return received_;
}

bool LoopbackServer::waitForBytes(size_t count, int ms) const {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(ms), [&] { return received_.size() >= count; });
}

bool LoopbackServer::waitForConnections(int count, int ms) const {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(ms),
                             [&] { return connections_.load() >= count; });
}

void LoopbackServer::dropClient() {
    const int fd = clientFd_.exchange(-1);
    if (fd >= 0) {
        ::shutdown(fd, SHUT_RDWR);
        ::close(fd);
    }
}

void LoopbackServer::run() {
    std::vector<uint8_t> connectionBytes;
    while (!stop_) {
        pollfd fds[2] = {{listenFd_, POLLIN, 0}, {clientFd_.load(), POLLIN, 0}};
        const int count = clientFd_ >= 0 ? 2 : 1;
        if (::poll(fds, static_cast<nfds_t>(count), 20) <= 0) {
            continue;
        }
        if ((fds[0].revents & POLLIN) != 0 && clientFd_ < 0) {
            const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd >= 0) {
                connectionBytes.clear();
                clientFd_ = fd;
                std::lock_guard<std::mutex> guard(mutex_);
                ++connections_;
                changed_.notify_all();
            }
            continue;
        }
        if (count == 2 && (fds[1].revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
            uint8_t buffer[65536];
            const ssize_t n = ::recv(fds[1].fd, buffer, sizeof(buffer), 0);
            if (n <= 0) {
                dropClient();
                continue;
            }
            connectionBytes.insert(connectionBytes.end(), buffer, buffer + n);
            {
                std::lock_guard<std::mutex> guard(mutex_);
                received_.insert(received_.end(), buffer, buffer + n);
                changed_.notify_all();
            }
            if (responder_) {
                const std::vector<uint8_t> reply = responder_(connectionBytes);
                if (!reply.empty()) {
                    ::send(fds[1].fd, reply.data(), reply.size(), MSG_NOSIGNAL);
                }
            }
        }
    }
}

} // namespace testsupport
