// Which function buttons the main window shows, and the grid numbers.
#include "mdlMainButtons.h"
#include "mdlModelListNames.h"
#include "mdlPrinterLib.h"

#include <gtest/gtest.h>

#include <map>

namespace tolvane {
namespace {

using enum TFuncButton;

TPrinterFacts FactsFor(const std::string& listName, const std::string& model,
                       std::map<std::string, std::string, std::less<>> catalogue) {
    TPrinterFacts facts;
    facts.listName = listName;
    facts.model = model;
    facts.inCatalogue = [catalogue](std::string_view key, const std::string& name) {
        const auto found = catalogue.find(key);
        return found != catalogue.end() && found->second.find("," + name + ",") != std::string::npos;
    };
    facts.inBuiltIn = [](std::string_view list, const std::string& name) {
        return (list == lists::CommandTestHiddenNames && name == "Hidden Name") ||
               (list == lists::CommandTestModels && name == "BuiltInCmd") ||
               (list == lists::PrintTextHiddenModels && name == "NoPrint") ||
               (list == lists::SysParaHiddenModels && name == "NoSys");
    };
    return facts;
}

TEST(FunctionButtons, ShownByTheCatalogueListsInGridOrder) {
    const std::map<std::string, std::string, std::less<>> catalogue = {
        {"NIsbtnPrinterInformation", ",Plain,"},
        {"NIsbtnStartLearn", ",Plain,"},
        {"IsbtnFrontLearn", ",Rich,"},
        {"IsbtnDLF", ",Rich,"},
        {"IsbtnModel", ",Rich,"},
        {"x1", ",Rich,"},
        {"IsbtnDLFont", ",Rich,"},
        {"IsbtnCommandTest", ",Rich,"},
        {"IsbtnPrinterStatus", ",Rich,"},
        {"HaveScanTest", ",Rich,"},
        {"FTN_AdvancedSettings_0", ",Rich,"},
    };
    TPrinterFacts rich = FactsFor("Rich", "Rich", catalogue);
    rich.rfidList = ",Rich,";
    EXPECT_EQ(
        VisibleFuncButtons(rich),
        (std::vector<TFuncButton>{PrinterInformation, PrintText, PrintConfigInfo, StartLearn, FrontLearn,
                                  ParameterSetting, FactorySetting, FileManagement, ModelTest, UserFont, Font,
                                  CommandTest, PrinterStatus, ScanTest, AdvancedSettings, RfidSet}));
    EXPECT_EQ(VisibleFuncButtons(FactsFor("Plain", "Plain", catalogue)),
              (std::vector<TFuncButton>{PrintText, PrintConfigInfo, ParameterSetting, FactorySetting}));
    TPrinterFacts debug = FactsFor("Plain", "Plain", catalogue);
    debug.debugMode = true;
    EXPECT_EQ(VisibleFuncButtons(debug).back(), AdvancedSettings);
}

TEST(FunctionButtons, RecordRulesAndBuiltInGroupsOverrideTheLists) {
    const std::map<std::string, std::string, std::less<>> catalogue = {{"IsbtnFrontLearn", ",Front,"},
                                                                       {"IsbtnCommandTest", ",Front,"}};
    const auto shows = [](const TPrinterFacts& facts, TFuncButton button) {
        const std::vector<TFuncButton> visible = VisibleFuncButtons(facts);
        return std::find(visible.begin(), visible.end(), button) != visible.end();
    };
    TPrinterFacts facts = FactsFor("Front", "Front", catalogue);
    EXPECT_TRUE(shows(facts, FrontLearn));
    EXPECT_TRUE(shows(facts, CommandTest));
    facts.frontLearnRule = 2;
    facts.commandTestRule = 2;
    EXPECT_FALSE(shows(facts, FrontLearn));
    EXPECT_FALSE(shows(facts, CommandTest));
    TPrinterFacts other = FactsFor("Other", "Other", catalogue);
    other.frontLearnRule = 1;
    other.commandTestRule = 1;
    EXPECT_TRUE(shows(other, FrontLearn));
    EXPECT_TRUE(shows(other, CommandTest));
    EXPECT_FALSE(shows(FactsFor("Hidden Name", "Front", catalogue), CommandTest));
    EXPECT_TRUE(shows(FactsFor("Any", "BuiltInCmd", catalogue), CommandTest));
    EXPECT_FALSE(shows(FactsFor("NoPrint", "Model", catalogue), PrintText));
    EXPECT_FALSE(SysParaButtonVisible(FactsFor("X", "NoSys", catalogue)));
    EXPECT_TRUE(SysParaButtonVisible(FactsFor("X", "Front", catalogue)));
}

TEST(FunctionButtons, InformationOnlyWhereTheLanguageCanAnswerIt) {
    const auto shown = [](std::optional<int> knownProtocol) {
        TPrinterFacts facts = FactsFor("Any", "Any", {});
        facts.knownProtocol = knownProtocol;
        const std::vector<TFuncButton> visible = VisibleFuncButtons(facts);
        return std::find(visible.begin(), visible.end(), PrinterInformation) != visible.end();
    };
    EXPECT_FALSE(shown(kLangEsc)) << "ESC printers have no information";
    EXPECT_TRUE(shown(kLangTspl));
    EXPECT_TRUE(shown(kLangCpcl));
    EXPECT_TRUE(shown(std::nullopt)) << "a language asked from the printer keeps the button";
}

TEST(FunctionButtons, GridPlacesAndWindowHeight) {
    constexpr int width = 220;
    constexpr int height = 32;
    EXPECT_EQ(GridPlace(0, width, height).left, 33);
    EXPECT_EQ(GridPlace(0, width, height).top, 25);
    EXPECT_EQ(GridPlace(1, width, height).left, 33 * 2 + width);
    EXPECT_EQ(GridPlace(1, width, height).top, 25);
    EXPECT_EQ(GridPlace(6, width, height).left, 33);
    EXPECT_EQ(GridPlace(6, width, height).top, 3 * (height + 19) + 25);
    // Seven visible buttons fill four rows.
    EXPECT_EQ(GridRows(7), 4);
    EXPECT_EQ(GridRows(8), 4);
    EXPECT_EQ(GridRows(3), 2);
    EXPECT_EQ(GroupHeight(4, height), 4 * 51 + 30);
    EXPECT_EQ(WindowHeight(270, 4, height, 32), 270 + 4 * 51 + 32 + 80);
}

} // namespace
} // namespace tolvane
