// The key-value and numbered-key dialogs when the printer fails them once:
// a read the printer leaves unanswered, or whose first reply is cut off
// when the connection drops, ends in the read error and leaves every
// control empty; "Set" then has nothing to write, says so and sends
// nothing. A printer that stops answering after the writes of "Set" gets
// no restart and no success box: the writes were not seen to be taken.
#include "ParamsFixture.h"
#include "mdlParaDialogModels.h"
#include "mdlParaReadState.h"
#include "mdlParaSetDresk.h"
#include "mdlParaSetKavo.h"
#include "mdlParaSetMiro.h"
#include "mdlPrinterLib_Call.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tolvane::test {
namespace {

struct TFaultPrinter {
    const char* listName;
    const char* profile;
    const char* dialogClass;
};

const TFaultPrinter kPrinters[] = {
    {"Kavo-200", "kavo_tspl.profile", params::TParaSetKavo::kClassName},
    {"Ardel", "ardel_tspl.profile", params::TParaSetKavo::kClassName},
    {"Dresk-4T", "dresk_tspl.profile", params::TParaSetDresk::kClassName},
    {"Corla", "corla_cpcl.profile", params::TParaSetDresk::kClassName},
    {"Navra", "miro_cpcl.profile", params::TParaSetMiro::kClassName},
};

class FaultOutcomesTest : public EmulatedPrinterTest, public ::testing::WithParamInterface<TFaultPrinter> {
  protected:
    void SetUp() override {
        EmulatedPrinterTest::SetUp();
        const TFaultPrinter& c = GetParam();
        SelectListedPrinter(c.listName, StartPrinter(c.profile));
    }
    // Creates, shows and reads the dialog as the main window does; the
    // fault (if any) is in force from the first exchange on.
    params::TParaDialogModel& Open(const char* fault) {
        if (*fault != 0) {
            std::string error;
            EXPECT_TRUE(printer->addFault(fault, error)) << error;
        }
        printer->clearRecords();
        dialog = OpenDialog(GetParam().dialogClass);
        EXPECT_NE(dialog, nullptr);
        return *dialog;
    }
    // The writes, saves and restarts the printer received.
    std::vector<std::string> Writes() const {
        std::vector<std::string> writes;
        for (const std::string& command : Commands()) {
            const bool write = command.rfind("setval ", 0) == 0 || command.rfind("setkey ", 0) == 0;
            const bool save = command.rfind("do save_param", 0) == 0 || command == "do reset_printer";
            if (write || save) {
                writes.push_back(command);
            }
        }
        return writes;
    }
    std::vector<std::string> ErrorTexts() const {
        std::vector<std::string> texts;
        for (const ShownBox& box : Boxes("error")) {
            texts.push_back(box.text);
        }
        return texts;
    }
    std::unique_ptr<params::TParaDialogModel> dialog;
};

// Silence from the first question on, and the first reply cut off: the
// read fails as a whole, and "Set" sends nothing.
TEST_P(FaultOutcomesTest, AReadThatGotNothingIsAReadErrorAndSetSendsNothing) {
    for (const char* fault : {"*=silent", "*=cut/1"}) {
        SCOPED_TRACE(fault);
        sink.boxes.clear();
        printer->clearFaults();
        params::TParaDialogModel& shown = Open(fault);
        EXPECT_EQ(ErrorTexts(), std::vector<std::string>{params::Txt("_Err_ReadData")});
        EXPECT_FALSE(params::AnyValueToWrite(shown)) << "no control shows a value the printer did not give";

        printer->clearFaults();
        sink.boxes.clear();
        printer->clearRecords();
        shown.btnSetClick();
        EXPECT_EQ(ErrorTexts(), std::vector<std::string>{params::Txt("ParaSet_NothingToSet")});
        EXPECT_TRUE(Boxes("info").empty());
        EXPECT_TRUE(Writes().empty());
        EXPECT_FALSE(shown.CloseRequested());
    }
}

// A printer that answers the read and falls silent before "Set" has its
// writes carried out, but is not restarted and no success is reported.
TEST_P(FaultOutcomesTest, ASetThePrinterDoesNotAnswerAfterEndsInAnErrorWithoutRestart) {
    params::TParaDialogModel& shown = Open("");
    ASSERT_TRUE(Boxes("error").empty()) << ErrorTexts().front();
    ASSERT_TRUE(params::AnyValueToWrite(shown));
    std::string error;
    ASSERT_TRUE(printer->addFault("*=silent", error)) << error;
    sink.boxes.clear();
    printer->clearRecords();
    shown.btnSetClick();
    EXPECT_EQ(ErrorTexts(), std::vector<std::string>{params::Txt("_Err_WriteData")});
    EXPECT_TRUE(Boxes("info").empty());
    const std::vector<std::string> writes = Writes();
    EXPECT_FALSE(writes.empty());
    EXPECT_EQ(std::count(writes.begin(), writes.end(), "do reset_printer"), 0);
    EXPECT_FALSE(shown.CloseRequested());

    // Answering again, the same "Set" is taken and confirmed.
    printer->clearFaults();
    sink.boxes.clear();
    printer->clearRecords();
    shown.btnSetClick();
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    EXPECT_TRUE(Boxes("error").empty());
    ASSERT_EQ(Boxes("info").size(), 1u);
    EXPECT_EQ(Boxes("info")[0].text, params::Txt("msgSRP"));
    EXPECT_TRUE(shown.CloseRequested());
}

// A printer that stops answering in the middle of the read keeps what it
// gave before: the rest stays empty and only what was read is written.
TEST_P(FaultOutcomesTest, AReadThatStopsHalfwayKeepsWhatCameBeforeAndWritesOnlyThat) {
    const bool numbered = std::string(GetParam().dialogClass) == params::TParaSetMiro::kClassName;
    // The density comes before the speed in every one of these reads.
    params::TParaDialogModel& shown = Open(numbered ? "getkey:1.202=silent" : "getval:speed=silent");
    EXPECT_EQ(ErrorTexts(), std::vector<std::string>{params::Txt("_Err_ReadData")});
    const params::TFormModel& form = shown.Form();
    EXPECT_TRUE(params::HasValue(form, "cmbDensity"));
    EXPECT_FALSE(params::HasValue(form, "cmbPrintSpeed"));

    printer->clearFaults();
    sink.boxes.clear();
    printer->clearRecords();
    shown.btnSetClick();
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    const std::vector<std::string> writes = Writes();
    const std::string density = numbered ? "setkey 1.203" : "setval density";
    const std::string speed = numbered ? "setkey 1.202" : "setval speed";
    EXPECT_NE(std::find(writes.begin(), writes.end(), density), writes.end());
    EXPECT_EQ(std::find(writes.begin(), writes.end(), speed), writes.end());
    EXPECT_EQ(Boxes("info").size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Printers, FaultOutcomesTest, ::testing::ValuesIn(kPrinters), [](const auto& param) {
    std::string name = param.param.listName;
    name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
    return name;
});

} // namespace
} // namespace tolvane::test
