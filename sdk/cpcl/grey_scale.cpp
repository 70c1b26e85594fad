// Compiled without floating-point contraction: a fused multiply-add would
// round differently and move some grey values by one.
#include "grey_scale.h"

namespace cobrix::cpcl {

uint8_t greyOf(uint8_t red, uint8_t green, uint8_t blue) {
    const double grey = red * 0.29891 + green * 0.58661 + blue * 0.11448;
    return static_cast<uint8_t>(static_cast<int>(grey) & 0xFF);
}

void greyRow(const uint8_t* row, int count, const PixelLayout& layout, uint8_t* grey) {
    if (layout.alpha < 0) {
        for (int i = 0; i < count; ++i, row += layout.bytes) {
            grey[i] = greyOf(row[layout.red], row[layout.green], row[layout.blue]);
        }
        return;
    }
    for (int i = 0; i < count; ++i, row += layout.bytes) {
        const uint8_t alpha = row[layout.alpha];
        grey[i] = greyOf(overWhite(row[layout.red], alpha), overWhite(row[layout.green], alpha),
                         overWhite(row[layout.blue], alpha));
    }
}

} // namespace cobrix::cpcl
