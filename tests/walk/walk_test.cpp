// A walk through the whole product on every demo printer: the printer is
// selected in the main window, every function button shown is pressed,
// every window it opens reads, carries out its main action unchanged and is
// closed; a window that downloads first gets a small file of its type
// through the file chooser, downloads it and prints what was stored, and
// the firmware windows, last, update the printer. Then the same once more
// with the printer falling silent, and with the connection dropped in the
// middle of a reply.
//
// Every finding names the printer, the button, the check and the detail.
// Screenshots of every window go to walk-screenshots/ in the build folder.
#include "MainWindowFixture.h"
#include "WalkDriver.h"
#include "WalkFindings.h"

#include "gui/mdlFileChooser.h"
#include "mdlDemoMode.h"
#include "mdlDialogChoice.h"
#include "mdlDialogWindows.h"
#include "mdlMainButtons.h"
#include "mdlPrinterFacts.h"
#include "mdlTextLines.h"

#include <QApplication>
#include <QPushButton>

#include <chrono>
#include <iostream>

#include <filesystem>

namespace tolvane::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> DemoProfiles() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(EMULATOR_PROFILES)) {
        if (entry.path().extension() == ".profile") {
            names.push_back(entry.path().stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

const char* ButtonName(TFuncButton button) {
    for (const TFuncButtonName& entry : FuncButtonNames()) {
        if (entry.button == button) {
            return entry.objectName;
        }
    }
    return "?";
}

class TWalk : public MainWindowTest, public ::testing::WithParamInterface<std::string> {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        RegisterDialogWindows();
        SetFileChooser(&files);
        screenshots = WALK_SCREENSHOT_DIR;
        fs::create_directories(screenshots);
        downloads.fixtures = WriteWalkFixtures(home.Path());
    }
    void TearDown() override {
        SetFileChooser(nullptr);
        MainWindowTest::TearDown();
    }

    // Starts the printer of the profile as demo mode lists it and shows the
    // main window with it selected; its list name.
    std::string OpenOnDemoPrinter(const std::string& profile) {
        const std::string address = StartPrinter(profile + ".profile");
        std::string error;
        const auto loaded =
            emulator::loadProfile(std::string(EMULATOR_PROFILES) + "/" + profile + ".profile", error);
        const std::vector<std::string> offered = ReadTextLines(app / "files/CompanyPrinterList_Label.txt");
        const std::string name = DemoListName(loaded ? loaded->model : profile, offered);
        WriteList(name + "|NET|" + address + "|emulator " + profile + "|0\n");
        T_frmMain_Label& main = OpenWindow();
        main.SelectRow(0);
        return name;
    }

    // Presses one main window button and drives what it opens.
    std::vector<WalkedWindow> Press(const std::string& prefix, const char* button,
                                    const WalkDownloadContext* downloading = nullptr) {
        WalkDriver driver(*printer, screenshots, prefix + "_" + button, downloading);
        QPushButton* target = window->Button(button);
        driver.Run([&] { target->click(); });
        // What the windows sent last belongs to this button: wait until the
        // printer has been quiet for a while.
        auto last = printer->records().size();
        auto quietSince = std::chrono::steady_clock::now();
        const auto deadline = quietSince + std::chrono::seconds(5);
        while (std::chrono::steady_clock::now() < deadline &&
               std::chrono::steady_clock::now() - quietSince < WalkDriver::kQuiet) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
            if (const auto now = printer->records().size(); now != last) {
                last = now;
                quietSince = std::chrono::steady_clock::now();
            }
        }
        return driver.Windows();
    }

    // The firmware buttons shown whose window takes a firmware file (not
    // those that hand the printer to the external updater), each window
    // once.
    std::vector<const char*> FirmwareButtons() const {
        std::vector<const char*> buttons;
        std::vector<std::string> windows;
        for (const char* name : {"btnDFU", "btnDFU2"}) {
            QPushButton* button = window->Button(name);
            if (button == nullptr || !button->isVisible()) {
                continue;
            }
            const std::optional<std::string> opens = std::string(name) == "btnDFU2"
                                                         ? std::optional<std::string>("TfrmDFU_Quistel")
                                                         : FirmwareUpdateDialog(SelectedPrinterFacts());
            if (opens && (*opens == "TfrmGDL" || *opens == "TfrmDFU_Quistel") &&
                std::find(windows.begin(), windows.end(), *opens) == windows.end()) {
                windows.push_back(*opens);
                buttons.push_back(name);
            }
        }
        return buttons;
    }

    TScriptedFileChooser files;
    std::string screenshots;
    WalkDownloadContext downloads{files, sink.boxes, {}};
};

TEST_P(TWalk, EveryButtonReadsActsAndClosesWithoutHarm) {
    const std::string profile = GetParam();
    const std::string name = OpenOnDemoPrinter(profile);
    WalkFindings findings(profile + " (" + name + ")");

    const std::vector<TFuncButton> shown = window->VisibleButtons();
    ASSERT_FALSE(shown.empty()) << name;
    std::vector<const char*> buttons;
    for (const TFuncButton button : shown) {
        buttons.push_back(ButtonName(button));
    }
    // A firmware update comes last: the printer restarts into new firmware.
    for (const char* button : FirmwareButtons()) {
        buttons.push_back(button);
    }
    for (const char* buttonName : buttons) {
        const emulator::PrinterSettings before = printer->settings();
        printer->clearRecords();
        sink.boxes.clear();
        const std::vector<WalkedWindow> walked = Press(profile, buttonName, &downloads);
        const std::vector<emulator::Record> records = printer->records();
        const std::string where = WindowsText(buttonName, walked);
        findings.CheckBoxes(where, sink.boxes, /*expectError=*/false);
        findings.CheckDownloads(where, walked);
        // What each download left on the printer, for a person reading the log.
        for (const WalkedWindow& one : walked) {
            if (one.download.step != nullptr) {
                std::cout << profile << " " << buttonName << " > " << one.name
                          << ": stored: " << (one.download.stored.empty() ? "-" : one.download.stored)
                          << "; printed: " << (one.download.printed.empty() ? "-" : one.download.printed)
                          << '\n';
            }
        }
        findings.CheckTimeouts(where, walked);
        findings.CheckUnknown(where, printer->unknownRequests(), records);
        findings.CheckWrites(where, records, before, printer->settings());
    }
    EXPECT_TRUE(findings.Empty()) << findings.Text();
}

// With the printer silent, or the connection dropped inside a reply, the
// parameter window (or the first window shown) ends with an error box,
// never with a success box, and writes nothing: the first exchange that
// fails ends the work.
TEST_P(TWalk, AFaultEndsInAnErrorAndNoSuccess) {
    const std::string profile = GetParam();
    const std::string name = OpenOnDemoPrinter(profile);
    WalkFindings findings(profile + " (" + name + ")");

    const std::vector<TFuncButton>& buttons = window->VisibleButtons();
    TFuncButton chosen = buttons.empty() ? TFuncButton::ParameterSetting : buttons.front();
    for (const TFuncButton candidate : {TFuncButton::ParameterSetting, TFuncButton::PrinterInformation}) {
        if (std::find(buttons.begin(), buttons.end(), candidate) != buttons.end()) {
            chosen = candidate;
            break;
        }
    }
    const char* buttonName = ButtonName(chosen);
    for (const char* fault : {"*=silent", "*=cut/1"}) {
        std::string error;
        printer->clearFaults();
        ASSERT_TRUE(printer->addFault(fault, error)) << error;
        printer->clearRecords();
        sink.boxes.clear();
        const std::vector<WalkedWindow> walked = Press(profile + "_fault", buttonName);
        const std::string where = WindowsText(buttonName, walked) + " with " + fault;
        findings.CheckBoxes(where, sink.boxes, /*expectError=*/true);
        findings.CheckTimeouts(where, walked);
        findings.CheckNothingWritten(where, printer->records());
    }
    printer->clearFaults();
    EXPECT_TRUE(findings.Empty()) << findings.Text();
}

INSTANTIATE_TEST_SUITE_P(Walk, TWalk, ::testing::ValuesIn(DemoProfiles()),
                         [](const ::testing::TestParamInfo<std::string>& param) { return param.param; });

} // namespace
} // namespace tolvane::test
