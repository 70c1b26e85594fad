#pragma once

#include "emulator/core/dispatcher.h"
#include "emulator/core/faults.h"
#include "emulator/core/recorder.h"

#include <deque>
#include <functional>
#include <string>

namespace emulator {

// What a link uses of the emulator. Called with the emulator's lock held.
class LinkHost {
  public:
    virtual ~LinkHost() = default;
    virtual Printer& printer() = 0;
    virtual FaultBook& faults() = 0;
    virtual Recorder& recorder() = 0;
    virtual const HandlerSet& handlers() = 0;
    // Writes the state file; false with `error` when that fails.
    virtual bool saveState(std::string& error) = 0;
};

// One byte stream to a client: a TCP connection (one client after
// another) or the master side of the pseudo-terminal. Feeds the dispatcher,
// applies the fault rules to each reply, and sends replies in order, each
// no earlier than its due time.
class Link : public DispatchSink {
  public:
    enum class Kind { Tcp, Pty };

    Link(Kind kind, LinkHost& host, DispatchTimes times);
    ~Link() override;
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    // Starts serving `fd` (a client socket, or the pty master). For the pty
    // `discardInput` throws away what the client sent but was not read yet.
    void attach(int fd, std::string peer, std::function<void()> discardInput = {});
    bool attached() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    // Poll events wanted now.
    short events() const;

    void onReadable(SteadyTime now);
    // Sends what is due, carries out due drops, and gives up stale frames.
    void service(SteadyTime now);
    std::optional<SteadyTime> deadline(SteadyTime now) const;
    // Ends the link (emulator stopping): a TCP client is disconnected.
    void close(std::string_view reason);

    Printer& printer() override { return host_.printer(); }
    bool finished(Exchange& exchange) override;

  private:
    struct Outgoing {
        SteadyTime due;
        Bytes bytes;
        size_t sent = 0;
        bool dropAfter = false;
    };

    void record(std::string command, std::string note);
    void drop(std::string_view reason);
    void clearQueue();
    const char* name() const { return kind_ == Kind::Tcp ? "tcp" : "pty"; }

    Kind kind_;
    LinkHost& host_;
    Dispatcher dispatcher_;
    int fd_ = -1;
    std::function<void()> discardInput_;
    std::deque<Outgoing> queue_;
    bool dropping_ = false;
    bool sendBlocked_ = false;
    size_t queuedBytes_ = 0;

    // A client that does not read its replies is not read either once this
    // much waits to be sent.
    static constexpr size_t kMaxQueuedBytes = 8u << 20;
};

} // namespace emulator
