// The USB identity check on fake sysfs trees, through the real libhalvix:
// which device identity resolves which variant, and the result file.
#include "CatalogueFixture.h"
#include "fake_usb_bus.h"
#include "mdlUsbVidPidCheck.h"

namespace tolvane::test {
namespace {

using halvixtest::FakeUsbBus;

class UsbCheckTest : public CatalogueTest {
  protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        LoadLanguageTexts();
    }
    // A value of the model's result file.
    std::string Result(const std::string& model, const std::string& suffix) {
        return IniReadString(UsbCheckResultPath(model), kUsbCheckSection, kUsbCheckKeyPrefix + suffix);
    }
    TUsbCheckResult Check(const std::string& listName, const std::string& model) {
        return UsbVidPidCheck(model, SelectFeatureRecord(listName));
    }

    FakeUsbBus bus;
};

TEST_F(UsbCheckTest, RecordVariantMatchesAmongOtherDevices) {
    bus.add({"usb1", "1d6b", "0002", "Linux Foundation", "2.0 root hub"});
    bus.add({"1-1", "046d", "c077", "Logitech", "USB Optical Mouse"});
    bus.add({"1-2", "20d1", "7032", "Ostrel", "Tessin", "TS0001"});
    const TUsbCheckResult result = Check("Tessin", "Tessin");
    EXPECT_TRUE(result.Examined);
    EXPECT_TRUE(result.Passed);
    EXPECT_EQ(result.ResolvedName, "Tessin-58BT");
    EXPECT_EQ(result.Identity, "VID_20D1&PID_7032");
    EXPECT_EQ(Result("Tessin", "__Str"), "VID_20D1&PID_7032");
    EXPECT_EQ(Result("Tessin", "__No"), "1");
    EXPECT_EQ(Result("Tessin", "__PrtName"), "Tessin");
    EXPECT_EQ(Result("Tessin", "__Time"), "2024-03-03 09:05:07-042");
    EXPECT_EQ(Result("Tessin", "__Vpid1"), "");
}

TEST_F(UsbCheckTest, TheFirstMatchingDeviceWins) {
    bus.add({"1-1", "20d1", "7031"});
    bus.add({"1-2", "20d1", "7032"});
    EXPECT_EQ(Check("Tessin", "Tessin").ResolvedName, "Tessin-58");
}

TEST_F(UsbCheckTest, VariantCIsTriedWhereVariantBApplies) {
    bus.add({"1-1", "2aaf", "9006"});
    EXPECT_EQ(Check("Tessin", "Tessin").ResolvedName, "Tessin-58");
    EXPECT_EQ(Result("Tessin", "__Str"), "VID_2AAF&PID_9006");
}

TEST_F(UsbCheckTest, FamilyRuleNamesTheVariantAndRecordsTheExpectedIdentities) {
    bus.add({"1-1", "046d", "c077"});
    bus.add({"1-4", "2aaf", "9008", "", "", "Q4-77"});
    const TUsbCheckResult result = Check("Quist", "Quist");
    EXPECT_TRUE(result.Passed);
    EXPECT_EQ(result.ResolvedName, "Quist-T4");
    EXPECT_EQ(Result("Quist", "__Str"), "VID_2AAF&PID_9008 ,PrtName:Quist-T4");
    EXPECT_EQ(Result("Quist", "__Vpid1"), "VID_20D1&PID_7008 ,PrtName:Quist-T2");
    EXPECT_EQ(Result("Quist", "__Vpid2"), "VID_2AAF&PID_9008 ,PrtName:Quist-T4");
}

TEST_F(UsbCheckTest, NoMatchingDeviceFailsAndSaysSoInTheResultFile) {
    bus.add({"1-1", "046d", "c077"});
    bus.add({"1-2", "20d1", "7033"}); // a Hobbe, not a Quist
    const TUsbCheckResult result = Check("Quist", "Quist");
    EXPECT_TRUE(result.Examined);
    EXPECT_FALSE(result.Passed);
    EXPECT_EQ(result.ResolvedName, "USB identity mismatch");
    EXPECT_EQ(result.Identity, "");
    EXPECT_EQ(Result("Quist", "__Str"), "ERROR:PVID does not match this Printer!");
    EXPECT_EQ(Result("Quist", "__No"), "0");
    EXPECT_EQ(Result("Quist", "__PrtName"), "Quist");
    EXPECT_EQ(Result("Quist", "__Vpid2"), "VID_2AAF&PID_9008 ,PrtName:Quist-T4");
    EXPECT_EQ(Result("Quist", "__Time"), "2024-03-03 09:05:07-042");
}

TEST_F(UsbCheckTest, NoDeviceAtAllFails) {
    EXPECT_FALSE(Check("Wendle", "Wendle-2").Passed);
    EXPECT_EQ(Result("Wendle-2", "__No"), "0");
}

TEST_F(UsbCheckTest, BaseModelFallsBackOnTheLastDevice) {
    bus.add({"1-1", "046d", "c077"});
    bus.add({"1-2", "0bda", "8153"});
    const TUsbCheckResult result = Check("Wendle", "Wendle");
    EXPECT_TRUE(result.Passed);
    EXPECT_EQ(result.ResolvedName, "Wendle-2");
    EXPECT_EQ(result.Identity, "USB\\VID_0BDA&PID_8153\\1-2");
    // Wendle records the identities of both of its variants.
    EXPECT_EQ(Result("Wendle", "__Vpid1"), "VID_20D1&PID_7037 ,PrtName:Wendle-2");
}

TEST_F(UsbCheckTest, ModelsOutsideTheCheckListPassUntouched) {
    bus.add({"1-1", "20d1", "7033"});
    const TUsbCheckResult result = Check("Kavo-300", "Kavo-300");
    EXPECT_FALSE(result.Examined);
    EXPECT_TRUE(result.Passed);
    EXPECT_EQ(result.ResolvedName, "Kavo-300");
    EXPECT_FALSE(std::filesystem::exists(PerPrinterFolder() + "Kavo-300"));
}

TEST(UsbCheckFolder, ModelNamesCannotLeaveThePerPrinterFolder) {
    struct Case {
        std::string model;
        std::string folder;
    } const cases[] = {
        {"Plaskit Hobbe", "Plaskit Hobbe"},
        {"../../etc", ".._.._etc"},
        {"..", "_"},
        {".", "_"},
        {"", "_"},
        {"a\\b\tc", "a_b_c"},
        {std::string(300, 'k'), std::string(200, 'k')},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ModelFolderName(c.model), c.folder) << c.model;
    }
}

} // namespace
} // namespace tolvane::test
