// The command test against the emulated printer: single sends in both
// formats, send and read, the cyclic sending driven by its timer, a bad
// hexadecimal piece, reading, the format switch on a page and loading a
// file.
#include "ParamsFixture.h"
#include "mdlCommandTest.h"
#include "mdlCommandTestBytes.h"
#include "mdlFileUtil.h"
#include "mdlParaHelpers.h"
#include "mdlPrtFrames.h"
#include "wait_until.h"

#include <chrono>
#include <thread>

namespace tolvane::test {
namespace {

using diagnostics::TCommandTest;

class CommandTestTest : public EmulatedPrinterTest {
  protected:
    void SetUp() override {
        EmulatedPrinterTest::SetUp();
        SelectListedPrinter("Vorlan", StartPrinter());
        dialog = std::make_unique<TCommandTest>(params::SelectedPrinterContext());
        dialog->FormCreate();
        dialog->FormShow();
        dialog->SetCodePage(936);
    }
    void TearDown() override {
        dialog->FormDestroy();
        dialog.reset();
        EmulatedPrinterTest::TearDown();
    }
    params::TFormModel& Form() { return dialog->Form(); }
    void UseText() {
        Form().SetIndex("gpbDataType", 0);
        dialog->UserChanged("gpbDataType");
    }
    // The bytes the printer received, as hexadecimal text.
    std::string Received() const { return diagnostics::BytesToHexText(printer->received()); }
    // Waits until the printer has received `count` bytes (bytes that are no
    // frame are recorded after a short quiet time).
    bool ReceivedAtLeast(std::size_t count) const {
        return tolvane::test::WaitUntil([&] { return printer->received().size() >= count; });
    }

