#include "usb_device_list.h"

#include "sysfs_attribute.h"
#include "usb_enumeration.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace halvix {
namespace {

// Bounds on what is read: an attribute's size, the number of devices, the
// length and depth of a bus path.
constexpr size_t kMaxAttributeBytes = 256;
constexpr size_t kMaxDevices = 512;
constexpr size_t kMaxBusPathBytes = 64;
constexpr size_t kMaxPortDepth = 8;

// Where a device sits: its bus number and the port numbers from the root hub
// down (none for the root hub itself).
struct Position {
    unsigned long bus = 0;
    std::vector<unsigned long> ports;

    auto operator<=>(const Position&) const = default;
};

bool allDigits(const std::string& text) {
    return !text.empty() && text.size() <= 6 && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
    });
}

// "usbN" or "B-P1.P2..."; nothing for interfaces and other entries.
std::optional<Position> parseBusPath(const std::string& name) {
    if (name.empty() || name.size() > kMaxBusPathBytes) {
        return std::nullopt;
    }
    Position position;
    if (name.rfind("usb", 0) == 0) {
        const std::string number = name.substr(3);
        if (!allDigits(number)) {
            return std::nullopt;
        }
        position.bus = std::stoul(number);
        return position;
    }
    const size_t dash = name.find('-');
    if (dash == std::string::npos || !allDigits(name.substr(0, dash))) {
        return std::nullopt;
    }
    position.bus = std::stoul(name.substr(0, dash));
    size_t start = dash + 1;
    while (true) {
        const size_t dot = name.find('.', start);
        const std::string port =
            name.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        if (!allDigits(port) || position.ports.size() == kMaxPortDepth) {
            return std::nullopt;
        }
        position.ports.push_back(std::stoul(port));
        if (dot == std::string::npos) {
            return position;
        }
        start = dot + 1;
    }
}

// A small attribute file with its control characters and trailing spaces
// removed, as the texts are handed on to callers.
std::optional<std::string> readAttribute(const std::string& path) {
    std::optional<std::string> text = cobrix::readSysfsAttribute(path, kMaxAttributeBytes);
    if (text) {
        std::erase_if(*text, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
        while (!text->empty() && text->back() == ' ') {
            text->pop_back();
        }
    }
    return text;
}

} // namespace

std::vector<UsbDevice> listUsbDevices() {
    const std::string folder = cobrix::usbFileSystemRoot() + "/sys/bus/usb/devices/";
    DIR* directory = ::opendir(folder.c_str());
    if (directory == nullptr) {
        return {};
    }
    std::vector<std::pair<Position, UsbDevice>> found;
    while (const dirent* entry = ::readdir(directory)) {
        const std::string name = entry->d_name;
        const std::optional<Position> position = parseBusPath(name);
        if (!position || found.size() == kMaxDevices) {
            continue;
        }
        const std::string base = folder + name + "/";
        const std::optional<uint16_t> vendor = cobrix::readSysfsIdentifier(base + "idVendor");
        const std::optional<uint16_t> product = cobrix::readSysfsIdentifier(base + "idProduct");
        if (!vendor || !product) {
            continue;
        }
        UsbDevice device;
        device.busPath = name;
        device.vendorId = *vendor;
        device.productId = *product;
        device.manufacturer = readAttribute(base + "manufacturer").value_or("");
        device.product = readAttribute(base + "product").value_or("");
        device.serial = readAttribute(base + "serial").value_or("");
        found.emplace_back(*position, std::move(device));
    }
    ::closedir(directory);
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<UsbDevice> devices;
    devices.reserve(found.size());
    for (auto& [position, device] : found) {
        devices.push_back(std::move(device));
    }
    return devices;
}

std::string deviceName(const UsbDevice& device) {
    std::string name = device.manufacturer;
    if (!device.product.empty()) {
        name += name.empty() ? device.product : " " + device.product;
    }
    return name.empty() ? "USB device " + device.busPath : name;
}

std::string hardwareIdentifier(const UsbDevice& device) {
    char text[32];
    std::snprintf(text, sizeof(text), "USB\\VID_%04X&PID_%04X\\", device.vendorId, device.productId);
    return text + (device.serial.empty() ? device.busPath : device.serial);
}

} // namespace halvix
