// The maker's model data built into the program. Every model name the code
// depends on is written here and nowhere else; the shipped catalogue files
// in files/ carry the rest. docs/MODELS.md describes the line-up.
#include "mdlCatalogueData.h"

#include "mdlModelListNames.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tolvane {
namespace {

using namespace lists;

constexpr TModelListRow kBuiltInLists[] = {
    // Parameter dialogs.
    {NoNetSerialModels, ",Kavo-200,Calder,Tallis-Lite,Corla-2,Miro-T4,MiroC,Lorvik,"},
    {ReleasePaperModels, ",Kavo-300,Kavo-300R,Miro-T6,Miro-T6R,"},
    {ReleasePaper255Models, ",Ardel,Kavo-300R,"},
    {Speed4Models, ",Kavo-200,Corla-2,"},
    {NoEplModels, ",Brisco,"},
    {DplModels, ",Ardel,"},
    {TscKeptModels, ",Ardel,Kavo-300,"},
    {NoReprintModels, ",Plaskit Hobbe,Tessin-58BT,"},
    {SendoBtModels, ",HobbeBT,TessinBT,"},
    {DreskNoBtModels, ",Corla,Menvo,"},
    {DreskRibbonModels, ",Pattik,Corla,Menvo,"},
    {MiroEthernetNames, ",Navra,Dessa,Solby,"},
    {EthernetSettingModels, ",Halden,"},
    {QuistelFamilyModels, ",Quistel,Quistor,Quistor,Quistel-C,"},
    // RFID settings.
    {RfidNoClsModels, ",Miro-T6R,"},
    {RfidCpclHeaderModels, ",Miro-T6R,"},
    {RfidCpclPrintModels, ",Miro-T6R,"},
    {RfidTwoStepModels, ",Kavo-300R,"},
    {RfidVersionModels, ",Kavo-300R,Miro-T6R,"},
    {MobileRfidModels, ",Miro-T6R,"},
    // The Miro dialog.
    {MiroCodepageModelsA, ",Navra,Dessa,"},
    {MiroCodepageModelsB, ",Miro-T4,Miro-T6,"},
    {MiroCodepageModelsC, ",Solby,"},
    {MiroCodepageModelsD, ",Miro-T6BT,Miro-T6R,MiroC,Lorvik,Ruvex,"},
    {MiroSpeedFrom2Models, ",Miro-T4,MiroC,"},
    {MiroSpeedFrom3Models, ",Lorvik,"},
    {MiroSpeedTo5Models, ",Miro-T4,"},
    {MiroSpeedTo6Models, ",Miro-T6,Miro-T6BT,Miro-T6R,"},
    // The main window.
    {PrintTextHiddenModels, ",Bexley,"},
    {SysParaHiddenModels, ",Plaskit Hobbe,Navra,"},
    {CommandTestHiddenNames, ",Plaskit Hobbe,"},
    {CommandTestModels, ",Miro-T6,Miro-T6BT,"},
    {UsbPreCheckSkipNames, ",Plaskit Hobbe,"},
    {SelfTestNames, ",Navra,Dessa,"},
    {FrontLearnNoAskModels, ",Hobbe-80,Tessin-58,"},
    {FrontLearnFrontAdNames, ",Plaskit Hobbe,"},
    {FrontLearnBaseModels, ",Hobbe-80,Hobbe-80BT,"},
    {FrontLearnUsbModels, ",Tessin,Tessin-58,"},
    {PrintTextForm1ExceptNames, ",Navra,"},
    {DfuMethodExceptModels, ",Ruvex,"},
    {DfuChoiceModels, ",Hobbe,Hobbe-80,Hobbe-80N,HobbeBT,Hobbe-80BT,Tessin,Tessin-58,TessinBT,Tessin-58BT,"},
    // File download.
    {DirectTsplModels, ",Ardel,,Brisco,"},
    {DirectGraphicModels, ",Ardel,,Brisco,Calder,"},
    {TemplateModels, ",Ardel,"},
    // Printer information.
    {ProduceDateExceptNames, ",Navra,Dessa,Solby,Plaskit Hobbe,Corbel,"},
    {RawProduceTimeModels, ",Dresk-4TN,"},
    {MileageMmModels, ",Lorvik,MiroC,"},
    // Test printing.
    {PrintTextType1ExceptNames, ",Solby,"},
    {TormundEditionModels, ",Bexley,Corbel,"},
    {PrintableHeightModels, ",Corla,Corla-3,Corla-4,"},
    {RowHeightModels, ",Corla-3,Corla-4,"},
    {MultiLineTextModels, ",Corla,Corla-2,Corla-3,Corla-4,Menvo,Navra,"},
    {PaperModeCheckModels, ",Corla,Corla-3,Corla-4,Sendo,Navra,"},
    {PaperModeQueryAModels, ",Corla,Corla-3,Corla-4,Sendo,Navra,"},
    {PaperModeQueryBModels, ",Corla,Corla-3,Corla-4,Sendo,Navra,"},
    {PaperModeReplyKind1Models, ",Corla,Corla-3,Corla-4,"},
    {PaperModeReplyKind2Models, ",Sendo,Navra,"},
    {TrailingFeedModels, ",Sendo,"},
    {KeyGroup1Models, ",Corla,Corla-3,Corla-4,Navra,"},
    // Model resolution and the USB identity check.
    {UsbVidPidCheckModels,
     ",Wendle,Wendle-2,Wendle-3,Norla,NorlaBT,Hobbe,Plaskit Hobbe,HobbeBT,Tessin,TessinBT,Ruvex,Quist,"},
    {TransformKeepNames, ",Vorlan,Tormund,"},
    {ManualIdentityModels, ",TessinBT,Ruvad,"},
    {KeepListNameNames, ",Navra,Dessa,Solby,"},
    {BuiltInQuistMapModels, ",Quist-T2,Quist-T3,Quist-T4,"},
    // Firmware generations, by printer list name.
    {GenChoiceModels, ",Jostra,Ferune,Hobbe,"},
    {Gen2AllowedModels, ",Jostra,Ferune,Hobbe,"},
    {TestChoiceModels, ",Jostra,Hobbe,"},
    {Gen1LabelModels, ",Jostra,Ferune,Hobbe,"},
    {Gen2LabelV2Models, ",Jostra,Hobbe,"},
    {Gen2LabelV4Models, ",Ferune,"},
    // The fixed-list Mobile edition's expected catalogue values.
    {MobileCheckSetArabicModels, ",Miro-T6,"},
    {MobileCheckDownloadImagesModels, ",Miro-T6,Miro-T6BT,"},
    {MobileCheckSorrelModels, ",Miro-T4,"},
    {MobileCheckPimmModels, ",Miro-T6BT,"},
    // Feature-record families and identity rules.
    {UsbRuleWendle2Models, ",Wendle-2,"},
    {UsbRuleWendle3Models, ",Wendle-3,"},
    {UsbRuleQuistModels, ",Quist,"},
    {WendleVariantModels, ",Wendle,"},
    {NorlaVariantModels, ",Norla,"},
    {NorlaBtVariantModels, ",NorlaBT,"},
    {HobbeVariantModels, ",Hobbe,"},
    {HobbeBtVariantModels, ",HobbeBT,"},
    {TessinVariantModels, ",Tessin,"},
    {TessinBtVariantModels, ",TessinBT,"},
    {RuvexVariantModels, ",Ruvex,"},
    {NorlaDisplayModels, ",Norla,"},
    {RuvadManualModels, ",Ruvad,"},
    {TessinBtManualModels, ",TessinBT,"},
    // Map models the command test replaces.
    {CpclMapModels, ",Corla,Sendo,"},
    {EscMapModels, ",Tormund,"},
    {SingleMiroMapModel, ",Miro,"},
    {SingleGulvoMapModel, ",Gulvo,"},
};

constexpr TModelListRow kCatalogueAdditions[] = {
    {"SendoWithBT", ",Sendo-BT,HobbeBT,Hobbe-80BT,"},
    {"Sendo_ParameterSetting", ",Sendo,Sendo-BT,Hobbe,Hobbe-80,Hobbe-80N,HobbeBT,Hobbe-80BT,"},
    {"GetProduceDateByGDS", ",Ardel,Brisco,"},
    {"Kavo_ParameterSetting", ",Wendle,Wendle-2,Wendle-3,Jostra,Jostra-V1,Jostra-V2,"},
    {"IPS5", ",Corla,Corla-3,Corla-4,Menvo,Sendo,Sendo-BT,"},
    {"PaperWidth108", ",Ardel,Brisco,Calder,"},
    {"GDS", ",Ardel,Brisco,"},
    {"HaveTwoProtocol", ",Ardel,Brisco,"},
    {"x1", ",Ardel,Brisco,Wexby,Ganlow,"},
    {"UseVectorFont", ",Ardel,Kavo-300,"},
    {"IsbtnDLF", ",Ardel,Brisco,Calder,Wexby,Ganlow,"},
    {"IsbtnGDL", ",Tallis,Halden,"},
    {"IsbtnPrinterStatus", ",Ardel,Brisco,Miro-T6,Miro-T6BT,Miro-T6R,"},
    {"PackageSize4096", ",Ardel,Brisco,"},
    {"HaveEPL", ",Ardel,Brisco,"},
    {"FTN_PaperWidth_1", ",Corla-3,Miro-T6,Miro-T6BT,Miro-T6R,"},
    {"IsbtnCommandTest", ",Ardel,Brisco,Dresk-4T,"},
    {"IsbtnFrontLearn", ",Hobbe,Hobbe-80,Tessin,Tessin-58,"},
    {"Miro_ParameterSetting", ",Miro-T4,Miro-T6,Miro-T6BT,Miro-T6R,MiroC,Lorvik,"},
    {"Miro_Mileage", ",Miro-T4,Miro-T6,Miro-T6BT,MiroC,Lorvik,"},
    {"Miro_AutoLearn", ",Miro-T4,Miro-T6,Miro-T6BT,Miro-T6R,MiroC,Lorvik,"},
    {"Miro_DfuMode", ",Miro-T4,MiroC,Lorvik,"},
    {"Miro_PrintSelf", ",Miro-T4,Miro-T6,Miro-T6BT,Miro-T6R,MiroC,Lorvik,"},
    {"Miro_FactorySetting", ",Miro-T4,Miro-T6,Miro-T6BT,Miro-T6R,MiroC,Lorvik,"},
    {"Miro_PrintTextLanguageDisable", ",MiroC,"},
    {"FTN_PrintTextLanguage_NotVisible", ",Lorvik,"},
    {"FTN_Dfu_Head_BinType1", ",Miro-T6,Miro-T6BT,"},
    {"FTN_Dfu_UpdateMethod1", ",Miro-T6,Miro-T6BT,Miro-T6R,Ruvex,"},
    {"Miro_WithBT", ",Miro-T6BT,Ruvex,"},
    {"FTN_PrintText_Type1", ",Miro-T4,Miro-T6,Miro-T6BT,"},
    {"FTN_GetProduceDate_Type1", ",Miro-T6,Miro-T6BT,"},
    {"FTN_GetFirmwareVer_Type1", ",Miro-T4,Miro-T6,Miro-T6BT,Miro-T6R,MiroC,Lorvik,"},
    {"FTN_btnPrintText_Form1", ",Miro-T4,Miro-T6,Miro-T6BT,Miro-T6R,"},
    {"FTN_PrintText_GetPaperMode", ",Miro-T6,Miro-T6BT,"},
    {"Brisco_PrintText", ",Brisco,"},
    {"Pirvo_ParameterSetting", ",PirvoE,"},
    {"NotHaveBT", ",Miro-T4,MiroC,"},
    {"IPS6", ",Miro-T6,Miro-T6BT,Miro-T6R,"},
    {"IPS4", ",Miro-T4,MiroC,Lorvik,"},
};

constexpr TModelListRow kFeatureNumbers[] = {
    {"FTNNo_WifiSet_0", ",Miro-T6BT,Dresk-4TN,"},
    {"FTNNo_WifiSet_0_Type1", ",Dresk-4TN,"},
    {"FTNNo_WifiSet_0_Type2_Pimm", ",Miro-T6BT,"},
    {"FTNNo_WifiReset_0", ",Miro-T6BT,Dresk-4TN,"},
    {"FTNNo_WifiSet_0_RestoreFEsc", ",Oskin-80BT,"},
    {"FTNNo_AdvancedSettings_0", ",Halden,Dresk-4TN,Kavo-300,"},
    {"FTNNo_Bluetooth_0_SetBTFun", ",Oskin-80BT,Sendo-BT,"},
    {"FTNNo_Bluetooth_0_SetBTFun2", ",Miro-T6BT,"},
    {"FTNNo_ProtocolTypeGet_0", ",Ardel,Brisco,Kesto-Z4,"},
    {"FTNNo_ReadPrtBasicInfo_0", ",Wendle-2,Wendle-3,"},
    {"FTNNo_btnPrintText_0", ",Miro-T4,Miro-T6,Miro-T6BT,"},
};

// Identities of the maker's boards. The 20D1 vendor is the maker's own; the
// 2AAF boards are the newer generation (product numbers from 9000 up are
// boards in their update mode or running the second-generation firmware).
constexpr std::string_view kId20D1_7008 = "VID_20D1&PID_7008";
constexpr std::string_view kId2AAF_9008 = "VID_2AAF&PID_9008";
constexpr std::string_view kId20D1_7037 = "VID_20D1&PID_7037";
constexpr std::string_view kId2AAF_4011 = "VID_2AAF&PID_4011";
constexpr std::string_view kId2AAF_9006 = "VID_2AAF&PID_9006";
constexpr std::string_view kId20D1_7030 = "VID_20D1&PID_7030";
constexpr std::string_view kId20D1_702E = "VID_20D1&PID_702E";
constexpr std::string_view kId20D1_702F = "VID_20D1&PID_702F";
constexpr std::string_view kId20D1_7031 = "VID_20D1&PID_7031";
constexpr std::string_view kId20D1_7032 = "VID_20D1&PID_7032";
constexpr std::string_view kId20D1_7033 = "VID_20D1&PID_7033";
constexpr std::string_view kId20D1_7034 = "VID_20D1&PID_7034";
constexpr std::string_view kId20D1_7035 = "VID_20D1&PID_7035";
constexpr std::string_view kId20D1_7036 = "VID_20D1&PID_7036";

constexpr TIdentityRule kUsbIdentityRules[] = {
    {UsbRuleWendle2Models, kId20D1_7037, "Wendle-2", false},
    {UsbRuleWendle3Models, kId2AAF_4011, "Wendle-3", false},
    {UsbRuleQuistModels, kId20D1_7008, "Quist-T2", true},
    {UsbRuleQuistModels, kId2AAF_9008, "Quist-T4", true},
};

constexpr TExpectedIdentities kExpectedIdentities[] = {
    {UsbRuleQuistModels, kId20D1_7008, "Quist-T2", kId2AAF_9008, "Quist-T4"},
    {WendleVariantModels, kId20D1_7037, "Wendle-2", kId2AAF_4011, "Wendle-3"},
};

constexpr TFtnAFamilyData kFamilies[] = {
    {.className = "TFtnA_Wendle",
     .baseModel = "Wendle",
     .variantA = {WendleVariantModels, false, kId20D1_7037, "Wendle-2"},
     .variantB = {WendleVariantModels, false, kId2AAF_4011, "Wendle-3"},
     .baseVariantName = "Wendle",
     .fallbackName = "Wendle-2"},
    {.className = "TFtnA_TheJostra",
     .baseModel = "Jostra",
     .generation1Name = "Jostra-V1",
     .generation2Name = "Jostra-V2"},
    {.className = "TFtnA_TheFerune",
     .baseModel = "Ferune",
     .generation1Name = "Ferune-A",
     .generation2Name = "Ferune-B"},
    {.className = "TFtnA_TheNorla",
     .baseModel = "Norla",
     .variantA = {NorlaVariantModels, false, kId20D1_7035, "Norla-80"},
     .variantB = {NorlaVariantModels, false, kId2AAF_9008, "Norla-80N"},
     .displayListName = NorlaDisplayModels,
     .displayIdentity1 = kId20D1_7035,
     .displayIdentity2 = kId2AAF_9008},
    {.className = "TFtnA_TheNorlaBT",
     .baseModel = "NorlaBT",
     .variantA = {NorlaBtVariantModels, false, kId20D1_7036, "NorlaBT-80"}},
    {.className = "TFtnA_TheHobbe",
     .baseModel = "Hobbe",
     .generation1Name = "Hobbe-80",
     .generation2Name = "Hobbe-80N",
     .variantA = {HobbeVariantModels, false, kId20D1_7033, "Hobbe-80"},
     .variantB = {HobbeVariantModels, false, kId2AAF_9006, "Hobbe-80N"}},
    {.className = "TFtnA_ThePlaskit_Hobbe",
     .baseModel = "Plaskit Hobbe",
     .variantA = {"", true, kId20D1_7033, "Hobbe-80"}},
    {.className = "TFtnA_TheTessinBT",
     .baseModel = "TessinBT",
     .variantA = {TessinBtVariantModels, false, kId20D1_7032, "Tessin-58BT"},
     .manualListName1 = TessinBtManualModels,
     .manualIdentity1 = kId20D1_7032,
     .manualName1 = "Tessin-58BT"},
    {.className = "TFtnA_TheHobbeBT",
     .baseModel = "HobbeBT",
     .variantA = {HobbeBtVariantModels, false, kId20D1_7034, "Hobbe-80BT"}},
    {.className = "TFtnA_TheTessin",
     .baseModel = "Tessin",
     .variantA = {TessinVariantModels, false, kId20D1_7031, "Tessin-58"},
     .variantB = {TessinVariantModels, false, kId20D1_7032, "Tessin-58BT"},
     .variantCIdentity = kId2AAF_9006,
     .variantCName = "Tessin-58",
     .baseVariantName = "Tessin",
     .fallbackName = "Tessin-58"},
    {.className = "TFtnA_TheRuvad",
     .baseModel = "Ruvad",
     .manualListName1 = RuvadManualModels,
     .manualIdentity1 = kId20D1_7030,
     .manualName1 = "Ruvad-2",
     .manualListName2 = RuvadManualModels,
     .manualIdentity2 = kId2AAF_4011,
     .manualName2 = "Ruvad-3"},
    {.className = "TFtnA_TheRuvex",
     .baseModel = "Ruvex",
     .variantA = {RuvexVariantModels, false, kId20D1_702E, "Ruvex"},
     .variantB = {RuvexVariantModels, false, kId20D1_702F, "Ruvex-BT"}},
};

constexpr TNameMapRow kVariantMap[] = {
    {"Hobbe-80", "Hobbe"},
    {"Hobbe-80N", "Hobbe"},
    {"Norla-80", "Norla"},
    {"Norla-80N", "Norla"},
};

constexpr TNameMapRow kCommandTestSubstitutes[] = {
    {CpclMapModels, "Vorlan"},
    {EscMapModels, "Vorlan"},
    {SingleMiroMapModel, "Kavo"},
    {SingleGulvoMapModel, "Dunmore"},
};

} // namespace

std::span<const TModelListRow> BuiltInModelListRows() {
    return kBuiltInLists;
}

std::span<const TModelListRow> CatalogueAdditionRows() {
    return kCatalogueAdditions;
}

std::span<const TModelListRow> FeatureNumberRows() {
    return kFeatureNumbers;
}

std::span<const TIdentityRule> UsbIdentityRules() {
    return kUsbIdentityRules;
}

std::span<const TExpectedIdentities> ExpectedIdentityRows() {
    return kExpectedIdentities;
}

std::span<const TFtnAFamilyData> FtnAFamilyRows() {
    return kFamilies;
}

const TFtnAFamilyData& FtnAFamilyData(std::string_view className) {
    const auto* row =
        std::find_if(std::begin(kFamilies), std::end(kFamilies),
                     [className](const TFtnAFamilyData& f) { return f.className == className; });
    if (row == std::end(kFamilies)) {
        throw std::logic_error("no feature-record data for " + std::string(className));
    }
    return *row;
}

std::span<const TNameMapRow> VariantMapRows() {
    return kVariantMap;
}

std::span<const TNameMapRow> CommandTestSubstituteRows() {
    return kCommandTestSubstitutes;
}

} // namespace tolvane