    std::unique_ptr<TCommandTest> dialog;
};

TEST_F(CommandTestTest, StartsInHexadecimalWithItsTexts) {
    EXPECT_TRUE(dialog->HexFormat());
    EXPECT_EQ(Form().Title(), params::Txt("FormCommandTest_Caption"));
    EXPECT_EQ(Form()["btnSend"].text, params::Txt("FormCommandTest_btnSend1"));
    EXPECT_EQ(Form()["lblRecycleTimes"].text, "0" + params::Txt("FormCommandTest_lblRecycleTimes"));
    EXPECT_EQ(Form()["txtReadLen"].text, "256");
    EXPECT_FALSE(Form()["txtSleepTime"].enabled);
    EXPECT_FALSE(Form()["lblSendTip"].visible);
}

TEST_F(CommandTestTest, ASingleHexadecimalSend) {
    Form().SetText("RE1", "0x1B,0x40");
    dialog->btnSendClick();
    ASSERT_TRUE(ReceivedAtLeast(2));
    EXPECT_EQ(Received(), "1B 40 ");
    ASSERT_EQ(Boxes("info").size(), 1u);
    EXPECT_EQ(Boxes("info")[0].text, params::Txt("SendTip"));
    EXPECT_TRUE(Form()["lblSendTip"].visible);
    EXPECT_TRUE(dialog->Timers().at("timHintTip").enabled);
    dialog->Tick("timHintTip");
    EXPECT_FALSE(Form()["lblSendTip"].visible);
}

TEST_F(CommandTestTest, TextIsSentInTheCodePageWithCrLf) {
    UseText();
    Form().SetText("RE1", "SELFTEST\n");
    dialog->btnSendClick();
    EXPECT_TRUE(printer->waitForCommand("self_test"));
    EXPECT_EQ(Received(), "53 45 4C 46 54 45 53 54 0D 0A ");
}

TEST_F(CommandTestTest, SendAndReadShowsTheReplyInHexadecimal) {
    Form().SetText("RE1", diagnostics::BytesToHexText(GetValFrame("\"dpi\"")));
    Form().SetIndex("chkSendAndRead", 1);
    dialog->btnSendClick();
    EXPECT_EQ(Form()["txtReadData"].text, "32 30 33 00 ");
    EXPECT_TRUE(Boxes("error").empty());
}

TEST_F(CommandTestTest, SendAndReadWithoutAReplyIsAReadError) {
    Form().SetText("RE1", "1B 40");
    Form().SetIndex("chkSendAndRead", 1);
    Form().SetText("txtReadLen", "4");
    dialog->btnSendClick();
    ASSERT_EQ(Boxes("error").size(), 1u);
    EXPECT_EQ(Boxes("error")[0].text, params::Txt("_Err_ReadData"));
    EXPECT_EQ(Form()["txtReadData"].text, "");
}

TEST_F(CommandTestTest, ABadPieceSendsNothing) {
    Form().SetText("RE1", "1B ZZ 40");
    dialog->btnSendClick();
    ASSERT_EQ(Boxes("error").size(), 1u);
    EXPECT_EQ(Boxes("error")[0].text, "Command Error!1|ZZ");
    EXPECT_TRUE(Boxes("info").empty());
    EXPECT_TRUE(printer->received().empty());
}

TEST_F(CommandTestTest, CyclicSendingCountsEachTickUntilStopped) {
    Form().SetText("RE2", "1B 40");
    Form().SetIndex("tabCommandPages", 1);
    Form().SetIndex("chkRecycle", 1);
    dialog->UserChanged("chkRecycle");
    EXPECT_TRUE(Form()["txtSleepTime"].enabled);
    Form().SetText("txtSleepTime", "50");
    dialog->LeaveField("txtSleepTime");
    EXPECT_EQ(Form()["txtSleepTime"].text, "100");
    // Send and read with nothing to read: the ticks go on without a message.
    Form().SetIndex("chkSendAndRead", 1);
    dialog->btnSendClick();
    EXPECT_TRUE(dialog->Cycling());
    EXPECT_EQ(Form()["btnSend"].text, params::Txt("FormCommandTest_btnSend2"));
    EXPECT_FALSE(Form()["txtSleepTime"].enabled);
    ASSERT_TRUE(dialog->Timers().at("timSendTimer").enabled);
    EXPECT_EQ(dialog->Timers().at("timSendTimer").intervalMs, 100);
    for (int n = 0; n < 3; ++n) {
        dialog->Tick("timSendTimer");
        // Each tick leaves the timer running for the next one.
        EXPECT_TRUE(dialog->Timers().at("timSendTimer").enabled);
    }
    EXPECT_EQ(dialog->Counter(), 3);
    EXPECT_EQ(Form()["lblRecycleTimes"].text, "3" + params::Txt("FormCommandTest_lblRecycleTimes"));
    ASSERT_TRUE(ReceivedAtLeast(6));
    EXPECT_EQ(Received(), "1B 40 1B 40 1B 40 ");
    EXPECT_TRUE(Boxes("error").empty());
    EXPECT_TRUE(Boxes("info").empty());
    EXPECT_EQ(Form()["txtReadData"].text, "");

    dialog->btnSendClick(); // the stop
    EXPECT_FALSE(dialog->Cycling());
    EXPECT_FALSE(dialog->Timers().at("timSendTimer").enabled);
    EXPECT_EQ(Form()["btnSend"].text, params::Txt("FormCommandTest_btnSend1"));
    EXPECT_TRUE(Form()["txtSleepTime"].enabled);
    // A tick that was already due does nothing after the stop, and the
    // counter stays until the dialog is shown again.
    dialog->Tick("timSendTimer");
    EXPECT_EQ(dialog->Counter(), 3);
    dialog->FormShow();
    EXPECT_EQ(dialog->Counter(), 0);
}

TEST_F(CommandTestTest, ReadCollectsWhatThePrinterSent) {
    // A getval sent without reading leaves its reply waiting.
    Form().SetText("RE1", diagnostics::BytesToHexText(GetValFrame("\"dpi\"")));
    dialog->btnSendClick();
    Form().SetText("txtReadLen", "2");
    dialog->btnReadDataClick();
    EXPECT_EQ(Form()["txtReadData"].text, "32 30 ");
}

TEST_F(CommandTestTest, FormatSwitchOfThePage) {
    UseText();
    Form().SetText("RE1", "A B");
    Form().SetIndex("gpbDataType", 1);
    dialog->UserChanged("gpbDataType");
    EXPECT_EQ(Form()["RE1"].text, "41 20 42 ");
    UseText();
    EXPECT_EQ(Form()["RE1"].text, "A B");
    Form().SetIndex("gpbDataType", 1);
    Form().SetText("RE1", "C4 E3 0D 0A");
    UseText();
    EXPECT_EQ(Form()["RE1"].text, "你\n");
}

TEST_F(CommandTestTest, KeyFiltersFollowTheFormat) {
    EXPECT_TRUE(dialog->AcceptsKey("RE1", 'f'));
    EXPECT_FALSE(dialog->AcceptsKey("RE1", 'g'));
    EXPECT_FALSE(dialog->AcceptsKey("RE1", ','));
    EXPECT_FALSE(dialog->AcceptsKey("txtReadLen", '-'));
    EXPECT_TRUE(dialog->AcceptsKey("txtReadLen", 8));
    UseText();
    EXPECT_TRUE(dialog->AcceptsKey("RE1", 'g'));
}

TEST_F(CommandTestTest, LoadingAFileIntoThePage) {
    const std::string path = home.Path() + "/job.bin";
    ASSERT_TRUE(WriteFileAtomic(path, std::string("\x1B@\r\n", 4)));
    dialog->ButtonClick("btnLoadFile", path);
    EXPECT_EQ(Form()["txtLoadFileName"].text, path);
    EXPECT_EQ(Form()["RE1"].text, "1B 40 0D 0A ");
    UseText();
    dialog->ButtonClick("btnLoadFile", path);
    EXPECT_EQ(Form()["RE1"].text, "\x1B@\n");
    dialog->ButtonClick("btnLoadFile", home.Path() + "/missing.bin");
    EXPECT_EQ(Boxes("error").size(), 1u);
}

} // namespace
} // namespace tolvane::test
