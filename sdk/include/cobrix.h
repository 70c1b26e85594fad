/*
 * Cobrix: printer SDK.
 *
 * Opens a printer's port from an address string, moves bytes to and from
 * the printer, and formats the library's result codes as text.
 *
 * Results: 0 for success, a negative library code (see FormatError), or a
 * positive system error code (Windows-compatible numbering, for example
 * 5 "already open", 2 "no such device", 10061 "connection refused").
 *
 * Texts passed as `const char16_t*` are zero-terminated UTF-16 and are
 * converted to the ANSI code page before use. The ANSI code page follows
 * the user's locale and can be fixed with the environment variable
 * COBRIX_ANSI_CODEPAGE (for example 936 or 1252).
 *
 * Valid C11 and C++.
 */
#ifndef COBRIX_H
#define COBRIX_H

#ifdef __cplusplus
#include <cstdint>
#else
#include <stdint.h>
#include <uchar.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif

#if defined(COBRIX_BUILDING)
#define COBRIX_API __attribute__((visibility("default")))
#else
#define COBRIX_API
#endif

/* Opaque printer handle, created by PrinterCreator and freed by PrinterDestroy. */
typedef struct CobrixPrinter* PrinterHandle;

/* ---- Port address strings ------------------------------------------------
 *
 * Canonical form: "ostrel:/dev/bus/" BUS "/" DEVICE [ "?" key=value { "+" key=value } ]
 * At most 8 options and 255 characters. The comma form used by the utility
 * ("USB", "COM1,BAUDRATE_9600", "NET,192.168.0.33", "LPT1", "/dev/ttyUSB0,9600")
 * is converted into it when a port is opened.
 */
#define OSTREL_IO_URI_MAX_OPTIONS 8
#define OSTREL_IO_URI_TEXT_SIZE 256

typedef struct ostrel_io_uri_option {
    char* key;
    char* value;
} ostrel_io_uri_option;

/* A parsed address. All pointers point into `text`, so a record must not be
 * copied field by field into another record. */
typedef struct ostrel_io_uri {
    char text[OSTREL_IO_URI_TEXT_SIZE];
    char* device;
    char* bus;
    ostrel_io_uri_option options[OSTREL_IO_URI_MAX_OPTIONS];
    int32_t option_count;
} ostrel_io_uri;

/* Parses a canonical address. 0; -301 text longer than 255 characters;
 * -1 grammar not met (or a null argument). */
COBRIX_API int ostrel_io_uri_from_str(ostrel_io_uri* uri, const char* text);

/* Prints a parsed record as a canonical address. 0; -2 when it does not fit
 * into `capacity` characters including the terminator; -1 null argument. */
COBRIX_API int ostrel_io_uri_to_str(const ostrel_io_uri* uri, char* buffer, int capacity);

/* Builds a canonical address from parts. A null device prints "DEVICE";
 * options with a null value are skipped. 0; -2 does not fit; -1 bad argument. */
COBRIX_API int ostrel_io_uri_get_str(char* buffer, int capacity, const char* bus, const char* device,
                                     const char* const* keys, const char* const* values, int count);

/* Sets the whole record to zero. */
COBRIX_API void ostrel_io_uri_clear(ostrel_io_uri* uri);

/* Value of the first option whose key equals `key` exactly, or null. */
COBRIX_API const char* ostrel_io_uri_get_option(const ostrel_io_uri* uri, const char* key);

/* ---- Printer handles and ports ------------------------------------------ */

/* Creates a handle for a catalogue model. 0; -1 null out pointer;
 * -8 unknown model (exact, case-sensitive) or name longer than 31 bytes;
 * -9 out of memory. */
COBRIX_API int PrinterCreator(PrinterHandle* handle, const char16_t* model);

/* As PrinterCreator; returns the handle or null. */
COBRIX_API PrinterHandle PrinterCreatorS(const char16_t* model);

/* Closes the handle's port and frees the handle. 0; -6 bad handle. */
COBRIX_API int PrinterDestroy(PrinterHandle handle);

/* Opens a port from an address (replacing any previous port). 0, or the
 * address's or the open's error. */
COBRIX_API int PortOpen(PrinterHandle handle, const char16_t* address);

/* Opens the USB printer behind a printer queue of that name. */
COBRIX_API int DriverPortOpen(PrinterHandle handle, const char16_t* queue);

/* Closes the port. 0; -6 bad handle; -309 no open port. */
COBRIX_API int PortClose(PrinterHandle handle);

/* Writes data[0..length). */
COBRIX_API int WriteData(PrinterHandle handle, const unsigned char* data, int length);

/* Reads up to `length` bytes; *read receives the count. */
COBRIX_API int ReadData(PrinterHandle handle, unsigned char* buffer, int length, int* read);

/* Collects a framed reply into buffer[start..end): from after `begin_byte`
 * (0: from the first byte) up to and including `end_byte`. 0 when the end
 * byte arrived; -332 when it did not; *count receives the bytes stored. */
COBRIX_API int ReadDataEOF(PrinterHandle handle, unsigned char* buffer, int start, int end,
                           unsigned char begin_byte, unsigned char end_byte, int* count);

/* Writes, then reads. Both lengths 0: 0 at once. */
COBRIX_API int DirectIO(PrinterHandle handle, const unsigned char* write_data, int write_length,
                        unsigned char* read_buffer, int read_length, int* read_count);

