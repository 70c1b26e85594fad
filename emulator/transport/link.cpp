#include "emulator/transport/link.h"

#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace emulator {

Link::Link(Kind kind, LinkHost& host, DispatchTimes times)
    : kind_(kind), host_(host),
      dispatcher_(host.handlers(), *this, kind == Kind::Tcp ? "tcp" : "pty", times) {}

Link::~Link() {
    if (kind_ == Kind::Tcp && fd_ >= 0) {
        ::close(fd_);
    }
}

void Link::attach(int fd, std::string peer, std::function<void()> discardInput) {
    fd_ = fd;
    discardInput_ = std::move(discardInput);
    dropping_ = false;
    clearQueue();
    record("connect", std::move(peer));
}

short Link::events() const {
    if (fd_ < 0) {
        return 0;
    }
    short wanted = dropping_ || queuedBytes_ >= kMaxQueuedBytes ? 0 : POLLIN;
    if (sendBlocked_) {
        wanted |= POLLOUT;
    }
    return wanted;
}

void Link::onReadable(SteadyTime now) {
    uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = kind_ == Kind::Tcp ? ::recv(fd_, buffer, sizeof(buffer), MSG_DONTWAIT)
                                             : ::read(fd_, buffer, sizeof(buffer));
        if (n > 0) {
            const ByteView bytes(buffer, static_cast<size_t>(n));
            host_.recorder().addReceived(bytes);
            dispatcher_.receive(bytes, now);
            if (fd_ < 0 || dropping_) {
                return;
            }
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || kind_ == Kind::Pty)) {
            return; // nothing more now (a pty without a client reads EIO: wait for one)
        }
        if (kind_ == Kind::Tcp) {
            dispatcher_.reset("the client disconnected in the middle of a frame");
            close("closed by the client");
        }
        return;
    }
}

bool Link::finished(Exchange& exchange) {
    Record& rec = exchange.record();
    ShapedReply shaped =
        host_.faults().shape(rec.command, rec.key, exchange.replyBytes(), exchange.sumOffset());
    rec.faults = shaped.applied;
    if (shaped.reply) {
        rec.reply = *shaped.reply;
    }
    if (exchange.saveRequested()) {
        std::string error;
        if (!host_.saveState(error)) {
            exchange.addNote("state not saved: " + error);
        }
    }
    const bool dropAfter = shaped.drop || exchange.dropRequested();
    if (shaped.drop) {
        exchange.addNote("connection dropped by a fault");
    }
    if (shaped.reply || shaped.delay.count() > 0 || dropAfter) {
        const SteadyTime now = std::chrono::steady_clock::now();
        SteadyTime due = now + shaped.delay;
        if (!queue_.empty() && queue_.back().due > due) {
            due = queue_.back().due; // replies leave in the order of their commands
        }
        queue_.push_back({due, shaped.reply.value_or(Bytes()), 0, dropAfter});
        queuedBytes_ += queue_.back().bytes.size();
    }
    host_.recorder().add(std::move(rec));
    if (dropAfter) {
        dropping_ = true;
    }
    return !dropAfter;
}

void Link::service(SteadyTime now) {
    while (fd_ >= 0 && !queue_.empty() && queue_.front().due <= now) {
        Outgoing& out = queue_.front();
        while (out.sent < out.bytes.size()) {
            const void* data = out.bytes.data() + out.sent;
            const size_t left = out.bytes.size() - out.sent;
            const ssize_t n = kind_ == Kind::Tcp ? ::send(fd_, data, left, MSG_NOSIGNAL | MSG_DONTWAIT)
                                                 : ::write(fd_, data, left);
            if (n > 0) {
                out.sent += static_cast<size_t>(n);
                sendBlocked_ = false;
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                sendBlocked_ = true; // the client is not reading: go on when writable
                return;
            } else {
                if (kind_ == Kind::Tcp) {
                    dispatcher_.reset("the connection failed");
                    close("the connection failed while sending");
                } else {
                    clearQueue();
                }
                return;
            }
        }
        const bool dropAfter = out.dropAfter;
        queuedBytes_ -= out.bytes.size();
        queue_.pop_front();
        if (dropAfter) {
            drop("dropped by the printer");
        }
    }
    if (fd_ >= 0) {
        dispatcher_.tick(now);
    }
}

std::optional<SteadyTime> Link::deadline(SteadyTime now) const {
    std::optional<SteadyTime> next = dispatcher_.deadline();
    // A reply that could not be sent waits for the socket to become writable.
    if (!queue_.empty() && !sendBlocked_) {
        const SteadyTime due = std::max(queue_.front().due, now);
        next = next ? std::min(*next, due) : due;
    }
    return next;
}

void Link::drop(std::string_view reason) {
    dispatcher_.reset("the connection was dropped");
    if (kind_ == Kind::Tcp) {
        close(reason);
        return;
    }
    // A serial line cannot be hung up from the printer's side: the printer
    // restarts instead, forgetting what it had not read yet.
    if (discardInput_) {
        discardInput_();
    }
    clearQueue();
    dropping_ = false;
    record("disconnect", std::string(reason) + "; pending input discarded, the line stays open");
}

void Link::close(std::string_view reason) {
    if (fd_ < 0) {
        return;
    }
    dispatcher_.reset("the link closed");
    if (kind_ == Kind::Tcp) {
        ::shutdown(fd_, SHUT_RDWR);
        ::close(fd_);
    }
    fd_ = -1;
    clearQueue();
    dropping_ = false;
    record("disconnect", std::string(reason));
}

void Link::clearQueue() {
    queue_.clear();
    queuedBytes_ = 0;
    sendBlocked_ = false;
}

void Link::record(std::string command, std::string note) {
    Record rec;
    rec.link = name();
    rec.command = std::move(command);
    rec.note = std::move(note);
    host_.recorder().add(std::move(rec));
}

} // namespace emulator
