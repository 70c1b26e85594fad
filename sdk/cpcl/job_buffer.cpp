#include "job_buffer.h"

#include "result_codes.h"

#include <cstring>
#include <new>

namespace cobrix {

int JobBuffer::makeRoom(size_t needed) {
    if (needed <= room()) {
        return kOk;
    }
    const size_t shortfall = needed - room();
    if (shortfall > kMaxCapacity - capacity()) {
        return kNoMemory;
    }
    const size_t growth = (shortfall + kGrowthStep - 1) / kGrowthStep * kGrowthStep;
    const size_t grown = capacity() + growth > kMaxCapacity ? kMaxCapacity : capacity() + growth;
    try {
        bytes_.resize(grown);
    } catch (const std::bad_alloc&) {
        return kNoMemory;
    }
    return kOk;
}

bool JobBuffer::append(std::span<const uint8_t> data) {
    if (data.size() > room()) {
        return false;
    }
    if (!data.empty()) {
        std::memcpy(bytes_.data() + used_, data.data(), data.size());
    }
    used_ += data.size();
    return true;
}

bool JobBuffer::append(std::span<const char> text) {
    return append(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

void JobBuffer::restore(size_t mark) {
    if (mark < used_) {
        used_ = mark;
    }
}

} // namespace cobrix
