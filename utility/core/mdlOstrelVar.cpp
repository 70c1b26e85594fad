#include "mdlOstrelVar.h"

#include "mdlConstVar.h"
#include "mdlCoreHooks.h"
#include "mdlFileUtil.h"
#include "mdlGlobal.h"
#include "mdlGlobalObjects.h"
#include "mdlGlobal_Permission.h"
#include "mdlIniDocument.h"
#include "mdlIniFile.h"
#include "mdlModelList.h"
#include "mdlOptions.h"
#include "mdlPaths.h"

namespace tolvane {

TOstrelVar::TOstrelVar()
    : OptionFile(FilesFolder() + kOptionFileName), DevNewPrt(std::make_unique<TDevNewPrt>()) {
    ToolTypeText = IniReadString(OptionFile, "Option", "ToolType");
    OemCoText = IniReadString(OptionFile, "Option", "OemCo");
    SetCurrentDevNewPrt(DevNewPrt.get());
    if (CoreHooks().CreateFeatureList) {
        FeatureList = CoreHooks().CreateFeatureList();
    }
    BuildOptionTables();
    FactoryMode = tolvane::FactoryMode();
    NormalUser = tolvane::NormalUser();
}

TOstrelVar::~TOstrelVar() {
    if (CurrentDevNewPrt() == DevNewPrt.get()) {
        SetCurrentDevNewPrt(nullptr);
    }
    DevNewPrt.reset();
    FeatureList.reset();
}

void TOstrelVar::SelectEdition() {
    Oem = SelectOemEdition(Globals().ToolType, Globals().OemCo);
    std::string dataFolder = Oem->DataFolder;
    if (IniTrim(dataFolder).empty()) {
        dataFolder = DefaultUserDataFolder();
        ForceDirectories(dataFolder);
    }
    SysPmFile = dataFolder + kSysPmFileName;
    SavedLanguage = PrepareSysPmFile(SysPmFile);
    OptionsInitialised = true;
}

void TOstrelVar::BuildOptionTables() {
    const TConstLangV* lang = GlobalObjects().ConstLangV.get();
    const auto text = [lang](std::string TConstLangV::*field) { return lang != nullptr ? lang->*field : ""; };
    const auto code = [](std::size_t position) { return std::to_string(TConstVar::Nth(position)); };

    // Paper types: continuous, gap label, black mark, with the sensor words
    // the key-value printers use. The yes/no, enable/disable and protocol
    // codes are TConstVar's (yes 1 and no 0 are its first two codes, enable 1
    // and disable 0 its fourth and third, CPCL 1 and ESC 0 its seventh and
    // eighth).
    Options.PaperValues = {"0", "1", "2"};
    Options.PaperCommands = {"continuous", "gap", "bline"};
    Options.PaperTexts = {text(&TConstLangV::PaperType_Receipt), text(&TConstLangV::PaperType_Label),
                          text(&TConstLangV::PaperType_BlackMark)};
    Options.YesNo = {{code(1), text(&TConstLangV::NeededY)}, {code(2), text(&TConstLangV::NeededN)}};
    Options.EnableDisable = {{code(4), text(&TConstLangV::Btn_Enable)},
                             {code(3), text(&TConstLangV::Btn_Disable)}};
    Options.Protocols = {{code(7), text(&TConstLangV::Word_ProtocolT_CPCL)},
                         {code(8), text(&TConstLangV::Word_ProtocolT_ESC)}};
    Options.ZeroToThree = {{"0", "0"}, {"1", "1"}, {"2", "2"}, {"3", "3"}};
}

std::string TOstrelVar::CurrentModel() const {
    const TDevBasePrt* device = DevNewPrt ? DevNewPrt->Device() : nullptr;
    return device != nullptr ? device->ModelName : std::string();
}

bool TOstrelVar::HasFeature(const std::string& featureKey) const {
    if (!CoreHooks().FeatureModelList) {
        return false;
    }
    return IsModelInList(CurrentModel(), CoreHooks().FeatureModelList(featureKey));
}

} // namespace tolvane
