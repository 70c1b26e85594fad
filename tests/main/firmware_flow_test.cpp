// The main window's firmware button for a printer that says how it is
// updated: its answer preselects and locks the method, the choice leads to
// the OTA window, to the update mode with the external updater, or nowhere.
#include "MainWindowFixture.h"
#include "mdlDialogRegistry.h"
#include "mdlFirmwareFlow.h"
#include "wait_until.h"

#include <chrono>
#include <filesystem>
#include <thread>

namespace tolvane::test {
namespace {

using TFirmwareFlow = MainWindowTest;

TEST_F(TFirmwareFlow, PrinterAnswerPreselectsTheChoiceThatDecidesTheWay) {
    const std::string address = StartPrinter();
    WriteList("Miro-T6|NET|" + address + "||0\n");
    const std::string mark = app / "updater-started";
    app.Write("FWUpdate/Brakwell", "#!/bin/sh\ntouch " + mark + "\n");
    std::filesystem::permissions(app / "FWUpdate/Brakwell", std::filesystem::perms::owner_all);
    T_frmMain_Label& main = OpenWindow();

    struct Case {
        const char* answer;
        std::optional<std::string> choice; // what the user picks; none: Cancel
        std::string preselected;
        const char* dialog; // the window opened, or "" for none
        bool updater;
    };
    const std::vector<Case> cases = {
        {"BIN", kMethodBin, kMethodBin, "TfrmDFU_Quistel", false},
        {"dfu", kMethodDfu, kMethodDfu, "", true},
        {"later", std::nullopt, "", "", false},
    };
    for (const Case& c : cases) {
        SetPrinterValue("update_method", c.answer);
        std::filesystem::remove(mark);
        std::string shownCode;
        bool shownLock = false;
        RegisterMethodChooser([&](QWidget*, const std::string& code, bool lock) {
            shownCode = code;
            shownLock = lock;
            return c.choice;
        });
        std::string opened;
        RegisterDialog("TfrmDFU_Quistel", [&](QWidget*) { opened = "TfrmDFU_Quistel"; });
        printer->clearRecords();
        main.btnDFUClick();
        EXPECT_EQ(shownCode, c.preselected) << c.answer;
        EXPECT_EQ(shownLock, !c.preselected.empty()) << c.answer;
        EXPECT_EQ(opened, c.dialog) << c.answer;
        ASSERT_TRUE(Wait("getval", "update_method")) << c.answer;
        const bool started = c.updater
                                 ? tolvane::test::WaitUntil([&] { return std::filesystem::exists(mark); })
                                 : std::filesystem::exists(mark);
        EXPECT_EQ(started, c.updater) << c.answer;
        if (c.updater) {
            EXPECT_TRUE(Wait("dfu_mode")) << c.answer;
        }
    }
    ClearDialogRegistry();
}

} // namespace
} // namespace tolvane::test
