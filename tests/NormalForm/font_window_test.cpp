// The font and TSPL file manager windows offscreen: registered for the main
// window, a font selected in the window's table and deleted, the user font
// transfer run by the window's timer, the manager's list, and the
// screenshots in both languages.
#include "FormDLFont.h"
#include "ParamsFixture.h"
#include "WindowTestHelpers.h"
#include "gui/mdlFileChooser.h"
#include "mdlDialogRegistry.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_Call.h"

#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace tolvane::test {
namespace {

class FontWindowTest : public EmulatedPrinterTest {
  protected:
    void StoreFiles() {
        printer->changePrinter([](emulator::Printer& p) {
            p.files().store({"fonts", 'R', "A.TTF", {1}});
            p.files().store({"fonts", 'E', "B.TTF", {1}});
            p.files().store({"card", 'F', "A.BAS", {1}});
            p.files().store({"card", 'F', "B.PCX", {1}});
        });
    }
    static void Save(QWidget& window, const std::string& name, const char* suffix) {
        SaveScreenshot(window, QString("%1-%2").arg(QString::fromStdString(name), suffix));
    }
};

TEST_F(FontWindowTest, RegisteredForTheMainWindow) {
    RegisterFontDialogs();
    for (const char* name : {"TfrmDLF", "TfrmDLUF", "T_frmTempletManage", "T_frmImagesManageTSPL"}) {
        EXPECT_TRUE(FindDialog(name)) << name;
    }
}

TEST_F(FontWindowTest, TheTsplManagerDoesNotOpenEmptyWhenThePrinterDoesNotAnswer) {
    RegisterFontDialogs();
    SelectListedPrinter("Kavo", StartPrinter("kavo_tspl.profile"));
    std::string error;
    ASSERT_TRUE(printer->addFault("*=silent", error)) << error;
    // Any window that opens is noted and closed, so that the test goes on.
    bool opened = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->close();
        }
    });
    watch.start(20);
    FindDialog("T_frmTempletManage")(nullptr);
    watch.stop();
    EXPECT_FALSE(opened);
    ASSERT_EQ(Boxes("error").size(), 1u);
    EXPECT_EQ(Boxes("error")[0].text, params::Txt("_Err_ReadData"));
    PrtLib_Close(TPrtLib::Tsprix);
}

TEST_F(FontWindowTest, AFontChosenInTheTableIsDeleted) {
    SelectListedPrinter("Kavo", StartPrinter("kavo_tspl.profile"));
    StoreFiles();
    auto window = std::make_unique<TfrmDLF>();
    window->show();
    QApplication::processEvents();
    auto* table = Find<QTreeWidget>(window.get(), "lvFonts");
    ASSERT_EQ(table->topLevelItemCount(), 2);
    table->setCurrentItem(table->topLevelItem(1));
    EXPECT_EQ(window->Dialog().Form()["lvFonts"].index, 1);
    // The question answered Cancel: nothing goes to the printer.
    printer->clearRecords();
    Find<QPushButton>(window.get(), "btnDeleteCurFont")->click();
    ASSERT_EQ(Boxes("ask").size(), 1u);
    EXPECT_EQ(Boxes("ask")[0].text, LangText("FormDLF_DelCurrentTip"));
    EXPECT_EQ(table->topLevelItemCount(), 2);
    EXPECT_TRUE(Keys("do").empty());
    sink.answers.push_back(true);
    Find<QPushButton>(window.get(), "btnDeleteCurFont")->click();
    EXPECT_EQ(table->topLevelItemCount(), 1);
    ASSERT_TRUE(printer->waitFor([](const emulator::Record& r) {
        return r.key == "delete" && r.value.find("E_B.TTF") != std::string::npos;
    }));
    window->close();
    window.reset();
    EXPECT_FALSE(PrtLib_ExchangeOpen());
}

