// The firmware windows offscreen: registered with the main window, a
// sectioned-file update driven through the widgets, a window that keeps
// running its event loop through the protocol's waits, and the pictures
// in both languages.
#include "../firmware/FirmwareFiles.h"
#include "FormFirmware.h"
#include "ParamsFixture.h"
#include "WindowTestHelpers.h"
#include "mdlDfuQuistel.h"
#include "mdlDialogRegistry.h"
#include "mdlDownFirmwareSelType.h"
#include "mdlGdl.h"
#include "mdlPrinterLib.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>

#include <cstdlib>

namespace tolvane::test {
namespace {

class FirmwareWindowTest : public EmulatedPrinterTest {
  protected:
    void Select(const char* languageSwitch = "-EN") {
        SelectListedPrinter("Kavo", StartPrinter("kavo_tspl.profile"), languageSwitch);
    }
    // Runs the event loop until `done` or the wait limit.
    static void RunUntil(const std::function<bool()>& done) { ProcessUntil(done); }
    std::string SectionFile() {
        return WriteFiles("firmware.bin",
                          AsString(SectionedFile({{"BOOT", "1.0.2", 1, 2500}, {"APP", "2.10", 7, 1024}})));
    }
};

TEST_F(FirmwareWindowTest, RegisteredForTheFirmwareButtons) {
    ClearDialogRegistry();
    RegisterFirmwareDialogs();
    EXPECT_TRUE(FindDialog("TfrmDFU_Quistel"));
    EXPECT_TRUE(FindDialog("TfrmGDL"));
    EXPECT_TRUE(FindMethodChooser());
    ClearDialogRegistry();
}

TEST_F(FirmwareWindowTest, SectionedFileThroughTheWidgets) {
    Select();
    std::unique_ptr<TFormView> window = CreateFirmwareWindow("TfrmGDL", nullptr);
    ASSERT_TRUE(window);
    window->show();
    auto& gdl = static_cast<firmware::TGdl&>(window->Dialog());
    ASSERT_TRUE(gdl.ListFile(SectionFile()));
    auto* list = Find<QTreeWidget>(window.get(), "lvDetails");
    auto* progress = Find<QProgressBar>(window.get(), "pbProgress");
    auto* download = Find<QPushButton>(window.get(), "btnDownload");
    ASSERT_TRUE(list && progress && download);
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(1)->text(0).toStdString(), "APP");
    EXPECT_EQ(list->headerItem()->text(3).toStdString(), "Type");
    EXPECT_FALSE(progress->isVisible());
    download->click();
    EXPECT_TRUE(gdl.Running());
    EXPECT_EQ(download->text().toStdString(), "Stop");
    RunUntil([&] { return !gdl.Running(); });
    EXPECT_TRUE(gdl.Succeeded()) << (sink.boxes.empty() ? std::string() : sink.boxes[0].text);
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(progress->maximum(), 6);
    EXPECT_EQ(progress->value(), 6);
    EXPECT_EQ(download->text().toStdString(), "Download");
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].text, "Download complete");
}

// The wait after the update-mode command runs inside the button's handler;
// the window's event loop must keep running through it.
TEST_F(FirmwareWindowTest, EventsKeepRunningThroughTheEntryWait) {
    Select();
    firmware::TFirmwareWaits waits;
    waits.otaBinaryEntryMs = 300;
    auto dialog = std::make_unique<firmware::TDfuQuistel>(params::SelectedPrinterContext(), false, waits);
    firmware::TDfuQuistel& ota = *dialog;
    TFormView window(std::move(dialog));
    window.show();
    ota.Form().SetText("txtFileName", WriteFiles("firmware.bin", AsString(Pattern(3000))));
    int duringEntry = 0;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout,
                     [&] { duringEntry += ota.Running() && !ota.Transfer() ? 1 : 0; });
    probe.start(10);
    Find<QPushButton>(&window, "btnDownload")->click();
    RunUntil([&] { return !ota.Running(); });
    EXPECT_TRUE(ota.Succeeded()) << (sink.boxes.empty() ? std::string() : sink.boxes[0].text);
    EXPECT_GE(duringEntry, 5);
}

// Renders the three windows in Simplified Chinese and English. With
// TOLVANE_SCREENSHOT_DIR set (scripts/screenshots.sh), the pictures are
// saved there as firmware-method-, firmware-ota- and firmware-sections-
// followed by zh-CN.png or en.png.
TEST_F(FirmwareWindowTest, RendersInBothLanguages) {
    const std::pair<const char*, const char*> languages[] = {{"-CN", "zh-CN"}, {"-EN", "en"}};
    for (const auto& [languageSwitch, suffix] : languages) {
        Select(languageSwitch);
        std::vector<std::pair<std::string, std::unique_ptr<TFormView>>> windows;
        auto choice = std::make_unique<firmware::TDownFirmwareSelType>(params::SelectedPrinterContext());
        firmware::TDownFirmwareSelType& method = *choice;
        windows.emplace_back("method", std::make_unique<TFormView>(std::move(choice)));
        method.Preselect(kMethodDfu, true);
        windows.emplace_back("ota", CreateFirmwareWindow("TfrmDFU_Quistel", nullptr));
        windows.emplace_back("sections", CreateFirmwareWindow("TfrmGDL", nullptr));
        const std::string file = SectionFile();
        static_cast<firmware::TGdl&>(windows[2].second->Dialog()).ListFile(file);
        windows[1].second->Dialog().Form().SetText("txtFileName", file);
        for (auto& [name, window] : windows) {
            ASSERT_TRUE(window) << name;
            window->show();
            QApplication::processEvents();
            SaveScreenshot(*window, QString("firmware-%1-%2").arg(name.c_str(), suffix));
        }
        EXPECT_FALSE(Find<QComboBox>(windows[0].second.get(), "lstType")->isEnabled());
        windows.clear();
        PrtLib_Close(TPrtLib::Tsprix);
        printer.reset();
        MainWindowDestroySteps();
        AfterMessageLoop();
    }
}

} // namespace
} // namespace tolvane::test

namespace tolvane::test {
namespace {

// The method window shows its texts whole in each language: the chosen
// method's line and the list's entries fit their fields.
TEST_F(FirmwareWindowTest, TheMethodWindowFitsItsTextsInEachLanguage) {
    for (const char* language : {"-CN", "-EN", "-TW"}) {
        SCOPED_TRACE(language);
        Select(language);
        {
            auto choice = std::make_unique<firmware::TDownFirmwareSelType>(params::SelectedPrinterContext());
            firmware::TDownFirmwareSelType& method = *choice;
            TFormView window(std::move(choice));
            method.Preselect(kMethodBin, false);
            window.show();
            QApplication::processEvents();
            for (const char* name : {"txtTitle", "txtSelected"}) {
                const auto* edit = Find<QLineEdit>(&window, name);
                EXPECT_LE(edit->fontMetrics().horizontalAdvance(edit->text()) + 12, edit->width())
                    << edit->text().toStdString();
            }
            const auto* list = Find<QComboBox>(&window, "lstType");
            for (int n = 0; n < list->count(); ++n) {
                EXPECT_LE(list->fontMetrics().horizontalAdvance(list->itemText(n)) + 40, list->width())
                    << list->itemText(n).toStdString();
            }
        }
        PrtLib_Close(TPrtLib::Tsprix);
        printer.reset();
        MainWindowDestroySteps();
        AfterMessageLoop();
    }
}

} // namespace
} // namespace tolvane::test
