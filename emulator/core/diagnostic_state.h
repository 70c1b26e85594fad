#pragma once

#include "emulator/core/bytes.h"

#include <cstdint>
#include <string>

namespace emulator {

// What the printer reports about itself besides its settings: the 20-byte
// status block (getval "printer_status"; byte 18 and byte 17 carry the
// conditions) and the journey counter ("ZZZGETJOURNEY", 4 bytes big-endian).
// Tests change them with Emulator::changePrinter.
constexpr size_t kStatusBlockSize = 20;
struct DiagnosticState {
    Bytes status = Bytes(kStatusBlockSize, 0);
    int32_t journey = 0;
};

struct SettingsEntry;
struct Profile;

// The [printer] entries "status" (the 20 bytes) and "journey" (a signed
// 32-bit number). False when the entry is not one of them (`handled` false)
// or is malformed (`handled` true and `error` set).
bool applyDiagnosticEntry(const SettingsEntry& entry, Profile& profile, bool& handled, std::string& error);

} // namespace emulator
