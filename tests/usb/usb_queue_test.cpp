// DriverPortOpen through the exported API: a private CUPS scheduler holds the
// queues, a fake sysfs tree holds the printers.
#include "fake_usb_tree.h"
#include "private_scheduler.h"
#include "sdk_test_helpers.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using sdktest::Printer;
using usbtest::fakePrinter;
using usbtest::FakeUsbTree;
using usbtest::PrivateScheduler;

class QueuePorts : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        scheduler = std::make_unique<PrivateScheduler>(std::vector<std::pair<std::string, std::string>>{
            {"LabelQueue", "usb://Maker/Label%20Printer?serial=SN-B7"},
            {"NodeQueue", "usb:/dev/usb/lp0"},
            {"NetQueue", "socket://127.0.0.1:9100"},
            {"GoneQueue", "usb://Maker/Label?serial=GONE"},
        });
    }
    static void TearDownTestSuite() { scheduler.reset(); }
    void SetUp() override {
        if (!scheduler->running()) {
            GTEST_SKIP() << "no private CUPS scheduler: " << scheduler->reason();
        }
    }

    int open(const std::u16string& queue) { return DriverPortOpen(printer.get(), queue.c_str()); }

    static std::unique_ptr<PrivateScheduler> scheduler;
    FakeUsbTree tree;
    Printer printer;
};

std::unique_ptr<PrivateScheduler> QueuePorts::scheduler;

TEST_F(QueuePorts, QueueOpensThePrinterItsDeviceUriNames) {
    tree.add(fakePrinter("20d1", "7009", "lp0", "1-2", "SN-A"));
    tree.add(fakePrinter("04b8", "0e12", "lp1", "1-1.4", "SN-B7"));
    struct Case {
        std::u16string queue;
        int result;
        std::string node;
    };
    const Case cases[] = {
        {u"LabelQueue", 0, "lp1"}, {u"NodeQueue", 0, "lp0"}, {u"NetQueue", -10, ""},
        {u"GoneQueue", -10, ""},   {u"NoSuchQueue", 2, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.queue.begin(), c.queue.end()));
        ASSERT_EQ(open(c.queue), c.result);
        if (c.result == 0) {
            const std::string marker = "via queue to " + c.node;
            ASSERT_EQ(printer.write(marker), 0);
            EXPECT_EQ(tree.received(c.node, marker.size()), marker);
        }
    }
}

TEST_F(QueuePorts, NoSupportedPrinterAttached) {
    tree.add(fakePrinter("1234", "5678", "lp0", "1-2", "SN-B7"));
    EXPECT_EQ(open(u"LabelQueue"), -8);
    EXPECT_EQ(open(u"NetQueue"), -8);
}

TEST_F(QueuePorts, QueuePrinterAlreadyOpenElsewhere) {
    tree.add(fakePrinter("04b8", "0e12", "lp1", "1-1.4", "SN-B7"));
    Printer first;
    ASSERT_EQ(first.open("USB"), 0);
    EXPECT_EQ(open(u"LabelQueue"), 5);
}

TEST(QueueArguments, CheckedBeforeTheScheduler) {
    Printer printer;
    const std::u16string longName(260, u'q');
    EXPECT_EQ(DriverPortOpen(printer.get(), longName.c_str()), -1);
    EXPECT_EQ(DriverPortOpen(printer.get(), nullptr), -1);
    EXPECT_EQ(DriverPortOpen(nullptr, u"LabelQueue"), -6);
}

} // namespace
