#include "mdlPrinterStatus.h"

#include "mdlMessages.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterIdentity.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrtCommands.h"
#include "mdlPrtFrames.h"

namespace tolvane::diagnostics {
namespace {

using params::TControlKind;
using params::Txt;

constexpr TStatusCondition kConditions[] = {
    {18, 0x01, "HeadTooHot"},     {18, 0x02, "StandBy"},       {18, 0x04, "Printing"},
    {18, 0x08, "TOF_Error"},      {18, 0x10, "LabelEnd"},      {18, 0x20, "RibbonEnd"},
    {18, 0x40, "LabelSeizing"},   {18, 0x80, "LabelJumpping"}, {17, 0x01, "LabelCalibrating"},
    {17, 0x02, "CutterError"},    {17, 0x04, "FormError"},     {17, 0x08, "MemoryWriteError"},
    {17, 0x10, "IllegalCommand"}, {17, 0x20, "CoverOpen"},
};

std::string ConditionText(const TStatusCondition& condition) {
    return Txt("FormPrinterStatus_" + std::string(condition.name));
}

} // namespace

std::span<const TStatusCondition> StatusConditions() {
    return kConditions;
}

std::optional<std::vector<TStatusCondition>> SetConditions(std::span<const uint8_t> block) {
    if (block.size() != kStatusBlockSize) {
        return std::nullopt;
    }
    std::vector<TStatusCondition> set;
    for (const TStatusCondition& condition : kConditions) {
        if ((block[static_cast<std::size_t>(condition.byte)] & condition.mask) != 0) {
            set.push_back(condition);
        }
    }
    return set;
}

std::vector<uint8_t> ReadStatusBlock() {
    std::vector<uint8_t> block(kStatusBlockSize);
    const int count = CmdGetValBytes(QuoteKey("printer_status"), block);
    block.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
    return block;
}

TPrinterStatus::TPrinterStatus(params::TParaDialogContext context) : TActionDialogModel(std::move(context)) {
    params::TFormModel& form = Form();
    const struct {
        const char* name;
        TControlKind kind;
        int left, top, width, height;
    } layout[] = {
        {"lblPrinterStatus", TControlKind::Label, 12, 10, 336, 22},
        {"RichEdit1", TControlKind::Memo, 12, 36, 336, 200},
        {"btnRefresh", TControlKind::Button, 148, 246, 96, 30},
        {"btnClose", TControlKind::Button, 252, 246, 96, 30},
    };
    for (const auto& entry : layout) {
        params::TControl& control = form.Add(entry.name, entry.kind);
        control.left = entry.left;
        control.top = entry.top;
        control.width = entry.width;
        control.height = entry.height;
    }
    form["RichEdit1"].readOnly = true;
    form.SetClientSize(360, 286);
}

void TPrinterStatus::InitLanguage() {
    params::TFormModel& form = Form();
    form.SetTitle(Txt("FormPrinterStatus_Caption"));
    form.SetText("lblPrinterStatus", Txt("FormPrinterStatus_lblPrinterStatus"));
    form.SetText("btnRefresh", Txt("FormPrinterStatus_btnRefresh"));
    form.SetText("btnClose", Txt("_Close"));
}

void TPrinterStatus::FormShow() {
    InitLanguage();
    btnRefreshClick();
}

void TPrinterStatus::ButtonClick(std::string_view button, const std::optional<std::string>&) {
    if (button == "btnRefresh") {
        btnRefreshClick();
    } else if (button == "btnClose") {
        RequestClose();
    }
}

void TPrinterStatus::btnRefreshClick() {
    // The port is checked through the library the status read uses.
    const int opened = PrtLib_Open(PrinterIdentity().PortAddress);
    if (opened != 0 && opened != kAlreadyOpenResult) {
        PrtLib_Close();
        ShowOpenPortError(opened);
        return;
    }
    Form().SetText("RichEdit1", {});
    block_ = ReadStatusBlock();
    std::string lines;
    if (const std::optional<std::vector<TStatusCondition>> set = SetConditions(block_)) {
        for (const TStatusCondition& condition : *set) {
            lines += ConditionText(condition) + "\n";
        }
    } else {
        lines = LangText("_Err_ReadData");
    }
    Form().SetText("RichEdit1", lines);
    PrtLib_Close();
}

} // namespace tolvane::diagnostics
