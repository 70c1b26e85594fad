// tolvane-cli's fonts, userfont and tspl-files commands in-process against
// the emulated printer, with the printer's own pacing, and bad usage.
#include "CliRunner.h"
#include "ParamsFixture.h"
#include "mdlCliRun.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tolvane::test {
namespace {

class CliFontsTest : public EmulatedPrinterTest {
  protected:
    void SetUp() override {
        EmulatedPrinterTest::SetUp();
        WriteFiles("PrinterList.txt", "Kavo|NET|" + StartPrinter() + "|notes|\n");
    }
    CliResult Run(std::vector<std::string> args) {
        std::vector<std::string> all{"--lang", "1033", "--printer", "Kavo"};
        all.insert(all.end(), args.begin(), args.end());
        return RunCliInProcess(all);
    }
    std::string File(const std::string& name, size_t size) {
        const std::string path = (std::filesystem::path(home.Path()) / name).string();
        std::ofstream(path, std::ios::binary) << std::string(size, 'f');
        return path;
    }
    size_t StoredSize(const std::string& kind, const std::string& value) {
        size_t size = 0;
        printer->changePrinter([&](emulator::Printer& p) {
            if (const auto* file = p.files().find(kind, value)) {
                size = file->data.size();
            }
        });
        return size;
    }
};

TEST_F(CliFontsTest, FontsAreStoredListedTestPrintedAndDeleted) {
    const CliResult download = Run({"fonts", "download", File("KAI.TTF", 1500)});
    EXPECT_EQ(download.status, 0) << download.err;
    EXPECT_EQ(StoredSize("fonts", "E_KAI.TTF"), 1500u);
    const CliResult list = Run({"fonts", "list"});
    EXPECT_EQ(list.out, "flash\tKAI.TTF\n");

    const CliResult print = Run({"fonts", "test-print", "KAI.TTF", "Hello", "--width", "40"});
    EXPECT_EQ(print.status, 0) << print.err;
    // A job has no answer: wait until the printer has taken it in.
    printer->waitFor([](const emulator::Record& record) { return record.command == "job"; });
    const std::string received = [&] {
        const emulator::Bytes bytes = printer->received();
        return std::string(bytes.begin(), bytes.end());
    }();
    EXPECT_NE(
        received.find("SIZE 40 mm,30 mm\r\nCLS\r\nTEXT 10,10,\"KAI.TTF\",0,48,48,\"Hello\"\r\nPRINT 1,1\r\n"),
        std::string::npos);

    EXPECT_EQ(Run({"fonts", "delete", "NONE.TTF"}).status, 1);
    EXPECT_EQ(Run({"fonts", "delete", "--all"}).status, 0);
    EXPECT_EQ(StoredSize("fonts", "E_KAI.TTF"), 0u);
}

TEST_F(CliFontsTest, AUserFontIsStoredWithItsEncoding) {
    const CliResult result = Run({"userfont", "download", File("u.bin", 1100), "--encoding", "EUC"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(StoredSize("userfont", "E_euc"), 1100u);
}

TEST_F(CliFontsTest, TsplFilesAreDownloadedListedRunAndDeleted) {
    const std::string path = (std::filesystem::path(home.Path()) / "a.dl").string();
    std::ofstream(path, std::ios::binary) << "\"A.BAS\",4,ABCD";
    EXPECT_EQ(Run({"tspl-files", "download", path, "--position", "N"}).status, 0);
    EXPECT_EQ(Run({"tspl-files", "list", "--position", "N"}).out, "A.BAS\n");
    EXPECT_EQ(Run({"tspl-files", "list"}).out, "");
    const CliResult space = Run({"tspl-files", "space"});
    EXPECT_EQ(space.status, 0) << space.err;
    EXPECT_EQ(space.out, "Free: 1024 KB  Total: 1024 KB\n");
    EXPECT_EQ(Run({"tspl-files", "run", "A.BAS", "--position", "N"}).status, 0);
    EXPECT_TRUE(printer->waitForCommand("tspl_run", "A.BAS").has_value());
    EXPECT_EQ(Run({"tspl-files", "delete", "A.BAS", "--position", "N"}).status, 0);
    EXPECT_EQ(StoredSize("direct", "A.BAS"), 0u);
}

TEST_F(CliFontsTest, TsplFilesTheyDidNotTakeExitNonZeroWithTheErrorText) {
    const std::string path = File("plain.bin", 3000);
    printer->changePrinter([](emulator::Printer& p) { p.files().cardCapacity = 1024; });
    const CliResult full = Run({"tspl-files", "download", path});
    EXPECT_NE(full.status, 0);
    EXPECT_NE(full.err.find("The printer did not store plain.bin"), std::string::npos) << full.err;
    EXPECT_EQ(full.out.find("complete"), std::string::npos) << full.out;

    std::string error;
    ASSERT_TRUE(printer->addFault("tspl_space=silent", error)) << error;
    const CliResult silent = Run({"tspl-files", "list"});
    EXPECT_NE(silent.status, 0);
    EXPECT_NE(silent.err.find("Could not read data from the printer"), std::string::npos) << silent.err;
}

TEST_F(CliFontsTest, BadUsageIsRefusedBeforeThePrinter) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"fonts", "download"},
                                               {"fonts", "download", "a.ttf", "--memory", "disk"},
                                               {"userfont", "download", "a.bin"},
                                               {"userfont", "download", "a.bin", "--encoding", "UTF8"},
                                               {"tspl-files", "delete", "A.BAS", "--all"},
                                               {"tspl-files", "list", "--position", "X"},
                                               {"fonts", "test-print", "A.TTF", "Hi", "--width", "wide"}}) {
        const CliResult result = Run(args);
        EXPECT_EQ(result.status, 2) << args[0] << ' ' << args[1];
        EXPECT_FALSE(result.err.empty());
    }
    EXPECT_TRUE(printer->records().empty());
}

} // namespace
} // namespace tolvane::test
