// tolvane-cli's print-text and scan-test in-process against the emulated
// printer: the jobs the printer received, and bad input that prints nothing.
#include "CliRunner.h"
#include "ParamsFixture.h"
#include "mdlCliRun.h"

#include <sstream>

namespace tolvane::test {
namespace {

class CliPrintTest : public EmulatedPrinterTest {
  protected:
    void PrinterInList(const std::string& listName, const std::string& profile = "kavo_tspl.profile") {
        const std::string address = StartPrinter(profile);
        WriteFiles("PrinterList.txt", listName + "|NET|" + address + "||\n");
    }
    CliResult Run(const std::vector<std::string>& words) { return RunCliInProcess(words); }
    std::string Job(const std::string& language, std::chrono::milliseconds wait = std::chrono::seconds(3)) {
        const auto record = printer->waitForCommand("job", language, wait);
        return record ? record->value : "<none>";
    }
};

TEST_F(CliPrintTest, PrintTextOnALabelPrinter) {
    PrinterInList("Vorlan");
    const CliResult done = Run({"--lang", "1033", "--printer", "Vorlan", "print-text", "--width", "40",
                                "--height", "30", "AB\\nCD"});
    EXPECT_EQ(done.status, 0) << done.err;
    EXPECT_EQ(Job("TSPL"), "CLS\r\nSIZE 40 mm,30 mm\r\nTEXT 10,10,\"0\",0,1,1,\"AB\"\r\n"
                           "TEXT 10,64,\"0\",0,1,1,\"CD\"\r\nPRINT 1\r\n");
    EXPECT_NE(done.out.find("the test text was sent to the printer"), std::string::npos) << done.out;

    printer->clearRecords();
    const CliResult clamped = Run({"--printer", "Vorlan", "print-text", "--width", "5", "--height", "300",
                                   "--code-page", "936", "中文"});
    EXPECT_EQ(clamped.status, 0) << clamped.err;
    EXPECT_EQ(Job("TSPL"),
              "CLS\r\nSIZE 10 mm,210 mm\r\nTEXT 10,10,\"0\",0,1,1,\"\xD6\xD0\xCE\xC4\"\r\nPRINT 1\r\n");
}

TEST_F(CliPrintTest, BadPrintInputPrintsNothing) {
    PrinterInList("Pelso-80", "gulvo_esc.profile");
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"--printer", "Pelso-80", "print-text", "--code-page", "1234", "AB"}, "--code-page 1234"},
        {{"--printer", "Pelso-80", "print-text", "--width", "40", "AB"}, "--width"},
        {{"--printer", "Pelso-80", "print-text"}, "one TEXT"},
        {{"--printer", "Pelso-80", "scan-test", "--code-page", "936"}, "scan-test"},
        {{"print-text", "AB"}, "--printer"},
    };
    for (const auto& c : cases) {
        const CliResult outcome = Run(c.args);
        EXPECT_EQ(outcome.status, 2) << c.message;
        EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
    }
    const emulator::Bytes received = printer->received();
    EXPECT_EQ(std::string(received.begin(), received.end()).find("AB"), std::string::npos);
}

TEST_F(CliPrintTest, PrintTextHelp) {
    const CliResult help = Run({"print-text", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--code-page N"), std::string::npos);
    EXPECT_NE(Run({"--help"}).out.find("scan-test"), std::string::npos);
}

TEST_F(CliPrintTest, ScanTestPrintsWhatWasScanned) {
    PrinterInList("Kavo-300");
    const CliResult done = Run({"--lang", "1033", "--printer", "Kavo-300", "scan-test", "--width", "60"});
    EXPECT_EQ(done.status, 0) << done.err;
    EXPECT_EQ(done.out, "scanned and printed: KV-SCAN-0001\\n\n");
    EXPECT_EQ(Job("TSPL"), "CLS\r\nSIZE 60 mm,30 mm\r\nTEXT 10,10,\"9\",0,50,50,\"KV-SCAN-0001\"\r\n"
                           "TEXT 10,50,\"9\",0,50,50,\"\"\r\nPRINT 1\r\n");

    const CliResult wide = Run({"--lang", "1033", "--printer", "Kavo-300", "scan-test", "--width", "109"});
    EXPECT_EQ(wide.status, 2);
    EXPECT_NE(wide.err.find("must not exceed 108mm"), std::string::npos) << wide.err;
}

} // namespace
} // namespace tolvane::test
