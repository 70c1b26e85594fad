// The steps every CPCL composition call shares: check the handle and its
// port, convert the caller's texts, make room, check the model, build the
// command, queue it and send everything queued.
#pragma once

#include "cobrix.h"
#include "printer_handle.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace cobrix::cpcl {

// The printer behind a handle whose port is open: 0, -6 bad handle, -309
// port not open.
int openPrinter(PrinterHandle handle, CobrixPrinter*& printer);

// 0 when the handle's model accepts CPCL, else -3.
int checkCpclModel(const CobrixPrinter& printer);

// Writes every queued byte to the port. On success the queue is emptied; on
// failure the bytes stay queued and go out ahead of the next command.
int sendQueued(CobrixPrinter& printer);

// Builds one command line from the converted texts: 0, -1 or -2.
using CommandBuilder = std::function<int(const std::vector<std::string>& texts, std::string& command)>;

// Runs one composition call: handle and port, text conversion (null text
// -1, text too long to ever fit -2), room, CPCL model, the builder's checks,
// queueing and sending.
int submitCommand(PrinterHandle handle, std::initializer_list<const char16_t*> texts,
                  const CommandBuilder& build);

} // namespace cobrix::cpcl
