#pragma once

#include "emulator/core/bytes.h"

#include <cstddef>
#include <string_view>

namespace emulator {

class Exchange;

// What a handler makes of the bytes waiting at the head of the input.
struct Scan {
    // Tentative: a whole frame of `length` bytes that bytes still to come
    // may extend (a label that needs no line end but may have one). The
    // dispatcher waits for more input; when the input goes quiet or the
    // link ends, the frame is taken as it is.
    enum class Verdict { NoMatch, NeedMore, Complete, Tentative };
    Verdict verdict = Verdict::NoMatch;
    size_t length = 0; // the frame's length when Complete or Tentative

    static Scan noMatch() { return {}; }
    static Scan needMore() { return {Verdict::NeedMore, 0}; }
    static Scan complete(size_t length) { return {Verdict::Complete, length}; }
    static Scan tentative(size_t length) { return {Verdict::Tentative, length}; }
};

// One exchange the printer understands. Handlers are shared by every link
// and keep no per-link state: a frame is handed over only when complete.
class Handler {
  public:
    virtual ~Handler() = default;

    // A short name for records and logs ("getval", "block_write").
    virtual std::string_view name() const = 0;

    // Looks at the bytes waiting at the head of the input (never empty):
    // NoMatch when they cannot start this handler's frame, NeedMore when
    // they are the beginning of one, Complete with its length when a whole
    // frame is there (Tentative when more bytes may still belong to it).
    // Must be monotone: bytes that do not match still do
    // not match when more bytes follow them.
    virtual Scan scan(ByteView pending) const = 0;

    // Carries out one complete frame: describe it, change the printer, set
    // the reply.
    virtual void handle(ByteView frame, Exchange& exchange) = 0;
};

} // namespace emulator
