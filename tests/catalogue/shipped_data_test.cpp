// The shipped model data (files/ of the source tree, which the build copies
// into the bundle) and the built-in data: every name belongs to the
// line-up, every dialog family, command language and main-window button has
// a model, and every model the printer libraries are asked to create exists
// in their model tables (checked through the real libraries).
#include "CatalogueFixture.h"
#include "cobrix.h"
#include "mdlCatalogueData.h"
#include "mdlMapModel.h"
#include "mdlModelList.h"
#include "mdlModelListNames.h"
#include "mdlPrinterLib.h"
#include "mdlProtocolLists.h"
#include "mdlTextLines.h"
#include "model_catalogue.h"

#include <dlfcn.h>
#include <map>
#include <set>
#include <stdexcept>

namespace tolvane::test {
namespace {

// The names of a model list, without empty entries.
std::vector<std::string> NamesOf(std::string_view list) {
    std::vector<std::string> names;
    for (std::string& name : SplitFields(list, ',')) {
        if (!name.empty()) {
            names.push_back(std::move(name));
        }
    }
    return names;
}

// One printer library, opened as the utility opens it.
class PrinterLibrary {
  public:
    explicit PrinterLibrary(const char* path) : module_(::dlopen(path, RTLD_NOW | RTLD_LOCAL)) {
        if (module_ == nullptr) {
            throw std::runtime_error(::dlerror());
        }
        create_ = reinterpret_cast<decltype(&PrinterCreator)>(::dlsym(module_, "PrinterCreator"));
        destroy_ = reinterpret_cast<decltype(&PrinterDestroy)>(::dlsym(module_, "PrinterDestroy"));
    }
    ~PrinterLibrary() { ::dlclose(module_); }
    PrinterLibrary(const PrinterLibrary&) = delete;
    PrinterLibrary& operator=(const PrinterLibrary&) = delete;

    // Whether PrinterCreator accepts the model.
    bool Creates(const std::string& model) const {
        const std::u16string name(model.begin(), model.end());
        PrinterHandle handle = nullptr;
        const int result = create_(&handle, name.c_str());
        if (handle != nullptr) {
            destroy_(handle);
        }
        return result == 0;
    }

  private:
    void* module_;
    decltype(&PrinterCreator) create_;
    decltype(&PrinterDestroy) destroy_;
};

class ShippedDataTest : public CatalogueTest {
  protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        SetAppFolder(std::string(TOLVANE_SOURCE_DIR "/"));
        protocols = ReadProtocolLists(nullptr);
        for (const std::string* list : {&protocols.Tspl, &protocols.Cpcl, &protocols.Esc, &protocols.Zpl}) {
            for (std::string& name : NamesOf(*list)) {
                lineUp.insert(std::move(name));
            }
        }
        for (const auto& [model, mapModel] : IniLoad(FilesFolder() + kPrinterMapFileName)->Entries("Map")) {
            mapEntries.emplace(model, mapModel);
        }
    }

    void ExpectInLineUp(std::string_view name, const std::string& where) const {
        EXPECT_TRUE(lineUp.contains(std::string(name)))
            << name << " (" << where << ") is not a model of the line-up";
    }

