// The USB search, reads and queue resolution, white-box through cobrix_io.
#include "fake_usb_tree.h"
#include "port_ops.h"
#include "usb_enumeration.h"
#include "usb_matching.h"
#include "usb_port.h"
#include "usb_queue_lookup.h"
#include "usb_queue_resolution.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using cobrix::UsbPrinterInfo;
using usbtest::fakePrinter;
using usbtest::FakeUsbTree;

UsbPrinterInfo info(const std::string& hardwareId, const std::string& location, const std::string& node,
                    const std::string& serial = "") {
    UsbPrinterInfo printer;
    printer.hardwareId = hardwareId;
    printer.location = location;
    printer.node = node;
    printer.serial = serial;
    return printer;
}

TEST(UsbEnumeration, ReadsThePrintersInNodeOrder) {
    FakeUsbTree tree;
    tree.add(fakePrinter("2aaf", "9a0b", "lp10", "3-1.2", "SN10"));
    tree.add(fakePrinter("20d1", "7009", "lp2", "1-4"));
    auto notPrinter = fakePrinter("20d1", "7009", "lp3", "1-5");
    notPrinter.interfaceClass = "03";
    tree.add(notPrinter);
    tree.add(fakePrinter("20d1", "70x9", "lp4", "1-6")); // unreadable product identifier

    const std::vector<UsbPrinterInfo> printers = cobrix::enumerateUsbPrinters();
    ASSERT_EQ(printers.size(), 2u);
    EXPECT_EQ(printers[0].node, "lp2");
    EXPECT_EQ(printers[0].hardwareId, "USB\\VID_20D1&PID_7009");
    EXPECT_EQ(printers[0].location, "1-4");
    EXPECT_EQ(printers[0].serial, "");
    EXPECT_EQ(printers[0].devicePath, tree.root() + "/dev/usb/lp2");
    EXPECT_EQ(printers[1].node, "lp10");
    EXPECT_EQ(printers[1].hardwareId, "USB\\VID_2AAF&PID_9A0B");
    EXPECT_EQ(printers[1].vendorId, 0x2aaf);
    EXPECT_EQ(printers[1].productId, 0x9a0b);
    EXPECT_EQ(printers[1].location, "3-1.2");
    EXPECT_EQ(printers[1].serial, "SN10");
}

TEST(UsbEnumeration, OversizedAttributeIsNotRead) {
    FakeUsbTree tree;
    tree.add(fakePrinter("20d1", "7009", "lp0", "1-4", "short"));
    const auto serialFile =
        std::filesystem::path(tree.root()) / "sys/devices/pci0000:00/0000:00:14.0/usb1/1-4/serial";
    std::ofstream(serialFile) << std::string(4000, 'S');
    const std::vector<UsbPrinterInfo> printers = cobrix::enumerateUsbPrinters();
    ASSERT_EQ(printers.size(), 1u);
    EXPECT_EQ(printers[0].serial, "");
}

