#include "mdlMainButtons.h"

#include "mdlModelListNames.h"
#include "mdlPrinterLib.h"

namespace tolvane {
namespace {

constexpr int kGridGap = 19;
constexpr int kGridTop = 25;
constexpr int kGridLeft = 33;

bool RuleDecides(int rule, bool& shown) {
    if (rule == 1 || rule == 2) {
        shown = rule == 1;
        return true;
    }
    return false;
}

bool FrontLearnShown(const TPrinterFacts& facts) {
    bool shown = facts.In("IsbtnFrontLearn", facts.model) || facts.In("IsbtnFrontLearn", facts.listName);
    RuleDecides(facts.frontLearnRule, shown);
    return shown;
}

bool CommandTestShown(const TPrinterFacts& facts) {
    if (facts.InBuiltIn(lists::CommandTestHiddenNames, facts.listName)) {
        return false;
    }
    bool shown = false;
    if (RuleDecides(facts.commandTestRule, shown)) {
        return shown;
    }
    return facts.In("IsbtnCommandTest", facts.model) ||
           facts.InBuiltIn(lists::CommandTestModels, facts.model);
}

bool Shown(TFuncButton button, const TPrinterFacts& facts) {
    const std::string& model = facts.model;
    switch (button) {
    case TFuncButton::PrinterInformation:
        return !facts.In("NIsbtnPrinterInformation", model) && !InformationRefused(facts);
    case TFuncButton::PrintText:
        return !facts.InBuiltIn(lists::PrintTextHiddenModels, model) &&
               !facts.InBuiltIn(lists::PrintTextHiddenModels, facts.listName);
    case TFuncButton::StartLearn:
        return !facts.In("NIsbtnStartLearn", model);
    case TFuncButton::FrontLearn:
        return FrontLearnShown(facts);
    case TFuncButton::FileManagement:
        return facts.In("IsbtnDLF", model);
    case TFuncButton::ModelTest:
        return facts.In("IsbtnModel", model);
    case TFuncButton::UserFont:
        return facts.In("x1", model);
    case TFuncButton::Font:
        return facts.In("IsbtnDLFont", model);
    case TFuncButton::CommandTest:
        return CommandTestShown(facts);
    case TFuncButton::PrinterStatus:
        return facts.In("IsbtnPrinterStatus", model);
    case TFuncButton::ScanTest:
        return facts.In("HaveScanTest", model);
    case TFuncButton::AdvancedSettings:
        return facts.debugMode || facts.In("FTN_AdvancedSettings_0", model);
    case TFuncButton::RfidSet:
        return facts.rfidList.find("," + model + ",") != std::string::npos;
    case TFuncButton::PrintConfigInfo:
    case TFuncButton::ParameterSetting:
    case TFuncButton::FactorySetting:
        break;
    }
    return true;
}

} // namespace

bool InformationRefused(const TPrinterFacts& facts) {
    return facts.knownProtocol == kLangEsc;
}

const std::vector<TFuncButtonName>& FuncButtonNames() {
    static const std::vector<TFuncButtonName> names = {
        {TFuncButton::PrinterInformation, "btnPrinterInformation"},
        {TFuncButton::PrintText, "btnPrintText"},
        {TFuncButton::PrintConfigInfo, "btnPrintConfigInfo"},
        {TFuncButton::StartLearn, "btnStartLearn"},
        {TFuncButton::FrontLearn, "btnFrontLearn"},
        {TFuncButton::ParameterSetting, "btnParameterSetting"},
        {TFuncButton::FactorySetting, "btnFactorySetting"},
        {TFuncButton::FileManagement, "Button2"},
        {TFuncButton::ModelTest, "btnModelTest"},
        {TFuncButton::UserFont, "Button3"},
        {TFuncButton::Font, "Button1"},
        {TFuncButton::CommandTest, "btnCommandTest"},
        {TFuncButton::PrinterStatus, "Button4"},
        {TFuncButton::ScanTest, "btnScanTest"},
        {TFuncButton::AdvancedSettings, "btnAdvancedSettings"},
        {TFuncButton::RfidSet, "btnRfidSet"},
    };
    return names;
}

std::vector<TFuncButton> VisibleFuncButtons(const TPrinterFacts& facts) {
    std::vector<TFuncButton> visible;
    for (const TFuncButtonName& entry : FuncButtonNames()) {
        if (Shown(entry.button, facts)) {
            visible.push_back(entry.button);
        }
    }
    return visible;
}

bool SysParaButtonVisible(const TPrinterFacts& facts) {
    return !facts.InBuiltIn(lists::SysParaHiddenModels, facts.model) &&
           !facts.InBuiltIn(lists::SysParaHiddenModels, facts.listName);
}

TGridPlace GridPlace(int n, int buttonWidth, int buttonHeight) {
    const int top = (n / 2) * (buttonHeight + kGridGap) + kGridTop;
    const int left = n % 2 == 0 ? kGridLeft : kGridLeft * 2 + buttonWidth;
    return {left, top};
}

int GridRows(int visibleCount) {
    return (visibleCount + 1) / 2;
}

int GroupHeight(int rows, int buttonHeight) {
    return rows * (buttonHeight + kGridGap) + 30;
}

int WindowHeight(int groupTop, int rows, int buttonHeight, int quitHeight) {
    return groupTop + rows * (buttonHeight + kGridGap) + quitHeight + 80;
}

} // namespace tolvane
