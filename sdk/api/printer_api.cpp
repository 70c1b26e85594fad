#include "printer_api.h"

#include "code_page.h"
#include "printer_handle.h"
#include "result_codes.h"

#include <algorithm>
#include <chrono>
#include <new>
#include <string>
#include <thread>
#include <vector>

namespace cobrix::api {
namespace {

// Longest UTF-16 text scanned for its terminator; anything longer is refused.
constexpr size_t kMaxScannedUnits = 4096;

constexpr int kEofPasses = 11;
constexpr auto kEofPause = std::chrono::milliseconds(100);
constexpr int kEofScratchLimit = 64 * 1024;

// The port behind a live handle: 0 with `port`, -6 bad handle, -309 no port.
int portOf(PrinterHandle handle, PortObject*& port) {
    port = nullptr;
    CobrixPrinter* printer = liveHandle(handle);
    if (printer == nullptr) {
        return kBadHandle;
    }
    if (printer->port == nullptr) {
        return kIoNotOpen;
    }
    if (!printer->port->valid()) {
        return kBadHandle;
    }
    port = printer->port.get();
    return kOk;
}

} // namespace

int printerCreator(std::span<const ModelRow> catalogue, PrinterHandle* handle, const char16_t* model) {
    if (handle == nullptr) {
        return kBadParameter;
    }
    *handle = nullptr;
    std::string name;
    if (!utf16ToAnsi(model, kMaxScannedUnits, name) || name.size() > kMaxModelName) {
        return kUnknownModel;
    }
    const ModelRow* row = findModel(catalogue, name.c_str());
    if (row == nullptr) {
        return kUnknownModel;
    }
    try {
        auto printer = std::make_unique<CobrixPrinter>();
        printer->model = row;
        printer->job.modelCode = row->code;
        printer->job.features = row->features;
        printer->tag = kPrinterHandleTag;
        *handle = registerHandle(std::move(printer));
    } catch (const std::bad_alloc&) {
        return kNoMemory;
    }
    return kOk;
}

int printerDestroy(PrinterHandle handle) {
    return destroyHandle(handle) ? kOk : kBadHandle;
}

int portOpen(PrinterHandle handle, const char16_t* address) {
    std::string narrow;
    if (!utf16ToAnsi(address, kMaxScannedUnits, narrow) || narrow.size() > kMaxAddress) {
        return kBadParameter;
    }
    return portOpenNarrow(handle, narrow.c_str());
}

int portOpenNarrow(PrinterHandle handle, const char* address) {
    CobrixPrinter* printer = liveHandle(handle);
    if (printer == nullptr) {
        return kBadHandle;
    }
    printer->portOpen = false;
    printer->port.reset(); // closes and releases the previous port
    std::unique_ptr<PortObject> port;
    if (const int r = createPort(port, address); r != kOk) {
        return r;
    }
    printer->port = std::move(port);
    const int opened = printer->port->ops->open();
    printer->portOpen = opened == kOk;
    return opened;
}

int portClose(PrinterHandle handle) {
    CobrixPrinter* printer = liveHandle(handle);
    if (printer == nullptr) {
        return kBadHandle;
    }
    if (printer->port == nullptr || !printer->portOpen) {
        return kIoNotOpen;
    }
    printer->portOpen = false;
    printer->port->ops->close();
    return kOk;
}

int writeData(PrinterHandle handle, const unsigned char* data, int length) {
    if (length < 0 || (length > 0 && data == nullptr)) {
        return kBadParameter;
    }
    PortObject* port = nullptr;
    if (const int r = portOf(handle, port); r != kOk) {
        return r;
    }
    int written = 0;
    return port->ops->write(data, 0, length, &written);
}

int readData(PrinterHandle handle, unsigned char* buffer, int length, int* read) {
    if (read != nullptr) {
        *read = 0;
    }
    if (read == nullptr || length < 0 || (length > 0 && buffer == nullptr)) {
        return kBadParameter;
    }
    PortObject* port = nullptr;
    if (const int r = portOf(handle, port); r != kOk) {
        return r;
    }
    int got = 0;
    const int result = port->ops->read(buffer, 0, length, &got);
    *read = got;
    return result;
}

int readDataEof(PrinterHandle handle, unsigned char* buffer, int start, int end, unsigned char beginByte,
                unsigned char endByte, int* count) {
    if (count != nullptr) {
        *count = 0;
    }
    if (buffer == nullptr || count == nullptr || start < 0 || end <= start) {
        return kBadParameter;
    }
    PortObject* port = nullptr;
    if (const int r = portOf(handle, port); r != kOk) {
        return r;
    }
    const int capacity = end - start;
    std::vector<uint8_t> scratch;
    try {
        scratch.resize(static_cast<size_t>(std::min(capacity, kEofScratchLimit)));
    } catch (const std::bad_alloc&) {
        return kNoMemory;
    }
    bool collecting = beginByte == 0;
    int stored = 0;
    int result = kIoReadTimeout;
    for (int pass = 0; pass < kEofPasses; ++pass) {
        int got = 0;
        const int r = port->ops->readPending(scratch.data(), 0, static_cast<int>(scratch.size()), &got);
        if (r != kOk) {
            result = r;
            break;
        }
        bool ended = false;
        for (int i = 0; i < got && !ended; ++i) {
            const uint8_t byte = scratch[static_cast<size_t>(i)];
            if (!collecting) {
                collecting = byte == beginByte;
                continue;
            }
            if (stored < capacity) {
                buffer[start + stored] = byte;
                ++stored;
                ended = byte == endByte;
            }
        }
        if (ended) {
            result = kOk;
            break;
        }
        if (pass + 1 < kEofPasses) {
            std::this_thread::sleep_for(kEofPause);
        }
    }
    *count = stored;
    return result;
}

int directIo(PrinterHandle handle, const unsigned char* writeData, int writeLength, unsigned char* readBuffer,
             int readLength, int* readCount) {
    if (writeLength == 0 && readLength == 0) {
        return kOk;
    }
    if (readCount != nullptr) {
        *readCount = 0;
    }
    CobrixPrinter* printer = liveHandle(handle);
    if (printer == nullptr) {
        return kBadHandle;
    }
    if (!printer->portOpen) {
        return kIoNotOpen;
    }
    if (writeLength != 0) {
        if (const int r = api::writeData(handle, writeData, writeLength); r != kOk) {
            return r;
        }
    }
    if (readLength != 0) {
        return readData(handle, readBuffer, readLength, readCount);
    }
    return kOk;
}

} // namespace cobrix::api