TEST(UsbSearch, FollowsTheOrderOfTheRules) {
    const std::vector<UsbPrinterInfo> printers = {
        info("USB\\VID_1234&PID_0001", "1-1", "lp0"),                  // not supported
        info("USB\\VID_04B8&PID_0202", "Port_#0001.Hub_#0002", "lp1"), // location with letters
        info("usb\\vid_2aaf&pid_0042", "1-2", "lp2", "AB123"),
        info("USB\\VID_0FE6&PID_811E", "4-4", "lp3", "SPECIAL1"),
    };
    struct Case {
        const char* what;
        cobrix::UsbSearch search;
        int result;
        const char* node;
        bool special;
    };
    const Case cases[] = {
        {"any device", {true, "", ""}, 0, "lp1", false},
        {"location, device text upper-cased", {false, "PORT_#0001.HUB_#0002", ""}, 0, "lp1", false},
        {"location in lower case", {false, "port_#0001.hub_#0002", ""}, 0, "lp3", true},
        {"special device ignores the location", {false, "9-9", ""}, 0, "lp3", true},
        {"location of the 2AAF printer", {false, "1-2", ""}, 0, "lp2", false},
        {"name filter on the node", {true, "", "lp2"}, 0, "lp2", false},
        {"name filter on the serial", {true, "", "B12"}, 0, "lp2", false},
        {"name filter with location", {false, "1-2", "lp1"}, -372, "", false},
        {"nothing fits", {true, "", "XYZ"}, -372, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const cobrix::UsbSearchResult found = cobrix::searchUsbPrinter(printers, c.search);
        EXPECT_EQ(found.result, c.result);
        EXPECT_EQ(found.printer.node, c.node);
        EXPECT_EQ(found.special, c.special);
    }
}

TEST(UsbSearch, SpecialDeviceSkippedByTheNameFilterDoesNotMarkThePort) {
    const std::vector<UsbPrinterInfo> printers = {
        info("USB\\VID_0FE6&PID_811E", "4-4", "lp0"),
        info("USB\\VID_20D1&PID_7009", "1-2", "lp1"),
    };
    const cobrix::UsbSearchResult found = cobrix::searchUsbPrinter(printers, {true, "", "lp1"});
    EXPECT_EQ(found.printer.node, "lp1");
    EXPECT_FALSE(found.special);
}

TEST(UsbSearch, SupportedIdentifiers) {
    EXPECT_TRUE(cobrix::isSupportedUsbPrinter("USB\\VID_2AAF&PID_FFFF"));
    EXPECT_TRUE(cobrix::isSupportedUsbPrinter("USB\\VID_413C&PID_301A"));
    EXPECT_FALSE(cobrix::isSupportedUsbPrinter("USB\\VID_0FE6&PID_811E"));
    EXPECT_FALSE(cobrix::isSupportedUsbPrinter("USB\\VID_20D1&PID_7010"));
    EXPECT_TRUE(cobrix::isSpecialUsbDevice("usb\\vid_0fe6&pid_811e"));
}

// A USB port object on the fake tree, opened.
std::unique_ptr<cobrix::PortObject> openPort(const char* address) {
    std::unique_ptr<cobrix::PortObject> port;
    EXPECT_EQ(cobrix::createPort(port, address), 0);
    if (port != nullptr) {
        EXPECT_EQ(port->ops->open(), 0);
    }
    return port;
}

// The flag a control operation answers, or its error.
int flagOf(cobrix::PortObject& port, int operation) {
    uint8_t flag = 9;
    int length = 0;
    const int result = port.ops->control(operation, nullptr, 0, &flag, 1, &length);
    return result == 0 && length == 1 ? flag : result;
}

int setReads(cobrix::PortObject& port, uint8_t on) {
    int length = 0;
    return port.ops->control(cobrix::kSetReadsEnabled, &on, 1, nullptr, 0, &length);
}

TEST(UsbPortControl, SpecialDeviceReadSwitch) {
    FakeUsbTree tree;
    tree.add(fakePrinter("0fe6", "811e", "lp0"));
    auto port = openPort("USB");
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(flagOf(*port, cobrix::kGetSpecialDevice), 1);
    EXPECT_EQ(flagOf(*port, cobrix::kGetReadsEnabled), 1);
    ASSERT_EQ(setReads(*port, 0), 0);
    EXPECT_EQ(flagOf(*port, cobrix::kGetReadsEnabled), 0);
    uint8_t buffer[8];
    int got = -1;
    EXPECT_EQ(port->ops->read(buffer, 0, 8, &got), -7);
    EXPECT_EQ(port->ops->readPending(buffer, 0, 8, &got), -7);
    EXPECT_EQ(got, 0);

    int length = 0;
    EXPECT_EQ(port->ops->control(cobrix::kSetReadsEnabled, nullptr, 0, nullptr, 0, &length), -1);
    EXPECT_EQ(port->ops->control(cobrix::kGetReadsEnabled, nullptr, 0, nullptr, 0, &length), -2);
    EXPECT_EQ(port->ops->control(cobrix::kGetSpecialDevice, nullptr, 0, nullptr, 0, &length), -2);
    EXPECT_EQ(flagOf(*port, 1), -7);
    ASSERT_EQ(setReads(*port, 1), 0);
    EXPECT_EQ(port->ops->readPending(buffer, 0, 8, &got), 0);
}

TEST(UsbPortControl, ReadSwitchOnlyBindsTheSpecialDevice) {
    FakeUsbTree tree;
    tree.add(fakePrinter("20d1", "7009", "lp0"));
    auto port = openPort("USB");
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(flagOf(*port, cobrix::kGetSpecialDevice), 0);
    ASSERT_EQ(setReads(*port, 0), 0);
    tree.printer("lp0").writeDevice("ok");
    uint8_t buffer[2];
    int got = 0;
    EXPECT_EQ(port->ops->read(buffer, 0, 2, &got), 0);
    EXPECT_EQ(got, 2);
}

TEST(UsbPortRead, SilentPrinterEndsWithinTheBudget) {
    FakeUsbTree tree;
    tree.add(fakePrinter("20d1", "7009", "lp0"));
    auto port = openPort("USB");
    ASSERT_NE(port, nullptr);
    ASSERT_EQ(port->ops->setTimeouts(50, 10, 2000), 0);
    uint8_t buffer[300];
    int got = -1;
    EXPECT_EQ(port->ops->read(buffer, 0, 1, &got), -332);
    EXPECT_EQ(got, 0);
    EXPECT_EQ(port->ops->readPending(buffer, 0, 300, &got), 0);
    EXPECT_EQ(got, 0);
}

TEST(UsbPortRead, ClosedPortAndHungUpPrinter) {
    FakeUsbTree tree;
    tree.add(fakePrinter("20d1", "7009", "lp0"));
    auto port = openPort("USB");
    ASSERT_NE(port, nullptr);
    uint8_t buffer[4];
    int got = -1;
    ASSERT_EQ(port->ops->close(), 0);
    EXPECT_EQ(port->ops->read(buffer, 0, 4, &got), -309);
    EXPECT_EQ(port->ops->write(buffer, 0, 4, &got), -309);
}

TEST(QueueResolution, DeviceUriNamesThePrinter) {
    const std::vector<UsbPrinterInfo> attached = {
        info("USB\\VID_0FE6&PID_811E", "4-4", "lp0", "SPECIAL1"),
        info("USB\\VID_20D1&PID_7009", "1-2", "lp1", "A B"),
        info("USB\\VID_2AAF&PID_0042", "1-1.4", "lp2", "SN-2"),
    };
    const std::vector<UsbPrinterInfo> unsupportedOnly = {
        info("USB\\VID_0FE6&PID_811E", "4-4", "lp0", "SPECIAL1"),
        info("USB\\VID_1234&PID_0001", "1-1", "lp1", "SN-2"),
    };
    struct Case {
        const char* uri;
        const std::vector<UsbPrinterInfo>& printers;
        int result;
        const char* location;
    };
    const Case cases[] = {
        {"usb://Maker/Label%20Printer?serial=SN-2", attached, 0, "1-1.4"},
        {"usb://Maker/Label?serial=SN-2&interface=0", attached, 0, "1-1.4"},
        {"usb://Maker/Label?serial=A%20B", attached, 0, "1-2"},
        {"usb://Maker/Label?location=1-2", attached, 0, "1-2"},
        {"usb:/dev/usb/lp2", attached, 0, "1-1.4"},
        {"USB://Maker/Label?SERIAL=SN-2", attached, 0, "1-1.4"},
        {"usb://Maker/Label?serial=SN", attached, -10, ""},       // exact, not contained
        {"usb://Maker/Label?serial=SPECIAL1", attached, -10, ""}, // the special device is not offered
        {"usb://Maker/Label?serial=SN-2&location=1-2", attached, -10, ""},
        {"usb://Maker/Label", attached, -10, ""},
        {"socket://127.0.0.1:9100", attached, -10, ""},
        {"parallel:/dev/lp0", attached, -10, ""},
        {"", attached, -1, ""},
        {"usb://Maker/Label?serial=SN-2", unsupportedOnly, -8, ""},
        {"", unsupportedOnly, -8, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.uri);
        std::string location = "stale";
        EXPECT_EQ(cobrix::resolveQueueLocation(c.uri, c.printers, location), c.result);
        EXPECT_EQ(location, c.location);
    }
}

TEST(QueueResolution, PrinterWithoutReadableLocationIsNotOpenedElsewhere) {
    const std::vector<UsbPrinterInfo> printers = {info("USB\\VID_20D1&PID_7009", "", "lp0", "SN")};
    std::string location;
    EXPECT_EQ(cobrix::resolveQueueLocation("usb://M/P?serial=SN", printers, location), 30);
    EXPECT_EQ(location, "");
}

TEST(QueueLookup, UnreachableSchedulerIsASystemError) {
    const std::string socket = (std::filesystem::temp_directory_path() / "no-such-scheduler.sock").string();
    ::setenv("CUPS_SERVER", socket.c_str(), 1);
    std::string uri = "stale";
    EXPECT_EQ(cobrix::lookUpQueueDeviceUri("LabelQueue", uri), 10061);
    EXPECT_EQ(uri, "");
    ::unsetenv("CUPS_SERVER");
}

} // namespace
