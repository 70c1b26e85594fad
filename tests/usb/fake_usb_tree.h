// A fake file-system root for the USB printer tests: the sysfs layout that
// the usblp driver produces, with each printer's node a link to a
// pseudo-terminal that the test plays the printer on. The library is pointed
// at it through COBRIX_SYSFS_ROOT for the life of the tree.
#pragma once

#include "pty_pair.h"

#include <map>
#include <memory>
#include <string>
#include <utility>

namespace usbtest {

struct FakePrinter {
    std::string vendor;         // idVendor as sysfs shows it, such as "20d1"
    std::string product;        // idProduct
    std::string node;           // "lp0"
    std::string location;       // busnum "-" devpath
    std::string serial;         // no serial attribute when empty
    std::string interfaceClass; // "07" for a printer
};

inline FakePrinter fakePrinter(std::string vendor, std::string product, std::string node,
                               std::string location = "1-1", std::string serial = "") {
    return {std::move(vendor),   std::move(product), std::move(node),
            std::move(location), std::move(serial),  "07"};
}

class FakeUsbTree {
  public:
    FakeUsbTree();
    ~FakeUsbTree();
    FakeUsbTree(const FakeUsbTree&) = delete;
    FakeUsbTree& operator=(const FakeUsbTree&) = delete;

    // Plugs a printer in; the returned pair plays it.
    testsupport::PtyPair& add(const FakePrinter& printer);
    testsupport::PtyPair& printer(const std::string& node) { return *ptys_.at(node); }
    // What the printer at `node` received, waiting for `size` bytes at most 2 s.
    std::string received(const std::string& node, size_t size);
    // Removes the node /dev/usb/lpN while sysfs still lists the printer.
    void removeNode(const std::string& node);
    const std::string& root() const { return root_; }

  private:
    std::string root_;
    std::map<std::string, std::unique_ptr<testsupport::PtyPair>> ptys_;
};

} // namespace usbtest
