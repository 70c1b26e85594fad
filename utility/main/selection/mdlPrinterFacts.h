// What the main window's decisions know about the selected printer: its
// names, the catalogue and built-in lists, the edition's feature numbers,
// the feature record's rules, the permission values, the USB identity and
// the command language.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

struct TPrinterFacts {
    std::string listName; // printer list name
    std::string model;    // resolved model
    // Whether a name is in a catalogue list (section "ParameterSet").
    std::function<bool(std::string_view key, const std::string& name)> inCatalogue;
    // Whether a name is in a built-in list.
    std::function<bool(std::string_view listName, const std::string& name)> inBuiltIn;
    // A permission value of the printer (0 when unknown).
    std::function<int(std::string_view number)> permission;
    // Whether the edition has a feature number ("FTNNo_...").
    std::function<bool(std::string_view key)> hasFeature;
    // The printer's USB identity ("VID_xxxx&PID_yyyy"), asked only by a
    // decision that needs it.
    std::function<std::string()> usbIdentity;
    std::string rfidList;    // the RFID model list read at first show
    int commandTestRule = 0; // feature record: 0 none, 1 show, 2 hide
    int frontLearnRule = 0;  // feature record: 0 none, 1 show, 2 hide
    bool debugMode = false;
    int protocolKind = 1; // the detected command language
    // The command language the catalogue gives without asking the printer;
    // none for the models whose language is asked from the printer.
    std::optional<int> knownProtocol;

    bool In(std::string_view key, const std::string& name) const {
        return inCatalogue && inCatalogue(key, name);
    }
    bool InBuiltIn(std::string_view list, const std::string& name) const {
        return inBuiltIn && inBuiltIn(list, name);
    }
    int Permission(std::string_view number) const { return permission ? permission(number) : 0; }
    bool HasFeature(std::string_view key) const { return hasFeature && hasFeature(key); }
    // Whether the USB identity contains the text.
    bool UsbIdentityHas(std::string_view text) const {
        return usbIdentity && usbIdentity().find(text) != std::string::npos;
    }
};

// Part of the USB identity of the printers that use the newer dialogs and
// exchanges.
inline constexpr std::string_view kLegacyUsbIdentity = "VID_2AAF&PID_9";

// The facts of the printer selected last (PrinterIdentity()), from the
// catalogue, the built-in lists, the permissions, the edition, the current
// feature record, the printer libraries and ProtocolKind. rfidList is the
// catalogue's "FTN_RfidSet_0".
TPrinterFacts SelectedPrinterFacts();

// Whether the edition in use (TOstrelVar) has a feature number; false
// before the global objects exist.
bool EditionHasFeature(std::string_view key);

} // namespace tolvane
