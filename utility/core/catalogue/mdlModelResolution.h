// Model resolution: from the name a printer has in the printer list to the
// model name the program works with, when a printer is selected.
#pragma once

#include "mdlUsbVidPidCheck.h"

#include <string>

namespace tolvane {

struct TModelResolution {
    std::string Model;           // the model the program works with
    std::string Identity;        // the USB identity found, if any
    std::string IdentityDisplay; // the record's two identities joined by ",", for the display list's models
    TUsbCheckResult UsbCheck;    // the USB identity check, when it ran

    // "VPID:" + Identity, as the main window shows it.
    std::string VpidText() const { return "VPID:" + Identity; }
};

// Resolves the printer list name listName, given the printer's
// firmware-generation key ("0" or empty for none) and the temporary
// identity typed on the system options page:
//  1. the feature record of the list name becomes current, with its flags;
//  2. the command helper library may rename it (unless the name is one that
//     must stay as it is);
//  3. models of the record's display list get the identity display;
//  4. a generation key "1" (or "2" where allowed) of a model with a
//     generation choice resolves to that generation's name;
//  5. a typed identity is tried against the record's manual matchers for
//     the models that allow it;
//  6. the USB identity check; a device that does not match leaves the name
//     as it is (the check's failure text is in UsbCheck);
//  7. list names of a fixed group are returned unchanged.
TModelResolution ResolveModel(const std::string& listName, const std::string& generationKey,
                              const std::string& typedIdentity);

} // namespace tolvane
