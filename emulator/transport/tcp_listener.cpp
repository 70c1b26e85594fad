#include "emulator/transport/tcp_listener.h"

#include <arpa/inet.h>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace emulator {

TcpListener::~TcpListener() {
    close();
}

bool TcpListener::listen(const std::string& host, uint16_t port, std::string& error) {
    close();
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    if (::inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1) {
        error = "\"" + host + "\" is not an IPv4 address";
        return false;
    }
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        error = std::string("cannot create a socket: ") + std::strerror(errno);
        return false;
    }
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on));
    socklen_t length = sizeof(address);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 || ::listen(fd, 8) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        error = "cannot listen on " + host + ":" + std::to_string(port) + ": " + std::strerror(errno);
        ::close(fd);
        return false;
    }
    fd_ = fd;
    port_ = ntohs(address.sin_port);
    host_ = host;
    return true;
}

void TcpListener::close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

int TcpListener::accept(std::string& peer) {
    sockaddr_in address{};
    socklen_t length = sizeof(address);
    const int fd =
        ::accept4(fd_, reinterpret_cast<sockaddr*>(&address), &length, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof(on));
    char text[INET_ADDRSTRLEN] = "?";
    ::inet_ntop(AF_INET, &address.sin_addr, text, sizeof(text));
    peer = std::string(text) + ":" + std::to_string(ntohs(address.sin_port));
    return fd;
}

bool parseTcpAddress(const std::string& text, std::string& host, uint16_t& port, std::string& error) {
    const size_t colon = text.rfind(':');
    const std::string hostPart = colon == std::string::npos ? "127.0.0.1" : text.substr(0, colon);
    const std::string portPart = colon == std::string::npos ? text : text.substr(colon + 1);
    unsigned value = 0;
    const auto [end, status] = std::from_chars(portPart.data(), portPart.data() + portPart.size(), value);
    if (portPart.empty() || status != std::errc() || end != portPart.data() + portPart.size() ||
        value > 65535) {
        error = "\"" + text + "\": the port is a number from 0 to 65535";
        return false;
    }
    in_addr probe{};
    if (::inet_pton(AF_INET, hostPart.c_str(), &probe) != 1) {
        error = "\"" + text + "\": the host is a dotted IPv4 address such as 127.0.0.1";
        return false;
    }
    host = hostPart;
    port = static_cast<uint16_t>(value);
    return true;
}

} // namespace emulator
