// tolvane-cli's files commands in-process against the emulated printer:
// a download with the printer's own pacing, the list, print and delete of
// what it stored, the memory line, and bad usage.
#include "CliRunner.h"
#include "ParamsFixture.h"
#include "mdlCliRun.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tolvane::test {
namespace {

class CliFilesTest : public EmulatedPrinterTest {
  protected:
    void SetUp() override {
        EmulatedPrinterTest::SetUp();
        WriteFiles("PrinterList.txt", "Vorlan|NET|" + StartPrinter() + "|notes|\n");
    }
    CliResult Run(std::vector<std::string> args) {
        std::vector<std::string> all{"--lang", "1033", "--printer", "Vorlan"};
        all.insert(all.end(), args.begin(), args.end());
        return RunCliInProcess(all);
    }
};

TEST_F(CliFilesTest, DownloadListPrintDeleteAndMemory) {
    const std::string path = (std::filesystem::path(home.Path()) / "shelf.prn").string();
    std::ofstream(path, std::ios::binary) << std::string(1500, 'x');
    const CliResult download = Run({"files", "download", path, "--language", "TSPL"});
    EXPECT_EQ(download.status, 0) << download.err;
    std::optional<size_t> stored;
    printer->changePrinter([&](emulator::Printer& p) {
        if (const auto* file = p.files().find("labels", "E_shelf.tspl.prn")) {
            stored = file->data.size();
        }
    });
    EXPECT_EQ(stored, 1500u);

    const CliResult list = Run({"files", "list", "templates"});
    EXPECT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out, "template\tFlash\tshelf.tspl.prn\n");

    EXPECT_EQ(Run({"files", "print", "shelf.tspl.prn", "--kind", "template"}).status, 0);
    EXPECT_TRUE(printer->waitFor([](const emulator::Record& r) { return r.key == "print"; }).has_value());
    EXPECT_EQ(Run({"files", "print", "nothing.prn", "--kind", "template"}).status, 1);

    const CliResult memory = Run({"files", "memory"});
    EXPECT_EQ(memory.status, 0);
    EXPECT_NE(memory.out.find("1,500"), std::string::npos) << memory.out;

    EXPECT_EQ(Run({"files", "delete", "--all", "--kind", "template"}).status, 0);
    EXPECT_EQ(Run({"files", "list", "templates"}).out, "");
}

TEST_F(CliFilesTest, BadUsageIsStatusTwoAndSendsNothing) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"files"},
                                                 {"files", "download"},
                                                 {"files", "download", "a.bmp", "--scale", "4.0"},
                                                 {"files", "list", "fonts"},
                                                 {"files", "autoform", "maybe"},
                                                 {"files", "delete"}}) {
        EXPECT_EQ(Run(args).status, 2) << args.back();
    }
    EXPECT_EQ(
        Run({"files", "download", (std::filesystem::path(home.Path()) / "my logo.bmp").string()}).status, 2);
    EXPECT_TRUE(Keys("do").empty());
}

} // namespace
} // namespace tolvane::test