/* Writes the message for `code` as UTF-16 at (char*)buffer + offset; offset
 * and size are byte counts from the start of the buffer. Language 4 gives
 * Chinese texts for library codes, any other value English. 0; -2 when the
 * text does not fit; -1 bad argument. */
COBRIX_API int FormatError(int code, int language, char16_t* buffer, int offset, int size);

/* ---- CPCL label composition ---------------------------------------------
 *
 * Each call formats one CPCL command into the handle's job buffer and sends
 * everything queued to the printer at once. A label: CPCL_AddLabel, any
 * number of content and setting calls, then CPCL_Print (or
 * CPCL_NextLabelPos, CPCL_Abort).
 *
 * Common results: -6 bad handle; -309 port not open; -3 the model does not
 * accept CPCL; -1 an argument out of range (or a null text); -2 a command
 * longer than its limit (510 bytes for text, barcode, QR and PDF417
 * commands, 254 for the others); -9 out of memory; otherwise the port
 * write's result. When the write fails, the commands stay queued and are
 * sent again ahead of the next successful call's own command.
 */

/* "! offset 200 200 height quantity" - starts a label. */
COBRIX_API int CPCL_AddLabel(PrinterHandle handle, int offset, int height, int quantity);

/* align: 0 LEFT, 1 CENTER, 2 RIGHT. */
COBRIX_API int CPCL_SetAlign(PrinterHandle handle, int align);

/* rotation: 0 TEXT, 1 TEXT90, 2 TEXT180, 3 TEXT270 (others TEXT);
 * font: 1, 2, 3, 4, 7, 8, 20, 24 or 55; size: 0..7. */
COBRIX_API int CPCL_AddText(PrinterHandle handle, int rotation, int font, int size, int x, int y,
                            const char16_t* text);

/* type: 0..41 ("128", "128A", ... "UPCE5"); ratio: 0..4 or 20..30. */
COBRIX_API int CPCL_AddBarCode(PrinterHandle handle, int vertical, int type, int width, int ratio, int height,
                               int x, int y, const char16_t* data);

/* Human-readable text under barcodes; enable 0 switches it off. */
COBRIX_API int CPCL_AddBarCodeText(PrinterHandle handle, int enable, int font, int size, int offset);

/* model: 1 or 2; level: 0 L, 1 M, 2 Q, 3 H (others H). */
COBRIX_API int CPCL_AddQRCode(PrinterHandle handle, int vertical, int x, int y, int model, int unit,
                              int level, const char16_t* data);

/* columns: 1..30; rows: 0..90; security: 0..8. */
COBRIX_API int CPCL_AddPDF417(PrinterHandle handle, int vertical, int x, int y, int xd, int yd, int columns,
                              int rows, int security, const char16_t* data);

COBRIX_API int CPCL_AddBox(PrinterHandle handle, int x0, int y0, int x1, int y1, int width);
COBRIX_API int CPCL_AddLine(PrinterHandle handle, int x0, int y0, int x1, int y1, int width);

/* Prints a BMP, PNG, JPEG or GIF file (recognised by content) as graphics:
 * 1-bit images keep their bits (inverted when palette entry 1 is white),
 * others are dithered to black and white. Transparent pixels count as
 * white. -21 the file cannot be read or is not an image; -1 wider than
 * 7992 dots; -25 more than 33554432 (32 Mi) pixels. */
COBRIX_API int CPCL_AddImage(PrinterHandle handle, int vertical, int x, int y, const char16_t* path);

/* Sends a 1-bit bitmap (rows of width_bytes bytes, top row first, bit 7
 * leftmost, a set bit black) unchanged. width_bytes: 0..999; -25 above
 * 32 Mi pixels. */
COBRIX_API int CPCL_AddImageData(PrinterHandle handle, int vertical, int width_bytes, int height, int x,
                                 int y, const unsigned char* bitmap);

/* width: 0..16; height: 0..127. */
COBRIX_API int CPCL_SetFontSize(PrinterHandle handle, int width, int height);
/* 0..3 */
COBRIX_API int CPCL_SetDensity(PrinterHandle handle, int density);
/* 0..5 */
COBRIX_API int CPCL_SetSpeed(PrinterHandle handle, int speed);
/* 0..999 */
COBRIX_API int CPCL_SetTextSpacing(PrinterHandle handle, int spacing);
/* 0..999 */
COBRIX_API int CPCL_SetLeftMargin(PrinterHandle handle, int margin);
/* 0..5 */
COBRIX_API int CPCL_SetTextBold(PrinterHandle handle, int bold);
COBRIX_API int CPCL_SetTextUnderline(PrinterHandle handle, int on);
COBRIX_API int CPCL_Abort(PrinterHandle handle);
COBRIX_API int CPCL_Print(PrinterHandle handle);
COBRIX_API int CPCL_NextLabelPos(PrinterHandle handle);
/* -4000..4000 */
COBRIX_API int CPCL_PreFeed(PrinterHandle handle, int amount);
/* -4000..4000 */
COBRIX_API int CPCL_PostFeed(PrinterHandle handle, int amount);

#ifdef __cplusplus
}
#endif

#endif /* COBRIX_H */
