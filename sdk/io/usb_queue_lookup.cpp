#include "usb_queue_lookup.h"

#include "result_codes.h"
#include "system_error.h"

#include <cstring>
#include <cups/cups.h>
#include <memory>
#include <new>

namespace cobrix {
namespace {

// How long the scheduler may take to accept the connection.
constexpr int kConnectTimeoutMs = 5000;
// The longest device URI taken from the scheduler.
constexpr size_t kMaxDeviceUri = 1024;

struct HttpCloser {
    void operator()(http_t* http) const { httpClose(http); }
};
struct IppDeleter {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};

int codeForStatus(ipp_status_t status) {
    switch (status) {
    case IPP_STATUS_ERROR_NOT_FOUND:
    case IPP_STATUS_ERROR_GONE:
        return kErrFileNotFound;
    case IPP_STATUS_ERROR_FORBIDDEN:
    case IPP_STATUS_ERROR_NOT_AUTHENTICATED:
    case IPP_STATUS_ERROR_NOT_AUTHORIZED:
        return kErrPrivilegeNotHeld;
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
        return kWsaConnRefused;
    default:
        return kErrGenFailure;
    }
}

} // namespace

int lookUpQueueDeviceUri(const std::string& queueUtf8, std::string& deviceUri) {
    deviceUri.clear();
    try {
        // An own connection, so that the calling program's libcups settings stay as they are.
        std::unique_ptr<http_t, HttpCloser> http(httpConnect2(
            cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, kConnectTimeoutMs, nullptr));
        if (http == nullptr) {
            return kWsaConnRefused;
        }
        char printerUri[HTTP_MAX_URI];
        if (httpAssembleURIf(HTTP_URI_CODING_ALL, printerUri, sizeof(printerUri), "ipp", nullptr, "localhost",
                             ippPort(), "/printers/%s", queueUtf8.c_str()) != HTTP_URI_STATUS_OK) {
            return kErrFileNotFound; // no queue can have such a name
        }
        ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
        if (request == nullptr) {
            return kNoBuffer;
        }
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                     "device-uri");
        // cupsDoRequest takes the request and frees it.
        std::unique_ptr<ipp_t, IppDeleter> response(cupsDoRequest(http.get(), request, "/"));
        const ipp_status_t status = cupsLastError();
        if (status > IPP_STATUS_OK_EVENTS_COMPLETE) {
            return codeForStatus(status);
        }
        if (response == nullptr) {
            return kWsaConnRefused;
        }
        ipp_attribute_t* attribute = ippFindAttribute(response.get(), "device-uri", IPP_TAG_URI);
        const char* text = attribute != nullptr ? ippGetString(attribute, 0, nullptr) : nullptr;
        if (text != nullptr) {
            deviceUri.assign(text, strnlen(text, kMaxDeviceUri));
        }
    } catch (const std::bad_alloc&) {
        return kNoBuffer;
    }
    return kOk;
}

} // namespace cobrix
