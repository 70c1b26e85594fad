#include "result_codes.h"
#include "socket_port.h"
#include "uri.h"

#include <bluetooth/bluetooth.h>
#include <bluetooth/rfcomm.h>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace cobrix {
namespace {

constexpr uint8_t kRfcommChannel = 1;

// "00:11:22:33:44:55": the colon form that Linux tools print.
bool parseColonForm(const char* text, uint64_t& value) {
    if (std::strlen(text) != 17) {
        return false;
    }
    uint64_t result = 0;
    for (int i = 0; i < 17; ++i) {
        const char c = text[i];
        if (i % 3 == 2) {
            if (c != ':') {
                return false;
            }
            continue;
        }
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            return false;
        }
        result = (result << 4) |
                 static_cast<uint64_t>(std::isdigit(static_cast<unsigned char>(c))
                                           ? c - '0'
                                           : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10);
    }
    value = result;
    return true;
}

} // namespace

int BluetoothPort::configure(const char* address) {
    ostrel_io_uri parsed;
    if (const int r = uri::parse(&parsed, address); r != kOk) {
        return r;
    }
    const char* deviceAddress = uri::option(&parsed, "address");
    const char* pin = uri::option(&parsed, "pin");
    if (deviceAddress == nullptr || pin == nullptr) {
        return kIoInvalidSetting;
    }
    if (const int r = keepDeviceName(parsed.device); r != kOk) {
        return r;
    }
    // Hexadecimal digits, read up to the first other character; the colon form is accepted too.
    uint64_t value = 0;
    if (!parseColonForm(deviceAddress, value)) {
        value = std::strtoull(deviceAddress, nullptr, 16);
    }
    deviceAddress_ = value;
    pin_ = pin; // kept for reference; pairing is left to the system
    address_ = address;
    configured_ = true;
    return kOk;
}

int BluetoothPort::remoteAddress(sockaddr_storage& address, socklen_t& length) const {
    auto* rc = reinterpret_cast<sockaddr_rc*>(&address);
    rc->rc_family = AF_BLUETOOTH;
    for (int i = 0; i < 6; ++i) {
        rc->rc_bdaddr.b[i] = static_cast<uint8_t>((deviceAddress_ >> (8 * i)) & 0xffu);
    }
    rc->rc_channel = kRfcommChannel;
    length = sizeof(sockaddr_rc);
    return kOk;
}

int BluetoothPort::newSocket() const {
    return ::socket(AF_BLUETOOTH, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, BTPROTO_RFCOMM);
}

} // namespace cobrix
