// The handle and port entry points, shared by every SDK library that links
// the port code; each library passes its own model catalogue.
#pragma once

#include "cobrix.h"
#include "model_catalogue.h"

#include <span>

namespace cobrix::api {

// Longest texts accepted after conversion to the ANSI code page.
inline constexpr size_t kMaxModelName = 31;
inline constexpr size_t kMaxAddress = 254;
inline constexpr size_t kMaxQueueName = 259;

int printerCreator(std::span<const ModelRow> catalogue, PrinterHandle* handle, const char16_t* model);
int printerDestroy(PrinterHandle handle);
int portOpen(PrinterHandle handle, const char16_t* address);
// Opens a narrow (already converted) address; used by the queue opener.
int portOpenNarrow(PrinterHandle handle, const char* address);
int driverPortOpen(PrinterHandle handle, const char16_t* queue);
int portClose(PrinterHandle handle);
int writeData(PrinterHandle handle, const unsigned char* data, int length);
int readData(PrinterHandle handle, unsigned char* buffer, int length, int* read);
int readDataEof(PrinterHandle handle, unsigned char* buffer, int start, int end, unsigned char beginByte,
                unsigned char endByte, int* count);
int directIo(PrinterHandle handle, const unsigned char* writeData, int writeLength, unsigned char* readBuffer,
             int readLength, int* readCount);

} // namespace cobrix::api
