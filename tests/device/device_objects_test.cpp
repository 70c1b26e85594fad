// The device objects: the class per command language, port words, binding,
// and the port slots through each object's own library.
#include "device_test_support.h"

#include "mdlDevBaseCpclPrt.h"
#include "mdlDevBaseEscPrt.h"
#include "mdlDevBaseTsplTscPrt.h"

using namespace std::string_literals;
using namespace tolvane;

namespace devicetest {
namespace {

TEST(DevNewPrt, CreatesTheDeviceClassOfTheLanguage) {
    TDevNewPrt devices;
    EXPECT_EQ(devices.Device(), nullptr);
    for (const int language : {0, 1, 2, 3, 4, 5}) {
        TDevBasePrt& device = devices.NewDevice(language);
        EXPECT_EQ(devices.Device(), &device);
        const auto* library = dynamic_cast<TDevLibraryPrt*>(&device);
        ASSERT_NE(library, nullptr);
        EXPECT_EQ(library->Library(), PrtLib_ForLanguage(language)) << language;
        if (language == kLangEsc) {
            EXPECT_NE(dynamic_cast<TDevBaseEscPrt*>(&device), nullptr);
            EXPECT_EQ(device.Language, 0);
        } else if (language == kLangCpcl) {
            EXPECT_NE(dynamic_cast<TDevBaseCpclPrt*>(&device), nullptr);
            EXPECT_EQ(device.Language, 3);
        } else {
            EXPECT_NE(dynamic_cast<TDevBaseTsplTscPrt*>(&device), nullptr);
            EXPECT_EQ(device.Language, 1);
        }
    }
}

TEST(DevNewPrt, PortWordsGiveKindNumbers) {
    const std::pair<const char*, int> cases[] = {{"USB", 1}, {"COM", 2}, {"LPT", 3}, {"NET", 4},
                                                 {"usb", 0}, {"BT", 0},  {"", 0}};
    for (const auto& [word, kind] : cases) {
        EXPECT_EQ(TDevNewPrt::PortKindOf(word), kind) << word;
    }
    EXPECT_EQ(TDevNewPrt().PortWord, "USB");
}

TEST_F(DeviceTest, BindingGivesTheDeviceItsNamesAddressAndLibraryHandle) {
    ProtocolKind = kLangCpcl;
    ASSERT_EQ(PrtLib_Create("Corla"), 0);
    devices.Bind("COM", kLangCpcl, "Corla", "Corla-3", "COM2,BAUDRATE_19200");
    ASSERT_NE(devices.Device(), nullptr);
    EXPECT_EQ(devices.PortWord, "COM");
    EXPECT_EQ(devices.PortKind, 2);
    EXPECT_EQ(devices.PortAddress, "COM2,BAUDRATE_19200");
    EXPECT_EQ(CurrentPortAddress(), "COM2,BAUDRATE_19200");
    EXPECT_EQ(devices.Device()->ModelName, "Corla");
    EXPECT_EQ(devices.Device()->LibModelName, "Corla-3");
    EXPECT_EQ(devices.Device()->Handle, PrtLib_Handle(TPrtLib::Cobrix));
}

TEST_F(DeviceTest, DeviceSlotsTalkThroughTheirOwnLibrary) {
    ScriptedPrinter printer({{bytes("ping"), bytes("xx<pong>yy")}});
    ProtocolKind = kLangEsc;
    ASSERT_EQ(PrtLib_Create("Tormund"), 0);
    devices.Bind("NET", kLangEsc, "Tormund", "Tormund", printer.address());
    TDevBasePrt& device = *devices.Device();
    ASSERT_EQ(device.OpenPort(printer.address()), 0);
    ASSERT_EQ(device.Write(reinterpret_cast<const uint8_t*>("ping"), 4), 0);
    std::array<uint8_t, 16> buffer{};
    int count = 0;
    EXPECT_EQ(device.ReadUntil(buffer.data(), 0, count, '>', '<', 16), 0);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + count), "pong>");
    EXPECT_EQ(device.ClosePort(), 0);
    EXPECT_EQ(device.ClosePort(), -309);

    device.SetHandle(nullptr);
    EXPECT_EQ(device.OpenPort(printer.address()), -6);
}

} // namespace
} // namespace devicetest
