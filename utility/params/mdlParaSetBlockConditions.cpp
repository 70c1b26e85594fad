// What the block dialog shows, reads and writes depending on the printer:
// the hooks of the families whose window changes with the model.
#include "mdlParaSetBlock.h"

#include "mdlBlockForms.h"
#include "mdlCatalogueOverlay.h"
#include "mdlFunction_Permission.h"
#include "mdlGlobal_Permission.h"
#include "mdlModelList.h"
#include "mdlModelListNames.h"
#include "mdlModelLists.h"
#include "mdlParaLists.h"

namespace tolvane::params {
namespace {

using enum TBlockFamily;

// The families whose language group disappears for models with a fixed language.
constexpr TFamilySet kLanguageGroupHides =
    FamilySet(Pelso, Tramwe, Gulvo, Gulvo_Tarnik, Dovrin, Dovrin_Tarnik, Dovrin_Brenn, Velko, Pirvo, Fenno);

constexpr const char* kProtocolPermission = "0142030002";

// Design width of the Sendo window and its height in debug mode.
constexpr int kSendoWidth = 416;
constexpr int kSendoDesignHeight = 720;

bool CatalogueHolds(const char* key, const std::string& model) {
    return IsModelInList(model, ReadCatalogue(key));
}

} // namespace

void TParaSetBlock::ApplyFamilyConditions() {
    skipped_.clear();
    switch (family_) {
    case Dapra:
        ApplyDapra();
        break;
    case Fenno:
        ApplyFenno();
        break;
    case Oskin:
        ApplyOskin();
        break;
    case Pirvo:
        ApplyPirvo();
        break;
    case Sendo:
        ApplySendo();
        break;
    default:
        break;
    }
    ApplyOnlyChinese();
    if (family_ == Sendo) {
        LayoutSendoRows();
    } else {
        LayoutBlockForm(Form());
    }
}

void TParaSetBlock::ApplyDapra() {
    TFormModel& form = Form();
    BluetoothApplies = CatalogueHolds("SendoWithBT", Context().model);
    if (!BluetoothApplies) {
        // The groups below it move up when the layout runs.
        form.SetVisible("gpbBT", false);
        skipped_.insert({"txtBTName", "txtBTPWD", "chkSimplePairing"});
    }
    ProtocolTypeApplies = Permission(kProtocolPermission) == 1;
    form.SetText("lblProtocolType", Txt("Lang_All_00210004_12") + Txt("Lang_All_00010002_11"));
    ProtocolTypeList.clear();
    BuildDapraProtocolTypeList(Context().model, ProtocolTypeList);
    std::vector<std::string> texts;
    for (const auto& [number, text] : ProtocolTypeList) {
        texts.push_back(text);
    }
    form.SetItems("cmbProtocolType", std::move(texts), -1);
    if (ProtocolTypeApplies) {
        form.SetText("txtTip_ProtocolType", Txt("Lang_Pos_00010004_11"));
    } else {
        form.SetEnabled("cmbProtocolType", false);
        form.SetIndex("cmbProtocolType", -1);
        form.SetText("txtTip_ProtocolType", Txt("Lang_Pos_00010003_11"));
        skipped_.insert("cmbProtocolType");
    }
}

void TParaSetBlock::ApplyFenno() {
    TFormModel& form = Form();
    BluetoothApplies = CatalogueHolds("SendoWithBT", Context().model);
    for (const char* name : {"txtBTName", "txtBTPWD", "chkSimplePairing"}) {
        form.SetEnabled(name, BluetoothApplies);
        if (!BluetoothApplies) {
            skipped_.insert(name);
        }
    }
}

void TParaSetBlock::ApplyOskin() {
    TFormModel& form = Form();
    BluetoothApplies = CatalogueHolds("Oskin_ParameterSetting_WithBT", Context().model);
    for (const char* name : {"txtBTName", "txtBTPWD"}) {
        form.SetEnabled(name, BluetoothApplies);
        if (!BluetoothApplies) {
            skipped_.insert(name);
        }
    }
    form.SetEnabled("cmbProtocolType",
                    CatalogueHolds("Oskin_ParameterSetting_WithProtocol", Context().model));
}

void TParaSetBlock::ApplyPirvo() {
    if (ListHasNameComma("Velmar,", Context().model)) {
        for (const char* name : {"gpbLanguage", "cmbInternationalCharacter", "cmbCodepage"}) {
            Form().SetEnabled(name, false);
        }
    }
}

void TParaSetBlock::ApplySendo() {
    TFormModel& form = Form();
    const TParaDialogContext& printer = Context();
    BluetoothApplies =
        CatalogueHolds("SendoWithBT", printer.model) || InBuiltInList(lists::SendoBtModels, printer.listName);
    ReprintApplies = !InBuiltInList(lists::NoReprintModels, printer.listName);
    if (!BluetoothApplies) {
        skipped_.insert({"txtBTName", "txtBTPWD", "chkSimplePairing"});
    }
    if (!ReprintApplies) {
        skipped_.insert({"gpbReprintWhenError", "gpbPrintReprint"});
    }
    form.SetVisible("gpbBT", BluetoothApplies);
}

void TParaSetBlock::ApplyOnlyChinese() {
    TFormModel& form = Form();
    OnlyChinese = ListHasNameComma(ReadCatalogue("OnlyChinese"), Context().model);
    if (!OnlyChinese) {
        return;
    }
    if (InFamilySet(kLanguageGroupHides, family_)) {
        form.SetVisible("gpbLanguage", false);
    } else if (family_ == Quist || family_ == Quist_Tarnik) {
        form.SetEnabled("cmbCodepage", false);
        form.SetEnabled("lblCodepage", false);
    }
}

void TParaSetBlock::LayoutSendoRows() {
    TFormModel& form = Form();
    SendoRows.Clear();
    const auto row = [&](const std::string& caption, int height, std::vector<std::string> names,
                         bool visible) {
        std::vector<TFormRowControl> controls;
        for (std::string& name : names) {
            controls.push_back({&form, std::move(name)});
        }
        SendoRows.Add(caption, height, std::move(controls), visible);
    };
    const auto input = [&](const std::string& name, bool visible = true) {
        const std::string label = BlockLabelOf(name);
        form.SetGeometry(label, 16, form[label].top, 170, kBlockRowHeight);
        form.SetGeometry(name, 190, form[name].top, 210, kBlockRowHeight);
        row(name, kBlockRowHeight, {label, name}, visible);
    };
    const auto frame = [&](const std::string& name, int height, bool visible) {
        form.SetGeometry(name, kBlockMargin, form[name].top, kSendoWidth - 2 * kBlockMargin, height);
        row(name, height, {name}, visible);
    };

    LayoutBlockGroup(form, "gpbBT", kBlockMargin, kBlockMargin);
    frame("gpbBT", form["gpbBT"].height, BluetoothApplies);
    input("cmbDensity");
    input("cmbHeatAdj");
    input("cmbDetectMode");
    input("cmbPrintSpeed");
    input("cmbCodepage", Context().listName != "Plaskit Hobbe");
    input("txtVOrigin");
    input("txtHOrigin");
    input("txtPrintToStop");
    input("txtStopPrint");
    frame("gpbReprintWhenError", 48, ReprintApplies);
    frame("gpbPrintReprint", 48, ReprintApplies);
    form.SetGeometry("btnSet", kSendoWidth - 2 * (96 + kBlockMargin) - kBlockMargin, 4, 96,
                     kBlockButtonHeight);
    form.SetGeometry("btnClose", kSendoWidth - (96 + kBlockMargin) - kBlockMargin, 4, 96, kBlockButtonHeight);
    frame("pnlTool", kBlockButtonHeight + 8, true);

    const int bottom = SendoRows.Layout(kBlockMargin);
    form.SetClientSize(kSendoWidth, DebugMode() ? kSendoDesignHeight : bottom);
}

void TParaSetBlock::cmbDetectModeChange() {
    if (family_ != Sendo) {
        return;
    }
    TFormModel& form = Form();
    const bool enabled =
        form["cmbDetectMode"].index != 0 && !CatalogueHolds("ReprintDisenable", Context().model);
    form.SetEnabled("gpbReprintWhenError", enabled);
    form.SetEnabled("gpbPrintReprint", enabled);
}

} // namespace tolvane::params
