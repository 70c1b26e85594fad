/*
 * Escrix: the printer SDK for ESC printers.
 *
 * Exports PrinterCreator, PrinterDestroy, PortOpen, PortClose, WriteData,
 * ReadData and ReadDataEOF, declared in cobrix.h, with the same arguments,
 * results and address forms as Cobrix. PrinterCreator accepts the maker's
 * printer models.
 */
#ifndef ESCRIX_H
#define ESCRIX_H

#include "cobrix.h"

#endif /* ESCRIX_H */
