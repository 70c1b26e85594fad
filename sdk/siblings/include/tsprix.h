/*
 * Tsprix: the printer SDK for TSPL printers and every other command language.
 *
 * Exports PrinterCreator, PrinterDestroy, PortOpen, PortClose, WriteData,
 * ReadData and ReadDataEOF, declared in cobrix.h, with the same arguments,
 * results and address forms as Cobrix, and the two functions below.
 */
#ifndef TSPRIX_H
#define TSPRIX_H

#include "cobrix.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Size of the buffers that GetVidPid and TSPL_GetSN fill, terminator included. */
#define TSPRIX_TEXT_SIZE 64

/* Writes the identifier "VID_xxxx&PID_yyyy" (upper-case hexadecimal) of the
 * first USB printer attached, in the order of the usblp nodes (lp0, lp1, ...),
 * as a zero-terminated text into buffer[0..64). Every printer-class device
 * that the usblp driver serves counts.
 * 0 with the text; -372 when no USB printer is attached (the buffer then holds
 * an empty text); -1 when buffer is null. */
COBRIX_API int GetVidPid(char* buffer);

/* Asks the printer on the handle's open port for its serial number: sends
 * ESC FS "& V1 getval \"serial_no\"" CR LF and collects the reply up to its
 * terminating zero byte. The buffer (64 bytes) receives the serial number as
 * the printer sent it, without surrounding spaces, tabs, CR and LF, as a
 * zero-terminated single-byte text of at most 63 characters; a printer that
 * answers only the zero byte leaves an empty text.
 * 0 with the text; -1 null buffer; -6 bad handle; -309 no open port;
 * -332 when no zero-terminated reply of at most 64 bytes arrived (the buffer
 * then holds an empty text); a write error as WriteData returns it. */
COBRIX_API int TSPL_GetSN(PrinterHandle handle, char* buffer);

#ifdef __cplusplus
}
#endif

#endif /* TSPRIX_H */
