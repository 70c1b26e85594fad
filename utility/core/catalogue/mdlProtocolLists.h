// The command language of each model, from the protocol file
// "ProtocolType.ini" (section "Protocol", keys "TSPL", "ESC", "CPCL",
// "ZPL") as the edition changes it.
#pragma once

#include "mdlQueryEmulation.h"

#include <string>
#include <string_view>

namespace tolvane {

class TOemClass;

struct TProtocolLists {
    std::string Tspl;
    std::string Esc;
    std::string Cpcl;
    std::string Zpl;
};

// Reads the four lists through ReadFilesIni; per list the edition's mode 2
// replaces the file value with the edition's list and mode 3 gives file
// value + "," + edition list; any other mode (and no edition) keeps the file
// value.
TProtocolLists ReadProtocolLists(const TOemClass* edition);

// First match: CPCL 3, TSPL 1, ESC 0, ZPL 4; otherwise 1.
int ProtocolOfModel(const TProtocolLists& lists, std::string_view model);

// The lists held for the run (loaded at the main window's first show).
void SetProtocolLists(TProtocolLists lists);
TProtocolLists CurrentProtocolLists();
int ProtocolOfModel(std::string_view model);

// What the device layer's language detection reads from the catalogue:
// section "ParameterSet" lists and the held protocol lists.
class TCatalogueProtocols final : public IProtocolCatalogue {
  public:
    std::string ParameterSetList(const std::string& key) const override;
    int ModelProtocol(const std::string& model) const override;
};

} // namespace tolvane
