// The printer-library facade: one printer handle per SDK library, and the
// handle and port operations through which every dialog reaches a printer.
//
// Each operation comes in two forms: without a library argument it uses the
// library of the current command language (`ProtocolKind`), with one it uses
// that library. Every call's result is kept as the last result.
#pragma once

#include "mdlPrinterLibLoad.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tolvane {

// The current command language: 0 ESC, 1 TSPL, 2 STAR, 3 CPCL, 4 ZPL, 5 EPL.
extern int ProtocolKind;

// Command language numbers.
inline constexpr int kLangEsc = 0;
inline constexpr int kLangTspl = 1;
inline constexpr int kLangStar = 2;
inline constexpr int kLangCpcl = 3;
inline constexpr int kLangZpl = 4;
inline constexpr int kLangEpl = 5;

// Open result of a port held by another opener ("already open").
inline constexpr int kAlreadyOpenResult = 5;
// Result of an open made without a printer handle for the library.
inline constexpr int kNoHandleResult = -6;
// Result of PrtLib_Create when the library could not be bound.
inline constexpr int kLibraryNotBound = -11;

// The library for a command language: 0 Escrix, 3 Cobrix, any other Tsprix.
TPrtLib PrtLib_ForLanguage(int language);
// The library of `ProtocolKind`.
TPrtLib PrtLib_Current();
// The name of a command language ("ESC", "TSPL", "STAR", "CPCL", "ZPL",
// "EPL"); empty for any other number.
std::string_view LanguageName(int language);
// The protocol word shown for a language: "CPCL", "TSPL", "ESC", "ZPL", else
// (STAR and EPL included) the number in decimal.
std::string ProtocolWord(int language);
// The protocol description of the debug texts: "Desc:" and the language's
// name, or its number in decimal when it has none.
std::string ProtocolDescription(int language);

// Creates the library's printer handle for a model (UTF-8 name), replacing
// the handle held so far (which is destroyed). The slot is empty when this fails.
int PrtLib_Create(const std::string& model);
int PrtLib_Create(TPrtLib lib, const std::string& model);

// The library's printer handle, or null.
PrinterHandle PrtLib_Handle();
PrinterHandle PrtLib_Handle(TPrtLib lib);

// Ends the use of the handle after a one-shot command. The handle stays valid
// for the next command; it is destroyed only when replaced or at unload. 0.
int PrtLib_Release();
int PrtLib_Release(TPrtLib lib);

// Opens a port from a comma-form address. Without a handle: -6 and no library
// call. Through Tsprix a serial port is kept open between commands, and an
// open that answers 5 (already open) is closed and opened once more.
int PrtLib_Open(const std::string& address);
int PrtLib_Open(TPrtLib lib, const std::string& address);

// Closes the library's port.
int PrtLib_Close();
int PrtLib_Close(TPrtLib lib);

int PrtLib_Write(const uint8_t* data, int length);
int PrtLib_Write(TPrtLib lib, const uint8_t* data, int length);
int PrtLib_Write(std::string_view bytes);
int PrtLib_Write(TPrtLib lib, std::string_view bytes);

// One read of up to `length` bytes; `count` receives the number read.
int PrtLib_Read(uint8_t* buffer, int length, int& count);
int PrtLib_Read(TPrtLib lib, uint8_t* buffer, int length, int& count);

// A framed read into buffer[start..end) up to the end byte (only the low 8
// bits of the byte arguments count; see ReadDataEOF).
int PrtLib_ReadUntil(uint8_t* buffer, int start, int end, int& count, int endByte, int beginByte);
int PrtLib_ReadUntil(TPrtLib lib, uint8_t* buffer, int start, int end, int& count, int endByte,
                     int beginByte);

// The result of the last facade call.
int PrtLib_LastResult();

// Whether a serial port opened through Tsprix is being kept open.
bool PrtLib_SerialKeptOpen();

// True when the address names a serial port: it contains "COM", or its first
// field is a terminal device path (/dev/tty..., /dev/pts/...).
bool IsSerialAddress(std::string_view address);

// Destroys the three printer handles (program end).
void PrtLib_DestroyHandles();

} // namespace tolvane
