// tolvane-cli's params get and set for the Dresk, Miro and Quistel
// printers: a value read, edited and written back, with the frames the
// printer received.
#include "CliRunner.h"
#include "ParamsFixture.h"
#include "mdlCliRun.h"

#include <sstream>

namespace tolvane::test {
namespace {

class CliKeyValueTest : public EmulatedPrinterTest {
  protected:
    using Result = CliResult;
    void PrinterInList(const std::string& listName, const std::string& profile) {
        const std::string address = StartPrinter(profile);
        WriteFiles("PrinterList.txt", listName + "|NET|" + address + "|notes|\n");
    }
    Result Run(const std::vector<std::string>& rest, const std::string& input = {}) {
        return RunCliInProcess(rest, input);
    }
    // Reads the parameters, replaces one line, writes them back and reads
    // them again; the text of the second read.
    std::string RoundTrip(const std::string& listName, const std::string& from, const std::string& to) {
        const Result first = Run({"--lang", "1033", "--printer", listName, "params", "get"});
        EXPECT_EQ(first.status, 0) << first.err;
        const std::size_t at = first.out.find("\n" + from + "\n");
        EXPECT_NE(at, std::string::npos) << first.out;
        if (at == std::string::npos) {
            return {};
        }
        std::string edited = first.out;
        edited.replace(at + 1, from.size(), to);
        printer->clearRecords();
        const Result set = Run({"--lang", "1033", "--printer", listName, "params", "set", "-"}, edited);
        EXPECT_EQ(set.status, 0) << set.err;
        EXPECT_TRUE(printer->waitForCommand("do", "reset_printer"));
        const Result again = Run({"--lang", "1033", "--printer", listName, "params", "get"});
        EXPECT_EQ(again.status, 0) << again.err;
        EXPECT_EQ(again.out, edited);
        return again.out;
    }
};

TEST_F(CliKeyValueTest, DreskRoundTrip) {
    PrinterInList("Dresk-4T", "dresk_tspl.profile");
    RoundTrip("Dresk-4T", "txtTearOff=-5", "txtTearOff=12");
    EXPECT_EQ(printer->settings().values.at("tear_off"), "12");
}

TEST_F(CliKeyValueTest, MiroRoundTrip) {
    PrinterInList("Navra", "miro_cpcl.profile");
    RoundTrip("Navra", "txtPrintToStop=12", "txtPrintToStop=-3");
    EXPECT_EQ(printer->settings().keys.at({1, 208}), (emulator::Bytes{0xE8, 0xFF})); // -24 dots
}

TEST_F(CliKeyValueTest, QuistelRoundTripAndRefusedInputSendsNothing) {
    PrinterInList("Quistel-C", "quistel_tspl.profile");
    RoundTrip("Quistel-C", "cmbBaudRate=38400", "cmbBaudRate=115200");
    EXPECT_EQ(printer->settings().keys.at({1, 108}), (emulator::Bytes{4}));
    printer->clearRecords();
    const Result refused = Run({"--printer", "Quistel-C", "params", "set", "-"}, "cmbBaudRate=1200\n");
    EXPECT_NE(refused.status, 0);
    EXPECT_TRUE(Commands().empty());
}

} // namespace
} // namespace tolvane::test
