// tolvane-cli's firmware commands in-process against the emulated printer:
// both update paths end to end, the section list without a printer, the
// update mode with the external updater, and files refused before the
// printer hears anything.
#include "CliRunner.h"
#include "FirmwareFiles.h"
#include "ParamsFixture.h"
#include "mdlCliRun.h"
#include "mdlFirmwareFlow.h"
#include "mdlFirmwareWaits.h"
#include "wait_until.h"

#include <chrono>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <thread>

namespace tolvane::test {
namespace {

class CliFirmwareTest : public EmulatedPrinterTest {
  protected:
    void PrinterInList() {
        const std::string address = StartPrinter("kavo_tspl.profile");
        WriteFiles("PrinterList.txt", "Kavo|NET|" + address + "||\n");
    }
    CliResult Run(std::vector<std::string> args) {
        std::vector<std::string> all{"--lang", "1033"};
        all.insert(all.end(), args.begin(), args.end());
        return RunCliInProcess(all, {}, firmware::ShortFirmwareWaits());
    }
    std::string File(const std::vector<std::uint8_t>& bytes, const std::string& name = "firmware.bin") {
        return WriteFiles(name, AsString(bytes));
    }
    std::vector<std::string> Received() const {
        std::vector<std::string> commands;
        for (const emulator::Record& record : printer->records()) {
            if (record.command != "connect" && record.command != "disconnect") {
                commands.push_back(record.command + (record.key.empty() ? "" : " " + record.key));
            }
        }
        return commands;
    }
    emulator::FirmwareState Firmware() {
        emulator::FirmwareState state;
        printer->changePrinter([&](emulator::Printer& p) { state = p.firmware(); });
        return state;
    }
};

TEST_F(CliFirmwareTest, ListsSectionsWithoutAPrinter) {
    const std::string path = File(SectionedFile({{"BOOT", "1.0.2", 1, 2500}, {"APP", "2.10", 7, 0}}));
    const CliResult result = Run({"firmware", "sections", path, "--list"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "BOOT\t2500\t1.0.2\t1\nAPP\t0\t2.10\t7\n");
}

TEST_F(CliFirmwareTest, BothUpdatePathsEndToEnd) {
    PrinterInList();
    const std::vector<std::uint8_t> image = Pattern(5000);
    const CliResult ota = Run({"--printer", "Kavo", "firmware", "ota", File(image)});
    EXPECT_EQ(ota.status, 0) << ota.err;
    EXPECT_EQ(Firmware().otaImage, image);

    const std::vector<std::uint8_t> file = SectionedFile({{"BOOT", "1", 1, 2500}, {"APP", "2", 2, 100}});
    const CliResult sections = Run({"--printer", "Kavo", "firmware", "sections", File(file)});
    EXPECT_EQ(sections.status, 0) << sections.err;
    EXPECT_NE(sections.out.find("Download complete"), std::string::npos) << sections.out;
    ASSERT_EQ(Firmware().sections.size(), 2u);
    EXPECT_EQ(Firmware().sections[1].data.size(), 100u);

    printer->changePrinter([](emulator::Printer& p) { p.firmware().behaviour.finalStatus = 3; });
    const CliResult refused = Run({"--printer", "Kavo", "firmware", "sections", File(file)});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("checksum error"), std::string::npos) << refused.err;
}

TEST_F(CliFirmwareTest, MalformedFilesAreRefusedWithoutTalkingToThePrinter) {
    PrinterInList();
    std::vector<std::uint8_t> pastEnd = SectionedFile({{"APP", "1", 1, 10}});
    pastEnd[4] = 200;
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const std::vector<Case> cases = {
        {{"--printer", "Kavo", "firmware", "sections", File(pastEnd, "past-end.bin")}, "runs past the end"},
        {{"--printer", "Kavo", "firmware", "ota", File({}, "empty.bin")}, "is empty"},
        {{"--printer", "Kavo", "firmware", "ota", "/nonexistent/firmware.bin"}, "does not exist"},
        {{"--printer", "Kavo", "firmware", "ota"}, "takes one FILE"},
        {{"--printer", "Kavo", "firmware", "ota", "x", "--list"}, "--list belongs to firmware sections"},
        {{"firmware", "method"}, "firmware needs --printer"},
    };
    for (const Case& c : cases) {
        const CliResult result = Run(c.args);
        EXPECT_EQ(result.status, 2) << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    EXPECT_TRUE(Received().empty());
}

TEST_F(CliFirmwareTest, MethodAnswerAndUpdateModeWithTheUpdater) {
    PrinterInList();
    SetPrinterValue("update_method", "DFU");
    const CliResult method = Run({"--printer", "Kavo", "firmware", "method"});
    EXPECT_EQ(method.status, 0) << method.err;
    EXPECT_EQ(method.out, "DFU\n");

    // Without the updater the message names where it should be, and the
    // printer is left out of update mode.
    printer->clearRecords();
    const std::string updater = ExternalUpdaterPath();
    const CliResult missing = Run({"--printer", "Kavo", "firmware", "dfu"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find(updater), std::string::npos) << missing.err;
    EXPECT_TRUE(Received().empty());

    // A stand-in updater that leaves a mark.
    const std::string mark = app.Path() + "/updater-ran";
    std::filesystem::create_directories(app.Path() + "/FWUpdate");
    app.Write("FWUpdate/Brakwell", "#!/bin/sh\ntouch '" + mark + "'\n");
    ::chmod(updater.c_str(), 0755);
    const CliResult started = Run({"--printer", "Kavo", "firmware", "dfu"});
    EXPECT_EQ(started.status, 0) << started.err;
    EXPECT_NE(started.out.find(updater), std::string::npos) << started.out;
    ASSERT_TRUE(printer->waitForCommand("dfu_mode"));
    EXPECT_EQ(Received(), std::vector<std::string>{"dfu_mode ZZZDFUMODE"});
    tolvane::test::WaitUntil([&] { return std::filesystem::exists(mark); });
    EXPECT_TRUE(std::filesystem::exists(mark));
}

} // namespace
} // namespace tolvane::test
