// The scan test against an emulated printer with a code scanner: the width
// checks, a scanner that answers on the third attempt, one that never
// answers, and a port that does not open.
#include "ParamsFixture.h"
#include "mdlHeadlessSession.h"
#include "mdlMessages.h"
#include "mdlScanTest.h"

namespace tolvane::test {
namespace {

using diagnostics::TScanTest;
using diagnostics::TScanTestTimes;

class ScanTestTest : public EmulatedPrinterTest {
  protected:
    // A Kavo-300 (it has a scanner) on an emulated printer whose scanner
    // answers every `answerOn`-th trigger (0: never) with `text`.
    TScanTest& Open(int answerOn, const std::string& text, TScanTestTimes times,
                    const char* languageSwitch = "-EN") {
        std::string error;
        auto profile = emulator::loadProfile(std::string(EMULATOR_PROFILES) + "/kavo_tspl.profile", error);
        EXPECT_TRUE(profile) << error;
        profile->scanner = emulator::ScannerSetup{answerOn, emulator::Bytes(text.begin(), text.end())};
        printer = std::make_unique<emulator::Emulator>(*profile);
        EXPECT_TRUE(printer->listenTcp("127.0.0.1", 0, error) && printer->start(error)) << error;
        SelectListedPrinter("Kavo-300", "NET,127.0.0.1," + std::to_string(printer->tcpPort()),
                            languageSwitch);
        dialog = std::make_unique<TScanTest>(params::SelectedPrinterContext(), times);
        dialog->FormCreate();
        dialog->FormShow();
        return *dialog;
    }
    int Triggers() const {
        int count = 0;
        for (const emulator::Record& record : printer->records()) {
            count += record.command == "do" && record.key == "scan_trigger" ? 1 : 0;
        }
        return count;
    }
    bool ButtonEnabled() const { return dialog->Form()["btnScanTest"].enabled; }

    // Short waits; the reads still wait for the SDK's read time-out when
    // the printer is silent, so few reads per attempt.
    static constexpr TScanTestTimes kQuick = {10, 1, 1, 1, 1};
    std::unique_ptr<TScanTest> dialog;
};

TEST_F(ScanTestTest, WidthChecks) {
    const struct {
        const char* width;
        const char* message; // empty: the test starts
    } cases[] = {
        {" 108 ", ""},
        {"109", "打印宽度不能超过108mm"},
        {"5a", "打印宽度输入非法"},
        {"", "打印宽度输入非法"},
    };
    Open(1, "A1\r\n", kQuick, "-CN");
    EXPECT_EQ(dialog->Form().Title(), "扫描测试");
    EXPECT_EQ(dialog->Form()["lblPrintWidthUnit"].text, "(<=108mm)");
    for (const auto& c : cases) {
        sink.boxes.clear();
        dialog->Form().SetText("edtPrintWidth", c.width);
        dialog->ButtonClick("btnScanTest");
        if (c.message[0] == 0) {
            EXPECT_TRUE(dialog->Running()) << c.width;
            EXPECT_FALSE(ButtonEnabled());
            EXPECT_TRUE(diagnostics::RunDialogTimers(*dialog, 20000));
            EXPECT_TRUE(dialog->Printed());
        } else {
            ASSERT_EQ(Boxes("error").size(), 1u) << c.width;
            EXPECT_EQ(Boxes("error")[0].text, c.message);
            EXPECT_EQ(Boxes("error")[0].title, LangText("_MSG_Title_Error"));
            EXPECT_FALSE(dialog->Running());
        }
        EXPECT_TRUE(ButtonEnabled());
    }
}

TEST_F(ScanTestTest, AScannerThatAnswersOnTheThirdAttempt) {
    Open(3, "A1\r\n", kQuick);
    dialog->Form().SetText("edtPrintHeight", "thirty");
    dialog->ButtonClick("btnScanTest");
    EXPECT_FALSE(ButtonEnabled());
    EXPECT_TRUE(diagnostics::RunDialogTimers(*dialog, 30000));
    EXPECT_EQ(dialog->Attempts(), 3);
    EXPECT_EQ(Triggers(), 3);
    const auto job = printer->waitForCommand("job", "TSPL");
    ASSERT_TRUE(job);
    EXPECT_EQ(job->value, "CLS\r\nSIZE 50 mm,thirty mm\r\nTEXT 10,10,\"9\",0,50,50,\"A1\"\r\n"
                          "TEXT 10,50,\"9\",0,50,50,\"\"\r\nPRINT 1\r\n");
    EXPECT_TRUE(ButtonEnabled());
    EXPECT_TRUE(sink.boxes.empty());
}

// While the test runs the window says which attempt it is on; at the end
// it shows what was scanned, or that nothing was.
TEST_F(ScanTestTest, TheWindowShowsTheAttemptAndTheScannedText) {
    Open(2, "AR-108\r\nBATCH-7", kQuick);
    dialog->ButtonClick("btnScanTest");
    dialog->Tick("tmrScanTest");
    EXPECT_EQ(dialog->Form()["lblScanStatus"].text, "Scanning: attempt 1 of 10");
    dialog->Tick("tmrScanRead");
    EXPECT_EQ(dialog->Form()["proScan"].index, 1);
    EXPECT_EQ(dialog->Form()["proScan"].maximum, 10);
    EXPECT_TRUE(diagnostics::RunDialogTimers(*dialog, 30000));
    EXPECT_EQ(dialog->Attempts(), 2);
    EXPECT_EQ(dialog->Form()["memScanned"].text, "AR-108\nBATCH-7");
    EXPECT_EQ(dialog->Form()["lblScanStatus"].text, LangText("FormScanTest_Printed"));
}

TEST_F(ScanTestTest, AScannerThatNeverAnswers) {
    TScanTestTimes times = kQuick;
    times.attempts = 3;
    Open(0, "", times);
    dialog->ButtonClick("btnScanTest");
    EXPECT_TRUE(diagnostics::RunDialogTimers(*dialog, 30000));
    EXPECT_EQ(Triggers(), 3);
    EXPECT_EQ(dialog->Attempts(), 4); // the tick after the last attempt gives up
    EXPECT_FALSE(dialog->Printed());
    EXPECT_EQ(dialog->Form()["memScanned"].text, "");
    EXPECT_EQ(dialog->Form()["lblScanStatus"].text, "Nothing was scanned in 3 attempts");
    EXPECT_FALSE(printer->waitForCommand("job", {}, std::chrono::milliseconds(200)));
    EXPECT_TRUE(ButtonEnabled());
    EXPECT_TRUE(sink.boxes.empty());
}

TEST_F(ScanTestTest, ThePortDoesNotOpen) {
    Open(1, "A1\r\n", kQuick);
    printer.reset();
    dialog->ButtonClick("btnScanTest");
    ASSERT_EQ(Boxes("error").size(), 1u);
    EXPECT_EQ(Boxes("error")[0].text.rfind(LangText("_Err_OpenPort") + ":", 0), 0u);
    EXPECT_FALSE(dialog->Running());
    EXPECT_TRUE(ButtonEnabled());
}

TEST_F(ScanTestTest, ClosingDuringATestStopsIt) {
    Open(0, "", kQuick);
    dialog->ButtonClick("btnScanTest");
    dialog->Tick("tmrScanTest");
    dialog->Tick("tmrScanRead"); // a read is under way
    dialog->FormDestroy();
    EXPECT_FALSE(dialog->Running());
    for (const auto& [name, timer] : dialog->Timers()) {
        EXPECT_FALSE(timer.enabled) << name;
    }
}

} // namespace
} // namespace tolvane::test
