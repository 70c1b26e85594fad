// Whether a printer's firmware takes a family's standard parameter dialog
// (true) or its variant (false).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tolvane {

// Opens the selected printer's port through Tsprix (0 and 5 succeed; any
// other result shows the error box "<result>:_Err_OpenPort" and answers
// nothing), sends "ZZZGETVERSION" CR LF, waits 100 ms, reads the three
// version bytes and closes the port. The whole version gives the verdict
// FirmwareVersionVerdict(minimum, reply); no reply at all (a printer whose
// firmware does not know the question, a failed write) gives false. A reply
// cut off before its third byte decides nothing: the error box
// "_Err_ReadData" is shown and the answer is empty, as it is after an open
// failure, so that no dialog is chosen by half a version.
std::optional<bool> CheckFirmwareVersion(std::string_view minimum);

// Compares the dot-separated numbers of `minimum` (at most three, a part that
// is not a number counts as 0) with the reply bytes at the same positions:
// true as soon as a number is greater than its byte, otherwise true when the
// minimum has at least three numbers, else false.
bool FirmwareVersionVerdict(std::string_view minimum, const std::array<uint8_t, 3>& reply);

} // namespace tolvane
