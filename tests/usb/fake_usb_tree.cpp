#include "fake_usb_tree.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace usbtest {
namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text << "\n";
}

void link(const fs::path& target, const fs::path& at) {
    fs::create_directories(at.parent_path());
    fs::create_directory_symlink(target, at);
}

} // namespace

FakeUsbTree::FakeUsbTree() {
    std::string pattern = (fs::temp_directory_path() / "usbtree.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    root_ = pattern;
    ::setenv("COBRIX_SYSFS_ROOT", root_.c_str(), 1);
}

FakeUsbTree::~FakeUsbTree() {
    ::unsetenv("COBRIX_SYSFS_ROOT");
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

testsupport::PtyPair& FakeUsbTree::add(const FakePrinter& p) {
    const fs::path root(root_);
    const std::string bus = p.location.substr(0, p.location.find('-'));
    const std::string devpath = p.location.substr(p.location.find('-') + 1);
    const std::string relative = "devices/pci0000:00/0000:00:14.0/usb" + bus + "/" + p.location;
    const fs::path device = root / "sys" / relative;
    const std::string interfaceName = p.location + ":1.0";
    const fs::path interface = device / interfaceName;

    writeFile(device / "idVendor", p.vendor);
    writeFile(device / "idProduct", p.product);
    writeFile(device / "busnum", bus);
    writeFile(device / "devpath", devpath);
    if (!p.serial.empty()) {
        writeFile(device / "serial", p.serial);
    }
    writeFile(interface / "bInterfaceClass", p.interfaceClass);
    writeFile(interface / "usbmisc" / p.node / "dev", "180:" + p.node.substr(2));

    link("../../../" + relative, root / "sys/bus/usb/devices" / p.location);
    link("../../../" + relative + "/" + interfaceName, root / "sys/bus/usb/devices" / interfaceName);
    link("../../" + relative + "/" + interfaceName + "/usbmisc/" + p.node,
         root / "sys/class/usbmisc" / p.node);

    auto pty = std::make_unique<testsupport::PtyPair>();
    fs::create_directories(root / "dev/usb");
    fs::create_symlink(pty->path(), root / "dev/usb" / p.node);
    return *(ptys_[p.node] = std::move(pty));
}

std::string FakeUsbTree::received(const std::string& node, size_t size) {
    const std::vector<uint8_t> bytes = printer(node).readDevice(size);
    return std::string(bytes.begin(), bytes.end());
}

void FakeUsbTree::removeNode(const std::string& node) {
    fs::remove(fs::path(root_) / "dev/usb" / node);
}

} // namespace usbtest
