#pragma once

#include <cstdint>
#include <string>

namespace emulator {

// A listening TCP socket on an IPv4 address.
class TcpListener {
  public:
    TcpListener() = default;
    ~TcpListener();
    TcpListener(const TcpListener&) = delete;
    TcpListener& operator=(const TcpListener&) = delete;

    // Listens on `host` (dotted IPv4) and `port` (0 picks a free one).
    bool listen(const std::string& host, uint16_t port, std::string& error);
    void close();

    int fd() const { return fd_; }
    uint16_t port() const { return port_; }
    const std::string& host() const { return host_; }

    // Accepts one waiting client as a non-blocking socket; -1 when none.
    int accept(std::string& peer);

  private:
    int fd_ = -1;
    uint16_t port_ = 0;
    std::string host_;
};

// Splits "HOST:PORT" (or "PORT", meaning 127.0.0.1). False with `error`
// when the host is not a dotted IPv4 address or the port not 0 to 65535.
bool parseTcpAddress(const std::string& text, std::string& host, uint16_t& port, std::string& error);

} // namespace emulator
