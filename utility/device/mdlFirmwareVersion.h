// Whether a printer's firmware takes a family's standard parameter dialog
// (true) or its variant (false).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tolvane {

// Opens the selected printer's port through Tsprix (0 and 5 succeed; any
// other result shows the error box "<result>:_Err_OpenPort" and answers
// false), sends "ZZZGETVERSION" CR LF, waits 100 ms, reads one byte into a
// reply area of three zero bytes and closes the port. When the read brought
// its byte the verdict is FirmwareVersionVerdict(minimum, reply); when it
// brought nothing (a silent printer, a failed write or read) it is false.
bool CheckFirmwareVersion(std::string_view minimum);

// Compares the dot-separated numbers of `minimum` (at most three, a part that
// is not a number counts as 0) with the reply bytes at the same positions:
// true as soon as a number is greater than its byte, otherwise true when the
// minimum has at least three numbers, else false.
bool FirmwareVersionVerdict(std::string_view minimum, const std::array<uint8_t, 3>& reply);

} // namespace tolvane
