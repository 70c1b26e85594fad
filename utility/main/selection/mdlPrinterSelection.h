// Selecting a printer and preparing its port, without widgets: what the main
// window's printer selection and function buttons do before a dialog or an
// action, for the window, the command line and tests alike. Message boxes
// go through the message interface.
#pragma once

#include "mdlParaDialogChoice.h"
#include "mdlPrinterList.h"

#include <functional>
#include <string>

namespace tolvane {

// The selection outcome the window shows in its system page.
struct TSelectionOutcome {
    int createResult = 0;        // PrtLib_Create's result (0: the printer object exists)
    std::string vpidText;        // "VPID:" + the USB identity found
    std::string identityDisplay; // the record's identities, for the display list's models
};

// Receives the protocol-field texts: the protocol word and a step marker.
using TProtocolField = std::function<void(const std::string&)>;

// Everything the selection of a printer list entry does without widgets:
// model resolution (with manualVpid, the identity typed on the system page),
// the identity values (PrinterIdentity()), the hand-over to the command
// helper library, the feature record, the map model, the permissions, the
// printer object of the current command language (PrtLib_Create) and the
// device object bound to it. It does not show a create error; the caller
// does (the window shows "_Err_CreatePrinter:<code>").
TSelectionOutcome SelectPrinter(const TPrinterEntry& entry, const std::string& manualVpid = {});

// The USB identity pre-check of the function buttons on the selected
// printer (no re-selection): printers of the editions that read basic
// information must match their model's identity; a mismatch shows the
// check's text. True when the function may go on.
bool PreCheckSelectedPrinter();

// Opens the selected printer's port through the current library, creating
// the printer object first when there is none and handing it to the device
// object. The open result.
int OpenOnCurrentLibrary();
// OpenOnCurrentLibrary with the error box on failure; true on 0 and 5
// (already open), and in debug mode also after a failure.
bool OpenPrinterPort();
// Sets the command language the detection opens the port with: the
// catalogue's language for models with one language, TSPL for models with
// two that are asked (not "GDS"), unchanged for the others.
void PrepareDetection();
// Queries the command language and moves the port to its library; `field`
// receives the protocol-field texts before and after (may be empty). In
// debug mode an information box shows the language number. A printer that
// leaves the question unanswered (no reply, a reply cut off) gets the read
// error box "_Err_ReadData", keeps its language and gives false.
bool DetectProtocol(const TProtocolField& field = {});
// PrepareDetection, OpenPrinterPort and DetectProtocol; false when the
// port did not open or the language question went unanswered (the port is
// closed again then).
bool OpenAndDetect(const TProtocolField& field = {});
// Closes the current library's port.
void ClosePrinterPort();

// The parameter dialog class for the selected printer, from the catalogue,
// the built-in lists, the USB identity and the firmware check. When the
// firmware check decided nothing the choice is `failed`, without a dialog,
// and the check has shown its error box.
TParaDialogChoice ChooseParaDialogForSelectedPrinter();

// What most dialog buttons run before their dialog opens: the pre-check,
// open and detect, close. False when the dialog must not open.
bool PrepareDialogOpen(const TProtocolField& field = {});

} // namespace tolvane
