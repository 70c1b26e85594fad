// The printer status: the bits of bytes 18 and 17 in the table's order,
// and the dialog against the emulated printer's status block, whole,
// short and unreachable.
#include "ParamsFixture.h"
#include "mdlHeadlessSession.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterStatus.h"

namespace tolvane::test {
namespace {

using diagnostics::SetConditions;
using diagnostics::TStatusCondition;

std::vector<std::string> Names(const std::vector<TStatusCondition>& conditions) {
    std::vector<std::string> names;
    for (const TStatusCondition& condition : conditions) {
        names.emplace_back(condition.name);
    }
    return names;
}

TEST(PrinterStatusBits, SetBitsInTheTablesOrder) {
    const struct {
        uint8_t byte17;
        uint8_t byte18;
        std::vector<std::string> names;
    } cases[] = {
        {0x20, 0x06, {"StandBy", "Printing", "CoverOpen"}},
        {0x30, 0x00, {"IllegalCommand", "CoverOpen"}},
        {0xC0, 0x00, {}},
        {0x3F,
         0xFF,
         {"HeadTooHot", "StandBy", "Printing", "TOF_Error", "LabelEnd", "RibbonEnd", "LabelSeizing",
          "LabelJumpping", "LabelCalibrating", "CutterError", "FormError", "MemoryWriteError",
          "IllegalCommand", "CoverOpen"}},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> block(20, 0xFF);
        block[17] = c.byte17;
        block[18] = c.byte18;
        const auto set = SetConditions(block);
        ASSERT_TRUE(set);
        EXPECT_EQ(Names(*set), c.names) << int(c.byte17) << "/" << int(c.byte18);
    }
    EXPECT_FALSE(SetConditions(std::vector<uint8_t>(19, 0x02)));
    EXPECT_FALSE(SetConditions(std::vector<uint8_t>(21, 0)));
}

class PrinterStatusTest : public EmulatedPrinterTest {
  protected:
    void SetUp() override {
        EmulatedPrinterTest::SetUp();
        SelectListedPrinter("Vorlan", StartPrinter());
    }
    void SetStatus(uint8_t byte17, uint8_t byte18) {
        printer->changePrinter([&](emulator::Printer& state) {
            state.diagnostics().status[17] = byte17;
            state.diagnostics().status[18] = byte18;
        });
    }
    std::string Shown() {
        diagnostics::TPrinterStatus dialog(params::SelectedPrinterContext());
        dialog.FormCreate();
        dialog.FormShow();
        return dialog.Form()["RichEdit1"].text;
    }
};

TEST_F(PrinterStatusTest, ListsTheConditionsOneALine) {
    SetStatus(0x20, 0x06);
    EXPECT_EQ(Shown(), params::Txt("FormPrinterStatus_StandBy") + "\n" +
                           params::Txt("FormPrinterStatus_Printing") + "\n" +
                           params::Txt("FormPrinterStatus_CoverOpen") + "\n");
    EXPECT_EQ(params::Txt("FormPrinterStatus_CoverOpen"), "Cover open");
    EXPECT_EQ(Keys("getval"), std::vector<std::string>{"printer_status"});
}

TEST_F(PrinterStatusTest, RefreshReadsAgain) {
    SetStatus(0, 0);
    diagnostics::TPrinterStatus dialog(params::SelectedPrinterContext());
    dialog.FormCreate();
    dialog.FormShow();
    EXPECT_EQ(dialog.Form()["RichEdit1"].text, "");
    SetStatus(0x02, 0);
    dialog.ButtonClick("btnRefresh");
    EXPECT_EQ(dialog.Form()["RichEdit1"].text, params::Txt("FormPrinterStatus_CutterError") + "\n");
    EXPECT_TRUE(Boxes("error").empty());
}

TEST_F(PrinterStatusTest, AShortReplyShowsTheReadError) {
    SetStatus(0x20, 0x06);
    std::string error;
    ASSERT_TRUE(printer->addFault("getval:printer_status=short:19", error)) << error;
    EXPECT_EQ(Shown(), params::Txt("_Err_ReadData"));
    EXPECT_TRUE(Boxes("error").empty());
}

TEST_F(PrinterStatusTest, AnUnreachablePrinterShowsTheOpenErrorAndKeepsTheList) {
    diagnostics::TPrinterStatus dialog(params::SelectedPrinterContext());
    dialog.FormCreate();
    dialog.FormShow();
    const std::string before = dialog.Form()["RichEdit1"].text;
    printer->stop();
    dialog.btnRefreshClick();
    ASSERT_EQ(Boxes("error").size(), 1u);
    EXPECT_EQ(Boxes("error")[0].text.rfind(params::Txt("_Err_OpenPort") + ":", 0), 0u);
    EXPECT_EQ(dialog.Form()["RichEdit1"].text, before);
}

// The status printers as shipped, idle: one line, standing by, read with
// the one status query.
using ShippedStatusPrinters = EmulatedPrinterTest;

TEST_F(ShippedStatusPrinters, ShowTheirStandbyLine) {
    const struct {
        const char* listName;
        const char* profile;
    } cases[] = {
        {"Dresk-4T", "dresk_tspl.profile"},
        {"Ardel", "ardel_tspl.profile"},
        {"Kavo-200", "kavo_tspl.profile"},
    };
    for (const auto& c : cases) {
        if (sessionStarted) {
            EndHeadlessSession();
            sessionStarted = false;
        }
        SelectListedPrinter(c.listName, StartPrinter(c.profile));
        diagnostics::TPrinterStatus dialog(params::SelectedPrinterContext());
        dialog.FormCreate();
        dialog.FormShow();
        EXPECT_TRUE(dialog.ReadOk()) << c.listName;
        EXPECT_EQ(dialog.Form()["RichEdit1"].text, params::Txt("FormPrinterStatus_StandBy") + "\n")
            << c.listName;
        EXPECT_EQ(dialog.Form().Title(), params::Txt("FormPrinterStatus_Caption")) << c.listName;
        EXPECT_EQ(dialog.Form()["lblPrinterStatus"].text, params::Txt("FormPrinterStatus_lblPrinterStatus"));
        EXPECT_EQ(Keys("getval"), std::vector<std::string>{"printer_status"}) << c.listName;
        EXPECT_TRUE(Boxes("error").empty()) << c.listName;
    }
}

} // namespace
} // namespace tolvane::test