    TProtocolLists protocols;
    std::set<std::string> lineUp;
    std::map<std::string, std::string> mapEntries;
};

TEST_F(ShippedDataTest, CatalogueCarriesEveryKeyAsAModelList) {
    const char* const keys[] = {"Kavo_ParameterSetting",
                                "Dresk_ParameterSetting",
                                "Pelso_ParameterSetting",
                                "Tramwe_ParameterSetting",
                                "Bexley_ParameterSetting",
                                "Tallis_ParameterSetting",
                                "Tallis_NoNetParameterSetting",
                                "Quist_ParameterSetting",
                                "Gulvo_ParameterSetting",
                                "Pirvo_ParameterSetting",
                                "Lunec_ParameterSetting",
                                "Sendo_ParameterSetting",
                                "Miro_ParameterSetting",
                                "Velko_ParameterSetting",
                                "Oskin_ParameterSetting",
                                "Ombra_ParameterSetting",
                                "Fenno_ParameterSetting",
                                "Dapra_ParameterSetting",
                                "Kesto_ParameterSetting",
                                "Oskin_ParameterSetting_WithBT",
                                "Oskin_ParameterSetting_WithProtocol",
                                "SendoWithBT",
                                "Miro_WithBT",
                                "NotHaveBT",
                                "KavoParaSetProList",
                                "HaveEPL",
                                "ReprintDisenable",
                                "IsTealOff90",
                                "OnlyChinese",
                                "ProtocolDisable",
                                "IPS3",
                                "IPS4",
                                "IPS5",
                                "IPS6",
                                "IPS7",
                                "IPS8",
                                "IPS9",
                                "IPS10",
                                "FTN_PaperWidth_1",
                                "PaperWidth56",
                                "PaperWidth80",
                                "PaperWidth108",
                                "IsbtnDLF",
                                "IsbtnDLFont",
                                "x1",
                                "IsbtnGDL",
                                "IsbtnModel",
                                "IsbtnFrontLearn",
                                "NIsbtnStartLearn",
                                "NIsbtnPrinterInformation",
                                "IsbtnCommandTest",
                                "IsbtnPrinterStatus",
                                "HaveScanTest",
                                "FTN_AdvancedSettings_0",
                                "FTN_RfidSet_0",
                                "HaveTwoProtocol",
                                "GDS",
                                "DLFile_Kavo",
                                "PackageSize4096",
                                "UpdateRestart",
                                "DFUWithoutCMD",
                                "Quistel_DFU",
                                "Ganlow_PrintFontText",
                                "FTN_DfuBin_Visible",
                                "FTN_Dfu_Head_BinType1",
                                "FTN_Dfu_UpdateMethod1",
                                "UseVectorFont",
                                "VersionLength4",
                                "ModelPrintOtherCMD",
                                "GetProduceDateByGDS",
                                "KeyGetProduceDateByGDS",
                                "JourneyMM",
                                "Miro_Mileage",
                                "Miro_AutoLearn",
                                "Miro_PrintSelf",
                                "Miro_FactorySetting",
                                "Miro_DfuMode",
                                "Miro_PrintTextLanguageDisable",
                                "Brisco_PrintText",
                                "Wexby_PrintText",
                                "Send1B53First",
                                "FTN_PrintText_Type1",
                                "FTN_PrintTextLanguage_NotVisible",
                                "FTN_PrintableWidth_NotVisible",
                                "FTN_PrintText_GetPaperMode",
                                "FTN_btnPrintText_Form1",
                                "FTN_GetProduceDate_Type1",
                                "FTN_GetFirmwareVer_Type1",
                                "Corbel_Serial",
                                "Sorrel_ParameterSetting",
                                "Pimm_ParameterSetting",
                                "IsbtnSetArabic",
                                "IsbtnDownloadImages",
                                "NIsbtnPrintText"};
    const auto catalogue = IniLoad(FilesFolder() + kCatalogueFileName);
    for (const char* key : keys) {
        const std::optional<std::string_view> value = catalogue->Find("ParameterSet", key);
        ASSERT_TRUE(value.has_value()) << key << " is missing";
        if (std::string_view(key) == "KavoParaSetProList" || value->empty()) {
            continue;
        }
        EXPECT_TRUE(value->front() == ',' && value->back() == ',') << key;
        for (const std::string& name : NamesOf(*value)) {
            ExpectInLineUp(name, key);
        }
    }
}

TEST_F(ShippedDataTest, EveryNamedModelBelongsToTheLineUp) {
    for (const auto rows : {BuiltInModelListRows(), CatalogueAdditionRows(), FeatureNumberRows()}) {
        for (const TModelListRow& row : rows) {
            for (const std::string& name : NamesOf(row.models)) {
                const bool mapModel =
                    std::any_of(mapEntries.begin(), mapEntries.end(),
                                [&name](const auto& entry) { return entry.second == name; });
                EXPECT_TRUE(lineUp.contains(name) || mapModel) << name << " (" << row.name << ")";
            }
        }
    }
    for (const TFtnAFamilyData& family : FtnAFamilyRows()) {
        for (const std::string_view name :
             {family.baseModel, family.generation1Name, family.generation2Name, family.variantA.resolvedName,
              family.variantB.resolvedName, family.variantCName, family.baseVariantName, family.fallbackName,
              family.manualName1, family.manualName2}) {
            if (!name.empty()) {
                ExpectInLineUp(name, std::string(family.className));
            }
        }
    }
    for (const TIdentityRule& rule : UsbIdentityRules()) {
        ExpectInLineUp(rule.variantName, "identity rule");
    }
    for (const TNameMapRow& row : VariantMapRows()) {
        ExpectInLineUp(row.from, "variant map");
        ExpectInLineUp(row.to, "variant map");
    }
    for (const auto& [model, mapModel] : mapEntries) {
        ExpectInLineUp(model, "printer map");
    }
    for (const std::string& model : ReadTextLines(FilesFolder() + kCompanyPrinterListFileName)) {
        ExpectInLineUp(model, "company printer list");
    }
}

TEST_F(ShippedDataTest, EachModelSpeaksOneLanguageAndEachLanguageHasModels) {
    for (const std::string& model : lineUp) {
        int lists = 0;
        for (const std::string* list : {&protocols.Tspl, &protocols.Cpcl, &protocols.Esc, &protocols.Zpl}) {
            lists += IsModelInList(model, *list) ? 1 : 0;
        }
        EXPECT_EQ(lists, 1) << model;
    }
    for (const std::string* list : {&protocols.Tspl, &protocols.Cpcl, &protocols.Esc, &protocols.Zpl}) {
        EXPECT_FALSE(NamesOf(*list).empty());
    }
}

TEST_F(ShippedDataTest, EveryDialogFamilyAndButtonHasAModel) {
    const auto hasModel = [this](const std::string& list) {
        return std::any_of(lineUp.begin(), lineUp.end(),
                           [&list](const std::string& m) { return IsModelInList(m, list); });
    };
    const char* const families[] = {"Kavo",  "Dresk", "Pelso", "Bexley", "Tramwe", "Tallis",
                                    "Quist", "Gulvo", "Pirvo", "Lunec",  "Sendo",  "Miro",
                                    "Velko", "Oskin", "Ombra", "Fenno",  "Dapra",  "Kesto"};
    for (const char* family : families) {
        EXPECT_TRUE(hasModel(ReadCatalogue(std::string(family) + "_ParameterSetting"))) << family;
    }
    EXPECT_TRUE(hasModel(ReadCatalogue("Tallis_NoNetParameterSetting")));
    for (const std::string& name : NamesOf(BuiltInList(lists::QuistelFamilyModels))) {
        ExpectInLineUp(name, "Quistel family");
    }
    const char* const shownBy[] = {"IsbtnDLF",
                                   "IsbtnDLFont",
                                   "x1",
                                   "IsbtnGDL",
                                   "IsbtnModel",
                                   "IsbtnFrontLearn",
                                   "IsbtnCommandTest",
                                   "IsbtnPrinterStatus",
                                   "HaveScanTest",
                                   "FTN_AdvancedSettings_0",
                                   "FTN_RfidSet_0",
                                   "FTN_DfuBin_Visible",
                                   "NIsbtnStartLearn",
                                   "NIsbtnPrinterInformation"};
    for (const char* key : shownBy) {
        EXPECT_TRUE(hasModel(ReadCatalogue(key))) << key;
    }
}

TEST_F(ShippedDataTest, DefaultPrinterListNamesTheFirstOfferedModel) {
    const std::vector<std::string> offered = ReadTextLines(FilesFolder() + kCompanyPrinterListFileName);
    ASSERT_FALSE(offered.empty());
    EXPECT_EQ(ReadTextLines(FilesFolder() + kPrinterListFileName),
              (std::vector<std::string>{offered.front() + "|USB|USB||"}));
}

TEST_F(ShippedDataTest, LibrariesCreateEveryModelAndMapModelTheyAreAskedFor) {
    const PrinterLibrary escrix(ESCRIX_LIBRARY);
    const PrinterLibrary cobrix(COBRIX_LIBRARY);
    const PrinterLibrary tsprix(TSPRIX_LIBRARY);
    const std::string twoLanguages = ReadCatalogue("HaveTwoProtocol");
    for (const std::string& model : lineUp) {
        EXPECT_TRUE(escrix.Creates(model)) << model;
        EXPECT_TRUE(tsprix.Creates(model)) << model;
        const int language = ProtocolOfModel(protocols, model);
        const std::string mapModel = MapModelOf(model, kDefaultMapModel, nullptr);
        if (language == kLangCpcl) {
            EXPECT_TRUE(cobrix.Creates(model)) << model;
        }
        const bool asked = IsModelInList(model, twoLanguages);
        EXPECT_TRUE(language != kLangEsc || escrix.Creates(mapModel)) << model << " -> " << mapModel;
        EXPECT_TRUE((language != kLangCpcl && !asked) || cobrix.Creates(mapModel))
            << model << " -> " << mapModel;
        EXPECT_TRUE(((language == kLangEsc || language == kLangCpcl) && !asked) || tsprix.Creates(mapModel))
            << model << " -> " << mapModel;
        EXPECT_TRUE(!asked || escrix.Creates(mapModel)) << model << " -> " << mapModel;
    }
    // The connection test's map model, the printer-map check's model and
    // the command test's substitutes go to Tsprix.
    EXPECT_TRUE(tsprix.Creates(kDefaultMapModel));
    EXPECT_TRUE(tsprix.Creates("Gulvo"));
    for (const TNameMapRow& row : CommandTestSubstituteRows()) {
        EXPECT_TRUE(tsprix.Creates(std::string(row.to))) << row.to;
    }
}

TEST_F(ShippedDataTest, OnlyCpclModelsCarryTheCpclFlagInCobrix) {
    std::set<std::string> cpclNames;
    for (const std::string& model : lineUp) {
        if (ProtocolOfModel(protocols, model) == kLangCpcl) {
            cpclNames.insert(model);
            cpclNames.insert(MapModelOf(model, kDefaultMapModel, nullptr));
        }
    }
    for (const cobrix::ModelRow& row : cobrix::cobrixCatalogue()) {
        if (row.name == nullptr) {
            continue;
        }
        const bool cpclFlag = (row.features & cobrix::kFeatureCpcl) != 0;
        if (cpclNames.contains(row.name)) {
            EXPECT_TRUE(cpclFlag) << row.name;
        } else if (lineUp.contains(row.name)) {
            EXPECT_FALSE(cpclFlag) << row.name;
        }
    }
}

} // namespace
} // namespace tolvane::test
