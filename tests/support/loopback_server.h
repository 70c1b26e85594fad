// A TCP server on 127.0.0.1 for tests: accepts clients one after another,
// records what they send and answers with scripted replies.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testsupport {

class LoopbackServer {
  public:
    // Called with the bytes received so far on the current connection; what
    // it returns is sent back at once. Return an empty vector to stay silent.
    using Responder = std::function<std::vector<uint8_t>(const std::vector<uint8_t>& received)>;

    explicit LoopbackServer(Responder responder = {}, int backlog = 8, bool acceptClients = true);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    uint16_t port() const { return port_; }
    std::string commaAddress() const;

    // Everything received on all connections, in order.
    std::vector<uint8_t> received() const;
    // Waits until at least `count` bytes were received (or `ms` passed).
    bool waitForBytes(size_t count, int ms = 3000) const;
    // Number of connections accepted so far.
    int connections() const { return connections_.load(); }
    // Closes the current client connection (the server keeps listening).
    void dropClient();
    // Waits until `count` connections were accepted (or `ms` passed).
    bool waitForConnections(int count, int ms = 3000) const;

  private:
    void run();

    Responder responder_;
    int listenFd_ = -1;
    uint16_t port_ = 0;
    bool acceptClients_;
    std::atomic<bool> stop_{false};
    std::atomic<int> clientFd_{-1};
    std::atomic<int> connections_{0};
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<uint8_t> received_;
    std::thread thread_;
};

} // namespace testsupport
