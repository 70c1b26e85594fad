// Brakwell, the firmware updater over dfu-util: what it reads from
// dfu-util's output, and its window driving a stand-in dfu-util placed on
// PATH (dfu-util is an outside tool; no DFU hardware is needed).
#include "FormBrakwell.h"
#include "mdlDfuUtil.h"
#include "process_events_until.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvane::test {
namespace {

using namespace tolvane::updater;

const char* const kList = "dfu-util 0.11\n"
                          "Found Runtime: [2aaf:6001] ver=0100, devnum=4, cfg=1, intf=0, path=\"1-1.3\", "
                          "alt=0, name=\"UNKNOWN\", serial=\"X\"\n"
                          "Found DFU: [2aaf:9001] ver=0200, devnum=7, cfg=1, intf=0, path=\"1-1.4\", alt=0, "
                          "name=\"@Flash, app\", serial=\"A1\"\n"
                          "Found DFU: [0483:df11] ver=2200, devnum=8, cfg=1, intf=0, path=\"3-2\", alt=1, "
                          "name=\"@Option Bytes\", serial=\"\"\n";

TEST(DfuUtilOutput, ListsOnlyDevicesInDfuMode) {
    const std::vector<TDfuDevice> devices = ParseDfuList(kList);
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0].vidPid, "2aaf:9001");
    EXPECT_EQ(devices[0].path, "1-1.4");
    EXPECT_EQ(devices[0].alt, "0");
    EXPECT_EQ(devices[0].name, "@Flash, app");
    EXPECT_EQ(devices[0].serial, "A1");
    EXPECT_EQ(devices[1].alt, "1");
    EXPECT_EQ(DownloadArguments(devices[0], "/tmp/fw.bin"),
              (std::vector<std::string>{"-d", "2aaf:9001", "-p", "1-1.4", "-a", "0", "-D", "/tmp/fw.bin"}));
    EXPECT_TRUE(ParseDfuList("Found DFU: [2aaf] garbage\nFound DFU: [2aaf:9001]\n").empty());
}

TEST(DfuUtilOutput, ProgressIsTheLastPercentage) {
    EXPECT_EQ(LastPercent("Download\t[=====    ]  25%     1024 bytes\rDownload\t[=======  ]  63%"), 63);
    EXPECT_EQ(LastPercent("no progress here"), std::nullopt);
    EXPECT_EQ(LastPercent("1000%"), std::nullopt);
}

class BrakwellWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() / ("brakwell-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder / "bin");
        oldPath = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
        ::setenv("PATH", (folder / "bin").c_str(), 1);
    }
    void TearDown() override {
        ::setenv("PATH", oldPath.c_str(), 1);
        std::filesystem::remove_all(folder);
    }
    // A stand-in dfu-util: lists two devices, and for a download records
    // its arguments, prints progress and ends with `exitCode`.
    void StandInDfuUtil(int exitCode) {
        const std::string script = (folder / "bin" / "dfu-util").string();
        std::ofstream out(script);
        out << "#!/bin/sh\n"
               "if [ \"$1\" = -l ]; then /bin/cat <<'EOF'\n"
            << kList
            << "EOF\nexit 0; fi\n"
               "echo \"$@\" > '"
            << (folder / "args").string()
            << "'\n"
               "printf 'Download\\t[====      ]  40%%\\r'\n"
               "printf 'Download\\t[==========] 100%%\\n'\n"
               "exit "
            << exitCode << "\n";
        out.close();
        ::chmod(script.c_str(), 0755);
    }
    static std::string Texts() {
        return std::string(TOLVANE_SOURCE_DIR) + "/files/UtilityForLabelLanguage.ini";
    }
    // Runs the event loop until `done` or the wait limit.
    static void RunUntil(const std::function<bool()>& done) { tolvane::test::ProcessEventsUntil(done); }
    std::string Read(const char* name) const {
        std::ifstream in(folder / name);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path folder;
    std::string oldPath;
};

