#include "mdlCliDiagnostics.h"

#include "mdlCommandTest.h"
#include "mdlMainButtons.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterInformation.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterSelection.h"
#include "mdlPrinterStatus.h"

#include <chrono>
#include <ostream>
#include <thread>

namespace tolvane::cli {
namespace {

using diagnostics::TCommandTest;

// Everything the dialogs report through the sink counts as a failure.
class TDiagnosticRun {
  public:
    TDiagnosticRun(const TCliOptions& options, TCliStreams streams, TCliSink& sink)
        : options_(options.diagnostics), streams_(streams), sink_(sink), errorsBefore_(sink.Errors()) {}

    int Status() const { return sink_.Errors() == errorsBefore_ ? kExitDone : kExitPrinterError; }

    int Send() {
        if (!PreCheckSelectedPrinter()) {
            return kExitPrinterError;
        }
        TCommandTest dialog(params::SelectedPrinterContext());
        params::TFormModel& form = dialog.Form();
        dialog.FormCreate();
        dialog.FormShow();
        form.SetIndex("gpbDataType", options_.hex ? 1 : 0);
        if (options_.text) {
            form.SetText(dialog.CurrentPage(), *options_.text);
        } else {
            dialog.ButtonClick("btnLoadFile", options_.file);
            if (Status() != kExitDone) {
                dialog.FormDestroy();
                return kExitBadInput;
            }
        }
        if (options_.readLength) {
            form.SetIndex("chkSendAndRead", 1);
            form.SetText("txtReadLen", std::to_string(*options_.readLength));
        }
        if (options_.repeat > 0) {
            form.SetIndex("chkRecycle", 1);
            dialog.UserChanged("chkRecycle");
            form.SetText("txtSleepTime", std::to_string(options_.intervalMs));
            dialog.LeaveField("txtSleepTime");
        }
        dialog.btnSendClick();
        if (dialog.Cycling()) {
            // The window's timer, run here: one send every interval.
            const auto interval = std::chrono::milliseconds(options_.intervalMs);
            for (int n = 0; n < options_.repeat && dialog.Cycling(); ++n) {
                if (n > 0) {
                    std::this_thread::sleep_for(interval);
                }
                dialog.Tick("timSendTimer");
            }
            if (dialog.Cycling()) {
                dialog.btnSendClick();
            }
        }
        PrintReply(dialog);
        dialog.FormDestroy();
        return Status();
    }

    int Read() {
        TCommandTest dialog(params::SelectedPrinterContext());
        dialog.FormCreate();
        dialog.FormShow();
        dialog.Form().SetText("txtReadLen", std::to_string(options_.readLength.value_or(256)));
        dialog.btnReadDataClick();
        streams_.out << dialog.Form()["txtReadData"].text << '\n';
        dialog.FormDestroy();
        return Status();
    }

    int PrinterStatus() {
        diagnostics::TPrinterStatus dialog(params::SelectedPrinterContext());
        dialog.FormCreate();
        dialog.FormShow();
        if (Status() != kExitDone) {
            return Status();
        }
        if (!dialog.ReadOk()) {
            streams_.err << "tolvane-cli: " << dialog.Form()["RichEdit1"].text << '\n';
            return kExitPrinterError;
        }
        if (!options_.json) {
            streams_.out << dialog.Form()["RichEdit1"].text;
            return kExitDone;
        }
        const auto set = diagnostics::SetConditions(dialog.Block());
        std::string json = "{";
        for (const diagnostics::TStatusCondition& condition : diagnostics::StatusConditions()) {
            const bool on =
                std::any_of(set->begin(), set->end(),
                            [&](const diagnostics::TStatusCondition& c) { return c.name == condition.name; });
            json += std::string(json.size() > 1 ? ", " : "") + "\"" + std::string(condition.name) +
                    "\": " + (on ? "true" : "false");
        }
        streams_.out << json << "}\n";
        return kExitDone;
    }

    int Information() {
        // As the main window: no information for ESC printers (told before
        // the port is opened when the catalogue gives the language), the
        // pre-check, the port opened and the command language detected.
        if (InformationRefused(SelectedPrinterFacts())) {
            sink_.ShowError(params::Txt("_Err_ProtocolFunction"), params::Txt("_MSG_Title_Error"));
            return kExitPrinterError;
        }
        if (!PrepareDialogOpen() || Status() != kExitDone) {
            return kExitPrinterError;
        }
        if (ProtocolKind == kLangEsc) {
            sink_.ShowError(params::Txt("_Err_ProtocolFunction"), params::Txt("_MSG_Title_Error"));
            return kExitPrinterError;
        }
        diagnostics::TPrinterInformation dialog(params::SelectedPrinterContext());
        dialog.FormCreate();
        dialog.FormShow();
        // A value the printer did not give (its row shows the read error or
        // nothing) makes the command fail, with the error text.
        const std::string readError = params::Txt("_Err_ReadData");
        bool unread = false;
        for (const auto& [label, value] : dialog.VisibleRows()) {
            streams_.out << label << (label.empty() || label.back() == ' ' ? "" : " ") << value << '\n';
            unread = unread || value.empty() || value == readError;
        }
        if (unread && Status() == kExitDone) {
            streams_.err << "tolvane-cli: " << readError << '\n';
            return kExitPrinterError;
        }
        return Status();
    }

  private:
    void PrintReply(TCommandTest& dialog) {
        if (options_.readLength) {
            streams_.out << dialog.Form()["txtReadData"].text << '\n';
        }
    }

    const TCliDiagnosticOptions& options_;
    TCliStreams streams_;
    TCliSink& sink_;
    int errorsBefore_;
};

} // namespace

int RunDiagnosticCommand(const TCliOptions& options, TCliStreams streams, TCliSink& sink,
                         const std::function<int()>& select) {
    if (const int selected = select(); selected != kExitDone) {
        return selected;
    }
    TDiagnosticRun run(options, streams, sink);
    switch (options.command) {
    case TCliCommand::Send:
        return run.Send();
    case TCliCommand::Read:
        return run.Read();
    case TCliCommand::Status:
        return run.PrinterStatus();
    case TCliCommand::Info:
        return run.Information();
    default:
        return kExitBadInput;
    }
}

} // namespace tolvane::cli
