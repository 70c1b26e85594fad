// The serial and parallel ports offered, from a fake device and sysfs tree.
#include "TempFolder.h"
#include "mdlPortList.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

using test::TempFolder;

class PortListTest : public ::testing::Test {
  protected:
    void SetUp() override { SetPortRoots({dev.Path(), sys.Path()}); }
    void TearDown() override { SetPortRoots({}); }

    // A serial core port; type 0 means no UART behind it.
    void SerialCorePort(int number, const char* type) {
        dev.Write("ttyS" + std::to_string(number), "");
        sys.Write("class/tty/ttyS" + std::to_string(number) + "/type", type);
    }

    TempFolder dev;
    TempFolder sys;
};

TEST_F(PortListTest, ListsUartsAdaptersAndParallelPortsInNumberOrder) {
    SerialCorePort(10, "4\n");
    SerialCorePort(0, "4\n");
    SerialCorePort(1, "0\n");
    SerialCorePort(2, "1\n");
    dev.Write("ttyS3", ""); // no sysfs entry: not a UART
    for (const char* node :
         {"ttyUSB1", "ttyUSB0", "ttyACM0", "ttyUSBx", "lp1", "lp0", "lpt", "usb/lp3", "tty5"}) {
        dev.Write(node, "");
    }
    const TPortListing serial = ListPorts("COM");
    EXPECT_EQ(serial.Names, (std::vector<std::string>{"COM1:", "COM3:", "COM11:", "/dev/ttyUSB0",
                                                      "/dev/ttyUSB1", "/dev/ttyACM0"}));
    EXPECT_FALSE(serial.NonePresent);
    EXPECT_EQ(ListPorts("LPT").Names, (std::vector<std::string>{"LPT1:", "LPT2:", "/dev/usb/lp3"}));
    EXPECT_TRUE(ListPorts("NET").Names.empty());
}

TEST_F(PortListTest, NoPortAtAllIsReported) {
    SerialCorePort(0, "0");
    const TPortListing serial = ListPorts("COM");
    EXPECT_TRUE(serial.Names.empty());
    EXPECT_TRUE(serial.NonePresent);
    dev.Write("lp0", "");
    EXPECT_FALSE(ListPorts("COM").NonePresent) << "a parallel port counts as a port";
}

TEST(PortAddress, DropsTheFirstColonOnly) {
    EXPECT_EQ(PortAddressOfName("COM3:"), "COM3");
    EXPECT_EQ(PortAddressOfName("LPT2:"), "LPT2");
    EXPECT_EQ(PortAddressOfName("/dev/ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(PortAddressOfName("A:B:"), "AB:");
}

} // namespace
} // namespace tolvane