TEST_F(BrakwellWindowTest, ListsDownloadsAndShowsTheResult) {
    StandInDfuUtil(0);
    const std::string firmware = (folder / "fw.bin").string();
    std::ofstream(firmware) << "firmware";
    TfrmBrakwell window(Texts(), "1033");
    window.show();
    auto* devices = window.findChild<QListWidget*>("lstDevices");
    auto* status = window.findChild<QLabel*>("lblStatus");
    auto* progress = window.findChild<QProgressBar*>("pbProgress");
    ASSERT_TRUE(devices && status && progress);
    RunUntil([&] { return devices->count() == 2; });
    ASSERT_EQ(devices->count(), 2) << status->text().toStdString();
    EXPECT_EQ(status->text().toStdString(), "2 device(s) in DFU mode");
    devices->setCurrentRow(1);
    window.findChild<QLineEdit*>("txtFile")->setText(QString::fromStdString(firmware));
    window.findChild<QPushButton*>("btnDownload")->click();
    RunUntil([&] { return window.findChild<QPushButton*>("btnDownload")->isEnabled(); });
    EXPECT_EQ(Read("args"), "-d 0483:df11 -p 3-2 -a 1 -D " + firmware + "\n");
    EXPECT_EQ(progress->value(), 100);
    EXPECT_EQ(status->text().toStdString(), "The firmware was downloaded. The printer restarts with it.");
}

TEST_F(BrakwellWindowTest, FailedDownloadAndMissingFileAreReported) {
    StandInDfuUtil(74);
    TfrmBrakwell window(Texts(), "1033");
    window.show();
    auto* devices = window.findChild<QListWidget*>("lstDevices");
    auto* status = window.findChild<QLabel*>("lblStatus");
    auto* download = window.findChild<QPushButton*>("btnDownload");
    RunUntil([&] { return devices->count() == 2 && download->isEnabled(); });
    ASSERT_EQ(devices->count(), 2) << status->text().toStdString();
    window.findChild<QLineEdit*>("txtFile")->setText("/nonexistent/fw.bin");
    download->click();
    EXPECT_EQ(status->text().toStdString(), "Choose a firmware file that exists and is not empty.");
    const std::string firmware = (folder / "fw.bin").string();
    std::ofstream(firmware) << "firmware";
    window.findChild<QLineEdit*>("txtFile")->setText(QString::fromStdString(firmware));
    download->click();
    RunUntil([&] { return download->isEnabled(); });
    EXPECT_EQ(status->text().toStdString(), "The download failed: 74");
}

TEST_F(BrakwellWindowTest, WithoutDfuUtilSaysHowToInstallIt) {
    TfrmBrakwell window(Texts(), "1033");
    EXPECT_EQ(window.findChild<QLabel*>("lblStatus")->text().toStdString(),
              "dfu-util is not installed. Install it with: sudo apt install dfu-util");
    EXPECT_FALSE(window.findChild<QPushButton*>("btnDownload")->isEnabled());
    EXPECT_FALSE(window.findChild<QPushButton*>("btnRefresh")->isEnabled());
}

// The window in Simplified Chinese and English (saved as brakwell-zh-CN.png
// and brakwell-en.png when TOLVANE_SCREENSHOT_DIR is set).
TEST_F(BrakwellWindowTest, RendersInBothLanguages) {
    StandInDfuUtil(0);
    for (const auto& [section, suffix] : {std::pair{"2052", "zh-CN"}, std::pair{"1033", "en"}}) {
        TfrmBrakwell window(Texts(), section);
        window.show();
        RunUntil([&] { return window.Devices().size() == 2; });
        const QImage picture = window.grab().toImage();
        EXPECT_EQ(picture.size(), window.size());
        if (const char* out = std::getenv("TOLVANE_SCREENSHOT_DIR")) {
            const QString path = QString("%1/brakwell-%2.png").arg(out, suffix);
            EXPECT_TRUE(picture.save(path)) << path.toStdString();
        }
    }
}

} // namespace
} // namespace tolvane::test
