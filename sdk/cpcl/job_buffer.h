// The CPCL job buffer that each printer handle carries: the commands
// composed on the handle and not yet sent to the printer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace cobrix {

class JobBuffer {
  public:
    static constexpr size_t kInitialCapacity = 256;
    static constexpr size_t kGrowthStep = 128;
    // Upper bound of the buffer; commands left queued by failed writes can
    // never make it grow beyond this.
    static constexpr size_t kMaxCapacity = size_t{16} << 20;

    int32_t modelCode = 0;
    // The catalogue row's feature flags (0x40: the model accepts CPCL).
    uint32_t features = 0;

    // Zero-filled initial space; a failed allocation surfaces as
    // std::bad_alloc where the handle is created.
    JobBuffer() : bytes_(kInitialCapacity) {}

    size_t capacity() const { return bytes_.size(); }
    size_t used() const { return used_; }
    size_t room() const { return bytes_.size() - used_; }

    // Makes sure `needed` bytes fit after the queued commands, growing the
    // buffer by the shortfall rounded up to a multiple of 128 bytes (the new
    // part zero-filled). 0, or -9 when memory or the upper bound runs out.
    int makeRoom(size_t needed);

    // Copies data behind the queued commands. False (nothing copied) when it
    // does not fit into the room left.
    bool append(std::span<const uint8_t> data);
    bool append(std::span<const char> text);

    // Drops everything appended after `mark` (a value of used()).
    void restore(size_t mark);

    // The queued commands, and forgetting them once they were sent.
    std::span<const uint8_t> pending() const { return {bytes_.data(), used_}; }
    void clear() { used_ = 0; }

  private:
    std::vector<uint8_t> bytes_;
    size_t used_ = 0;
};

} // namespace cobrix
