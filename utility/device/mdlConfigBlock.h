// The printer's 256-byte parameter block: byte 0 the marker 0x78 ("x"),
// bytes 1 to 253 the family's parameters, bytes 254 and 255 the 16-bit sum
// of bytes 0 to 253, low byte first.
//
// Both operations open and close the selected printer's port through Tsprix,
// whatever the command language; the request frames follow the language.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tolvane {

inline constexpr size_t kConfigBlockSize = 256;
inline constexpr uint8_t kConfigBlockMarker = 0x78;

using TConfigBlock = std::array<uint8_t, kConfigBlockSize>;

// The 16-bit sum of bytes 0 to 253.
uint16_t ConfigBlockSum(const TConfigBlock& block);

// Reads the block. True with the block and the message "OK"; false with the
// message: the language text of "_Err_OpenPort" (no error box),
// "_Err_WriteData", "_Err_ReadData" (wrong marker) or "_Err_CheckSum". The
// caller's block is changed only when the read succeeded.
bool ReadConfigBlock(TConfigBlock& block, std::string& message);

// Stores the sum in bytes 254 and 255 of `block` and writes the request and,
// 20 ms later, the block. An open failure shows the error box
// "<result>:_Err_OpenPort". True when both writes succeeded.
bool WriteConfigBlock(TConfigBlock& block);

} // namespace tolvane
