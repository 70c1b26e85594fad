// The program's built-in product data: every model list it carries, the
// additions it makes to the catalogue file, the feature-number lists, the
// variant families of the feature records, the USB identity rules and the
// small fixed maps. All model names the code relies on live in
// mdlCatalogueData.cpp; the code reaches them by list name.
#pragma once

#include <span>
#include <string_view>

namespace tolvane {

// A named model list: model names each followed by a comma, the first
// preceded by one (",A,B,C,").
struct TModelListRow {
    std::string_view name;
    std::string_view models;
};

// The built-in model lists that are not tied to a catalogue key.
std::span<const TModelListRow> BuiltInModelListRows();

// The lists appended to the catalogue value of 39 keys of section
// "ParameterSet" (the name of each row is the catalogue key).
std::span<const TModelListRow> CatalogueAdditionRows();

// The feature-number lists ("FTNNo_..." keys); the list of
// "FTNNo_btnPrintText_0" here is the one of the Mobile edition with a fixed
// test-print list (FixedPrintTextList in the edition file).
std::span<const TModelListRow> FeatureNumberRows();

// The USB identity of a device as the identity check looks for it, such as
// "VID_2AAF&PID_9006".
struct TIdentityRule {
    std::string_view listName;    // built-in list of the models the rule applies to
    std::string_view identity;    // must occur in the device's identity text
    std::string_view variantName; // the model the device is then taken to be
    bool nameInResult;            // the result text also names the variant
};
// Tried in this order by the USB identity check.
std::span<const TIdentityRule> UsbIdentityRules();

// The identities a family's result file records as expected.
struct TExpectedIdentities {
    std::string_view listName;
    std::string_view identity1;
    std::string_view name1;
    std::string_view identity2;
    std::string_view name2;
};
std::span<const TExpectedIdentities> ExpectedIdentityRows();

// One variant of a feature-record family: the device identity that selects
// it and the model name it resolves to. An empty identity means no variant.
struct TVariantData {
    std::string_view listName = {}; // built-in list the model must be in ("" for none)
    bool admitsEveryModel = {};
    std::string_view identity = {};
    std::string_view resolvedName = {};
};

// What one feature-record class fills in.
struct TFtnAFamilyData {
    std::string_view className = {}; // for diagnostics and tests
    std::string_view baseModel = {}; // the exact printer list name that chooses the class
    std::string_view generation1Name = {};
    std::string_view generation2Name = {};
    TVariantData variantA = {};
    TVariantData variantB = {};
    std::string_view variantCIdentity = {}; // tried under the conditions of variant B
    std::string_view variantCName = {};
    std::string_view baseVariantName = {}; // a model of this name ...
    std::string_view fallbackName = {};    // ... resolves to this one on the last device
    std::string_view displayListName = {}; // built-in list of the models whose identities are shown
    std::string_view displayIdentity1 = {};
    std::string_view displayIdentity2 = {};
    std::string_view manualListName1 = {};
    std::string_view manualIdentity1 = {};
    std::string_view manualName1 = {};
    std::string_view manualListName2 = {};
    std::string_view manualIdentity2 = {};
    std::string_view manualName2 = {};
};

// The data of the feature-record classes, one row per class name.
const TFtnAFamilyData& FtnAFamilyData(std::string_view className);
std::span<const TFtnAFamilyData> FtnAFamilyRows();

// A fixed name-to-name map entry.
struct TNameMapRow {
    std::string_view from;
    std::string_view to;
};
// The feature assigner's variant map for the printer-map lookup.
std::span<const TNameMapRow> VariantMapRows();
// The edition map's built-in part: these models map to "Quist".
inline constexpr std::string_view kBuiltInMapTarget = "Quist";

// Model substitutes when the TSPL printer object is re-created after the
// command test: map models in the list use the substitute instead.
std::span<const TNameMapRow> CommandTestSubstituteRows(); // from = list name

} // namespace tolvane
