#include "code_page.h"
#include "printer_api.h"
#include "printer_handle.h"
#include "result_codes.h"

#include <string>

namespace cobrix::api {

// Opening a port by printer-queue name needs the USB port kind, which this
// build does not offer yet: the arguments are checked, then -7.
int driverPortOpen(PrinterHandle handle, const char16_t* queue) {
    std::string name;
    if (!utf16ToAnsi(queue, 4096, name) || name.size() > kMaxQueueName) {
        return kBadParameter;
    }
    if (liveHandle(handle) == nullptr) {
        return kBadHandle;
    }
    return kNotImplemented;
}

} // namespace cobrix::api