// The chooser offers both font types; without a file "Download" says so; a
// download does not move the delete buttons; the Close button ends the
// window.
TEST_F(FontWindowTest, OffersBothFontTypesKeepsItsButtonsInPlaceAndCloses) {
    SelectListedPrinter("Kavo", StartPrinter("kavo_tspl.profile"));
    TScriptedFileChooser chooser;
    SetFileChooser(&chooser);
    auto window = std::make_unique<TfrmDLF>();
    window->show();
    QApplication::processEvents();
    Find<QPushButton>(window.get(), "btnDLFont")->click();
    ASSERT_EQ(Boxes("info").size(), 1u);
    EXPECT_EQ(Boxes("info")[0].text, params::Txt("FormDL_ChooseFileFirst"));

    const std::string path = (std::filesystem::path(home.Path()) / "SIMSUN.TTF").string();
    std::ofstream(path, std::ios::binary) << std::string(3000, 'f');
    chooser.answers.push_back(path);
    Find<QPushButton>(window.get(), "Button2")->click();
    ASSERT_EQ(chooser.requests.size(), 1u);
    EXPECT_EQ(chooser.requests[0].filter, "Fonts (*.ttf *.prtf)");

    const QSize size = window->size();
    QPushButton* deleteAll = Find<QPushButton>(window.get(), "btnDeleteAllFont");
    const QPoint place = deleteAll->pos();
    auto& dialog = window->Dialog();
    Find<QPushButton>(window.get(), "btnDLFont")->click();
    EXPECT_TRUE(ProcessUntil([&] { return dialog.Outcome() != download::TDLFontDialog::TOutcome::None; }));
    EXPECT_EQ(dialog.Outcome(), download::TDLFontDialog::TOutcome::Success);
    QApplication::processEvents();
    EXPECT_EQ(deleteAll->pos(), place);
    EXPECT_EQ(window->size(), size);

    QPushButton* close = Find<QPushButton>(window.get(), "btnClose");
    EXPECT_EQ(close->text().toStdString(), params::Txt("_Close"));
    close->click();
    EXPECT_TRUE(ProcessUntil([&] { return !window->isVisible(); }));
    SetFileChooser(nullptr);
    window.reset();
    EXPECT_FALSE(PrtLib_ExchangeOpen());
}

TEST_F(FontWindowTest, TheUserFontTimerRunsTheTransfer) {
    SelectListedPrinter("Kavo", StartPrinter("kavo_tspl.profile"));
    const std::string path = (std::filesystem::path(home.Path()) / "u.bin").string();
    std::ofstream(path, std::ios::binary) << std::string(1500, 'u');
    auto window = std::make_unique<TfrmDLUF>();
    window->show();
    ASSERT_TRUE(window->Dialog().ChooseFile(path));
    Find<QPushButton>(window.get(), "btnDownload")->click();
    ProcessUntil([&] { return window->Dialog().Outcome() != download::TDLUserFontDialog::TOutcome::None; });
    EXPECT_EQ(window->Dialog().Outcome(), download::TDLUserFontDialog::TOutcome::Success);
    window->close();
}

// With TOLVANE_SCREENSHOT_DIR set (scripts/screenshots.sh) the windows are
// saved there as fonts-*, user-font-*, tspl-files-* and tspl-batch-download-*
// in both languages.
TEST_F(FontWindowTest, RendersInBothLanguages) {
    const std::pair<const char*, const char*> languages[] = {{"-CN", "zh-CN"}, {"-EN", "en"}};
    for (const auto& [languageSwitch, suffix] : languages) {
        SelectListedPrinter("Kavo", StartPrinter("kavo_tspl.profile"), languageSwitch);
        StoreFiles();
        {
            TfrmDLF fonts;
            fonts.show();
            QApplication::processEvents();
            EXPECT_EQ(Find<QTreeWidget>(&fonts, "lvFonts")->topLevelItemCount(), 2);
            Save(fonts, "fonts", suffix);
            fonts.close();
        }
        {
            TfrmDLUF userFonts;
            userFonts.show();
            QApplication::processEvents();
            Save(userFonts, "user-font", suffix);
            userFonts.close();
        }
        {
            T_frmTempletManage manager;
            manager.show();
            QApplication::processEvents();
            EXPECT_EQ(Find<QListWidget>(&manager, "lstImagesList")->count(), 2);
            Save(manager, "tspl-files", suffix);
            manager.close();
        }
        {
            const std::filesystem::path file = std::filesystem::temp_directory_path() / "LABEL.BAS";
            std::ofstream(file) << "SIZE 40 mm,30 mm\r\n";
            download::TTsplBatchDownload batch(true);
            batch.FormShow(); // as the manager's download button does
            batch.AddFile(file.string());
            T_frmDownloadFile_TSPL batchWindow(batch);
            batchWindow.show();
            QApplication::processEvents();
            Save(batchWindow, "tspl-batch-download", suffix);
            batchWindow.close();
        }
        PrtLib_Close(TPrtLib::Tsprix);
        printer.reset();
        MainWindowDestroySteps();
        AfterMessageLoop();
    }
}

} // namespace
} // namespace tolvane::test
