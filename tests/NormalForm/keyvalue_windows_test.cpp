// The Dresk, Miro and Quistel parameter windows, the advanced settings and
// the Ethernet dialog offscreen: registered for
// the parameter button, read when shown, and rendered in both languages.
#include "ParamsFixture.h"
#include "mdlDialogRegistry.h"
#include "mdlFormView.h"
#include "mdlParaDialogViews.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterLib.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>

#include <cstdlib>

namespace tolvane::test {
namespace {

class KeyValueWindowTest : public EmulatedPrinterTest {};

TEST_F(KeyValueWindowTest, RegisteredForTheParameterButton) {
    ClearDialogRegistry();
    RegisterParameterDialogs();
    for (const char* className : {"T_frmParaSet_Dresk", "T_frmParaSet_Miro", "T_frmParaSet_Quistel",
                                  "TfrmAdvancedSettings", "TFormNet"}) {
        EXPECT_TRUE(FindDialog(className)) << className;
    }
    ClearDialogRegistry();
}

// Each window after its read in Simplified Chinese and English. With
// TOLVANE_SCREENSHOT_DIR set the pictures are saved there as
// parameters-<family>-<language>.png.
TEST_F(KeyValueWindowTest, ReadsWhenShownAndRendersInBothLanguages) {
    struct Case {
        const char* family;
        const char* listName;
        const char* profile;
        const char* className;
        const char* field; // a field the read fills
        const char* value;
    };
    const Case cases[] = {
        {"dresk", "Dresk-4T", "dresk_tspl.profile", "T_frmParaSet_Dresk", "txtTearOff", "-5"},
        {"miro", "Navra", "miro_cpcl.profile", "T_frmParaSet_Miro", "txtPrintToStop", "12"},
        {"quistel", "Quistel-C", "quistel_tspl.profile", "T_frmParaSet_Quistel", "txtPrintToStop", "-5"},
        {"network", "Halden", "halden_tspl.profile", "TFormNet", "txtIP4", "170"},
        {"advanced", "Halden", "halden_tspl.profile", "TfrmAdvancedSettings", nullptr, nullptr},
    };
    const std::pair<const char*, const char*> languages[] = {{"-CN", "zh-CN"}, {"-EN", "en"}};
    for (const Case& c : cases) {
        for (const auto& [languageSwitch, suffix] : languages) {
            SCOPED_TRACE(std::string(c.family) + " " + suffix);
            SelectListedPrinter(c.listName, StartPrinter(c.profile), languageSwitch);
            std::unique_ptr<TFormView> window = CreateParaDialogWindow(c.className, nullptr);
            ASSERT_TRUE(window);
            window->show();
            QApplication::processEvents();
            if (c.field != nullptr) {
                auto* field = window->findChild<QLineEdit*>(c.field);
                ASSERT_NE(field, nullptr);
                EXPECT_EQ(field->text().toStdString(), c.value);
                EXPECT_EQ(window->findChild<QPushButton*>("btnSet")->text().toStdString(),
                          params::Txt("_Set"));
            } else {
                auto* ethernet = window->findChild<QPushButton*>("btnEthernetSetting");
                ASSERT_NE(ethernet, nullptr);
                EXPECT_TRUE(ethernet->isVisible());
            }
            const QImage picture = window->grab().toImage();
            EXPECT_EQ(picture.size(), window->size());
            if (const char* folder = std::getenv("TOLVANE_SCREENSHOT_DIR")) {
                const QString path = QString("%1/parameters-%2-%3.png").arg(folder, c.family, suffix);
                EXPECT_TRUE(picture.save(path)) << path.toStdString();
            }
            window.reset();
            PrtLib_Close(TPrtLib::Tsprix);
            PrtLib_Close(TPrtLib::Cobrix);
            printer.reset();
            MainWindowDestroySteps();
            AfterMessageLoop();
        }
    }
}

} // namespace
} // namespace tolvane::test
