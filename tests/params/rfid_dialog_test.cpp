// The RFID window's dialog against the emulated printer's RFID module: the
// tag read, write and write-and-read with their answers, late answers and
// silence; the power and threshold writes; the parameter read; the input
// rules. The waits are scaled down; the printer's own timing is kept.
#include "CliRunner.h"
#include "ParamsFixture.h"
#include "mdlCliRun.h"
#include "mdlParaHelpers.h"
#include "mdlRfidSet.h"

#include <sstream>

namespace tolvane::test {
namespace {

using params::TRfidSet;

class RfidDialogTest : public EmulatedPrinterTest {
  protected:
    TRfidSet& Open(const std::string& listName) {
        SelectListedPrinter(listName, StartPrinter("kavo_rfid.profile"));
        dialog = std::make_unique<TRfidSet>(params::SelectedPrinterContext());
        dialog->FormCreate();
        dialog->Times = {.readWaitMs = 10,
                         .readPollMs = 1500,
                         .writeWaitMs = 10,
                         .twoStepPollMs = 1500,
                         .pollStepMs = 10,
                         .levelAnswerWaitMs = 10,
                         .paramReadWaitMs = 50};
        return *dialog;
    }
    void Fault(const std::string& rule) {
        std::string error;
        ASSERT_TRUE(printer->addFault(rule, error)) << error;
    }
    params::TFormModel& Form() { return dialog->Form(); }
    std::string LastBox() const { return sink.boxes.empty() ? std::string() : sink.boxes.back().text; }
    std::string LastKind() const { return sink.boxes.empty() ? std::string() : sink.boxes.back().kind; }
    std::vector<std::string> RfidCommands() const {
        std::vector<std::string> sent;
        for (const emulator::Record& record : printer->records()) {
            if (record.command == "do" || record.command == "setval") {
                sent.push_back(record.command + " " + record.key +
                               (record.value.empty() ? "" : " " + record.value));
            } else if (record.command == "raw" || record.command == "plain" || record.command == "cpcl") {
                sent.push_back(record.command);
            }
        }
        return sent;
    }
    std::unique_ptr<TRfidSet> dialog;
};

TEST_F(RfidDialogTest, ReadLengthOutsideOneToTwelveIsRefusedAndNothingSent) {
    TRfidSet& rfid = Open("Kavo-300R");
    for (const char* length : {"0", "13", "x", ""}) {
        SCOPED_TRACE(length);
        sink.boxes.clear();
        Form().SetText("edtRfidRLen", length);
        EXPECT_FALSE(rfid.btnRfidRClick());
        EXPECT_EQ(LastKind(), "error");
        EXPECT_EQ(LastBox(), params::TxtWith("Lang00010001", "12"));
    }
    EXPECT_TRUE(Commands().empty());
}

TEST_F(RfidDialogTest, ReadAnsweredOnTimeLateOrNever) {
    TRfidSet& rfid = Open("Miro-T6R");
    Form().SetText("edtRfidRLen", "4");
    ASSERT_TRUE(rfid.btnRfidRClick());
    EXPECT_EQ(Form()["edtRfidR"].text, "01234567");
    EXPECT_EQ(LastBox(), params::Txt("Lang00010003"));
    // No "CLS" for this model, the CPCL header and "PRINT" after the command.
    const std::vector<std::string> sent = RfidCommands();
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent[0], "do rfid_print");
    EXPECT_EQ(sent[1], "setval rfid_wr r,h,2,1,4");
    EXPECT_TRUE(Form()["btnRfidR"].enabled);

    // Late, but within the poll.
    Form().SetText("edtRfidR", "");
    Fault("setval:rfid_wr=delay:400/1");
    EXPECT_TRUE(rfid.btnRfidRClick());
    EXPECT_EQ(Form()["edtRfidR"].text, "01234567");

