// Binding the three printer SDK libraries at run time.
//
// The libraries export the same entry-point names, so each is opened with
// its own dlopen handle (RTLD_LOCAL) and reached only through the table of
// entry points below.
#pragma once

#include "cobrix.h"
#include "tsprix.h"

#include <string>

namespace tolvane {

// The three SDK libraries, chosen by command language (Escrix for 0 ESC,
// Cobrix for 3 CPCL, Tsprix for every other language).
enum class TPrtLib { Escrix = 0, Cobrix = 1, Tsprix = 2 };
inline constexpr int kPrtLibCount = 3;

// The file name of a library in the program folder.
const char* PrtLib_FileName(TPrtLib lib);

// The entry points the utility uses. GetVidPid and TSPL_GetSN exist in
// Tsprix only and are null for the other two.
struct TPrtLibEntries {
    decltype(&::PrinterCreator) PrinterCreator = nullptr;
    decltype(&::PrinterDestroy) PrinterDestroy = nullptr;
    decltype(&::PortOpen) PortOpen = nullptr;
    decltype(&::PortClose) PortClose = nullptr;
    decltype(&::WriteData) WriteData = nullptr;
    decltype(&::ReadData) ReadData = nullptr;
    decltype(&::ReadDataEOF) ReadDataEOF = nullptr;
    decltype(&::GetVidPid) GetVidPid = nullptr;
    decltype(&::TSPL_GetSN) TSPL_GetSN = nullptr;
};

// The folder of the running program (where the libraries are installed).
std::string ProgramFolder();

// Binds the three libraries from `folder` (default: the program folder).
// Libraries already bound stay bound. False when one could not be bound;
// `error` then names each file that failed and why, one per line.
bool PrtLib_LoadLibraries(std::string& error);
bool PrtLib_LoadLibrariesFrom(const std::string& folder, std::string& error);

// Destroys the facade's printer handles and unbinds the libraries.
void PrtLib_UnloadLibraries();

// The entry points of a bound library, or nullptr when it is not bound.
const TPrtLibEntries* PrtLib_Entries(TPrtLib lib);

// Replaces the entry points used for a library (for instance to observe the
// calls made to it); the library stays bound.
void PrtLib_SetEntries(TPrtLib lib, const TPrtLibEntries& entries);

} // namespace tolvane
