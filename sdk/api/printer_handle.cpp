#include "printer_handle.h"

#include <mutex>
#include <unordered_set>

namespace cobrix {
namespace {

struct Registry {
    std::mutex lock;
    std::unordered_set<CobrixPrinter*> live;
};

Registry& registry() {
    static Registry r;
    return r;
}

} // namespace

PrinterHandle registerHandle(std::unique_ptr<CobrixPrinter> printer) {
    Registry& r = registry();
    std::lock_guard<std::mutex> guard(r.lock);
    CobrixPrinter* raw = printer.release();
    r.live.insert(raw);
    return raw;
}

CobrixPrinter* liveHandle(PrinterHandle handle) {
    if (handle == nullptr) {
        return nullptr;
    }
    Registry& r = registry();
    std::lock_guard<std::mutex> guard(r.lock);
    if (r.live.count(handle) == 0 || handle->tag != kPrinterHandleTag) {
        return nullptr;
    }
    return handle;
}

bool destroyHandle(PrinterHandle handle) {
    CobrixPrinter* printer = nullptr;
    {
        Registry& r = registry();
        std::lock_guard<std::mutex> guard(r.lock);
        auto it = r.live.find(handle);
        if (it == r.live.end() || handle->tag != kPrinterHandleTag) {
            return false;
        }
        printer = *it;
        r.live.erase(it);
    }
    printer->tag = 0;
    delete printer; // closes and releases the port
    return true;
}

} // namespace cobrix
