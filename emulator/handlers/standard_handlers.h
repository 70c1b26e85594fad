#pragma once

#include "emulator/core/handler_set.h"
#include "emulator/core/printer.h"

namespace emulator {

// Adds the handlers of every exchange the emulated printer knows; the page
// language handlers follow the profile's command language. Exchanges added
// later (block transfers, files, firmware, status, RFID, scan, page
// languages) get a handler file each and a line here, or are added to a
// running emulator with Emulator::addHandler.
void addStandardHandlers(HandlerSet& handlers, const Profile& profile);

} // namespace emulator
