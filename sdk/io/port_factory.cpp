#include "comma_form.h"
#include "parallel_port.h"
#include "port_ops.h"
#include "result_codes.h"
#include "serial_port.h"
#include "shared_state.h"
#include "socket_port.h"
#include "uri.h"
#include "usb_port.h"

#include <atomic>
#include <cstring>
#include <new>

namespace cobrix {
namespace {

std::atomic<int> g_portObjects{0};

struct KindName {
    const char* bus;
    PortKind kind;
};

// Compared in this order, exactly and with case.
constexpr KindName kKinds[] = {
    {"COM", PortKind::Serial},   {"BSP", PortKind::Serial},          {"USB", PortKind::Usb},
    {"NET", PortKind::Network},  {"LPT", PortKind::Parallel},        {"FILE", PortKind::File},
    {"BT", PortKind::Bluetooth}, {"Bluetooth", PortKind::Bluetooth},
};

std::unique_ptr<PortOps> newContext(PortKind kind) {
    switch (kind) {
    case PortKind::Serial:
        return std::make_unique<SerialPort>();
    case PortKind::Parallel:
        return std::make_unique<ParallelPort>();
    case PortKind::Network:
        return std::make_unique<NetworkPort>();
    case PortKind::Bluetooth:
        return std::make_unique<BluetoothPort>();
    case PortKind::Usb:
        return makeUsbPort();
    case PortKind::File:
        return nullptr;
    }
    return nullptr;
}

} // namespace

std::mutex& sharedPortLock() {
    static std::mutex lock;
    return lock;
}

PortObject::PortObject(PortKind k, std::unique_ptr<PortOps> o) : kind(k), ops(std::move(o)) {
    ++g_portObjects;
}

PortObject::~PortObject() {
    tag = 0;
    if (ops != nullptr) {
        ops->close();
    }
    --g_portObjects;
}

int portObjectCount() {
    return g_portObjects.load();
}

int copyPortAddress(const std::string& address, bool configured, char* buffer, int capacity, int* length) {
    if (buffer == nullptr || capacity <= 0) {
        return kBadParameter;
    }
    const std::string text = configured ? address : std::string();
    if (text.size() + 1 > static_cast<size_t>(capacity)) {
        return kNoBuffer;
    }
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    if (length != nullptr) {
        *length = static_cast<int>(text.size());
    }
    return kOk;
}

int createPort(std::unique_ptr<PortObject>& out, const char* address) {
    out.reset();
    if (address == nullptr) {
        return kIoInvalidSetting;
    }
    char text[uri::kMaxTextLength + 1];
    const size_t length = strnlen(address, uri::kMaxTextLength);
    std::memcpy(text, address, length);
    text[length] = '\0';
    if (length <= 2) {
        return kIoInvalidSetting;
    }

    ostrel_io_uri parsed;
    if (uri::parse(&parsed, text) != kOk) {
        std::string canonical;
        const int converted = convertCommaForm(text, canonical);
        if (converted == kUnsupported) {
            return kUnsupported;
        }
        if (converted != kOk || uri::parse(&parsed, canonical.c_str()) != kOk) {
            return kIoInvalidSetting;
        }
    }

    const KindName* match = nullptr;
    for (const KindName& k : kKinds) {
        if (std::strcmp(parsed.bus, k.bus) == 0) {
            match = &k;
            break;
        }
    }
    if (match == nullptr) {
        return kUnsupported;
    }
    std::unique_ptr<PortOps> context;
    try {
        context = newContext(match->kind);
    } catch (const std::bad_alloc&) {
        return kNoBuffer;
    }
    if (context == nullptr) {
        return kUnsupported;
    }
    char normalised[uri::kMaxTextLength + 1];
    if (const int r = uri::print(&parsed, normalised, sizeof(normalised)); r != kOk) {
        return r;
    }
    std::unique_ptr<PortObject> port;
    try {
        port = std::make_unique<PortObject>(match->kind, std::move(context));
    } catch (const std::bad_alloc&) {
        return kNoBuffer;
    }
    if (const int r = port->ops->configure(normalised); r != kOk) {
        return r;
    }
    port->tag = kPortTag;
    out = std::move(port);
    return kOk;
}

} // namespace cobrix
