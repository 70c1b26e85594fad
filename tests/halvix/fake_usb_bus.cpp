#include "fake_usb_bus.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace halvixtest {
namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text << "\n";
}

} // namespace

FakeUsbBus::FakeUsbBus() {
    std::string pattern = (fs::temp_directory_path() / "usbbus.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    root_ = pattern;
    fs::create_directories(fs::path(root_) / "sys/bus/usb/devices");
    ::setenv("COBRIX_SYSFS_ROOT", root_.c_str(), 1);
}

FakeUsbBus::~FakeUsbBus() {
    ::unsetenv("COBRIX_SYSFS_ROOT");
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

// Devices live under sys/devices and are linked from sys/bus/usb/devices,
// as the kernel lays them out.
void FakeUsbBus::add(const FakeUsbDevice& device) {
    const fs::path root(root_);
    const std::string relative = "devices/pci0000:00/0000:00:14.0/" + device.busPath;
    const fs::path folder = root / "sys" / relative;
    writeFile(folder / "idVendor", device.vendor);
    writeFile(folder / "idProduct", device.product);
    const std::pair<const char*, const std::string*> optional[] = {
        {"manufacturer", &device.manufacturer}, {"product", &device.productName}, {"serial", &device.serial}};
    for (const auto& [name, value] : optional) {
        if (!value->empty()) {
            writeFile(folder / name, *value);
        }
    }
    const std::string interfaceName = device.busPath + ":1.0";
    writeFile(folder / interfaceName / "bInterfaceClass", "07");
    fs::create_directory_symlink("../../../" + relative, root / "sys/bus/usb/devices" / device.busPath);
    fs::create_directory_symlink("../../../" + relative + "/" + interfaceName,
                                 root / "sys/bus/usb/devices" / interfaceName);
}

void FakeUsbBus::writeAttribute(const std::string& busPath, const std::string& name,
                                const std::string& value) {
    writeFile(fs::path(root_) / "sys/bus/usb/devices" / busPath / name, value);
}

} // namespace halvixtest
