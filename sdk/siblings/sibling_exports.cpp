// The seven entry points that Escrix and Tsprix share with Cobrix, with the
// same arguments, results and address forms; each library answers for the
// models of its own table.
#include "cobrix.h"

#include "maker_models.h"
#include "printer_api.h"

using namespace cobrix;

extern "C" {

COBRIX_API int PrinterCreator(PrinterHandle* handle, const char16_t* model) {
    return api::printerCreator(siblings::siblingCatalogue(), handle, model);
}

COBRIX_API int PrinterDestroy(PrinterHandle handle) {
    return api::printerDestroy(handle);
}

COBRIX_API int PortOpen(PrinterHandle handle, const char16_t* address) {
    return api::portOpen(handle, address);
}

COBRIX_API int PortClose(PrinterHandle handle) {
    return api::portClose(handle);
}

COBRIX_API int WriteData(PrinterHandle handle, const unsigned char* data, int length) {
    return api::writeData(handle, data, length);
}

COBRIX_API int ReadData(PrinterHandle handle, unsigned char* buffer, int length, int* read) {
    return api::readData(handle, buffer, length, read);
}

COBRIX_API int ReadDataEOF(PrinterHandle handle, unsigned char* buffer, int start, int end,
                           unsigned char begin_byte, unsigned char end_byte, int* count) {
    return api::readDataEof(handle, buffer, start, end, begin_byte, end_byte, count);
}

} // extern "C"
