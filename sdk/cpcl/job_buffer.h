// The CPCL job buffer that each printer handle carries.
#pragma once

#include <cstdint>
#include <vector>

namespace cobrix {

struct JobBuffer {
    int32_t modelCode = 0;
    uint32_t features = 0;
    std::vector<uint8_t> bytes;
};

} // namespace cobrix
