// The USB information library on fake sysfs trees: which devices it lists,
// in which order, the texts it gives for each, and its argument checks.
#include "elf_exports.h"
#include "fake_usb_bus.h"
#include "halvix.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

namespace {

using halvixtest::FakeUsbBus;

constexpr int32_t kBufferSize = 255;

struct Listed {
    std::string name;
    std::string identifier;
};

// Lists the devices as the utility does: count, then each index with cleared
// buffers of 255 bytes, the identifier taken from its first idLength bytes.
std::vector<Listed> listAll() {
    std::vector<Listed> listed;
    const int32_t count = DevInfo_UsbDevCount();
    for (int32_t index = 0; index < count; ++index) {
        std::array<char, kBufferSize> name{};
        std::array<uint8_t, kBufferSize> identifier{};
        int32_t length = 0;
        EXPECT_EQ(DevInfo_UsbDevInfo_VidPid(index, name.data(), &length, identifier.data(), 0, kBufferSize),
                  HALVIX_OK);
        listed.push_back({name.data(), std::string(identifier.begin(), identifier.begin() + length)});
    }
    return listed;
}

TEST(HalvixExports, ExportsExactlyTheTwoEntryPoints) {
    EXPECT_EQ(testsupport::exportedSymbols(HALVIX_LIBRARY),
              (std::set<std::string>{"DevInfo_UsbDevCount", "DevInfo_UsbDevInfo_VidPid"}));
}

TEST(HalvixListing, EveryDeviceInBusOrderWithNameAndIdentifier) {
    FakeUsbBus bus;
    bus.add({"usb2", "1d6b", "0003", "Linux 6.1.0 xhci-hcd", "xHCI Host Controller", "0000:00:14.0"});
    bus.add({"1-10", "046d", "c077", "Logitech", "USB Optical Mouse"});
    bus.add({"1-2", "20d1", "7008", "Ostrel", "", "A1B2C3"});
    bus.add({"1-1.4", "2aaf", "9006"});
    bus.add({"usb1", "1d6b", "0002", "", "EHCI Host Controller"});
    bus.add({"2-1", "0bda", "8153", "Realtek"});

    const std::vector<Listed> expected = {
        {"EHCI Host Controller", "USB\\VID_1D6B&PID_0002\\usb1"},
        {"USB device 1-1.4", "USB\\VID_2AAF&PID_9006\\1-1.4"},
        {"Ostrel", "USB\\VID_20D1&PID_7008\\A1B2C3"},
        {"Logitech USB Optical Mouse", "USB\\VID_046D&PID_C077\\1-10"},
        {"Linux 6.1.0 xhci-hcd xHCI Host Controller", "USB\\VID_1D6B&PID_0003\\0000:00:14.0"},
        {"Realtek", "USB\\VID_0BDA&PID_8153\\2-1"},
    };
    const std::vector<Listed> listed = listAll();
    ASSERT_EQ(listed.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(listed[i].name, expected[i].name) << "index " << i;
        EXPECT_EQ(listed[i].identifier, expected[i].identifier) << "index " << i;
    }
}

TEST(HalvixListing, LeavesOutDevicesWhoseIdentifiersCannotBeRead) {
    FakeUsbBus bus;
    bus.add({"1-1", "20d1", "7008"});
    bus.add({"1-2", "20d", "7008"});   // three digits
    bus.add({"1-3", "zzzz", "7008"});  // not hexadecimal
    bus.add({"1-4", "20d1", "70081"}); // five digits
    bus.add({"1-5", "20d1", "7009"});
    bus.writeAttribute("1-5", "idVendor", std::string(4096, '1')); // far too long
    bus.add({"1-6", "20d1", "700a"});

    const std::vector<Listed> listed = listAll();
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].identifier, "USB\\VID_20D1&PID_7008\\1-1");
    EXPECT_EQ(listed[1].identifier, "USB\\VID_20D1&PID_700A\\1-6");
}

TEST(HalvixListing, CountTakesAFreshSnapshot) {
    FakeUsbBus bus;
    EXPECT_EQ(DevInfo_UsbDevCount(), 0);
    bus.add({"3-1", "20d1", "7011"});
    EXPECT_EQ(DevInfo_UsbDevCount(), 1);
}

TEST(HalvixListing, NoSysfsFolderMeansNoDevices) {
    FakeUsbBus bus;
    ::setenv("COBRIX_SYSFS_ROOT", (bus.root() + "/missing").c_str(), 1);
    EXPECT_EQ(DevInfo_UsbDevCount(), 0);
}

TEST(HalvixArguments, SmallBuffersCutTextsAndBadArgumentsAreRefused) {
    FakeUsbBus bus;
    bus.add({"1-1", "20d1", "7008", "Ostrel", "Kavo-300 \xe6\xa0\x87\xe7\xad\xbe", "SN-0001"});
    ASSERT_EQ(DevInfo_UsbDevCount(), 1);

    // "Ostrel Kavo-300 " is 16 bytes; a 22-byte name buffer holds 21 bytes
    // of text, which would split the second three-byte character. The
    // identifier has no terminator and fills all 22 bytes.
    std::array<char, 22> name{};
    std::array<uint8_t, 22> identifier{};
    int32_t length = -1;
    ASSERT_EQ(DevInfo_UsbDevInfo_VidPid(0, name.data(), &length, identifier.data(), 0, 22), HALVIX_OK);
    EXPECT_EQ(std::string(name.data()), "Ostrel Kavo-300 \xe6\xa0\x87");
    EXPECT_EQ(std::string(identifier.begin(), identifier.begin() + length), "USB\\VID_20D1&PID_7008\\");

    std::array<char, kBufferSize> bigName{};
    std::array<uint8_t, kBufferSize> bigIdentifier{};
    bigName[0] = 'x';
    length = 7;
    EXPECT_EQ(DevInfo_UsbDevInfo_VidPid(1, bigName.data(), &length, bigIdentifier.data(), 0, kBufferSize),
              HALVIX_NO_SUCH_DEVICE);
    EXPECT_EQ(bigName[0], '\0');
    EXPECT_EQ(length, 0);
    EXPECT_EQ(DevInfo_UsbDevInfo_VidPid(-1, bigName.data(), &length, bigIdentifier.data(), 0, kBufferSize),
              HALVIX_NO_SUCH_DEVICE);
    EXPECT_EQ(DevInfo_UsbDevInfo_VidPid(0, nullptr, &length, bigIdentifier.data(), 0, kBufferSize),
              HALVIX_BAD_ARGUMENT);
    EXPECT_EQ(DevInfo_UsbDevInfo_VidPid(0, bigName.data(), nullptr, bigIdentifier.data(), 0, kBufferSize),
              HALVIX_BAD_ARGUMENT);
    EXPECT_EQ(DevInfo_UsbDevInfo_VidPid(0, bigName.data(), &length, nullptr, 0, kBufferSize),
              HALVIX_BAD_ARGUMENT);
    EXPECT_EQ(DevInfo_UsbDevInfo_VidPid(0, bigName.data(), &length, bigIdentifier.data(), 0, 0),
              HALVIX_BAD_ARGUMENT);
}

} // namespace
