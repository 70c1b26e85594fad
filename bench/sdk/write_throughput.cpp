// WriteData throughput: a 64 MiB stream over loopback TCP and over a
// pseudo-terminal, each beside a plain loop of send()/write() in 4096-byte
// chunks to the same kind of peer, in the same run. Prints both rates and
// their ratio.
#include "cobrix.h"
#include "pty_pair.h"

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr size_t kStreamBytes = 64u << 20;
constexpr size_t kCallBytes = 1u << 20; // one WriteData call, as a download block would be
constexpr size_t kPlainChunk = 4096;

double seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Accepts one client and reads until it has received `expected` bytes.
class Sink {
  public:
    Sink() {
        listen_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listen_, reinterpret_cast<sockaddr*>(&a), sizeof(a));
        ::listen(listen_, 1);
        socklen_t len = sizeof(a);
        ::getsockname(listen_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
    }
    ~Sink() { ::close(listen_); }
    uint16_t port() const { return port_; }

    std::thread drain(size_t expected) {
        return std::thread([this, expected] {
            const int fd = ::accept(listen_, nullptr, nullptr);
            std::vector<char> buffer(1 << 16);
            size_t got = 0;
            while (got < expected) {
                const ssize_t n = ::recv(fd, buffer.data(), buffer.size(), 0);
                if (n <= 0) {
                    break;
                }
                got += static_cast<size_t>(n);
            }
            ::close(fd);
        });
    }

  private:
    int listen_ = -1;
    uint16_t port_ = 0;
};

double sdkRate(const std::string& address, const std::vector<unsigned char>& data,
               const std::function<std::thread()>& startDrain) {
    PrinterHandle h = nullptr;
    PrinterCreator(&h, u"Vorlan");
    std::thread drain = startDrain();
    const std::u16string wide(address.begin(), address.end());
    if (PortOpen(h, wide.c_str()) != 0) {
        std::fprintf(stderr, "cannot open %s\n", address.c_str());
        drain.detach();
        return 0;
    }
    const auto start = std::chrono::steady_clock::now();
    for (size_t done = 0; done < kStreamBytes; done += kCallBytes) {
        const int r = WriteData(h, data.data() + done, static_cast<int>(kCallBytes));
        if (r != 0) {
            std::fprintf(stderr, "WriteData failed: %d\n", r);
            break;
        }
    }
    PortClose(h);
    drain.join();
    const double rate = kStreamBytes / seconds(std::chrono::steady_clock::now() - start);
    PrinterDestroy(h);
    return rate;
}

double plainRate(int fd, const std::vector<unsigned char>& data, bool socket) {
    const auto start = std::chrono::steady_clock::now();
    size_t done = 0;
    while (done < kStreamBytes) {
        const size_t chunk = std::min(kPlainChunk, kStreamBytes - done);
        const ssize_t n = socket ? ::send(fd, data.data() + done, chunk, MSG_NOSIGNAL)
                                 : ::write(fd, data.data() + done, chunk);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else {
            pollfd p{fd, POLLOUT, 0};
            ::poll(&p, 1, 100);
        }
    }
    return kStreamBytes / seconds(std::chrono::steady_clock::now() - start);
}

double plainTcpRate(const std::vector<unsigned char>& data) {
    Sink sink;
    std::thread drain = sink.drain(kStreamBytes);
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(sink.port());
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof(a));
    const double rate = plainRate(fd, data, true);
    ::close(fd);
    drain.join();
    return rate;
}

std::thread drainPty(testsupport::PtyPair& pty, size_t expected) {
    return std::thread([&pty, expected] {
        size_t got = 0;
        while (got < expected) {
            const std::vector<uint8_t> part = pty.readDevice(1, 5000);
            if (part.empty()) {
                break;
            }
            got += part.size();
        }
    });
}

double plainPtyRate(const std::vector<unsigned char>& data) {
    testsupport::PtyPair pty;
    std::thread drain = drainPty(pty, kStreamBytes);
    const int fd = ::open(pty.path().c_str(), O_RDWR | O_NOCTTY);
    const double rate = plainRate(fd, data, false);
    ::close(fd);
    drain.join();
    return rate;
}

void report(const char* kind, std::vector<double> sdk, std::vector<double> plain) {
    auto median = [](std::vector<double>& v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    const double s = median(sdk);
    const double p = median(plain);
    std::printf("%-4s WriteData %8.1f MiB/s   plain loop %8.1f MiB/s   ratio %.2f   (median of %zu runs)\n",
                kind, s / (1 << 20), p / (1 << 20), p > 0 ? s / p : 0.0, sdk.size());
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::vector<unsigned char> data(kStreamBytes);
    for (size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<unsigned char>(i * 31u);
    }
    // One unmeasured round of each warms the caches and the socket buffers;
    // then the two loops alternate so that both see the same machine.
    std::vector<double> tcpSdk;
    std::vector<double> tcpPlain;
    std::vector<double> ptySdk;
    std::vector<double> ptyPlain;
    for (int round = 0; round <= rounds; ++round) {
        Sink sink;
        const double sdk = sdkRate("NET,127.0.0.1," + std::to_string(sink.port()), data,
                                   [&] { return sink.drain(kStreamBytes); });
        const double plain = plainTcpRate(data);
        testsupport::PtyPair pty;
        const double sdkPty =
            sdkRate(pty.path() + ",115200", data, [&] { return drainPty(pty, kStreamBytes); });
        const double plainPty = plainPtyRate(data);
        if (round > 0) {
            tcpSdk.push_back(sdk);
            tcpPlain.push_back(plain);
            ptySdk.push_back(sdkPty);
            ptyPlain.push_back(plainPty);
        }
    }
    report("TCP", tcpSdk, tcpPlain);
    report("pty", ptySdk, ptyPlain);
    return 0;
}
