#pragma once

#include "emulator/core/handler_set.h"
#include "emulator/core/printer.h"

namespace emulator {

// The firmware exchanges, which depend on the printer's update state and
// therefore look at it while scanning:
//  - do "enter_ota": OTA mode; the printer restarts (connection dropped);
//  - 1D 75 55 AA (binary update mode): OTA mode, recorded as "dfu_mode";
//  - getval "pack_length": the packet length as 4 bytes, low byte first;
//  - OTA packets (do "ota" frame, offset, length, CRC, data): checked and
//    answered with 8 bytes 1B 1C 26, the offset (4 bytes), status
//    (0 accepted, 1 not in OTA mode, 2 wrong offset, 3 wrong CRC);
//  - do "dfu": sectioned-file mode; then 76-byte headers, each answered
//    with one status byte, and their data, after the last section the
//    final status byte.
// The handlers run on the emulator's serving thread, which also guards
// the printer they look at.
void addFirmwareHandlers(HandlerSet& handlers, Printer& printer);

} // namespace emulator
