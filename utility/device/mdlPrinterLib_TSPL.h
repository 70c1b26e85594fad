// The Tsprix side of the facade: the serial keep-open and the retry on 5 when
// opening, the repeated read, and Tsprix's own serial-number and USB
// identifier queries.
#pragma once

#include <cstdint>
#include <string>

namespace tolvane {

// Opens through Tsprix:
//  1. a serial address while the keep-open flag is set: 0, no library call;
//  2. no handle: -6;
//  3. PortOpen; on 5 (already open) PortClose and PortOpen once more;
//  4. for a serial address the keep-open flag is set when the result is 0
//     and cleared otherwise.
int PrtLib_OpenTsprix(const std::string& address);

// Closes the Tsprix port and clears the keep-open flag.
int PrtLib_CloseTsprix();

// Reads through Tsprix until `length` bytes are collected, in at most
// `passes` ReadData calls, sleeping `pauseMs` between them. The last ReadData
// result; `count` receives the total collected in buffer[0..count).
int PrtLib_ReadRepeated(uint8_t* buffer, int length, int& count, int pauseMs, int passes);

// The printer's serial number through Tsprix's TSPL_GetSN (the port must be
// open). TSPL_GetSN's result; `serial` receives the text it left.
int PrtLib_SerialNumber(std::string& serial);

// "VID_xxxx&PID_yyyy" of the first attached USB printer through Tsprix's
// GetVidPid; empty when it answers non-zero.
std::string PrtLib_VidPid();

} // namespace tolvane
