// The printer information: the values as shown (version bytes, journey
// counter, mileage in inches and millimetres, the locale's separator), the
// way each model is asked, and the dialog against the emulated printer.
#include "ParamsFixture.h"
#include "mdlHeadlessSession.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterInformation.h"
#include "mdlPrinterInformationValues.h"
#include "mdlPrinterSelection.h"

namespace tolvane::test {
namespace {

using namespace diagnostics;

TEST(PrinterInformationValues, VersionBytes) {
    const struct {
        std::vector<uint8_t> bytes;
        std::optional<std::string> text;
    } cases[] = {
        {{1, 2, 3}, "V 1.2.3"},    {{1, 2, 3, 5}, "V 1.2.3.Beta5"},
        {{1, 2, 3, 0}, "V 1.2.3"}, {{1, 2}, std::nullopt},
        {{}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VersionText(c.bytes), c.text) << c.bytes.size();
    }
}

TEST(PrinterInformationValues, PrintLength) {
    const uint8_t journey[4] = {0x00, 0x00, 0x27, 0x10};
    EXPECT_EQ(JourneyNumber(journey), 10000);
    EXPECT_EQ(JourneyText(10000, false, '.'), "30 (m)");
    EXPECT_EQ(JourneyText(10000, true, '.'), "10 (m)");
    EXPECT_EQ(JourneyText(12345, true, ','), "12,345 (m)");
    const uint8_t negative[4] = {0xFF, 0xFF, 0xFF, 0xFE};
    EXPECT_EQ(JourneyNumber(negative), -2);
    EXPECT_EQ(InchMileageText(1000, '.'), "25.4m");
    EXPECT_EQ(InchMileageText(1, '.'), "0.03m");
    EXPECT_EQ(MillimetreMileageText(1000, '.'), "1m");
    EXPECT_EQ(MillimetreMileageText(1234567, ','), "1234,567m");
    EXPECT_EQ(MileageNumber(" 1250\r\n"), 1250);
    EXPECT_FALSE(MileageNumber("12.5"));
    EXPECT_FALSE(MileageNumber("abc"));
    EXPECT_FALSE(MileageNumber(""));
}

class PrinterInformationTest : public EmulatedPrinterTest {
  protected:
    // Selects the emulated printer under a list name, prepares it as the
    // main window does before the dialog, and shows the dialog.
    std::unique_ptr<TPrinterInformation> Show(const std::string& listName) {
        if (!printer) {
            StartPrinter();
        }
        SelectListedPrinter(listName, "NET,127.0.0.1," + std::to_string(printer->tcpPort()));
        EXPECT_TRUE(PrepareDialogOpen());
        auto dialog = std::make_unique<TPrinterInformation>(params::SelectedPrinterContext());
        dialog->FormCreate();
        dialog->FormShow();
        return dialog;
    }
    static std::string Value(const TPrinterInformation& dialog, const char* control) {
        return dialog.Form()[control].text;
    }
    void SetJourney(int32_t journey) {
        printer->changePrinter([&](emulator::Printer& state) { state.diagnostics().journey = journey; });
    }
};

TEST_F(PrinterInformationTest, JourneyAndVersionBytesForTheOlderGeneration) {
    StartPrinter();
    SetJourney(10000);
    const auto dialog = Show("Vorlan");
    EXPECT_FALSE(dialog->Form()["lblProduceDate"].visible);
    EXPECT_EQ(Value(*dialog, "lblPrintLengthV"), "30 (m)");
    EXPECT_EQ(Value(*dialog, "lblFirmwareVerV"), "V 1.3.0");
    EXPECT_EQ(Value(*dialog, "lblFirmwareVer"), params::Txt("Lang_All_00210351_11") + ": ");
    // Two visible rows: the window is fitted to them.
    EXPECT_EQ(dialog->Form()["lblPrintLength"].top, TPrinterInformation::kRowsTop);
    EXPECT_EQ(dialog->Form()["lblFirmwareVer"].top, TPrinterInformation::kRowsTop + 28);
    EXPECT_EQ(dialog->Form()["btnClose"].top, TPrinterInformation::kRowsTop + 56 + 6);
    EXPECT_EQ(dialog->Form().ClientHeight(), dialog->Form()["btnClose"].top + 30 + 6);
}

TEST_F(PrinterInformationTest, JourneyInMillimetresAndABetaVersion) {
    // "Kavo-300" is listed under JourneyMM and VersionLength4.
    std::string error;
    auto profile = emulator::loadProfile(std::string(EMULATOR_PROFILES) + "/kavo_tspl.profile", error);
    ASSERT_TRUE(profile) << error;
    profile->version = {1, 2, 3, 5};
    profile->diagnostics.journey = 10000;
    printer = std::make_unique<emulator::Emulator>(*profile);
    ASSERT_TRUE(printer->listenTcp("127.0.0.1", 0, error) && printer->start(error)) << error;
    const auto dialog = Show("Kavo-300");
    EXPECT_EQ(Value(*dialog, "lblPrintLengthV"), "10 (m)");
    EXPECT_EQ(Value(*dialog, "lblFirmwareVerV"), "V 1.2.3.Beta5");
}

TEST_F(PrinterInformationTest, AShortJourneyOrVersionReplyIsAReadError) {
    StartPrinter();
    std::string error;
    ASSERT_TRUE(printer->addFault("get_journey=short:2", error)) << error;
    ASSERT_TRUE(printer->addFault("get_version=silent", error)) << error;
    const auto dialog = Show("Vorlan");
    EXPECT_EQ(Value(*dialog, "lblPrintLengthV"), params::Txt("_Err_ReadData"));
    EXPECT_EQ(Value(*dialog, "lblFirmwareVerV"), params::Txt("_Err_ReadData"));
}

TEST_F(PrinterInformationTest, MileageAndVersionByNameForTheNewerGeneration) {
    StartPrinter();
    SetPrinterValue("mileage", "1000");
    SetPrinterValue("version", "2.01.7");
    SetPrinterValue("factory_produce_time", "20230115");
    const auto dialog = Show("Dresk-4T");
    EXPECT_TRUE(dialog->Form()["lblProduceDateV"].visible);
    EXPECT_EQ(Value(*dialog, "lblProduceDateV"), "20230115");
    EXPECT_EQ(Value(*dialog, "lblPrintLengthV"), "25.4m");
    EXPECT_EQ(Value(*dialog, "lblFirmwareVerV"), "2.01.7");
    EXPECT_EQ(dialog->Form()["lblPrintLength"].top, TPrinterInformation::kRowsTop + 28);
}

TEST_F(PrinterInformationTest, AProductionDateThatIsNotEightCharactersIsAReadError) {
    StartPrinter();
    SetPrinterValue("factory_produce_time", "2023011");
    const auto dialog = Show("Dresk-4T");
    EXPECT_EQ(Value(*dialog, "lblProduceDateV"), params::Txt("_Err_ReadData"));
}

// The printers as shipped answer every query of their rows: the production
// date as its eight digits, the mileage in inches, the version by name.
TEST_F(PrinterInformationTest, ShippedPrintersAnswerEveryRow) {
    const struct {
        const char* listName;
        const char* profile;
        std::vector<std::pair<std::string, std::string>> values; // value control, text
    } cases[] = {
        {"Dresk-4T",
         "dresk_tspl.profile",
         {{"lblProduceDateV", "20230115"}, {"lblPrintLengthV", "31.75m"}, {"lblFirmwareVerV", "1.03.0"}}},
        {"Ardel",
         "ardel_tspl.profile",
         {{"lblProduceDateV", "20240520"}, {"lblPrintLengthV", "21.84m"}, {"lblFirmwareVerV", "1.00.2"}}},
        {"Corla", "corla_cpcl.profile", {{"lblPrintLengthV", "54.61m"}, {"lblFirmwareVerV", "1.00.5"}}},
    };
    for (const auto& c : cases) {
        if (sessionStarted) {
            EndHeadlessSession();
            sessionStarted = false;
        }
        printer.reset();
        StartPrinter(c.profile);
        const auto dialog = Show(c.listName);
        EXPECT_EQ(dialog->Form()["lblProduceDateV"].visible, c.values.size() == 3) << c.listName;
        for (const auto& [control, text] : c.values) {
            EXPECT_EQ(Value(*dialog, control.c_str()), text) << c.listName << " " << control;
        }
        EXPECT_TRUE(Boxes("error").empty()) << c.listName;
    }
}

TEST_F(PrinterInformationTest, ANonNumericMileageIsAReadErrorOfItsRowAlone) {
    StartPrinter();
    SetPrinterValue("mileage", "n/a");
    SetPrinterValue("version", "2.01.7");
    const auto dialog = Show("Dresk-4T");
    EXPECT_EQ(Value(*dialog, "lblPrintLengthV"), params::Txt("_Err_ReadData"));
    EXPECT_EQ(Value(*dialog, "lblFirmwareVerV"), "2.01.7");
    // The port was closed: the emulator saw the connection end.
    EXPECT_TRUE(
        printer->waitFor([](const emulator::Record& record) { return record.command == "disconnect"; }));
}

TEST_F(PrinterInformationTest, MillimetreMileageOnTheListNamePath) {
    StartPrinter();
    SetPrinterValue("mileage", "1000");
    SetPrinterValue("printer_version", "Lorvik V2.0");
    const auto dialog = Show("Lorvik");
    EXPECT_EQ(Value(*dialog, "lblPrintLengthV"), "1m");
    EXPECT_EQ(Value(*dialog, "lblFirmwareVerV"), "Lorvik V2.0");
}

TEST_F(PrinterInformationTest, AnUnreachablePrinterLeavesTheValuesEmpty) {
    StartPrinter();
    SelectListedPrinter("Vorlan", "NET,127.0.0.1," + std::to_string(printer->tcpPort()));
    printer->stop();
    TPrinterInformation dialog(params::SelectedPrinterContext());
    dialog.FormCreate();
    dialog.FormShow();
    EXPECT_EQ(Boxes("error").size(), 1u);
    EXPECT_EQ(Value(dialog, "lblPrintLengthV"), "");
    EXPECT_EQ(Value(dialog, "lblFirmwareVerV"), "");
}

} // namespace
} // namespace tolvane::test
