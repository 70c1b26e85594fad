#include "usb_enumeration.h"

#include "result_codes.h"
#include "sysfs_attribute.h"
#include "system_error.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace cobrix {
namespace {

namespace fs = std::filesystem;

// Bounds on what is read from sysfs: a node number, an attribute's size and
// the number of nodes looked at.
constexpr size_t kMaxNodeDigits = 6;
constexpr size_t kMaxAttributeBytes = 512;
constexpr size_t kMaxNodes = 256;

// The printer interface class.
constexpr char kPrinterClass[] = "07";

std::optional<std::string> readAttribute(const fs::path& path) {
    return readSysfsAttribute(path, kMaxAttributeBytes);
}

bool allOf(const std::string& text, const char* allowed) {
    return !text.empty() && text.find_first_not_of(allowed) == std::string::npos;
}

// The bus path of a device: busnum "-" devpath (1-1.4), or the device folder's
// own name when those attributes are missing; empty when neither is a bus path.
std::string readLocation(const fs::path& device) {
    const std::optional<std::string> bus = readAttribute(device / "busnum");
    const std::optional<std::string> path = readAttribute(device / "devpath");
    if (bus && path && allOf(*bus, "0123456789") && allOf(*path, "0123456789.")) {
        return *bus + "-" + *path;
    }
    const std::string name = device.filename().string();
    return allOf(name, "0123456789-.") ? name : std::string();
}

// A serial number as the device reports it, without control characters.
std::string readSerial(const fs::path& device) {
    std::string serial = readAttribute(device / "serial").value_or("");
    serial.erase(std::remove_if(serial.begin(), serial.end(),
                                [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }),
                 serial.end());
    return serial;
}

std::string hardwareIdFor(uint16_t vendor, uint16_t product) {
    char text[32];
    std::snprintf(text, sizeof(text), "USB\\VID_%04X&PID_%04X", vendor, product);
    return text;
}

// The number N of a node name "lpN", or nothing.
std::optional<unsigned long> nodeNumber(const std::string& name) {
    if (name.size() <= 2 || name.size() > 2 + kMaxNodeDigits || name.compare(0, 2, "lp") != 0 ||
        !allOf(name.substr(2), "0123456789")) {
        return std::nullopt;
    }
    return std::strtoul(name.c_str() + 2, nullptr, 10);
}

// Reads the printer behind ROOT/sys/class/usbmisc/<node>: the link leads to
// <device>/<interface>/usbmisc/<node>.
std::optional<UsbPrinterInfo> readPrinter(const std::string& root, const fs::path& classEntry,
                                          const std::string& node) {
    std::error_code error;
    const fs::path resolved = fs::canonical(classEntry, error);
    if (error) {
        return std::nullopt;
    }
    const fs::path interface = resolved.parent_path().parent_path();
    const fs::path device = interface.parent_path();
    if (readAttribute(interface / "bInterfaceClass") != std::optional<std::string>(kPrinterClass)) {
        return std::nullopt;
    }
    const std::optional<uint16_t> vendor = readSysfsIdentifier(device / "idVendor");
    const std::optional<uint16_t> product = readSysfsIdentifier(device / "idProduct");
    if (!vendor || !product) {
        return std::nullopt;
    }
    UsbPrinterInfo info;
    info.vendorId = *vendor;
    info.productId = *product;
    info.hardwareId = hardwareIdFor(*vendor, *product);
    info.location = readLocation(device);
    info.node = node;
    info.serial = readSerial(device);
    info.devicePath = root + "/dev/usb/" + node;
    return info;
}

} // namespace

std::string usbFileSystemRoot() {
    const char* value = std::getenv("COBRIX_SYSFS_ROOT");
    if (value == nullptr) {
        return {};
    }
    std::string root(value, strnlen(value, PATH_MAX));
    while (!root.empty() && root.back() == '/') {
        root.pop_back();
    }
    return root;
}

int listUsbPrinters(std::vector<UsbPrinterInfo>& printers) {
    printers.clear();
    const std::string root = usbFileSystemRoot();
    const fs::path classFolder = root + "/sys/class/usbmisc";
    DIR* folder = ::opendir(classFolder.c_str());
    if (folder == nullptr) {
        // No usbmisc class at all means no usblp interface is present.
        return errno == ENOENT ? kIoError : lastSystemError();
    }
    std::vector<std::pair<unsigned long, std::string>> nodes;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (const std::optional<unsigned long> number = nodeNumber(name);
            number && nodes.size() < kMaxNodes) {
            nodes.emplace_back(*number, name);
        }
    }
    ::closedir(folder);
    if (nodes.empty()) {
        return kIoError;
    }
    std::sort(nodes.begin(), nodes.end());
    for (const auto& [number, node] : nodes) {
        if (std::optional<UsbPrinterInfo> info = readPrinter(root, classFolder / node, node)) {
            printers.push_back(std::move(*info));
        }
    }
    return kOk;
}

std::vector<UsbPrinterInfo> enumerateUsbPrinters() {
    std::vector<UsbPrinterInfo> printers;
    listUsbPrinters(printers);
    return printers;
}

} // namespace cobrix
