// The file dialog windows offscreen: registered for the main window's
// file-management button, texts from the dialog, queued progress updates
// from the worker threads, closing in the middle of a transfer, and the
// screenshots in both languages.
#include "FormDLFile.h"
#include "ParamsFixture.h"
#include "WindowTestHelpers.h"
#include "gui/mdlFileChooser.h"
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

// Without a file "Download" says so; the chooser offers every image type,
// or the label files; a download neither grows the window nor moves its
// buttons; the Close button ends the window.
TEST_F(FileWindowTest, AsksForAFileOffersEveryTypeKeepsItsSizeAndCloses) {
    SelectListedPrinter("Vorlan", StartPrinter("kavo_tspl.profile"));
    TScriptedFileChooser chooser;
    SetFileChooser(&chooser);
    auto window = std::make_unique<TfrmDLFile>();
    window->show();
    QApplication::processEvents();
    auto& dialog = window->Dialog();
    QPushButton* download = Find<QPushButton>(window.get(), "btnDLFile");
    download->click();
    ASSERT_EQ(Boxes("info").size(), 1u);
    EXPECT_EQ(Boxes("info")[0].text, params::Txt("FormDL_ChooseFileFirst"));
    EXPECT_TRUE(printer->records().empty() || Keys("do").empty());

    QPushButton* browse = Find<QPushButton>(window.get(), "Button7");
    browse->click(); // images, cancelled
    dialog.Form().SetIndex("cmbFileType", 1);
    dialog.cmbFileTypeChange();
    const std::string path = (std::filesystem::path(home.Path()) / "shelf.prn").string();
    std::ofstream(path, std::ios::binary) << std::string(3000, 'q');
    chooser.answers.push_back(path);
    browse->click();
    ASSERT_EQ(chooser.requests.size(), 2u);
    EXPECT_EQ(chooser.requests[0].filter, "Images (*.bmp *.png *.jpg *.jpeg *.gif)");
    EXPECT_EQ(chooser.requests[1].filter, "Label files (*.prn)");
    EXPECT_EQ(dialog.Form()["txtFilePath"].text, path);

    const QSize size = window->size();
    QPushButton* deleteAll = Find<QPushButton>(window.get(), "btnDelAllImage");
    const QPoint place = deleteAll->mapTo(window.get(), QPoint(0, 0));
    download->click();
    EXPECT_TRUE(ProcessUntil([&] { return dialog.Outcome() != download::TDLFileDialog::TOutcome::None; }));
    EXPECT_EQ(dialog.Outcome(), download::TDLFileDialog::TOutcome::Success);
    QApplication::processEvents();
    EXPECT_EQ(window->size(), size);
    EXPECT_EQ(deleteAll->mapTo(window.get(), QPoint(0, 0)), place);

    QPushButton* close = Find<QPushButton>(window.get(), "btnClose");
    EXPECT_EQ(close->text().toStdString(), params::Txt("_Close"));
    close->click();
    EXPECT_TRUE(ProcessUntil([&] { return !window->isVisible(); }));
    SetFileChooser(nullptr);
    window.reset();
    EXPECT_FALSE(PrtLib_ExchangeOpen());
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