    // Never.
    Fault("setval:rfid_wr=silent/1");
    EXPECT_FALSE(rfid.btnRfidRClick());
    EXPECT_EQ(LastKind(), "error");
    EXPECT_EQ(LastBox(), params::Txt("Lang00010002"));

    // The module refuses.
    SetPrinterValue("rfid_answer", "error");
    EXPECT_FALSE(rfid.btnRfidRClick());
    EXPECT_EQ(LastBox(), params::Txt("Lang00010002"));
    EXPECT_TRUE(Form()["btnRfidR"].enabled);
}

TEST_F(RfidDialogTest, WriteAnsweredOkNgOrSilence) {
    TRfidSet& rfid = Open("Kavo-300R");
    Form().SetText("edtRfidW", "A1B2C3D4");
    EXPECT_TRUE(rfid.btnRfidWClick());
    EXPECT_EQ(LastBox(), params::Txt("Lang00010005"));
    EXPECT_EQ(printer->settings().values.at("rfid_tag").substr(0, 8), "A1B2C3D4");
    const std::vector<std::string> sent = RfidCommands();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[1], "raw"); // "CLS"
    EXPECT_EQ(sent[2], "setval rfid_wr w,h,2,1,A1B2C3D4");

    SetPrinterValue("rfid_answer", "ng");
    EXPECT_FALSE(rfid.btnRfidWClick());
    EXPECT_EQ(LastKind(), "error");
    EXPECT_EQ(LastBox(), params::Txt("Lang00010004"));

    SetPrinterValue("rfid_answer", "");
    Fault("setval:rfid_wr=silent/1");
    EXPECT_FALSE(rfid.btnRfidWClick());
    EXPECT_EQ(LastBox(), params::Txt("Lang00010006"));

    // Half a byte is not sent.
    printer->clearRecords();
    Form().SetText("edtRfidW", "ABC");
    EXPECT_FALSE(rfid.btnRfidWClick());
    EXPECT_TRUE(Commands().empty());
}

TEST_F(RfidDialogTest, WriteAndReadOnATwoStepModel) {
    TRfidSet& rfid = Open("Kavo-300R");
    Form().SetText("edtRfidW", "CAFEF00D");
    Form().SetText("edtRfidRLen", "4");
    Form().SetIndex("chkWR", 1);
    Form().SetText("edtRfidR", "old");
    EXPECT_TRUE(rfid.btnRfidWClick());
    EXPECT_EQ(Form()["edtRfidR"].text, "CAFEF00D");
    EXPECT_EQ(LastBox(), params::Txt("Lang00010005"));
    const std::vector<std::string> sent = RfidCommands();
    EXPECT_EQ(sent, (std::vector<std::string>{"do rfid_print", "raw", "setval rfid_wr w,h,2,1,CAFEF00D",
                                              "setval rfid_wr r,h,2,1,4"}));
}

TEST_F(RfidDialogTest, PowerAndThresholdRangesAndAnswers) {
    TRfidSet& rfid = Open("Kavo-300R");
    Form().SetText("edtTranPower", "151");
    EXPECT_FALSE(rfid.btnWTranPowerClick());
    EXPECT_EQ(LastKind(), "info");
    EXPECT_NE(LastBox().find("0"), std::string::npos);
    EXPECT_NE(LastBox().find("150"), std::string::npos);
    Form().SetText("edtRssiStrength", "256");
    EXPECT_FALSE(rfid.btnWRssiStrengthClick());
    EXPECT_NE(LastBox().find("255"), std::string::npos);
    EXPECT_TRUE(Commands().empty());

    Form().SetText("edtTranPower", " 100 ");
    EXPECT_TRUE(rfid.btnWTranPowerClick());
    EXPECT_EQ(LastBox(), params::Txt("Lang00010005"));
    EXPECT_EQ(printer->settings().values.at("rfid_power_level"), "100");
    Form().SetText("edtRssiStrength", "0");
    EXPECT_TRUE(rfid.btnWRssiStrengthClick());
    EXPECT_EQ(printer->settings().values.at("rfid_rssi_level"), "0");

    // The parameters read back, with the version on this model.
    Form().SetText("edtTranPower", "");
    EXPECT_TRUE(rfid.btnReadParaClick());
    EXPECT_EQ(Form()["edtTranPower"].text, "100");
    EXPECT_EQ(Form()["edtRssiStrength"].text, "0");
    EXPECT_EQ(Form()["edtRfidVersion"].text, "RF 2.1.4");
    EXPECT_FALSE(Form()["edtRfidVersion"].readOnly);

    printer->clearRecords();
    EXPECT_TRUE(rfid.btnRfidLearnClick());
    EXPECT_EQ(LastBox(), params::Txt("Lang00010010"));
    EXPECT_TRUE(printer->waitForCommand("do", "rfid_calibrate"));
}

