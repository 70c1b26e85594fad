#include "emulator/core/dispatcher.h"

#include "emulator/core/printer.h"

#include <algorithm>

namespace emulator {

Dispatcher::Dispatcher(const HandlerSet& handlers, DispatchSink& sink, std::string link, DispatchTimes times)
    : handlers_(handlers), sink_(sink), link_(std::move(link)), times_(times) {}

ByteView Dispatcher::waiting() const {
    return ByteView(pending_).subspan(head_);
}

void Dispatcher::receive(ByteView data, SteadyTime now) {
    if (data.empty()) {
        return;
    }
    lastInput_ = now;
    pending_.insert(pending_.end(), data.begin(), data.end());
    process();
}

void Dispatcher::process() {
    while (!halted_ && head_ < pending_.size()) {
        const ByteView view = waiting();
        size_t index = waitingForMore_ && handlersSeen_ == handlers_.generation() ? waitingHandler_ : 0;
        Scan scan;
        for (; index < handlers_.size(); ++index) {
            scan = handlers_.at(index).scan(view);
            if (scan.verdict != Scan::Verdict::NoMatch) {
                break;
            }
        }
        if (index == handlers_.size()) {
            // No handler knows these bytes: the fallback keeps them as raw.
            waitingForMore_ = false;
            tentative_ = false;
            const uint8_t byte = view[0];
            raw_.push_back(byte);
            ++head_;
            if (byte == '\n' || raw_.size() >= kMaxRaw) {
                flushRaw();
            }
            continue;
        }
        tentative_ = scan.verdict == Scan::Verdict::Tentative && scan.length >= view.size();
        if (scan.verdict == Scan::Verdict::NeedMore || tentative_) {
            waitingForMore_ = true;
            waitingHandler_ = index;
            handlersSeen_ = handlers_.generation();
            if (tentative_ && view.size() >= kMaxPending) {
                take(index, scan.length);
                continue;
            }
            if (view.size() >= kMaxPending) {
                recordLeftover("incomplete", "frame longer than " + std::to_string(kMaxPending) + " bytes");
                continue;
            }
            break;
        }
        take(index, scan.length);
    }
    if (head_ == pending_.size()) {
        pending_.clear();
        head_ = 0;
    } else if (head_ > 65536 && head_ * 2 > pending_.size()) {
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(head_));
        head_ = 0;
    }
}

void Dispatcher::take(size_t index, size_t length) {
    waitingForMore_ = false;
    tentative_ = false;
    const ByteView view = waiting();
    length = std::clamp<size_t>(length, 1, view.size());
    flushRaw();
    Handler& handler = handlers_.at(index);
    Exchange exchange(sink_.printer(), link_, view.first(length));
    exchange.describe(std::string(handler.name()));
    handler.handle(view.first(length), exchange);
    head_ += length;
    emit(exchange);
}

void Dispatcher::takeTentative() {
    if (!waitingForMore_ || !tentative_ || head_ >= pending_.size()) {
        return;
    }
    const Scan scan = handlers_.at(waitingHandler_).scan(waiting());
    if (scan.verdict == Scan::Verdict::Complete || scan.verdict == Scan::Verdict::Tentative) {
        take(waitingHandler_, scan.length);
        process();
    }
}

void Dispatcher::tick(SteadyTime now) {
    if (halted_) {
        return;
    }
    if (tentative_ && now - lastInput_ >= times_.rawQuiet) {
        takeTentative();
    }
    if (waitingForMore_ && now - lastInput_ >= times_.frameTimeout) {
        recordLeftover("incomplete",
                       "no further byte for " + std::to_string(times_.frameTimeout.count()) + " ms");
        pending_.clear();
        head_ = 0;
    }
    if (!raw_.empty() && now - lastInput_ >= times_.rawQuiet) {
        flushRaw();
    }
}

std::optional<SteadyTime> Dispatcher::deadline() const {
    std::optional<SteadyTime> next;
    if (halted_) {
        return next;
    }
    if (!raw_.empty()) {
        next = lastInput_ + times_.rawQuiet;
    }
    if (waitingForMore_) {
        const SteadyTime frameEnd = lastInput_ + (tentative_ ? times_.rawQuiet : times_.frameTimeout);
        next = next ? std::min(*next, frameEnd) : frameEnd;
    }
    return next;
}

void Dispatcher::reset(std::string_view reason) {
    halted_ = false;
    // A frame that was whole when the link ended was received whole.
    takeTentative();
    halted_ = false;
    flushRaw();
    if (head_ < pending_.size()) {
        recordLeftover("discarded", std::string(reason));
    }
    pending_.clear();
    head_ = 0;
    waitingForMore_ = false;
    tentative_ = false;
    halted_ = false;
}

void Dispatcher::flushRaw() {
    if (raw_.empty()) {
        return;
    }
    Exchange exchange(sink_.printer(), link_, raw_);
    // A receipt (ESC) printer prints plain text as it comes; so does a CPCL
    // printer, in its line print mode (text outside a "!" label).
    const uint8_t language = sink_.printer().profile().language;
    const bool text = (language == kLanguageEsc || (language == kLanguageCpcl && raw_.front() != '!')) &&
                      std::all_of(raw_.begin(), raw_.end(), [](uint8_t byte) {
                          return byte >= 0x20 || byte == '\r' || byte == '\n' || byte == '\t';
                      });
    if (text) {
        exchange.describe("job", "TEXT", std::string(raw_.begin(), raw_.end()));
        exchange.addNote("printed as text");
    } else {
        exchange.describe("raw");
        exchange.addNote("not recognised");
        exchange.markUnknown();
    }
    raw_.clear();
    emit(exchange);
}

void Dispatcher::recordLeftover(std::string command, std::string note) {
    Exchange exchange(sink_.printer(), link_, waiting());
    const std::string handlerName =
        waitingForMore_ ? std::string(handlers_.at(waitingHandler_).name()) : std::string();
    exchange.describe(std::move(command), handlerName);
    if (!handlerName.empty()) {
        note += "; the rest of a " + handlerName + " frame was awaited";
    }
    exchange.addNote(note);
    head_ = pending_.size();
    waitingForMore_ = false;
    tentative_ = false;
    emit(exchange);
}

void Dispatcher::emit(Exchange& exchange) {
    if (!sink_.finished(exchange)) {
        halted_ = true;
    }
}

} // namespace emulator
