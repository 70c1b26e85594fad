// What the main window's printer actions send: the self-test
// (configuration) print, automatic label learning, the print-module test,
// factory defaults and the firmware-update mode. Each choice depends on the
// printer's lists, permissions and command language.
#pragma once

#include "mdlPrinterFacts.h"

#include <optional>
#include <string>

namespace tolvane {

struct TWireCommand {
    enum class TKind { Do, Write };
    TKind kind = TKind::Write;
    std::string data; // the action key for Do (without quotes), the bytes for Write

    static TWireCommand Do(std::string key) { return {TKind::Do, std::move(key)}; }
    static TWireCommand Write(std::string bytes) { return {TKind::Write, std::move(bytes)}; }
    bool operator==(const TWireCommand&) const = default;
};

TWireCommand SelfTestCommand(const TPrinterFacts& facts);
TWireCommand LearnCommand(const TPrinterFacts& facts);
TWireCommand ModuleTestCommand(const TPrinterFacts& facts);
TWireCommand FactoryDefaultCommand(const TPrinterFacts& facts);
// The update-mode command of most printers.
inline constexpr const char* kUpdateModeText = "ZZZDFUMODE\r\n";

// The command that puts the printer into update mode: the update-mode text
// for the models with a firmware choice; none for the models whose update
// needs no command (model + "," in "DFUWithoutCMD"); the Miro command for
// the "Miro_DfuMode" models; else the update-mode text.
std::optional<TWireCommand> DfuModeCommand(const TPrinterFacts& facts, const std::string& dfuWithoutCmdList);

// Sends a command on the selected printer's port: Do as the one-shot
// "do" action, Write through the current library (the caller opened the
// port). The result: 0 on success.
int SendWireCommand(const TWireCommand& command);

} // namespace tolvane
