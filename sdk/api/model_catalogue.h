// The printer models a library serves.
#pragma once

#include <cstdint>
#include <span>

namespace cobrix {

inline constexpr uint32_t kFeatureCpcl = 0x40;

struct ModelRow {
    int32_t code;
    const char* vendor;
    const char* name; // the lookup key: exact and case-sensitive
    const char* display;
    const char* description;
    uint32_t features;
    int32_t widthDots;
    uint16_t usbVendor;
    uint16_t usbProduct;
    double dotPitchMm;
};

// The first row whose name equals `name` exactly, or nullptr.
const ModelRow* findModel(std::span<const ModelRow> catalogue, const char* name);

// Cobrix's own catalogue.
std::span<const ModelRow> cobrixCatalogue();

} // namespace cobrix
