// The firmware-generation choices of a model, as the printer management
// dialog offers them: "0" (none), "1", "2" when generation 2 is allowed,
// "99" when the test choice is offered. Labels and descriptions come from
// the language texts when the record's generation is labelled.
#pragma once

#include "mdlFtnABase.h"

#include <string>
#include <vector>

namespace tolvane {

struct TObj_Ult_PrtVerOfToolA {
    std::string Key;
    std::string Label;
    std::string Description;
};

class TObj_Ult_PrtVerOfToolMg {
  public:
    // Replaces the entries with those of the record's flags.
    void Fill(const TFtnABase& record);
    const std::vector<TObj_Ult_PrtVerOfToolA>& Entries() const { return entries_; }
    // Each entry as key + "=" + label, the form the dialog lists.
    std::vector<std::string> NameValueLines() const;
    // The key of the first entry with this label; "0" when none has it.
    std::string KeyOfLabel(const std::string& label) const;
    // The description of the first entry with this label; empty when none.
    std::string DescriptionOfLabel(const std::string& label) const;
    // The entry with this key, or null.
    const TObj_Ult_PrtVerOfToolA* FindKey(const std::string& key) const;

  private:
    std::vector<TObj_Ult_PrtVerOfToolA> entries_;
};

// The choices for a model (a printer list name): a fresh TFtnA_TheTempA, its
// flags set by the feature assigner, the choices built from it.
TObj_Ult_PrtVerOfToolMg GenerationChoicesFor(const std::string& model);

} // namespace tolvane
