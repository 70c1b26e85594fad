// The C entry points of libcobrix.so.
#include "cobrix.h"

#include "messages.h"
#include "printer_api.h"
#include "printer_handle.h"
#include "result_codes.h"
#include "uri.h"

#include <string>

using namespace cobrix;

extern "C" {

COBRIX_API int ostrel_io_uri_from_str(ostrel_io_uri* uri, const char* text) {
    return uri::parse(uri, text);
}

COBRIX_API int ostrel_io_uri_to_str(const ostrel_io_uri* uri, char* buffer, int capacity) {
    return uri::print(uri, buffer, capacity);
}

COBRIX_API int ostrel_io_uri_get_str(char* buffer, int capacity, const char* bus, const char* device,
                                     const char* const* keys, const char* const* values, int count) {
    return uri::build(buffer, capacity, bus, device, keys, values, count);
}

COBRIX_API void ostrel_io_uri_clear(ostrel_io_uri* uri) {
    uri::clear(uri);
}

COBRIX_API const char* ostrel_io_uri_get_option(const ostrel_io_uri* uri, const char* key) {
    return uri::option(uri, key);
}

COBRIX_API int PrinterCreator(PrinterHandle* handle, const char16_t* model) {
    return api::printerCreator(cobrixCatalogue(), handle, model);
}

COBRIX_API PrinterHandle PrinterCreatorS(const char16_t* model) {
    PrinterHandle handle = nullptr;
    return api::printerCreator(cobrixCatalogue(), &handle, model) == kOk ? handle : nullptr;
}

COBRIX_API int PrinterDestroy(PrinterHandle handle) {
    return api::printerDestroy(handle);
}

COBRIX_API int PortOpen(PrinterHandle handle, const char16_t* address) {
    return api::portOpen(handle, address);
}

COBRIX_API int DriverPortOpen(PrinterHandle handle, const char16_t* queue) {
    return api::driverPortOpen(handle, queue);
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

COBRIX_API int DirectIO(PrinterHandle handle, const unsigned char* write_data, int write_length,
                        unsigned char* read_buffer, int read_length, int* read_count) {
    return api::directIo(handle, write_data, write_length, read_buffer, read_length, read_count);
}

COBRIX_API int FormatError(int code, int language, char16_t* buffer, int offset, int size) {
    return formatError(code, language, buffer, offset, size);
}

} // extern "C"
