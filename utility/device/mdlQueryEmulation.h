// Asking which command language a printer speaks.
#pragma once

#include <optional>
#include <string>

namespace tolvane {

// What the language detection needs from the printer catalogue.
class IProtocolCatalogue {
  public:
    virtual ~IProtocolCatalogue() = default;
    // A model list of the catalogue's section "ParameterSet" ("HaveTwoProtocol",
    // "GDS"): model names, each followed by a comma and the first preceded by one.
    virtual std::string ParameterSetList(const std::string& key) const = 0;
    // The command language of a model from the catalogue's protocol lists.
    virtual int ModelProtocol(const std::string& model) const = 0;
};

// Installs the catalogue (not owned); nullptr removes it. Without one, every
// list is empty and every model speaks TSPL (1).
void SetProtocolCatalogue(const IProtocolCatalogue* catalogue);

// The command language of the selected printer, which also becomes
// `ProtocolKind` (the caller has opened the port):
//  1. a model not in "HaveTwoProtocol": its language from the catalogue,
//     nothing is sent;
//  2. a model in "GDS": getval "ppl", upper-cased: "TSC" 1, "EPL" 5, else 4;
//  3. otherwise, through Tsprix: 1B 1B 08, 100 ms, one byte read: that byte,
//     or 0 when the read failed or brought nothing.
// The model is the current device object's model name.
int QueryEmulation();
int QueryEmulation(const std::string& model);

// As QueryEmulation, but a question the printer left unanswered decides
// nothing: the "ppl" reply lost or cut off, or no language byte at all. Then
// the answer is empty and `ProtocolKind` keeps its value, so that a caller
// shows the read error instead of talking to the printer in a guessed
// language.
std::optional<int> QueryEmulationAnswered(const std::string& model);

} // namespace tolvane
