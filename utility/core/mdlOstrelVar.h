// TOstrelVar: the application state: option and system-parameter files, the
// current device object, the edition, the option tables of the parameter
// dialogs, the mode copies, the feature-list object and the interface font.
#pragma once

#include "mdlDevNewPrt.h"
#include "mdlLangFont.h"
#include "mdlOemClass.h"

#include <memory>
#include <string>
#include <vector>

namespace tolvane {

class TFTNVar;

// One entry of an option list: the value code sent and the text shown.
struct TOptionItem {
    std::string value;
    std::string text;
};

struct TOptionTables {
    // Paper types as three parallel arrays.
    std::vector<std::string> PaperValues;
    std::vector<std::string> PaperCommands;
    std::vector<std::string> PaperTexts;
    std::vector<TOptionItem> YesNo;
    std::vector<TOptionItem> EnableDisable;
    std::vector<TOptionItem> Protocols; // CPCL and ESC
    std::vector<TOptionItem> ZeroToThree;
};

class TOstrelVar {
  public:
    // Fixes the option file, reads "ToolType" and "OemCo" from it, creates
    // the device object (registered as the program's) and the feature-list
    // object, builds the option tables and copies the factory mode and
    // NormalUser.
    TOstrelVar();
    // Frees the device object, then the feature-list object.
    ~TOstrelVar();
    TOstrelVar(const TOstrelVar&) = delete;
    TOstrelVar& operator=(const TOstrelVar&) = delete;

    // First show: selects and initialises the edition from ToolType and
    // OemCo, fixes the edition data folder (the edition's, else the per-user
    // default folder) and the system parameter file, and loads the saved
    // language.
    void SelectEdition();
    // Rebuilds the option tables from the current language texts.
    void BuildOptionTables();
    // Whether the current printer's model is in the built-in model list of
    // a feature number key.
    bool HasFeature(const std::string& featureKey) const;
    // The model name of the current device object ("" without one).
    std::string CurrentModel() const;

    bool OptionsInitialised = false;
    bool OptionsFromFile = true;
    std::string OptionFile;
    std::string SysPmFile;
    bool SysPmInFile = true;
    std::string SysPmSection = "SysPm";
    std::string SysPmKey = "ToolLang";
    std::string SavedLanguage;
    std::unique_ptr<TDevNewPrt> DevNewPrt;
    std::string ToolTypeText;
    std::string OemCoText;
    std::unique_ptr<TOemClass> Oem;
    TOptionTables Options;
    bool FactoryMode = false;
    int NormalUser = 1;
    std::shared_ptr<TFTNVar> FeatureList;
    TLangFont Font;
};

} // namespace tolvane
