// The file dialog windows offscreen: registered for the main window's
// file-management button, texts from the dialog, queued progress updates
// from the worker threads, closing in the middle of a transfer, and the
// screenshots in both languages.
#include "FormDLFile.h"
#include "ParamsFixture.h"
#include "WindowTestHelpers.h"
#include "mdlDialogRegistry.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_Call.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace tolvane::test {
namespace {

class FileWindowTest : public EmulatedPrinterTest {};

TEST_F(FileWindowTest, RegisteredForTheFileButton) {
    RegisterFileDialogs();
    EXPECT_TRUE(FindDialog("TfrmDLFile"));
    EXPECT_TRUE(FindDialog("TfrmDLFile_Kavo"));
}

TEST_F(FileWindowTest, ProgressArrivesQueuedAndClosingMidTransferJoinsTheThreads) {
    SelectListedPrinter("Vorlan", StartPrinter("kavo_tspl.profile"));
    const std::string path = (std::filesystem::path(home.Path()) / "big.prn").string();
    std::ofstream(path, std::ios::binary) << std::string(20 * 1024, 'q');
    auto window = std::make_unique<TfrmDLFile>();
    window->show();
    auto& dialog = window->Dialog();
    dialog.Form().SetIndex("cmbFileType", 1);
    dialog.cmbFileTypeChange();
    ASSERT_TRUE(dialog.ChooseFile(path));
    Find<QPushButton>(window.get(), "btnDLFile")->click();
    EXPECT_EQ(Find<QPushButton>(window.get(), "btnDLFile")->text().toStdString(), params::Txt("msgCC"));
    QLabel* sent = Find<QLabel>(window.get(), "Label1");
    ProcessUntil([&] { return sent->text() == "2"; });
    EXPECT_EQ(sent->text(), "2");
    window->close();
    window.reset();
    EXPECT_FALSE(PrtLib_ExchangeOpen());
    QApplication::processEvents();
}

// Renders the window after opening in Simplified Chinese and English. With
// TOLVANE_SCREENSHOT_DIR set (scripts/screenshots.sh), the pictures are
// saved there as file-download-zh-CN.png and file-download-en.png.
TEST_F(FileWindowTest, RendersInBothLanguages) {
    const std::pair<const char*, const char*> languages[] = {{"-CN", "zh-CN"}, {"-EN", "en"}};
    for (const auto& [languageSwitch, suffix] : languages) {
        SelectListedPrinter("Ardel", StartPrinter("ardel_tspl.profile"), languageSwitch);
        printer->changePrinter([](emulator::Printer& p) {
            p.files().store({"direct", 'E', "LOGO.BMP", {1}});
            p.files().store({"direct", 'E', "SHELF.BAS", {1}});
        });
        auto window = std::make_unique<TfrmDLFile>();
        window->show();
        window->Dialog().DoActive_Bitmap("btnGetAllImage");
        window->Dialog().DoActive_Label("btnGetAllTmp");
        QApplication::processEvents();
        EXPECT_EQ(Find<QPushButton>(window.get(), "btnDLFile")->text().toStdString(), params::Txt("msgDL"));
        EXPECT_EQ(Find<QListWidget>(window.get(), "lvFonts")->count(), 1);
        SaveScreenshot(*window, QString("file-download-%1").arg(suffix));
        window.reset();
        PrtLib_Close(TPrtLib::Tsprix);
        printer.reset();
        MainWindowDestroySteps();
        AfterMessageLoop();
    }
}

} // namespace
} // namespace tolvane::test
