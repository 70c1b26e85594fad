#include "mdlPrintTextCommon.h"

#include "mdlCodePageText.h"
#include "mdlErrorText.h"
#include "mdlMessageBoxes.h"
#include "mdlMessages.h"
#include "mdlParaHelpers.h"
#include "mdlPrintTextJobs.h"
#include "mdlPrinterIdentity.h"
#include "mdlPrinterLib.h"
#include "mdlPrtExchange.h"
#include "mdlPrtFrames.h"

namespace tolvane::diagnostics {

using params::TFormModel;

void FillCodePageList(TFormModel& form, const TLanguageGroup& group) {
    form.SetItems(group.list, params::SplitText(params::Txt("FormPrintText_cmbLanguage_Item"), ','), -1);
    form.SetIndex(group.tick, 0);
    form.SetEnabled(group.list, false);
}

void LanguageTicked(TFormModel& form, const TLanguageGroup& group) {
    const bool ticked = form[group.tick].index == 1;
    form.SetEnabled(group.list, ticked);
    if (ticked && form[group.list].index < 0 && !form[group.list].items.empty()) {
        form.SetIndex(group.list, 0);
    }
}

int SelectedCodePage(const TFormModel& form, const TLanguageGroup& group) {
    const int index = form[group.list].index;
    const std::vector<std::string> codes =
        params::SplitText(params::Txt("FormPrintText_cmbLanguage_ItemCode"), ',');
    if (index < 0 || index >= static_cast<int>(codes.size())) {
        return 0;
    }
    return std::max(0, NumberOr(params::Trim(codes[static_cast<std::size_t>(index)]), 0));
}

bool CodePageChosen(const TFormModel& form, const TLanguageGroup& group) {
    return form[group.tick].index == 1 && SelectedCodePage(form, group) > 0;
}

std::string PrinterBytes(const TFormModel& form, const TLanguageGroup& group, std::string_view utf8) {
    return ToCodePage(utf8, CodePageChosen(form, group) ? SelectedCodePage(form, group) : AnsiCodePage());
}

int OpenSelectedPort(TPrtLib lib) {
    const TPrinterIdentity& identity = PrinterIdentity();
    if (PrtLib_Handle(lib) == nullptr) {
        PrtLib_Create(lib, identity.MapModel);
    }
    return PrtLib_Open(lib, identity.PortAddress);
}

int KeyGetByteOn(TPrtLib lib, uint8_t group, uint16_t id, uint8_t& value) {
    constexpr int kKeyReplyWaitMs = 50;
    if (PrtLib_Write(lib, KeyGetFrame(group, id, 1)) != 0) {
        return -1;
    }
    PauseMs(kKeyReplyWaitMs);
    int result = 0;
    const std::vector<uint8_t> reply = ReadOnce(lib, 1, result);
    if (reply.size() != 1) {
        return -1;
    }
    value = reply[0];
    return 1;
}

void ShowOpenError(int result, bool withCode) {
    ShowErrorBox(withCode ? ErrorCodeText("_Err_OpenPort", result) : LangText("_Err_OpenPort"));
}

void ShowWriteError() {
    ShowErrorBox(LangText("_Err_WriteData"));
}

void ShowEmptyTextError() {
    ShowErrorBox(LangText("_Err_ImportNull"));
}

std::string DeveloperSampleText() {
    return "Test 123\n测试打印\n測試列印\nテスト印刷\n테스트 인쇄\nТестовая печать";
}

} // namespace tolvane::diagnostics
