// tolvane-cli in-process against the emulated printer: the printer list,
// params get and set round trips with the frames the printer received, and
// the bad input that must leave the printer untouched.
#include "CliRunner.h"
#include "ParamsFixture.h"
#include "mdlCliOptions.h"
#include "mdlCliRun.h"
#include "mdlFileUtil.h"
#include "mdlParaHelpers.h"

#include <sstream>

namespace tolvane::test {
namespace {

class CliTest : public EmulatedPrinterTest {
  protected:
    // Starts the emulated printer and writes a printer list naming it.
    void PrinterInList(const std::string& listName = "Vorlan",
                       const std::string& profile = "kavo_tspl.profile") {
        address = StartPrinter(profile);
        WriteFiles("PrinterList.txt", listName + "|NET|" + address + "|notes|\nDresk-4T|USB|USB||\n");
    }
    CliResult Run(std::vector<std::string> args, const std::string& input = {}) {
        return RunCliInProcess(args, input);
    }
    std::vector<std::string> Written() const {
        std::vector<std::string> written;
        for (const emulator::Record& record : printer->records()) {
            if (record.command == "setval" || record.command == "do") {
                written.push_back(record.command + " " + record.key +
                                  (record.command == "setval" ? "=" + record.value : ""));
            }
        }
        return written;
    }
    static std::string Line(const std::string& text, const std::string& control) {
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind(control + "=", 0) == 0) {
                return line;
            }
        }
        return {};
    }

    std::string address;
};

TEST_F(CliTest, ListsThePrinters) {
    PrinterInList();
    const CliResult result = Run({"printers"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "Vorlan\t" + address + "\nDresk-4T\tUSB\n");
}

TEST_F(CliTest, GetEditSetGetRoundTrip) {
    PrinterInList();
    const CliResult first = Run({"--lang", "1033", "--printer", "Vorlan", "params", "get"});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out.rfind("; printer: Vorlan  model: Vorlan  dialog: T_frmParaSet_Kavo\n[params]\n", 0),
              0u)
        << first.out;
    EXPECT_EQ(Line(first.out, "cmbDensity"), "cmbDensity=8");
    EXPECT_EQ(Line(first.out, "gpbAutoPosition"), "gpbAutoPosition=1");
    EXPECT_EQ(Line(first.out, "txtIP1"), "txtIP1=192");
    EXPECT_EQ(Line(first.out, "txtZPrintWidth"), ""); // hidden for this model
    // Everything the read fills, in its order.
    EXPECT_LT(first.out.find("txtBTName="), first.out.find("cmbJudgePaperMode="));
    EXPECT_LT(first.out.find("cmbProtocol="), first.out.find("cmbCodepage="));
    EXPECT_LT(first.out.find("txtTearOff="), first.out.find("g5="));

    std::string edited = first.out;
    const std::size_t at = edited.find("cmbDensity=8");
    edited.replace(at, 12, "cmbDensity=11");
    printer->clearRecords();
    const CliResult set = Run({"--printer", "Vorlan", "params", "set", "-"}, edited);
    ASSERT_EQ(set.status, 0) << set.err;
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer")); // the printer works through its input
    const std::vector<std::string> written = Written();
    ASSERT_FALSE(written.empty());
    EXPECT_EQ(written.front(), "setval ppl=tsc");
    EXPECT_NE(std::find(written.begin(), written.end(), "setval density=11"), written.end());
    EXPECT_NE(std::find(written.begin(), written.end(), "setval eth_ip=192.168.1.100."), written.end());
    EXPECT_EQ(written[written.size() - 2], "do save_param");
    EXPECT_EQ(written.back(), "do reset_printer");
    EXPECT_EQ(printer->settings().values.at("density"), "11");

    const CliResult again = Run({"--printer", "Vorlan", "params", "get"});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(Line(again.out, "cmbDensity"), "cmbDensity=11");
    // The backup restores the printer: nothing else changed.
    std::string expected = first.out;
    expected.replace(expected.find("cmbDensity=8"), 12, "cmbDensity=11");
    EXPECT_EQ(again.out, expected);
}

