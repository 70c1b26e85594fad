#include "mdlCliPrintText.h"

#include "mdlCliRun.h"
#include "mdlDialogChoice.h"
#include "mdlPaperWidth.h"
#include "mdlParaHelpers.h"
#include "mdlPrintTextDialogs.h"
#include "mdlPrinterFacts.h"
#include "mdlPrinterIdentity.h"
#include "mdlPrinterSelection.h"
#include "mdlReplaceText.h"
#include "mdlScanTest.h"

#include <ostream>

namespace tolvane::cli {
namespace {

int BadInput(std::ostream& err, const std::string& message) {
    err << "tolvane-cli: " << message << '\n';
    return kExitBadInput;
}

// The scanned text on one line: CR LF as "\n", other control bytes as "?".
std::string OneLine(const std::string& text) {
    std::string line;
    for (std::size_t n = 0; n < text.size(); ++n) {
        if (text[n] == '\r' && n + 1 < text.size() && text[n + 1] == '\n') {
            line += "\\n";
            ++n;
        } else {
            line.push_back(static_cast<unsigned char>(text[n]) < 32 ? '?' : text[n]);
        }
    }
    return line;
}

// Applies --width and --height to the label dialog's edits as typed and
// checked on leaving them; an error text when they do not apply.
std::string ApplySizes(params::TParaDialogModel& dialog, const TCliOptions& options) {
    params::TFormModel& form = dialog.Form();
    const struct {
        const char* edit;
        const std::string& value;
        const char* option;
    } sizes[] = {{"txtPrintableWidth", options.widthMm, "--width"},
                 {"txtPrintableHeigh", options.heightMm, "--height"}};
    for (const auto& size : sizes) {
        if (size.value.empty()) {
            continue;
        }
        if (form.Find(size.edit) == nullptr || !form.EffectivelyVisible(size.edit)) {
            return std::string(size.option) + ": this printer's test print has no label size";
        }
        if (!dialog.AcceptsText(size.edit, size.value)) {
            return std::string(size.option) + " takes millimetres (up to 3 digits): " + size.value;
        }
        form.SetText(size.edit, size.value);
        dialog.LeaveField(size.edit);
    }
    return {};
}

// Ticks the language box and selects the entry of the code page.
std::string ApplyCodePage(params::TParaDialogModel& dialog, const std::string& codePage) {
    if (codePage.empty()) {
        return {};
    }
    params::TFormModel& form = dialog.Form();
    const char* tick = form.Find("cbxLanguage") != nullptr ? "cbxLanguage" : "CheckBox1";
    if (!form.EffectivelyVisible(tick) || !form.EffectivelyEnabled(tick)) {
        return "--code-page: this printer's test print has no code page choice";
    }
    const std::vector<std::string> codes =
        params::SplitText(params::Txt("FormPrintText_cmbLanguage_ItemCode"), ',');
    std::string offered;
    for (std::size_t n = 0; n < codes.size(); ++n) {
        const std::string code = params::Trim(codes[n]);
        if (code == codePage) {
            form.SetIndex(tick, 1);
            dialog.UserChanged(tick);
            form.SetIndex("cmbInternationalCharacter", static_cast<int>(n));
            return {};
        }
        offered += (offered.empty() ? "" : ", ") + code;
    }
    return "--code-page " + codePage + ": not one of " + offered;
}

} // namespace

std::string UnescapeCliText(std::string_view text) {
    std::string out;
    for (std::size_t n = 0; n < text.size(); ++n) {
        if (text[n] == '\\' && n + 1 < text.size() && (text[n + 1] == 'n' || text[n + 1] == '\\')) {
            out.push_back(text[n + 1] == 'n' ? '\n' : '\\');
            ++n;
        } else {
            out.push_back(text[n]);
        }
    }
    return out;
}

int RunPrintText(const TCliOptions& options, TCliSink& sink, std::ostream&, std::ostream& err) {
    const int errorsBefore = sink.Errors();
    // What the test print button does before its dialog opens.
    if (!PrepareDialogOpen() || sink.Errors() != errorsBefore) {
        return kExitPrinterError;
    }
    const std::string className(PrintTextDialog(PrintTextChoice(SelectedPrinterFacts())));
    std::unique_ptr<params::TParaDialogModel> dialog = diagnostics::CreatePrintTextDialog(
        className, params::SelectedPrinterContext(), DefaultPaperWidth(PrinterIdentity().Model));
    if (!dialog) {
        sink.ShowError("no test print for " + className, {});
        return kExitPrinterError;
    }
    dialog->FormCreate();
    dialog->FormShow();
    std::string problem = ApplySizes(*dialog, options);
    if (problem.empty()) {
        problem = ApplyCodePage(*dialog, options.codePage);
    }
    if (!problem.empty()) {
        dialog->FormDestroy();
        return BadInput(err, problem);
    }
    dialog->Form().SetText("txtPrintText", UnescapeCliText(options.text));
    dialog->ButtonClick("btnPrint");
    dialog->FormDestroy();
    if (sink.Errors() != errorsBefore) {
        return kExitPrinterError;
    }
    sink.ShowInfo(params::Txt("Cli_PrintTextDone"), {});
    return kExitDone;
}

int RunScanTest(const TCliOptions& options, TCliSink& sink, std::ostream& out, std::ostream& err) {
    const int errorsBefore = sink.Errors();
    // What the scan test button does: the pre-check, then the port opened.
    if (!PreCheckSelectedPrinter() || !OpenPrinterPort() || sink.Errors() != errorsBefore) {
        return kExitPrinterError;
    }
    diagnostics::TScanTest dialog(params::SelectedPrinterContext());
    dialog.FormCreate();
    dialog.FormShow();
    if (!options.widthMm.empty()) {
        dialog.Form().SetText("edtPrintWidth", options.widthMm);
    }
    if (!options.heightMm.empty()) {
        dialog.Form().SetText("edtPrintHeight", options.heightMm);
    }
    const bool widthOk =
        diagnostics::CheckScanWidth(dialog.Form()["edtPrintWidth"].text) == diagnostics::TScanWidthCheck::Ok;
    dialog.ButtonClick("btnScanTest");
    if (dialog.Running()) {
        // Every read may wait for the port's read time-out (a few seconds).
        const diagnostics::TScanTestTimes& times = dialog.Times();
        const int limitMs =
            times.attempts * (times.attemptIntervalMs + times.readsPerAttempt * (times.readPauseMs + 5000));
        diagnostics::RunDialogTimers(dialog, limitMs);
    }
    dialog.FormDestroy();
    ClosePrinterPort();
    if (!widthOk) {
        return kExitBadInput;
    }
    if (sink.Errors() != errorsBefore) {
        return kExitPrinterError;
    }
    if (!dialog.Printed()) {
        err << "tolvane-cli: "
            << ReplaceText(params::Txt("Cli_ScanNothing"), std::to_string(dialog.Times().attempts)) << '\n';
        return kExitPrinterError;
    }
    out << ReplaceText(params::Txt("Cli_ScanPrinted"), OneLine(dialog.ScannedText())) << '\n';
    return kExitDone;
}

} // namespace tolvane::cli
