// tolvane-cli's diagnostic commands in-process against the emulated
// printer: send in both formats, with a reply, repeated and from a file;
// read; status as lines and as JSON; info; and the usage errors.
#include "CliRunner.h"
#include "ParamsFixture.h"
#include "mdlCliRun.h"
#include "mdlFileUtil.h"
#include "mdlParaHelpers.h"
#include "wait_until.h"

#include <chrono>
#include <sstream>
#include <thread>

namespace tolvane::test {
namespace {

class CliDiagnosticsTest : public EmulatedPrinterTest {
  protected:
    void SetUp() override {
        EmulatedPrinterTest::SetUp();
        address = StartPrinter();
        WriteFiles("PrinterList.txt", "Vorlan|NET|" + address + "||\nPelso-58|NET|" + address + "||\n");
    }
    CliResult Run(std::vector<std::string> args, const std::string& printerName = "Vorlan") {
        std::vector<std::string> all{"--lang", "1033", "--printer", printerName};
        all.insert(all.end(), args.begin(), args.end());
        return RunCliInProcess(all);
    }
    std::string Received() const {
        const emulator::Bytes bytes = printer->received();
        return std::string(bytes.begin(), bytes.end());
    }
    // Waits until the printer has received exactly `bytes` (bytes that are
    // no frame are recorded after a short quiet time).
    bool ReceivedSoon(const std::string& bytes) const {
        tolvane::test::WaitUntil([&] { return Received().size() >= bytes.size(); });
        return Received() == bytes;
    }
    void SetStatus(uint8_t byte17, uint8_t byte18) {
        printer->changePrinter([&](emulator::Printer& state) {
            state.diagnostics().status[17] = byte17;
            state.diagnostics().status[18] = byte18;
        });
    }

    std::string address;
};

TEST_F(CliDiagnosticsTest, SendTextAndHexadecimal) {
    CliResult result = Run({"send", "SELFTEST\n"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "; The command has been sent\n");
    EXPECT_TRUE(printer->waitForCommand("self_test"));
    printer->clearRecords();
    result = Run({"send", "--hex", "0x1B,0x40"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(ReceivedSoon("\x1B@"));
}

TEST_F(CliDiagnosticsTest, SendWithAReplyPrintsItInHexadecimal) {
    const CliResult result = Run(
        {"send", "--hex", "1B 1C 26 20 56 31 20 67 65 74 76 61 6C 20 22 64 70 69 22 0D 0A", "--read", "8"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "; The command has been sent\n32 30 33 00 \n");
}

TEST_F(CliDiagnosticsTest, SendRepeatedly) {
    const CliResult result = Run({"send", "--hex", "1B 40", "--repeat", "3", "--interval", "100"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(ReceivedSoon("\x1B@\x1B@\x1B@"));
}

TEST_F(CliDiagnosticsTest, SendAFileUnchanged) {
    const std::string path = home.Path() + "/job.prn";
    ASSERT_TRUE(WriteFileAtomic(path, std::string("SIZE 40 mm,30 mm\r\n\x00\xFF", 20)));
    const CliResult result = Run({"send", "--hex", "--file", path});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(ReceivedSoon(std::string("SIZE 40 mm,30 mm\r\n\x00\xFF", 20)));
}

TEST_F(CliDiagnosticsTest, ABadHexadecimalPieceSendsNothing) {
    const CliResult result = Run({"send", "--hex", "1B ZZ"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("Command Error!1|ZZ"), std::string::npos) << result.err;
    EXPECT_EQ(Received(), "");
}

TEST_F(CliDiagnosticsTest, StatusLinesAndJson) {
    SetStatus(0x20, 0x06);
    CliResult result = Run({"status"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "Standing by\nPrinting\nCover open\n");
    result = Run({"status", "--json"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("\"StandBy\": true"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\"CoverOpen\": true"), std::string::npos);
    EXPECT_NE(result.out.find("\"HeadTooHot\": false"), std::string::npos);
    std::string error;
    ASSERT_TRUE(printer->addFault("getval:printer_status=short:19", error)) << error;
    result = Run({"status"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "tolvane-cli: " + params::Txt("_Err_ReadData") + "\n");
}

TEST_F(CliDiagnosticsTest, InfoAndRead) {
    CliResult result = Run({"info"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "Print length: 375 (m)\nFirmware version: V 1.3.0\n");
    result = Run({"read", "4"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "\n");
}

TEST_F(CliDiagnosticsTest, AReplyThatDidNotComeWholeExitsNonZeroWithTheReadError) {
    const struct {
        const char* fault;
        const char* command;
    } cases[] = {
        {"get_journey=silent/1", "info"},
        {"get_version=cut/1", "info"}, // the connection ends in the middle of the reply
        {"getval:printer_status=silent/1", "status"},
        {"getval:printer_status=cut/1", "status"},
    };
    for (const auto& c : cases) {
        std::string error;
        ASSERT_TRUE(printer->addFault(c.fault, error)) << error;
        const CliResult result = Run({c.command});
        EXPECT_EQ(result.status, 1) << c.fault;
        EXPECT_NE(result.err.find(params::Txt("_Err_ReadData")), std::string::npos) << c.fault << result.err;
        printer->clearFaults();
    }
}

TEST_F(CliDiagnosticsTest, NoInformationForEscPrinters) {
    const CliResult result = Run({"info"}, "Pelso-58");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "tolvane-cli: " + params::Txt("_Err_ProtocolFunction") + "\n");
}

TEST_F(CliDiagnosticsTest, UsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {"send"},
        {"send", "a", "b"},
        {"send", "--read", "300", "x"},
        {"send", "x", "--interval", "500"},
        {"send", "x", "--repeat", "2", "--interval", "50"},
        {"read", "0"},
        {"status", "extra"},
        {"info", "--json"},
    };
    for (const auto& args : cases) {
        const CliResult result = Run(args);
        EXPECT_EQ(result.status, 2) << args.front() << " " << (args.size() > 1 ? args[1] : "");
    }
    EXPECT_TRUE(printer->received().empty());
}

} // namespace
} // namespace tolvane::test