// A parameter-block printer: the whole text goes back without a change to
// the block, and a changed line changes only its bytes.
TEST_F(CliTest, BlockFamilyGetAndSet) {
    PrinterInList("Gulvo-80", "gulvo_esc.profile");
    const CliResult first = Run({"--lang", "1033", "--printer", "Gulvo-80", "params", "get"});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_NE(first.out.find("dialog: T_frmParaSet_Gulvo"), std::string::npos) << first.out;
    EXPECT_EQ(Line(first.out, "cmbDensity"), "cmbDensity=7");
    EXPECT_EQ(Line(first.out, "txtIP4"), "txtIP4=120");
    EXPECT_EQ(Line(first.out, "txtLabelMinLength"), "txtLabelMinLength=40");
    EXPECT_EQ(Line(first.out, "cmbCodepage"), "cmbCodepage=WPC1252");

    const emulator::ConfigBlock before = printer->settings().block;
    printer->clearRecords();
    ASSERT_EQ(Run({"--printer", "Gulvo-80", "params", "set", "-"}, first.out).status, 0);
    ASSERT_TRUE(printer->waitForCommand("block_write"));
    EXPECT_EQ(printer->settings().block, before);

    std::string edited = first.out;
    edited.replace(edited.find("txtIP4=120"), 10, "txtIP4=77");
    printer->clearRecords();
    const CliResult set = Run({"--printer", "Gulvo-80", "params", "set", "-"}, edited);
    ASSERT_EQ(set.status, 0) << set.err;
    ASSERT_TRUE(printer->waitForCommand("block_write"));
    const emulator::ConfigBlock after = printer->settings().block;
    for (std::size_t i = 0; i < 254; ++i) { // 254-255: the sum
        EXPECT_EQ(after[i] != before[i], i == 91) << "byte " << i;
    }
    EXPECT_EQ(after[91], 77);
}

TEST_F(CliTest, SetNamesOnlySomeControlsAndKeepsTheRest) {
    PrinterInList();
    const std::string file =
        app.Write("some.ini", "; a partial file\n[params]\ncmbDHCP=ON\ntxtTearOff = -12\n");
    const CliResult set = Run({"--printer", "Vorlan", "params", "set", file});
    ASSERT_EQ(set.status, 0) << set.err;
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    EXPECT_EQ(printer->settings().values.at("eth_dhcp"), "on");
    EXPECT_EQ(printer->settings().values.at("tear_off"), "-12");
    EXPECT_EQ(printer->settings().values.at("density"), "8");
    for (const std::string& line : Written()) {
        EXPECT_EQ(line.rfind("setval eth_ip", 0), std::string::npos) << "no address with DHCP on";
    }
}

TEST_F(CliTest, ProtocolChangeAndDensityInTheOrderOfTheBackup) {
    // cmbDensity comes before cmbProtocol in a backup; choosing ZPL refills
    // the density list and selects 15, and the second pass sets 22 again.
    PrinterInList();
    const std::string file =
        app.Write("zpl.ini", "cmbDensity=22\ncmbProtocol=ZPL\ncmbCodepage=Shift-JIS(932)\n");
    const CliResult set = Run({"--lang", "1033", "--printer", "Vorlan", "params", "set", file});
    ASSERT_EQ(set.status, 0) << set.err;
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    EXPECT_EQ(printer->settings().values.at("ppl"), "zpl");
    EXPECT_EQ(printer->settings().values.at("density"), "22");
    EXPECT_EQ(printer->settings().values.at("code_page"), "932");
}

TEST_F(CliTest, PortAndModelOutsideTheList) {
    PrinterInList();
    const CliResult result = Run({"--port", address, "--model", "Ardel", "params", "get"});
    // The Kavo profile answers; the dialog follows the model given.
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.rfind("; printer: Ardel  model: Ardel  dialog: T_frmParaSet_Kavo", 0), 0u)
        << result.out;
    // The print-area rows are the Ardel's; the Kavo profile does not answer
    // them, so they are named as not read instead of listed empty.
    EXPECT_EQ(Line(result.out, "txtZPrintWidth"), "");
    EXPECT_NE(result.out.find("; not read: txtZPrintWidth txtZPrintHeight"), std::string::npos) << result.out;
}

