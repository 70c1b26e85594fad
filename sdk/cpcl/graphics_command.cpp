#include "graphics_command.h"

#include "result_codes.h"

#include <cstdio>
#include <span>

namespace cobrix::cpcl {
namespace {

constexpr size_t kCommandRoom = 32;

} // namespace

int appendGraphics(JobBuffer& job, int vertical, int widthBytes, int height, int x, int y,
                   const uint8_t* bitmap) {
    const size_t bitmapBytes = static_cast<size_t>(widthBytes) * static_cast<size_t>(height);
    if (const int r = job.makeRoom(bitmapBytes + kCommandRoom); r != kOk) {
        return r;
    }
    char header[96];
    const int length = std::snprintf(header, sizeof(header), "%sCOMPRESSED-GRAPHICS %d %d %d %d ",
                                     vertical != 0 ? "V" : "", widthBytes, height, x, y);
    if (length < 0 || static_cast<size_t>(length) >= sizeof(header)) {
        return kNoBuffer;
    }
    const size_t mark = job.used();
    // The numbers may take more than the room made for the text.
    if (const int r = job.makeRoom(static_cast<size_t>(length) + bitmapBytes); r != kOk) {
        return r;
    }
    if (!job.append(std::span<const char>(header, static_cast<size_t>(length))) ||
        !job.append(std::span<const uint8_t>(bitmap, bitmapBytes))) {
        job.restore(mark);
        return kNoBuffer;
    }
    return kOk;
}

} // namespace cobrix::cpcl
