// The parameter-block windows offscreen: one view for the eighteen
// families, registered under each class name, built from the family's form
// data and filled by the read.
#include "BlockFamilyPrinters.h"
#include "ParamsFixture.h"
#include "WindowTestHelpers.h"
#include "mdlDialogRegistry.h"
#include "mdlFormView.h"
#include "mdlHeadlessSession.h"
#include "mdlParaDialogViews.h"
#include "mdlParaSetBlock.h"
#include "mdlPrinterLib.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>

#include <cstdlib>

namespace tolvane::test {
namespace {

class BlockWindowTest : public EmulatedPrinterTest {
  protected:
    std::unique_ptr<TFormView> OpenWindow(const std::string& className, const std::string& listName,
                                          const std::string& profile, const char* languageSwitch = "-EN") {
        SelectListedPrinter(listName, StartPrinter(profile), languageSwitch);
        std::unique_ptr<TFormView> window = CreateParaDialogWindow(className, nullptr);
        EXPECT_TRUE(window) << className;
        return window;
    }
    // Shows the window and lets its read timer run until the block was read.
    static void ShowAndRead(TFormView& window) {
        window.show();
        auto& block = static_cast<params::TParaSetBlock&>(window.Dialog());
        // The read timer fires after the first paint; then the read runs.
        EXPECT_TRUE(ProcessUntil([&] { return block.BlockRead; }));
        QApplication::processEvents();
    }
    void NextSession() {
        PrtLib_Close(TPrtLib::Escrix);
        PrtLib_Close(TPrtLib::Tsprix);
        printer.reset();
        EndHeadlessSession();
    }
};

TEST_F(BlockWindowTest, EveryFamilyIsRegisteredForTheParameterButton) {
    ClearDialogRegistry();
    RegisterParameterDialogs();
    for (const params::TBlockFamily family : params::AllBlockFamilies()) {
        EXPECT_TRUE(FindDialog(params::BlockDialogClassName(family))) << params::FamilyToken(family);
    }
    ClearDialogRegistry();
}

// Each family's window opens for a printer of the family, reads its block
// and has a widget for every control of its form.
TEST_F(BlockWindowTest, EveryFamilysWindowOpensAndReads) {
    for (const FamilyCase& f : kBlockFamilyPrinters) {
        const std::string className = params::BlockDialogClassName(f.family);
        SCOPED_TRACE(className);
        std::unique_ptr<TFormView> window = OpenWindow(className, f.listName, f.profile);
        ASSERT_TRUE(window);
        ShowAndRead(*window);
        EXPECT_TRUE(static_cast<params::TParaSetBlock&>(window->Dialog()).BlockRead);
        for (const params::TControl* control : window->Dialog().Form().Controls()) {
            EXPECT_NE(window->Widget(control->name), nullptr) << control->name;
        }
        EXPECT_TRUE(Boxes("error").empty());
        window.reset();
        NextSession();
    }
}

TEST_F(BlockWindowTest, TheWindowShowsTheBlockAndWritesTheUsersChoice) {
    std::unique_ptr<TFormView> window = OpenWindow("T_frmParaSet_Gulvo", "Gulvo-80", "gulvo_esc.profile");
    ShowAndRead(*window);
    EXPECT_EQ(window->windowTitle().toStdString(), params::Txt("_ParaSet"));
    EXPECT_EQ(Find<QLineEdit>(window.get(), "txtIP1")->text(), "192");
    EXPECT_EQ(Find<QLineEdit>(window.get(), "txtLabelMaxLength")->text(), "100");
    EXPECT_EQ(Find<QComboBox>(window.get(), "cmbCodepage")->currentText(), "WPC1252");
    EXPECT_EQ(Find<QGroupBox>(window.get(), "gpbLanguage")->title().toStdString(),
              params::Txt("FormParaSet_Tramwe_gpbLanguage"));
    EXPECT_EQ(window->size().width(), window->Dialog().Form().ClientWidth());

    auto* density = Find<QComboBox>(window.get(), "cmbDensity");
    ASSERT_NE(density, nullptr);
    density->setCurrentIndex(2);
    Q_EMIT density->activated(2);
    Find<QPushButton>(window.get(), "btnSet")->click();
    ASSERT_TRUE(printer->waitForCommand("block_write"));
    EXPECT_EQ(printer->settings().block[34], 2);
    EXPECT_TRUE(window->Dialog().CloseRequested());
}

// Renders two families after their read in Simplified Chinese and English.
// With TOLVANE_SCREENSHOT_DIR set (scripts/screenshots.sh), the pictures
// are saved there as parameters-<family>-zh-CN.png and -en.png.
TEST_F(BlockWindowTest, RendersInBothLanguages) {
    struct Family {
        const char* className;
        const char* listName;
        const char* profile;
        const char* file;
    } families[] = {
        {"T_frmParaSet_Gulvo", "Gulvo-80", "gulvo_esc.profile", "gulvo"},
        {"T_frmParaSet_Sendo", "TessinBT", "tessin_cpcl.profile", "sendo"},
    };
    const std::pair<const char*, const char*> languages[] = {{"-CN", "zh-CN"}, {"-EN", "en"}};
    for (const Family& family : families) {
        for (const auto& [languageSwitch, suffix] : languages) {
            std::unique_ptr<TFormView> window =
                OpenWindow(family.className, family.listName, family.profile, languageSwitch);
            ShowAndRead(*window);
            EXPECT_EQ(Find<QPushButton>(window.get(), "btnSet")->text().toStdString(), params::Txt("_Set"));
            SaveScreenshot(*window, QString("parameters-%1-%2").arg(family.file, suffix));
            window.reset();
            NextSession();
        }
    }
}

} // namespace
} // namespace tolvane::test
