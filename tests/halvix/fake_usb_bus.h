// A fake sysfs tree of attached USB devices (any kind: hubs, mice,
// printers) for the tests of the USB information library and of the code
// that recognises printers by their identifiers. The tree is a temporary
// folder that COBRIX_SYSFS_ROOT names while the object lives.
#pragma once

#include <string>

namespace halvixtest {

struct FakeUsbDevice {
    std::string busPath; // "usb1", "1-1", "1-1.4"
    std::string vendor;  // idVendor as sysfs shows it, such as "20d1"
    std::string product; // idProduct
    std::string manufacturer = {};
    std::string productName = {};
    std::string serial = {};
};

class FakeUsbBus {
  public:
    FakeUsbBus();
    ~FakeUsbBus();
    FakeUsbBus(const FakeUsbBus&) = delete;
    FakeUsbBus& operator=(const FakeUsbBus&) = delete;

    // Plugs a device in, with one interface folder ("<busPath>:1.0") beside it
    // as the kernel shows it. Attributes left empty are not created.
    void add(const FakeUsbDevice& device);
    // Writes one attribute of a plugged device (for malformed values).
    void writeAttribute(const std::string& busPath, const std::string& name, const std::string& value);
    const std::string& root() const { return root_; }

  private:
    std::string root_;
};

} // namespace halvixtest
