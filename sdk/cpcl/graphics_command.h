// The compressed-graphics command: "COMPRESSED-GRAPHICS" (or with a leading
// "V" for vertical), width in bytes, height, x, y, a space, then the bitmap
// bytes with nothing after them.
#pragma once

#include "job_buffer.h"

#include <cstdint>

namespace cobrix::cpcl {

// Queues one graphics command with `widthBytes` x `height` bitmap bytes.
// 0; -9 no memory. When anything fails the buffer is as it was before.
int appendGraphics(JobBuffer& job, int vertical, int widthBytes, int height, int x, int y,
                   const uint8_t* bitmap);

} // namespace cobrix::cpcl