TEST_F(RfidDialogTest, TypedDataShownInCapitalsWithItsByteCount) {
    TRfidSet& rfid = Open("Kavo-300R");
    EXPECT_TRUE(rfid.AcceptsText("edtRfidW", "ab12"));
    EXPECT_FALSE(rfid.AcceptsText("edtRfidW", "ab-1"));
    EXPECT_FALSE(rfid.AcceptsText("edtRfidRLen", "1a"));
    Form().SetText("edtRfidW", "abcd");
    rfid.UserChanged("edtRfidW");
    EXPECT_EQ(Form()["edtRfidW"].text, "ABCD");
    EXPECT_EQ(Form()["lblRfidIpnutLen"].text, params::TxtWith("Lang00010007", "2"));
    Form().SetText("edtRfidW", "abc");
    rfid.UserChanged("edtRfidW");
    EXPECT_EQ(Form()["lblRfidIpnutLen"].text, "");
    // The trace list starts hidden and shows on a double click.
    EXPECT_FALSE(Form()["mmoInfo"].visible);
    rfid.pnlCDblClick();
    EXPECT_TRUE(Form()["mmoInfo"].visible);
}

TEST_F(RfidDialogTest, CliCommandsAgainstTheModule) {
    const std::string address = StartPrinter("kavo_rfid.profile");
    WriteFiles("PrinterList.txt", "Kavo-300R|NET|" + address + "||\n");
    const auto run = [](std::vector<std::string> rest) {
        std::vector<std::string> all{"--lang", "1033", "--printer", "Kavo-300R", "rfid"};
        all.insert(all.end(), rest.begin(), rest.end());
        const CliResult result = RunCliInProcess(all);
        return std::make_tuple(result.status, result.out, result.err);
    };
    // Bad input: exit status 2 and nothing sent.
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"read", "--length", "13"},
                                                {"write", "ABC"},
                                                {"write", "XY"},
                                                {"power", "151"},
                                                {"threshold", "-1"}}) {
        EXPECT_EQ(std::get<0>(run(bad)), 2) << bad[0] << " " << bad[1];
    }
    EXPECT_TRUE(Commands().empty());

    const auto [wrote, wroteOut, wroteErr] = run({"write", "abcd1234"});
    EXPECT_EQ(wrote, 0) << wroteErr;
    const auto [read, readOut, readErr] = run({"read", "--length", "4"});
    EXPECT_EQ(read, 0) << readErr;
    EXPECT_NE(readOut.find("data=ABCD1234\n"), std::string::npos) << readOut;
    EXPECT_EQ(std::get<0>(run({"power", "90"})), 0);
    const auto [info, infoOut, infoErr] = run({"info"});
    EXPECT_EQ(info, 0) << infoErr;
    EXPECT_EQ(infoOut, "power=90\nthreshold=60\nversion=RF 2.1.4\n");
    SetPrinterValue("rfid_answer", "error");
    EXPECT_EQ(std::get<0>(run({"read"})), 1);
}

} // namespace
} // namespace tolvane::test
