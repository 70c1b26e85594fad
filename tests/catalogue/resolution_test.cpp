// Model resolution from the printer list name, with the generation key, a
// typed identity and the attached USB devices.
#include "CatalogueFixture.h"
#include "fake_usb_bus.h"
#include "mdlModelResolution.h"

namespace tolvane::test {
namespace {

using halvixtest::FakeUsbBus;
using halvixtest::FakeUsbDevice;

using ResolutionTest = CatalogueTest;

TEST_F(ResolutionTest, ListNameGenerationKeyTypedIdentityAndDevices) {
    LoadLanguageTexts();
    struct Case {
        const char* listName;
        const char* generationKey;
        const char* typedIdentity;
        std::vector<FakeUsbDevice> devices;
        const char* model;
        const char* identity;
    } const cases[] = {
        {"Kavo-300", "0", "", {}, "Kavo-300", ""},
        {"Jostra", "1", "", {}, "Jostra-V1", ""},
        {"Jostra", "2", "", {}, "Jostra-V2", ""},
        {"Jostra", "0", "", {}, "Jostra", ""},
        {"Ferune", "2", "", {}, "Ferune-B", ""},
        {"Kavo-300", "1", "", {}, "Kavo-300", ""}, // no generation choice
        // A chosen generation settles the model before any device is looked at.
        {"Hobbe", "1", "", {{"1-1", "2aaf", "9006"}}, "Hobbe-80", ""},
        {"Hobbe", "0", "", {{"1-1", "2aaf", "9006"}}, "Hobbe-80N", "VID_2AAF&PID_9006"},
        {"Plaskit Hobbe", "", "", {{"2-3", "20d1", "7033"}}, "Hobbe-80", "VID_20D1&PID_7033"},
        // Without a matching device the name stays as it is.
        {"Hobbe", "0", "", {{"1-1", "046d", "c077"}}, "Hobbe", ""},
        {"Ruvad", "0", "USB\\VID_2AAF&PID_4011", {}, "Ruvad-3", ""},
        {"Ruvad", "0", "VID_20D1&PID_7030", {}, "Ruvad-2", ""},
        {"Ruvad", "0", "   ", {}, "Ruvad", ""},
        {"TessinBT", "0", "VID_20D1&PID_7032", {}, "Tessin-58BT", ""},
        {"Ruvex", "0", "", {{"1-1", "20d1", "702f"}}, "Ruvex-BT", "VID_20D1&PID_702F"},
        {"Navra", "0", "", {}, "Navra", ""},
    };
    for (const Case& c : cases) {
        FakeUsbBus bus;
        for (const FakeUsbDevice& device : c.devices) {
            bus.add(device);
        }
        const TModelResolution resolution = ResolveModel(c.listName, c.generationKey, c.typedIdentity);
        EXPECT_EQ(resolution.Model, c.model) << c.listName << " " << c.generationKey;
        EXPECT_EQ(resolution.Identity, c.identity) << c.listName;
        EXPECT_EQ(resolution.VpidText(), std::string("VPID:") + c.identity);
    }
}

TEST_F(ResolutionTest, FailedCheckKeepsItsTextForThePreCheck) {
    LoadLanguageTexts();
    FakeUsbBus bus;
    const TModelResolution resolution = ResolveModel("Hobbe", "0", "");
    EXPECT_EQ(resolution.Model, "Hobbe");
    EXPECT_TRUE(resolution.UsbCheck.Examined);
    EXPECT_FALSE(resolution.UsbCheck.Passed);
    EXPECT_EQ(resolution.UsbCheck.ResolvedName, "USB identity mismatch");
}

TEST_F(ResolutionTest, SelectsTheFeatureRecordAndShowsTheDisplayIdentities) {
    FakeUsbBus bus;
    bus.add({"1-1", "20d1", "7035"});
    const TModelResolution norla = ResolveModel("Norla", "0", "");
    EXPECT_EQ(norla.Model, "Norla-80");
    EXPECT_EQ(norla.IdentityDisplay, "VID_20D1&PID_7035,VID_2AAF&PID_9008");
    EXPECT_EQ(CurrentFeatureRecord().BaseVariantName, "");
    EXPECT_EQ(CurrentFeatureRecord().VariantName2, "Norla-80N");
    EXPECT_EQ(ResolveModel("Kavo-300", "0", "").IdentityDisplay, "");
}

} // namespace
} // namespace tolvane::test
