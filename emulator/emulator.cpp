#include "emulator/emulator.h"

#include "emulator/core/recorder.h"
#include "emulator/core/state_file.h"
#include "emulator/handlers/firmware_exchanges.h"
#include "emulator/handlers/standard_handlers.h"
#include "emulator/transport/link.h"
#include "emulator/transport/pty_endpoint.h"
#include "emulator/transport/tcp_listener.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <mutex>
#include <poll.h>
#include <sys/eventfd.h>
#include <thread>
#include <unistd.h>

namespace emulator {

class Emulator::Core : public LinkHost {
  public:
    Core(Profile profile, EmulatorOptions options)
        : options_(std::move(options)), printer_(std::move(profile)),
          wake_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
        addStandardHandlers(handlers_, printer_.profile());
        addFirmwareHandlers(handlers_, printer_);
    }

    ~Core() override {
        stop();
        if (wake_ >= 0) {
            ::close(wake_);
        }
    }

    Printer& printer() override { return printer_; }
    FaultBook& faults() override { return faults_; }
    Recorder& recorder() override { return recorder_; }
    const HandlerSet& handlers() override { return handlers_; }

    bool saveState(std::string& error) override {
        if (options_.statePath.empty()) {
            error = "no state file";
            return false;
        }
        return emulator::saveState(options_.statePath, printer_.settings(), error);
    }

    bool listenTcp(const std::string& host, uint16_t port, std::string& error) {
        std::lock_guard lock(mutex_);
        if (running_) {
            error = "the emulator is running already";
            return false;
        }
        if (!listener_.listen(host, port, error)) {
            return false;
        }
        tcp_ = std::make_unique<Link>(Link::Kind::Tcp, *this, options_.times);
        return true;
    }

    bool openPty(std::string& error) {
        std::lock_guard lock(mutex_);
        if (running_) {
            error = "the emulator is running already";
            return false;
        }
        if (!pty_.open(error)) {
            return false;
        }
        ptyLink_ = std::make_unique<Link>(Link::Kind::Pty, *this, options_.times);
        return true;
    }

    bool start(std::string& error) {
        std::lock_guard lock(mutex_);
        if (running_) {
            return true;
        }
        if (wake_ < 0) {
            error = "cannot create the wake-up event";
            return false;
        }
        if (!options_.logPath.empty() && !recorder_.openLog(options_.logPath, &error)) {
            return false;
        }
        if (!options_.statePath.empty()) {
            PrinterSettings loaded;
            switch (loadState(options_.statePath, loaded, error)) {
            case StateLoad::Failed:
                return false;
            case StateLoad::Loaded:
                printer_.replaceSettings(std::move(loaded));
                break;
            case StateLoad::Missing:
                break;
            }
        }
        recorder_.logLine("start: model " + printer_.profile().model + ", profile " +
                          printer_.profile().origin +
                          (options_.statePath.empty() ? "" : ", state " + options_.statePath));
        if (listener_.fd() >= 0) {
            recorder_.logLine("listening tcp " + listener_.host() + ":" + std::to_string(listener_.port()));
        }
        if (pty_.masterFd() >= 0) {
            recorder_.logLine("listening pty " + pty_.path());
            ptyLink_->attach(pty_.masterFd(), pty_.path(), [this] { pty_.discardInput(); });
        }
        running_ = true;
        stopping_ = false;
        thread_ = std::thread([this] { serve(); });
        return true;
    }

    void stop() {
        {
            std::lock_guard lock(mutex_);
            if (!running_) {
                return;
            }
            stopping_ = true;
        }
        const uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = ::write(wake_, &one, sizeof(one));
        thread_.join();
        std::lock_guard lock(mutex_);
        if (tcp_) {
            tcp_->close("the emulator stopped");
        }
        if (ptyLink_) {
            ptyLink_->close("the emulator stopped");
        }
        listener_.close();
        pty_.close();
        running_ = false;
        if (!options_.statePath.empty()) {
            std::string error;
            if (!saveState(error)) {
                recorder_.logLine("stop: state not saved: " + error);
            }
        }
        std::string unknown;
        for (const std::string& request : recorder_.unknownRequests()) {
            unknown += (unknown.empty() ? "" : ", ") + request;
        }
        recorder_.logLine(unknown.empty() ? "stop" : "stop; unknown requests: " + unknown);
    }

    uint16_t tcpPort() const {
        std::lock_guard lock(mutex_);
        return listener_.port();
    }

    std::string ptyPath() const {
        std::lock_guard lock(mutex_);
        return pty_.path();
    }

    std::mutex& mutex() { return mutex_; }
    HandlerSet& handlerSet() { return handlers_; }

  private:
    void serve();
    int pollTimeout(SteadyTime now) const;
    void followRestart(SteadyTime now);

    EmulatorOptions options_;
    mutable std::mutex mutex_;
    Printer printer_;
    FaultBook faults_;
    Recorder recorder_;
    HandlerSet handlers_;
    TcpListener listener_;
    PtyEndpoint pty_;
    std::unique_ptr<Link> tcp_;
    std::unique_ptr<Link> ptyLink_;
    int wake_ = -1;
    bool closedForRestart_ = false; // the listener is closed while the printer restarts
    bool running_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

int Emulator::Core::pollTimeout(SteadyTime now) const {
    std::optional<SteadyTime> next;
    for (const Link* link : {tcp_.get(), ptyLink_.get()}) {
        if (link != nullptr && link->attached()) {
            if (const auto due = link->deadline(now)) {
                next = next ? std::min(*next, *due) : *due;
            }
        }
    }
    if (closedForRestart_) {
        const SteadyTime until = printer_.firmware().restartingUntil;
        next = next ? std::min(*next, until) : until;
    }
    if (!next) {
        return -1;
    }
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*next - now).count();
    return static_cast<int>(std::clamp<long long>(wait, 0, 60000));
}

