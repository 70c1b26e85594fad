// Names of the built-in model lists that are not tied to a catalogue key.
// Code asks for a list by one of these names (BuiltInList, mdlModelLists.h);
// the lists themselves are data (mdlCatalogueData.cpp).
#pragma once

#include <string_view>

namespace tolvane::lists {

// Parameter dialogs.
inline constexpr std::string_view NoNetSerialModels = "NoNetSerialModels";
inline constexpr std::string_view ReleasePaperModels = "ReleasePaperModels";
inline constexpr std::string_view ReleasePaper255Models = "ReleasePaper255Models";
inline constexpr std::string_view Speed4Models = "Speed4Models";
inline constexpr std::string_view NoEplModels = "NoEplModels";
inline constexpr std::string_view DplModels = "DplModels";
inline constexpr std::string_view TscKeptModels = "TscKeptModels";
inline constexpr std::string_view NoReprintModels = "NoReprintModels";
inline constexpr std::string_view SendoBtModels = "SendoBtModels";
inline constexpr std::string_view DreskNoBtModels = "DreskNoBtModels";
inline constexpr std::string_view DreskRibbonModels = "DreskRibbonModels";
inline constexpr std::string_view MiroEthernetNames = "MiroEthernetNames";
inline constexpr std::string_view EthernetSettingModels = "EthernetSettingModels";
inline constexpr std::string_view QuistelFamilyModels = "QuistelFamilyModels";

// RFID settings.
inline constexpr std::string_view RfidNoClsModels = "RfidNoClsModels";
inline constexpr std::string_view RfidCpclHeaderModels = "RfidCpclHeaderModels";
inline constexpr std::string_view RfidCpclPrintModels = "RfidCpclPrintModels";
inline constexpr std::string_view RfidTwoStepModels = "RfidTwoStepModels";
inline constexpr std::string_view RfidVersionModels = "RfidVersionModels";
inline constexpr std::string_view MobileRfidModels = "MobileRfidModels";

// The Miro dialog.
inline constexpr std::string_view MiroCodepageModelsA = "MiroCodepageModelsA";
inline constexpr std::string_view MiroCodepageModelsB = "MiroCodepageModelsB";
inline constexpr std::string_view MiroCodepageModelsC = "MiroCodepageModelsC";
inline constexpr std::string_view MiroCodepageModelsD = "MiroCodepageModelsD";
inline constexpr std::string_view MiroSpeedFrom2Models = "MiroSpeedFrom2Models";
inline constexpr std::string_view MiroSpeedFrom3Models = "MiroSpeedFrom3Models";
inline constexpr std::string_view MiroSpeedTo5Models = "MiroSpeedTo5Models";
inline constexpr std::string_view MiroSpeedTo6Models = "MiroSpeedTo6Models";

// The main window.
inline constexpr std::string_view PrintTextHiddenModels = "PrintTextHiddenModels";
inline constexpr std::string_view SysParaHiddenModels = "SysParaHiddenModels";
inline constexpr std::string_view CommandTestHiddenNames = "CommandTestHiddenNames";
inline constexpr std::string_view CommandTestModels = "CommandTestModels";
inline constexpr std::string_view UsbPreCheckSkipNames = "UsbPreCheckSkipNames";
inline constexpr std::string_view SelfTestNames = "SelfTestNames";
inline constexpr std::string_view FrontLearnNoAskModels = "FrontLearnNoAskModels";
inline constexpr std::string_view FrontLearnFrontAdNames = "FrontLearnFrontAdNames";
inline constexpr std::string_view FrontLearnBaseModels = "FrontLearnBaseModels";
inline constexpr std::string_view FrontLearnUsbModels = "FrontLearnUsbModels";
inline constexpr std::string_view PrintTextForm1ExceptNames = "PrintTextForm1ExceptNames";
inline constexpr std::string_view DfuMethodExceptModels = "DfuMethodExceptModels";

// Firmware update: the nine models that never show the update-method choice.
inline constexpr std::string_view DfuChoiceModels = "DfuChoiceModels";

// File download.
inline constexpr std::string_view DirectTsplModels = "DirectTsplModels";
inline constexpr std::string_view DirectGraphicModels = "DirectGraphicModels";
inline constexpr std::string_view TemplateModels = "TemplateModels";

// Printer information.
inline constexpr std::string_view ProduceDateExceptNames = "ProduceDateExceptNames";
inline constexpr std::string_view RawProduceTimeModels = "RawProduceTimeModels";
inline constexpr std::string_view MileageMmModels = "MileageMmModels";

// Test printing.
inline constexpr std::string_view PrintTextType1ExceptNames = "PrintTextType1ExceptNames";
inline constexpr std::string_view TormundEditionModels = "TormundEditionModels";
inline constexpr std::string_view PrintableHeightModels = "PrintableHeightModels";
inline constexpr std::string_view RowHeightModels = "RowHeightModels";
inline constexpr std::string_view MultiLineTextModels = "MultiLineTextModels";
inline constexpr std::string_view PaperModeCheckModels = "PaperModeCheckModels";
inline constexpr std::string_view PaperModeQueryAModels = "PaperModeQueryAModels";
inline constexpr std::string_view PaperModeQueryBModels = "PaperModeQueryBModels";
inline constexpr std::string_view PaperModeReplyKind1Models = "PaperModeReplyKind1Models";
inline constexpr std::string_view PaperModeReplyKind2Models = "PaperModeReplyKind2Models";
inline constexpr std::string_view TrailingFeedModels = "TrailingFeedModels";
inline constexpr std::string_view KeyGroup1Models = "KeyGroup1Models";

// Model resolution and the USB identity check.
inline constexpr std::string_view UsbVidPidCheckModels = "UsbVidPidCheckModels";
inline constexpr std::string_view TransformKeepNames = "TransformKeepNames";
inline constexpr std::string_view ManualIdentityModels = "ManualIdentityModels";
inline constexpr std::string_view KeepListNameNames = "KeepListNameNames";
inline constexpr std::string_view BuiltInQuistMapModels = "BuiltInQuistMapModels";

// Firmware-generation flags set by the feature assigner.
inline constexpr std::string_view GenChoiceModels = "GenChoiceModels";
inline constexpr std::string_view Gen2AllowedModels = "Gen2AllowedModels";
inline constexpr std::string_view TestChoiceModels = "TestChoiceModels";
inline constexpr std::string_view Gen1LabelModels = "Gen1LabelModels";
inline constexpr std::string_view Gen2LabelV2Models = "Gen2LabelV2Models";
inline constexpr std::string_view Gen2LabelV4Models = "Gen2LabelV4Models";

// The fixed lists the fixed-list Mobile edition checks its catalogue against.
inline constexpr std::string_view MobileCheckSetArabicModels = "MobileCheckSetArabicModels";
inline constexpr std::string_view MobileCheckDownloadImagesModels = "MobileCheckDownloadImagesModels";
inline constexpr std::string_view MobileCheckSorrelModels = "MobileCheckSorrelModels";
inline constexpr std::string_view MobileCheckPimmModels = "MobileCheckPimmModels";

// Lists that only the feature-record families and identity rules use.
inline constexpr std::string_view UsbRuleWendle2Models = "UsbRuleWendle2Models";
inline constexpr std::string_view UsbRuleWendle3Models = "UsbRuleWendle3Models";
inline constexpr std::string_view UsbRuleQuistModels = "UsbRuleQuistModels";
inline constexpr std::string_view WendleVariantModels = "WendleVariantModels";
inline constexpr std::string_view NorlaVariantModels = "NorlaVariantModels";
inline constexpr std::string_view NorlaBtVariantModels = "NorlaBtVariantModels";
inline constexpr std::string_view HobbeVariantModels = "HobbeVariantModels";
inline constexpr std::string_view HobbeBtVariantModels = "HobbeBtVariantModels";
inline constexpr std::string_view TessinVariantModels = "TessinVariantModels";
inline constexpr std::string_view TessinBtVariantModels = "TessinBtVariantModels";
inline constexpr std::string_view RuvexVariantModels = "RuvexVariantModels";
inline constexpr std::string_view NorlaDisplayModels = "NorlaDisplayModels";
inline constexpr std::string_view RuvadManualModels = "RuvadManualModels";
inline constexpr std::string_view TessinBtManualModels = "TessinBtManualModels";

// Map models the command test replaces.
inline constexpr std::string_view CpclMapModels = "CpclMapModels";
inline constexpr std::string_view EscMapModels = "EscMapModels";
inline constexpr std::string_view SingleMiroMapModel = "SingleMiroMapModel";
inline constexpr std::string_view SingleGulvoMapModel = "SingleGulvoMapModel";

} // namespace tolvane::lists
