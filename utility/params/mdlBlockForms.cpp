#include "mdlBlockForms.h"

#include "mdlBlockLayouts.h"
#include "mdlParaHelpers.h"

#include <algorithm>
#include <array>

namespace tolvane::params {
namespace {

using enum TBlockFamily;
using K = TControlKind;

// Where a list's entries come from.
enum class TItems : uint8_t {
    None,
    Paper,         // the family's paper types (language keys)
    Density,       // "0" to "15"; the Quist families "1" to "5" and an empty entry
    Heat,          // "-50" to "50" in steps of 5
    Speed,         // filled when shown; Oskin and Fenno "2" to "4"
    Baud,          // "9600" to "115200"
    Parity,        // "NONE", "ODD", "EVEN"
    StopBits,      // "1", "2"
    Dhcp,          // static, automatic (language keys)
    CharSets,      // the 16 international character sets
    Protocol,      // "ESC Protocol", "TSC Protocol"; Dapra: from its permissions
    KoreanOrPage,  // Oskin's ComboBox1 (language keys)
    ZeroToThree,   // "0" to "3"
    SensorPlace,   // Quist sensor location (language keys)
    DetectMode,    // Sendo detect mode (language keys)
    DisableEnable, // radio items
    PrintType,     // radio items: thermal, ribbon
};

struct TControlDesign {
    std::string_view name;
    K kind;
    std::string_view group;      // the group it sits in; empty: the dialog
    std::string_view captionKey; // its label's text, or its own caption
    TItems items;
    int maxLength;
};

// Every control a block family can show, in the order of the rows of its
// group.
// clang-format off
constexpr std::array<TControlDesign, 37> kControls = {{
    {"gpbAutoPosition",           K::Radio, "",                   "FormParaSet_Tramwe_gpbAutoPosition",          TItems::DisableEnable, 0},
    {"gpbPrintType",              K::Radio, "",                   "FormParaSet_Tramwe_gpbPrintType",             TItems::PrintType,     0},
    {"gpbReprintWhenError",       K::Radio, "",                   "FormParaSet_Tramwe_gpbReprintWhenError",      TItems::DisableEnable, 0},
    {"gpbSmallLabel",             K::Radio, "",                   "FormParaSet_Tramwe_gpbSmallLabel",            TItems::DisableEnable, 0},
    {"gpbPrintReprint",           K::Radio, "",                   "FormParaSet_Tramwe_gpbPrintReprint",          TItems::DisableEnable, 0},
    {"RadioGroup1",               K::Radio, "",                   "FormParaSet_Quist_Tarnik_RadioGroup1",        TItems::DisableEnable, 0},
    {"cmbJudgePaperMode",         K::List,  "gpbOther",           "FormParaSet_Tramwe_lblJudgePaperMode",        TItems::Paper,         0},
    {"cmbDensity",                K::List,  "gpbOther",           "FormParaSet_Tramwe_lblDensity",               TItems::Density,       0},
    {"cmbHeatAdj",                K::List,  "gpbOther",           "FormParaSet_Dovrin_lblHeatAdj",               TItems::Heat,          0},
    {"cmbDetectMode",             K::List,  "gpbOther",           "FormParaSet_Sendo_lblDetectMode",             TItems::DetectMode,    0},
    {"cmbPrintSpeed",             K::List,  "gpbOther",           "FormParaSet_Dovrin_lblPrintSpeed",            TItems::Speed,         0},
    {"cmbProtocolType",           K::List,  "gpbOther",           "FormParaSet_Tramwe_lblProtocolType",          TItems::Protocol,      0},
    {"cmbBuzzerSound",            K::List,  "gpbOther",           "FormParaSet_Quist_lblBuzzerSound",            TItems::ZeroToThree,   0},
    {"cmbBackLight",              K::List,  "gpbOther",           "FormParaSet_Quist_lblBackLight",              TItems::ZeroToThree,   0},
    {"cmbSenserLoaction",         K::List,  "gpbOther",           "FormParaSet_Quist_lblSenserLoaction",         TItems::SensorPlace,   0},
    {"txtVOrigin",                K::Edit,  "gpbOther",           "FormParaSet_Quist_lblVOrigin",                TItems::None,          2},
    {"txtHOrigin",                K::Edit,  "gpbOther",           "FormParaSet_Quist_lblHOrigin",                TItems::None,          2},
    {"txtPrintToStop",            K::Edit,  "gpbOther",           "FormParaSet_Quist_lblPrintToStop",            TItems::None,          2},
    {"txtStopPrint",              K::Edit,  "gpbOther",           "FormParaSet_Tramwe_lblStopPrint",             TItems::None,          3},
    {"txtMarkMaxLength",          K::Edit,  "gpbPaper",           "FormParaSet_Tramwe_lblMarkMaxLength",         TItems::None,          3},
    {"txtLabelMaxLength",         K::Edit,  "gpbPaper",           "FormParaSet_Tramwe_lblLabelMaxLength",        TItems::None,          3},
    {"txtLabelMinLength",         K::Edit,  "gpbPaper",           "FormParaSet_Tramwe_lblLabelMinLength",        TItems::None,          3},
    {"txtValleyThresholdRate",    K::Edit,  "gpbPaper",           "FormParaSet_Pelso_lblValleyThresholdRate",    TItems::None,          3},
    {"txtVoltageBetweenLabelGap", K::Edit,  "gpbPaper",           "FormParaSet_Pelso_lblVoltageBetweenLabelGap", TItems::None,          4},
    {"cmbCodepage",               K::List,  "gpbLanguage",        "FormParaSet_Kavo_lblCodepage",                TItems::None,          0},
    {"cmbInternationalCharacter", K::List,  "gpbLanguage",        "FormParaSet_Tramwe_lblInternationalCharacter", TItems::CharSets,     0},
    {"ComboBox1",                 K::List,  "gpbLanguage",        "FormParaSet_Oskin_lblComboBox1",              TItems::KoreanOrPage,  0},
    {"cmbBaudRate",               K::List,  "gpbCOMPortSet",      "FormParaSet_Kavo_lblBaudRate",                TItems::Baud,          0},
    {"cmbParity",                 K::List,  "gpbCOMPortSet",      "FormParaSet_Kavo_lblParity",                  TItems::Parity,        0},
    {"cmbStopBits",               K::List,  "gpbCOMPortSet",      "FormParaSet_Kavo_lblStopBits",                TItems::StopBits,      0},
    {"cmbDHCP",                   K::List,  "gpbEthernetSetting", "FormParaSet_Tramwe_lblDHCP",                  TItems::Dhcp,          0},
    {"txtIP1",                    K::Edit,  "gpbEthernetSetting", "FormParaSet_Tramwe_lblIPAddress",             TItems::None,          3},
    {"txtSubnet1",                K::Edit,  "gpbEthernetSetting", "FormParaSet_Tramwe_lblSubnet",                TItems::None,          3},
    {"txtGateway1",               K::Edit,  "gpbEthernetSetting", "FormParaSet_Tramwe_lblDefautGateway",         TItems::None,          3},
    {"txtBTName",                 K::Edit,  "gpbBT",              "_BTName",                                     TItems::None,          16},
    {"txtBTPWD",                  K::Edit,  "gpbBT",              "_BTPWD",                                      TItems::None,          4},
    {"chkSimplePairing",          K::Check, "gpbBT",              "FormParaSet_Dapra_chkSimplePairing",          TItems::None,          0},
}};

// The groups in placement order with their captions.
constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kGroups = {{
    {"gpbOther",           "FormParaSet_Tramwe_gpbOther"},
    {"gpbPaper",           "FormParaSet_Tramwe_gpbPaper"},
    {"gpbLanguage",        "FormParaSet_Tramwe_gpbLanguage"},
    {"gpbCOMPortSet",      "FormParaSet_Tramwe_gpbCOMPortSet"},
    {"gpbEthernetSetting", "FormParaSet_Tramwe_gpbEthernetSetting"},
    {"gpbBT",              "_BTSet"},
}};

struct TRangeRow {
    std::string_view control;
    TFamilySet families; // 0: every family
    long low;
    long high;
};
constexpr TFamilySet kShortLengths = FamilySet(Pelso, Tramwe);
constexpr TFamilySet kLongLengths = FamilySet(Gulvo, Velko, Ombra, Dovrin, Dovrin_Tarnik, Dovrin_Brenn);
constexpr std::array<TRangeRow, 12> kRanges = {{
    {"txtStopPrint",              0,              0,  255},
    {"txtMarkMaxLength",          kShortLengths,  38, 400},
    {"txtLabelMaxLength",         kShortLengths,  38, 400},
    {"txtLabelMinLength",         kShortLengths,  38, 400},
    {"txtMarkMaxLength",          kLongLengths,   0,  500},
    {"txtLabelMaxLength",         kLongLengths,   0,  500},
    {"txtLabelMinLength",         kLongLengths,   0,  500},
    {"txtValleyThresholdRate",    0,              0,  100},
    {"txtVoltageBetweenLabelGap", 0,              0,  33},
    {"txtPrintToStop",            0,              0,  89},
    {"txtHOrigin",                0,              0,  89},
    {"txtVOrigin",                0,              0,  89},
}};
// clang-format on

constexpr std::array<std::string_view, 3> kAddressRows = {"txtIP", "txtSubnet", "txtGateway"};
constexpr std::array<std::string_view, 3> kAddressLabels = {"lblIPAddress", "lblSubnet", "lblDefautGateway"};

bool IsAddressField(std::string_view name) {
    return std::any_of(kAddressRows.begin(), kAddressRows.end(), [&](std::string_view prefix) {
        return name.size() == prefix.size() + 1 && name.substr(0, prefix.size()) == prefix;
    });
}

std::vector<std::string> Numbers(int from, int to, int step = 1) {
    std::vector<std::string> items;
    for (int n = from; n <= to; n += step) {
        items.push_back(std::to_string(n));
    }
    return items;
}

std::vector<std::string> Texts(std::initializer_list<const char*> keys) {
    std::vector<std::string> items;
    for (const char* key : keys) {
        items.push_back(Txt(key));
    }
    return items;
}

bool QuistFamily(TBlockFamily family) {
    return family == Quist || family == Quist_Tarnik;
}

// Entries that do not depend on the language; nothing for the others.
std::optional<std::vector<std::string>> FixedItems(TBlockFamily family, TItems items) {
    switch (items) {
    case TItems::Density:
        if (QuistFamily(family)) {
            std::vector<std::string> entries = Numbers(1, 5);
            entries.emplace_back();
            return entries;
        }
        return Numbers(0, 15);
    case TItems::Heat:
        return Numbers(-50, 50, 5);
    case TItems::Speed:
        if (family == Oskin || family == Fenno) {
            return Numbers(2, 4);
        }
        return std::vector<std::string>{};
    case TItems::Baud:
        return std::vector<std::string>{"9600", "19200", "38400", "57600", "115200"};
    case TItems::Parity:
        return std::vector<std::string>{"NONE", "ODD", "EVEN"};
    case TItems::StopBits:
        return std::vector<std::string>{"1", "2"};
    case TItems::CharSets:
        return std::vector<std::string>{"U.S.A.",     "France",   "Germany", "U.K.",  "Denmark I",
                                        "Sweden",     "Italy",    "Spain I", "Japan", "Norway",
                                        "Denmark II", "Spain II", "Latin",   "Korea", "Slovenia/Croatia",
                                        "China"};
    case TItems::Protocol:
        // Dapra's entries depend on the printer and come with the dialog.
        if (family == Dapra) {
            return std::vector<std::string>{};
        }
        return std::vector<std::string>{"ESC Protocol", "TSC Protocol"};
    case TItems::ZeroToThree:
        return Numbers(0, 3);
    default:
        return std::nullopt;
    }
}

std::vector<std::string> LanguageItems(TBlockFamily family, TItems items) {
    switch (items) {
    case TItems::Paper:
        if (family == Pelso) {
            return Texts(
                {"_PaperType_Auto", "_PaperType_Label", "_PaperType_Receipt", "_PaperType_BlackMark"});
        }
        if (family == Dovrin || family == Dovrin_Tarnik || family == Dovrin_Brenn) {
            return Texts({"_PaperType_Label", "_PaperType_Receipt", "_PaperType_BlackMark"});
        }
        if (family == Fenno) {
            return Texts({"_PaperType_Receipt", "_PaperType_Label"});
        }
        return Texts({"_PaperType_Receipt", "_PaperType_Label", "_PaperType_BlackMark"});
    case TItems::Dhcp:
        return Texts({"FormParaSet_Tramwe_cmbDHCP_Item1", "FormParaSet_Tramwe_cmbDHCP_Item2"});
    case TItems::KoreanOrPage:
        return Texts({"FormParaSet_Oskin_ComboBox1_Item1", "FormParaSet_Oskin_ComboBox1_Item2"});
    case TItems::SensorPlace:
        return Texts(
            {"FormParaSet_Quist_cmbSenserLoaction_Item1", "FormParaSet_Quist_cmbSenserLoaction_Item2"});
    case TItems::DetectMode:
        return Texts({"FormParaSet_Sendo_cmbDetectMode_Item1", "FormParaSet_Sendo_cmbDetectMode_Item2",
                      "FormParaSet_Sendo_cmbDetectMode_Item3"});
    case TItems::DisableEnable:
        return Texts({"_Disable", "_Enable"});
    case TItems::PrintType:
        return Texts({"_PrintType1", "_PrintType2"});
    default:
        return {};
    }
}

// The family's controls, each once, in the order of the control table.
std::vector<const TControlDesign*> FamilyControls(TBlockFamily family) {
    const std::vector<TBlockField> layout = BlockLayout(family);
    std::vector<const TControlDesign*> designs;
    for (const TControlDesign& design : kControls) {
        const bool shown = std::any_of(layout.begin(), layout.end(), [&](const TBlockField& field) {
            return field.control == design.name;
        });
        if (shown) {
            designs.push_back(&design);
        }
    }
    return designs;
}

// The rows of a group: the inputs (the first field of an address row
// stands for the row) and the labels beside them.
} // namespace

void LayoutBlockGroup(TFormModel& form, const std::string& group, int left, int top) {
    int y = 24;
    for (const TControl* control : form.Controls()) {
        if (control->parent != group || control->kind == K::Label || !control->visible ||
            (IsAddressField(control->name) && control->name.back() != '1')) {
            continue;
        }
        const std::string label = BlockLabelOf(control->name);
        if (IsAddressField(control->name)) {
            const std::string prefix = control->name.substr(0, control->name.size() - 1);
            for (int n = 1; n <= 4; ++n) {
                form.SetGeometry(prefix + std::to_string(n), 184 + (n - 1) * 34, y, 30, kBlockRowHeight);
            }
        } else if (control->kind == K::Check) {
            form.SetGeometry(control->name, 8, y, kBlockColumnWidth - 16, kBlockRowHeight);
        } else {
            form.SetGeometry(control->name, 184, y, kBlockColumnWidth - 192, kBlockRowHeight);
        }
        if (!label.empty() && form.Find(label) != nullptr) {
            form.SetGeometry(label, 8, y, 172, kBlockRowHeight);
        }
        y += 30;
    }
    if (form.Find("txtTip_ProtocolType") != nullptr && group == "gpbOther") {
        // The hint of the protocol row sits below the rows.
        form.SetGeometry("txtTip_ProtocolType", 8, y, kBlockColumnWidth - 16, kBlockRowHeight);
        y += 30;
    }
    form.SetGeometry(group, left, top, kBlockColumnWidth, y + 2);
}

std::string BlockLabelOf(std::string_view control) {
    for (std::size_t i = 0; i < kAddressRows.size(); ++i) {
        if (control.size() == kAddressRows[i].size() + 1 &&
            control.substr(0, kAddressRows[i].size()) == kAddressRows[i]) {
            return std::string(kAddressLabels[i]);
        }
    }
    if (control.substr(0, 3) == "cmb" || control.substr(0, 3) == "txt") {
        return "lbl" + std::string(control.substr(3));
    }
    if (control == "ComboBox1") {
        return "lblComboBox1";
    }
    return {};
}

void BuildBlockForm(TBlockFamily family, TFormModel& form) {
    const bool rows = family == Sendo; // Sendo: rows on the dialog, laid out one below the other
    const std::vector<const TControlDesign*> designs = FamilyControls(family);
    for (const auto& entry : kGroups) {
        const std::string_view group = entry.first;
        const bool used = std::any_of(designs.begin(), designs.end(), [&](const TControlDesign* design) {
            return design->group == group && (!rows || group == "gpbBT");
        });
        if (used) {
            form.Add(std::string(group), K::Group);
        }
    }
    for (const TControlDesign* design : designs) {
        const std::string parent =
            rows && design->group != "gpbBT" ? std::string() : std::string(design->group);
        const std::string label = BlockLabelOf(design->name);
        if (!label.empty()) {
            form.Add(label, K::Label, parent);
        }
        if (IsAddressField(design->name)) {
            const std::string prefix = std::string(design->name.substr(0, design->name.size() - 1));
            for (int n = 1; n <= 4; ++n) {
                form.Add(prefix + std::to_string(n), K::Edit, parent).maxLength = design->maxLength;
            }
            continue;
        }
        TControl& control = form.Add(std::string(design->name), design->kind, parent);
        control.maxLength = design->maxLength;
        if (const auto fixed = FixedItems(family, design->items)) {
            control.items = *fixed;
            control.index = control.items.empty() ? -1 : 0;
        }
    }
    if (family == Oskin) {
        // The name ends where the password begins.
        form["txtBTName"].maxLength = 10;
    }
    if (family == Dapra) {
        form.Add("txtTip_ProtocolType", K::Label, "gpbOther");
    }
    if (rows) {
        form.Add("pnlTool", K::Group);
    }
    const std::string buttons = rows ? "pnlTool" : "";
    form.Add("btnSet", K::Button, buttons);
    form.Add("btnClose", K::Button, buttons);
}

void ApplyBlockTexts(TBlockFamily family, TFormModel& form) {
    for (const auto& [group, key] : kGroups) {
        if (form.Find(group) != nullptr) {
            form.SetText(group, Txt(std::string(key)));
        }
    }
    for (const TControlDesign& design : kControls) {
        if (form.Find(design.name) == nullptr) {
            continue;
        }
        const std::string label = BlockLabelOf(design.name);
        form.SetText(label.empty() ? std::string(design.name) : label, Txt(std::string(design.captionKey)));
        if (!FixedItems(family, design.items) && design.items != TItems::None &&
            design.items != TItems::Speed) {
            form.SetItems(design.name, LanguageItems(family, design.items), 0);
        }
    }
    if (form.Find("pnlTool") != nullptr) {
        form.SetText("pnlTool", "");
    }
    form.SetText("btnSet", Txt("_Set"));
    form.SetText("btnClose", Txt("_Close"));
}

void LayoutBlockForm(TFormModel& form) {
    std::array<int, 2> bottom = {kBlockMargin, kBlockMargin};
    const auto place = [&](const std::string& name, int column, int height) {
        const int left = kBlockMargin + column * (kBlockColumnWidth + kBlockMargin);
        form.SetGeometry(name, left, bottom[column], kBlockColumnWidth, height);
        bottom[column] += height + kBlockGroupSpacing;
    };
    // The radio groups down the left column, then each group in the
    // shorter column.
    for (const TControlDesign& design : kControls) {
        if (design.kind == K::Radio && form.Find(design.name) != nullptr && form[design.name].visible) {
            place(std::string(design.name), 0, 48);
        }
    }
    for (const auto& [groupName, key] : kGroups) {
        const std::string group(groupName);
        if (form.Find(group) == nullptr || !form[group].visible) {
            continue;
        }
        const int column = bottom[1] < bottom[0] ? 1 : 0;
        const int left = kBlockMargin + column * (kBlockColumnWidth + kBlockMargin);
        LayoutBlockGroup(form, group, left, bottom[column]);
        bottom[column] += form[group].height + kBlockGroupSpacing;
    }
    const int width = 2 * kBlockColumnWidth + 3 * kBlockMargin;
    const int buttonsTop = std::max(bottom[0], bottom[1]) + 2;
    form.SetGeometry("btnSet", width - 2 * (96 + kBlockMargin), buttonsTop, 96, kBlockButtonHeight);
    form.SetGeometry("btnClose", width - (96 + kBlockMargin), buttonsTop, 96, kBlockButtonHeight);
    form.SetClientSize(width, buttonsTop + kBlockButtonHeight + kBlockMargin);
}

std::optional<TBlockRange> BlockInputRange(TBlockFamily family, std::string_view control) {
    if (IsAddressField(control)) {
        return TBlockRange{0, 255};
    }
    for (const TRangeRow& row : kRanges) {
        if (row.control == control && (row.families == 0 || InFamilySet(row.families, family))) {
            return TBlockRange{row.low, row.high};
        }
    }
    return std::nullopt;
}

} // namespace tolvane::params