void Emulator::Core::serve() {
    for (;;) {
        pollfd fds[4];
        nfds_t count = 0;
        int timeout = -1;
        {
            std::lock_guard lock(mutex_);
            if (stopping_) {
                return;
            }
            followRestart(std::chrono::steady_clock::now());
            fds[count++] = {wake_, POLLIN, 0};
            const bool clientAttached = tcp_ && tcp_->attached();
            if (listener_.fd() >= 0 && !clientAttached) {
                fds[count++] = {listener_.fd(), POLLIN, 0};
            }
            for (const Link* link : {tcp_.get(), ptyLink_.get()}) {
                if (link != nullptr && link->attached()) {
                    fds[count++] = {link->fd(), link->events(), 0};
                }
            }
            timeout = pollTimeout(std::chrono::steady_clock::now());
        }
        if (::poll(fds, count, timeout) < 0 && errno != EINTR) {
            return;
        }
        std::lock_guard lock(mutex_);
        const SteadyTime now = std::chrono::steady_clock::now();
        for (nfds_t i = 0; i < count; ++i) {
            if (fds[i].revents == 0) {
                continue;
            }
            if (fds[i].fd == wake_) {
                uint64_t value = 0;
                [[maybe_unused]] const ssize_t n = ::read(wake_, &value, sizeof(value));
            } else if (fds[i].fd == listener_.fd() && !tcp_->attached()) {
                std::string peer;
                if (const int client = listener_.accept(peer); client >= 0) {
                    tcp_->attach(client, "client " + peer);
                }
            } else if ((fds[i].revents & (POLLIN | POLLHUP | POLLERR)) != 0) {
                Link* link = tcp_ && fds[i].fd == tcp_->fd() ? tcp_.get() : ptyLink_.get();
                if (link != nullptr && link->fd() == fds[i].fd) {
                    link->onReadable(now);
                }
            }
        }
        for (Link* link : {tcp_.get(), ptyLink_.get()}) {
            if (link != nullptr && link->attached()) {
                link->service(now);
            }
        }
        followRestart(std::chrono::steady_clock::now());
    }
}

// A printer restarting (into OTA mode) refuses TCP connections: the
// listening socket is closed until the restart is over and then opened
// again on the same address.
void Emulator::Core::followRestart(SteadyTime now) {
    const SteadyTime until = printer_.firmware().restartingUntil;
    if (!closedForRestart_ && until > now && listener_.fd() >= 0) {
        listener_.close();
        closedForRestart_ = true;
        recorder_.logLine("restarting: no connections for a while");
    } else if (closedForRestart_ && until <= now) {
        closedForRestart_ = false;
        const std::string host = listener_.host();
        std::string error;
        recorder_.logLine(listener_.listen(host, listener_.port(), error)
                              ? "listening tcp " + host + ":" + std::to_string(listener_.port())
                              : "restart: cannot listen again: " + error);
    }
}

Emulator::Emulator(Profile profile, EmulatorOptions options)
    : core_(std::make_unique<Core>(std::move(profile), std::move(options))) {}

Emulator::~Emulator() = default;

bool Emulator::listenTcp(const std::string& host, uint16_t port, std::string& error) {
    return core_->listenTcp(host, port, error);
}

bool Emulator::openPty(std::string& error) {
    return core_->openPty(error);
}
uint16_t Emulator::tcpPort() const {
    return core_->tcpPort();
}
std::string Emulator::ptyPath() const {
    return core_->ptyPath();
}
bool Emulator::start(std::string& error) {
    return core_->start(error);
}
void Emulator::stop() {
    core_->stop();
}

void Emulator::addHandler(std::shared_ptr<Handler> handler, int rank) {
    std::lock_guard lock(core_->mutex());
    core_->handlerSet().add(std::move(handler), rank);
}

void Emulator::addFault(FaultRule rule) {
    std::lock_guard lock(core_->mutex());
    core_->faults().add(std::move(rule));
}

bool Emulator::addFault(const std::string& ruleText, std::string& error) {
    FaultRule rule;
    if (!parseFaultRule(ruleText, rule, error)) {
        return false;
    }
    addFault(std::move(rule));
    return true;
}

void Emulator::clearFaults() {
    std::lock_guard lock(core_->mutex());
    core_->faults().clear();
}

std::vector<Record> Emulator::records() const {
    return core_->recorder().records();
}
Bytes Emulator::received() const {
    return core_->recorder().received();
}
void Emulator::clearRecords() {
    core_->recorder().clear();
}

std::vector<std::string> Emulator::unknownRequests() const {
    return core_->recorder().unknownRequests();
}

std::optional<Record> Emulator::waitFor(const std::function<bool(const Record&)>& match,
                                        std::chrono::milliseconds timeout) const {
    return core_->recorder().waitFor(match, timeout);
}

std::optional<Record> Emulator::waitForCommand(const std::string& command, const std::string& key,
                                               std::chrono::milliseconds timeout) const {
    return waitFor([&](const Record& r) { return r.command == command && (key.empty() || r.key == key); },
                   timeout);
}

PrinterSettings Emulator::settings() const {
    std::lock_guard lock(core_->mutex());
    return core_->printer().settings();
}

void Emulator::changePrinter(const std::function<void(Printer&)>& change) {
    std::lock_guard lock(core_->mutex());
    change(core_->printer());
}

bool Emulator::saveState(std::string& error) {
    std::lock_guard lock(core_->mutex());
    return core_->saveState(error);
}

} // namespace emulator
