// Printer handles: what a PrinterHandle points at, and the registry of live
// handles that makes every entry point safe with stale or foreign pointers.
#pragma once

#include "cobrix.h"
#include "job_buffer.h"
#include "model_catalogue.h"
#include "port_ops.h"

#include <memory>

inline constexpr uint32_t kPrinterHandleTag = 544;

struct CobrixPrinter {
    uint32_t tag = 0;
    const cobrix::ModelRow* model = nullptr;
    cobrix::JobBuffer job;
    std::unique_ptr<cobrix::PortObject> port;
    bool portOpen = false;
};

namespace cobrix {

// Registers a new handle; ownership passes to the registry.
PrinterHandle registerHandle(std::unique_ptr<CobrixPrinter> printer);

// The live handle behind `handle`, or nullptr when it was never created by
// this library, was destroyed, or has a wrong tag.
CobrixPrinter* liveHandle(PrinterHandle handle);

// Removes and frees a live handle. False when it is not live.
bool destroyHandle(PrinterHandle handle);

} // namespace cobrix
