#pragma once

#include "emulator/core/bytes.h"
#include "emulator/core/exchange.h"
#include "emulator/core/handler_set.h"

#include <chrono>
#include <optional>
#include <string>

namespace emulator {

using SteadyTime = std::chrono::steady_clock::time_point;

// Receives what the dispatcher made of the input.
class DispatchSink {
  public:
    virtual ~DispatchSink() = default;
    virtual Printer& printer() = 0;
    // A frame was carried out, or bytes were recorded as raw, incomplete or
    // discarded. False stops the dispatcher until reset (the connection is
    // being dropped).
    virtual bool finished(Exchange& exchange) = 0;
};

struct DispatchTimes {
    // A frame that has begun and gets no further byte for this long is
    // given up and recorded as "incomplete".
    std::chrono::milliseconds frameTimeout{1000};
    // Unrecognised bytes are recorded as one "raw" record at a line feed,
    // before the next recognised frame, or after this long without input;
    // a tentative frame is taken after this long without input too.
    std::chrono::milliseconds rawQuiet{100};
};

// Turns one link's byte stream into frames, whatever the split: bytes are
// buffered until a handler has a complete frame; bytes no handler
// recognises go to the fallback, which records them as "raw".
class Dispatcher {
  public:
    Dispatcher(const HandlerSet& handlers, DispatchSink& sink, std::string link, DispatchTimes times = {});

    void receive(ByteView data, SteadyTime now);
    // Gives up a frame that waited too long and records quiet raw bytes.
    void tick(SteadyTime now);
    // When tick has something to do next.
    std::optional<SteadyTime> deadline() const;
    // The link ended: records what is left (with `reason`) and starts afresh.
    void reset(std::string_view reason);

    // Longest frame a handler may wait for, and longest raw record.
    static constexpr size_t kMaxPending = 16u << 20;
    static constexpr size_t kMaxRaw = 4096;

  private:
    void process();
    // Carries out the first `length` waiting bytes as a frame of handler `index`.
    void take(size_t index, size_t length);
    // Takes the tentative frame that is waiting, if any.
    void takeTentative();
    void flushRaw();
    void recordLeftover(std::string command, std::string note);
    void emit(Exchange& exchange);
    ByteView waiting() const;

    const HandlerSet& handlers_;
    DispatchSink& sink_;
    std::string link_;
    DispatchTimes times_;
    Bytes pending_;
    size_t head_ = 0;
    Bytes raw_;
    size_t waitingHandler_ = 0; // handlers before it said NoMatch for the waiting bytes
    uint64_t handlersSeen_ = 0; // the handler set's generation when waitingHandler_ was set
    bool waitingForMore_ = false;
    bool tentative_ = false; // the waiting bytes are already a whole frame of waitingHandler_
    bool halted_ = false;
    SteadyTime lastInput_{};
};

} // namespace emulator
