// What the main window's decisions know about the selected printer: its
// names, the catalogue and built-in lists, the feature record's rules, the
// permission values and the command language.
#pragma once

#include <functional>
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
    std::string rfidList;    // the RFID model list read at first show
    int commandTestRule = 0; // feature record: 0 none, 1 show, 2 hide
    int frontLearnRule = 0;  // feature record: 0 none, 1 show, 2 hide
    bool debugMode = false;
    int protocolKind = 1; // the detected command language

    bool In(std::string_view key, const std::string& name) const {
        return inCatalogue && inCatalogue(key, name);
    }
    bool InBuiltIn(std::string_view list, const std::string& name) const {
        return inBuiltIn && inBuiltIn(list, name);
    }
    int Permission(std::string_view number) const { return permission ? permission(number) : 0; }
};

} // namespace tolvane
