// TFTNVar: the feature-number lists, held by TOstrelVar for the run. Two
// kinds of key answer:
//  - the built-in feature numbers ("FTNNo_WifiSet_0", ...,
//    "FTNNo_btnPrintText_0"), built at the main window's first show;
//  - the catalogue feature numbers: "FTNNo_" + X stands for the catalogue
//    key "FTN_" + X for the eleven X below, read once at the first show.
// Any other key has no list.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace tolvane {

class TFTNVar {
  public:
    // The X of the catalogue feature numbers.
    static constexpr std::array<std::string_view, 11> kCatalogueFeatures = {"PrintableWidth_NotVisible",
                                                                            "PrintText_Type1",
                                                                            "PrintTextLanguage_NotVisible",
                                                                            "PaperWidth_1",
                                                                            "DfuBin_Visible",
                                                                            "Dfu_Head_BinType1",
                                                                            "Dfu_UpdateMethod1",
                                                                            "GetProduceDate_Type1",
                                                                            "GetFirmwareVer_Type1",
                                                                            "btnPrintText_Form1",
                                                                            "PrintText_GetPaperMode"};

    // The built-in feature numbers. "FTNNo_btnPrintText_0" is the catalogue
    // value of "NIsbtnPrintText", except for a Mobile edition whose record
    // asks for the fixed test-print list, which uses its built-in list.
    void BuildFeatureLists(const std::string& toolType, const std::string& oemCo);
    // Reads the catalogue feature numbers.
    void LoadCatalogueFeatures();

    // The model list of a feature number key; empty for an unknown key.
    std::string ModelList(std::string_view key) const;
    // Whether model is in that list.
    bool HasFeature(std::string_view key, std::string_view model) const;

  private:
    mutable std::mutex mutex_;
    std::map<std::string, std::string, std::less<>> builtIn_;
    std::map<std::string, std::string, std::less<>> catalogue_;
};

} // namespace tolvane