TEST_F(CliTest, BadInputExitsTwoAndSendsNothing) {
    PrinterInList();
    const struct {
        std::string text;
        const char* message; // a part of the message
    } cases[] = {
        {"cmbNoSuch=1\n", "line 1"},
        {"[params]\ncmbDensity=99\n", "line 2"},
        {"cmbParity=none\n", "line 1"},       // entries compare exactly
        {"txtIP1=1a\n", "line 1"},            // the key filter refuses "a"
        {"txtBTPWD=12345\n", "line 1"},       // longer than the field
        {"txtBTName=my printer\n", "line 1"}, // no spaces in a Bluetooth name
        {"gpbPrintType=2\n", "line 1"},       // two items
        {"; ok\njust a line\n", "line 2"},
        {"=5\n", "line 1"},
        {std::string("cmbDHCP=ON\ntxt\0IP1=1\n", 21), "line 2"},
        {"txtTip_ReleasePaper=x\n", "line 1"}, // not a parameter
        {"StatusBarA=x\n", "line 1"},
    };
    for (const auto& c : cases) {
        printer->clearRecords();
        const CliResult result = Run({"--lang", "1033", "--printer", "Vorlan", "params", "set", "-"}, c.text);
        EXPECT_EQ(result.status, 2) << c.text;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << c.text << " -> " << result.err;
        EXPECT_TRUE(Commands().empty()) << c.text;
    }
}

TEST_F(CliTest, ValueValidOnlyForAnotherPrinterIsRefusedBeforeAnyWrite) {
    // 25 is a density of the ZPL list, but this printer reads as TSPL: the
    // read happens, nothing is written.
    PrinterInList();
    printer->clearRecords();
    const CliResult result =
        Run({"--lang", "1033", "--printer", "Vorlan", "params", "set", "-"}, "cmbDensity=25\n");
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("line 1"), std::string::npos);
    EXPECT_TRUE(Keys("setval").empty());
    EXPECT_TRUE(Keys("do").empty());
}

TEST_F(CliTest, UsageErrorsAndUnreachablePrinters) {
    PrinterInList();
    const struct {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{}, 2},
        {{"params", "get"}, 2},
        {{"--printer", "Vorlan", "--port", "USB", "--model", "Vorlan", "params", "get"}, 2},
        {{"--port", "USB", "params", "get"}, 2},
        {{"--lang", "1041", "printers"}, 2},
        {{"--printer", "Vorlan", "params", "set"}, 2},
        {{"--printer", "Vorlan", "params", "fly"}, 2},
        {{"--frobnicate"}, 2},
        {{"--printer", "Nobody", "params", "get"}, 2},
        {{"--port", address, "--model", "NoSuchModel", "params", "get"}, 2},
        {{"--printer", "Vorlan", "params", "set", "/nonexistent/file.ini"}, 2},
        {{"--port", "NET,127.0.0.1,1", "--model", "Vorlan", "params", "get"}, 1},
    };
    for (const auto& c : cases) {
        const CliResult result = Run(c.args);
        std::string joined;
        for (const std::string& arg : c.args) {
            joined += arg + " ";
        }
        EXPECT_EQ(result.status, c.status) << joined << "\n" << result.err;
        EXPECT_FALSE(result.err.empty()) << joined;
    }
}

TEST_F(CliTest, HelpVersionAndOutFile) {
    EXPECT_EQ(Run({"--help"}).status, 0);
    EXPECT_NE(Run({"--help"}).out.find("params get"), std::string::npos);
    EXPECT_NE(Run({"params", "set", "--help"}).out.find("Usage: tolvane-cli"), std::string::npos);
    EXPECT_NE(Run({"printers", "--help"}).out.find("tab"), std::string::npos);
    EXPECT_EQ(Run({"--version"}).out.rfind("tolvane-cli ", 0), 0u);

    PrinterInList();
    const std::string out = app / "backup.ini";
    const CliResult result = Run({"--lang", "2052", "--printer", "Vorlan", "params", "get", "--out", out});
    ASSERT_EQ(result.status, 0) << result.err;
    std::string saved;
    ASSERT_TRUE(ReadWholeFile(out, 1 << 20, saved));
    EXPECT_EQ(saved.rfind("; printer: Vorlan", 0), 0u);
    EXPECT_NE(saved.find("\ncmbDensity=8\n"), std::string::npos);
    // Chinese list entries: the paper type of a label printer.
    EXPECT_NE(saved.find("cmbJudgePaperMode=" + params::Txt("_PaperType_Label")), std::string::npos);
}

} // namespace
} // namespace tolvane::test
