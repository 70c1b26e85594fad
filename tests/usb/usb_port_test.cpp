// USB ports through the exported API, on a fake sysfs tree whose printer
// nodes are pseudo-terminals.
#include "fake_usb_tree.h"
#include "sdk_test_helpers.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {

using sdktest::Printer;
using usbtest::FakePrinter;
using usbtest::FakeUsbTree;

constexpr int kUsbNotFound = -372;
constexpr int kIoError = -300;
constexpr int kReadTimeout = -332;
constexpr int kNameTooLong = -302;
constexpr int kAlreadyOpen = 5;
constexpr int kFileNotFound = 2;

FakePrinter notAPrinter(FakePrinter printer) {
    printer.interfaceClass = "03";
    return printer;
}

// Two supported printers: lp0 at 1-2, lp1 at 1-1.4 with a serial number.
class TwoPrinters : public ::testing::Test {
  protected:
    TwoPrinters() {
        tree.add(usbtest::fakePrinter("20d1", "7009", "lp0", "1-2"));
        tree.add(usbtest::fakePrinter("04b8", "0e12", "lp1", "1-1.4", "SN-B7"));
    }
    FakeUsbTree tree;
    Printer printer;
};

TEST_F(TwoPrinters, PlainUsbTakesTheFirstPrinter) {
    ASSERT_EQ(printer.open("USB"), 0);
    ASSERT_EQ(printer.write("PING"), 0);
    EXPECT_EQ(tree.received("lp0", 4), "PING");
}

TEST_F(TwoPrinters, AddressSelectsThePrinter) {
    struct Case {
        std::string address;
        int result;
        std::string node;
    };
    const Case cases[] = {
        {"ostrel:/dev/bus/USB/DEVICE?location=1-1.4", 0, "lp1"},
        {"ostrel:/dev/bus/USB/DEVICE?location=1-1", kUsbNotFound, ""}, // exact, not a prefix
        {"ostrel:/dev/bus/USB/DEVICE?portnum=USB001", 0, "lp0"},       // stored, not consulted
        {"USB,lp1", 0, "lp1"},                                         // node name filter
        {"ostrel:/dev/bus/USB/B7", 0, "lp1"},                          // contained in the serial number
        {"ostrel:/dev/bus/USB/DEVICE?location=1-1.4+portnum=USB009", 0, "lp1"},
        {"ostrel:/dev/bus/USB/lp1?location=1-2", kUsbNotFound, ""}, // both must fit
        {"USB,lp7", kUsbNotFound, ""},
        {"ostrel:/dev/bus/USB/" + std::string(32, 'x'), kNameTooLong, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        ASSERT_EQ(printer.open(c.address), c.result);
        if (c.result == 0) {
            const std::string marker = "to " + c.node;
            ASSERT_EQ(printer.write(marker), 0);
            EXPECT_EQ(tree.received(c.node, marker.size()), marker);
        }
    }
}

TEST_F(TwoPrinters, SecondOpenerIsRefusedUntilTheFirstCloses) {
    Printer other;
    ASSERT_EQ(printer.open("USB"), 0);
    EXPECT_EQ(other.open("USB"), kAlreadyOpen);
    ASSERT_EQ(PortClose(printer.get()), 0);
    EXPECT_EQ(other.open("USB"), 0);
}

TEST_F(TwoPrinters, ReadOfOneByteGetsTheLastOfTen) {
    ASSERT_EQ(printer.open("USB"), 0);
    tree.printer("lp0").writeDevice("0123456789");
    unsigned char byte = 0;
    int count = -1;
    EXPECT_EQ(ReadData(printer.get(), &byte, 1, &count), 0);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(byte, '9');
}

TEST_F(TwoPrinters, ShortReplyEndsWithTimeoutAndItsCount) {
    ASSERT_EQ(printer.open("USB"), 0);
    const std::string reply = "twenty bytes reply!!";
    tree.printer("lp0").writeDevice(reply);
    std::vector<unsigned char> buffer(512);
    int count = -1;
    EXPECT_EQ(ReadData(printer.get(), buffer.data(), 512, &count), kReadTimeout);
    ASSERT_EQ(count, 20);
    EXPECT_EQ(sdktest::text(buffer, count), reply);
}

TEST_F(TwoPrinters, FramedReplyThroughShortReads) {
    ASSERT_EQ(printer.open("USB"), 0);
    std::vector<unsigned char> buffer(100);
    int count = -1;
    tree.printer("lp0").writeDevice("junk\x02OK\x03");
    EXPECT_EQ(ReadDataEOF(printer.get(), buffer.data(), 0, 100, 0x02, 0x03, &count), 0);
    EXPECT_EQ(sdktest::text(buffer, count), "OK\x03");

    // A room smaller than the 64-byte scratch read keeps the last bytes that arrived.
    tree.printer("lp0").writeDevice("abcdefgZ");
    EXPECT_EQ(ReadDataEOF(printer.get(), buffer.data(), 0, 4, 0, 'Z', &count), 0);
    EXPECT_EQ(sdktest::text(buffer, count), "efgZ");
}

TEST_F(TwoPrinters, LargeWriteArrivesWhole) {
    ASSERT_EQ(printer.open("USB"), 0);
    std::vector<uint8_t> data(10000);
    for (size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<uint8_t>(i * 7);
    }
    std::vector<uint8_t> got;
    std::thread reader([&] { got = tree.printer("lp0").readDevice(data.size(), 5000); });
    EXPECT_EQ(WriteData(printer.get(), data.data(), static_cast<int>(data.size())), 0);
    reader.join();
    EXPECT_EQ(got, data);
}

TEST_F(TwoPrinters, MissingNodeReportsTheSystemError) {
    tree.removeNode("lp0");
    EXPECT_EQ(printer.open("USB"), kFileNotFound);
}

TEST(UsbPorts, SupportedDevicesAreFoundAmongOthers) {
    FakeUsbTree tree;
    tree.add(usbtest::fakePrinter("1234", "5678", "lp0"));
    tree.add(notAPrinter(usbtest::fakePrinter("20d1", "7009", "lp1", "1-3"))); // not a printer
    Printer printer;
    EXPECT_EQ(printer.open("USB"), kUsbNotFound);

    tree.add(usbtest::fakePrinter("2aaf", "9a01", "lp2", "2-1")); // any product of 2AAF
    ASSERT_EQ(printer.open("USB"), 0);
    ASSERT_EQ(printer.write("2aaf"), 0);
    EXPECT_EQ(tree.received("lp2", 4), "2aaf");
}

TEST(UsbPorts, SpecialDeviceIsTakenWhereverItIsAttached) {
    FakeUsbTree tree;
    tree.add(usbtest::fakePrinter("20d1", "7009", "lp0", "1-1"));
    tree.add(usbtest::fakePrinter("0fe6", "811e", "lp1", "3-2"));
    Printer printer;
    ASSERT_EQ(printer.open("ostrel:/dev/bus/USB/DEVICE?location=9-9"), 0);
    ASSERT_EQ(printer.write("special"), 0);
    EXPECT_EQ(tree.received("lp1", 7), "special");
}

TEST(UsbPorts, NoPrinterInterfaceAtAll) {
    FakeUsbTree tree;
    Printer printer;
    EXPECT_EQ(printer.open("USB"), kIoError);
}

} // namespace
