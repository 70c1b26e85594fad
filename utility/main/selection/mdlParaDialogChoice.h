// Which parameter dialog the parameter-settings button opens for a printer:
// one table of rules, tried in order, the first match wins.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tolvane {

// How a matching rule picks between its dialog and its alternative.
enum class TParaDialogTest {
    None,        // always the dialog
    UsbIdentity, // the dialog when the printer's USB identity contains the rule's text
    Firmware,    // the dialog when the firmware check passes for the rule's minimum version
};

struct TParaDialogRule {
    std::string_view listKey;     // catalogue list (section "ParameterSet") holding the model
    std::string_view listKey2;    // a second catalogue list, or empty
    std::string_view builtInList; // a built-in list holding the model, or empty
    std::string_view model;       // a single model that also matches, or empty
    TParaDialogTest test;
    std::string_view testArgument; // identity text or minimum firmware version
    std::string_view dialog;
    std::string_view alternative; // when the test fails
};

// The rules in their order; the last one matches every model.
std::span<const TParaDialogRule> ParaDialogRules();

// What the choice needs to know about the selected printer.
struct TParaDialogQuery {
    std::string model; // the resolved model
    // The catalogue list of a key (section "ParameterSet").
    std::function<std::string(std::string_view key)> catalogueList;
    // Whether the model is in a built-in list.
    std::function<bool(std::string_view listName, const std::string& model)> inBuiltInList;
    // The printer's USB identity (asked only by a rule that needs it).
    std::function<std::string()> usbIdentity;
    // The firmware check for a minimum version (asked only by a rule that
    // needs it); nothing when the printer's reply decided nothing.
    std::function<std::optional<bool>(std::string_view minimum)> firmwareAtLeast;
};

struct TParaDialogChoice {
    std::string dialog;  // class name of the dialog to open; empty when the test failed
    bool failed = false; // the rule's test got no usable answer: no dialog is chosen
    int ruleNumber = 0;  // 1-based position of the matching rule
    std::string list;    // the list that matched (debug text); "Other Prt...(...)" for the last rule
};

TParaDialogChoice ChooseParaDialog(const TParaDialogQuery& query);

} // namespace tolvane
