#include "mdlDownFirmwareSelType.h"

#include "mdlMessages.h"
#include "mdlParaHelpers.h"

namespace tolvane::firmware {

using params::TControlKind;
using params::Txt;

TDownFirmwareSelType::TDownFirmwareSelType(params::TParaDialogContext context)
    : TActionDialogModel(std::move(context)) {
    FormCreate();
}

void TDownFirmwareSelType::FormCreate() {
    if (!Form().Controls().empty()) {
        return; // made with the dialog
    }
    methods_ = {{kMethodDfu, Txt("Lang_All_00010009_11")}, {kMethodBin, Txt("Lang_All_00010009_12")}};
    params::TFormModel& form = Form();
    form.SetTitle(Txt("Lang_All_00210020_11"));
    form.SetClientSize(360, 196);
    form.Add("txtTitle", TControlKind::Edit);
    form.SetText("txtTitle", Txt("Lang_All_00210018_11"));
    form.SetReadOnly("txtTitle", true);
    form.SetGeometry("txtTitle", 16, 14, 328, 24);
    form.Add("lstType", TControlKind::List);
    std::vector<std::string> texts;
    for (const auto& [code, text] : methods_) {
        texts.push_back(text);
    }
    form.SetItems("lstType", texts);
    form.SetGeometry("lstType", 16, 48, 328, 26);
    form.Add("txtSelected", TControlKind::Edit);
    form.SetReadOnly("txtSelected", true);
    form.SetGeometry("txtSelected", 16, 86, 328, 24);
    form.Add("btnOK", TControlKind::Button);
    form.SetText("btnOK", Txt("Lang_All_00010007_11"));
    form.SetGeometry("btnOK", 150, 150, 92, 30);
    form.Add("btnCancel", TControlKind::Button);
    form.SetText("btnCancel", Txt("Lang_All_00010008_11"));
    form.SetGeometry("btnCancel", 252, 150, 92, 30);
    ShowSelection();
}

std::string TDownFirmwareSelType::SelectedCode() const {
    const std::string text = Form()["lstType"].SelectedText();
    std::string code;
    if (text.empty() || !params::FindNameByValue(methods_, text, code)) {
        return {};
    }
    return code;
}

void TDownFirmwareSelType::ShowSelection() {
    const std::string text = Form()["lstType"].SelectedText();
    Form().SetText("txtSelected", text.empty() ? Txt("Lang_All_00210029_11")
                                               : params::TxtWith("Lang_All_00210028_11", text));
}

void TDownFirmwareSelType::Preselect(const std::string& code, bool lock) {
    std::string text;
    if (params::FindValueByName(methods_, code, text)) {
        params::SelectItemByExactText(Form(), "lstType", text);
    }
    if (lock) {
        Form().SetEnabled("lstType", false);
    }
    ShowSelection();
}

void TDownFirmwareSelType::UserChanged(std::string_view control) {
    if (control == "lstType") {
        ShowSelection();
    }
}

void TDownFirmwareSelType::ButtonClick(std::string_view button, const std::optional<std::string>&) {
    if (button == "btnOK") {
        const std::string code = SelectedCode();
        if (code.empty()) {
            MessageSink().ShowInfo(params::TxtWith("Lang_All_00010014_11", Txt("Lang_All_00210019_11")),
                                   Txt("_MSG_Title_Message"));
            return;
        }
        code_ = code;
        accepted_ = true;
        RequestClose();
    } else if (button == "btnCancel" || button == "btnClose") {
        accepted_ = false;
        RequestClose();
    }
}

} // namespace tolvane::firmware
