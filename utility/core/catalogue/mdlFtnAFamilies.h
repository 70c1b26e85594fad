// The feature-record classes of the model families with variants, and the
// choice of class by the exact printer list name. Each class fills its
// record from its row of the program's data (mdlCatalogueData.cpp).
#pragma once

#include "mdlCatalogueData.h"
#include "mdlFtnABase.h"

#include <memory>
#include <string>

namespace tolvane {

class TFtnAFamily : public TFtnABase {
  public:
    void FillGenerationNames() override;
    void FillVariants() override;
    void FillIdentityDisplay() override;
    void FillManualIdentity() override;

    const TFtnAFamilyData& Data() const { return data_; }

  protected:
    explicit TFtnAFamily(std::string_view className);

  private:
    const TFtnAFamilyData& data_;
};

#define TOLVANE_FTNA_FAMILY(ClassName)                                                                       \
    class ClassName : public TFtnAFamily {                                                                   \
      public:                                                                                                \
        ClassName() : TFtnAFamily(#ClassName) {}                                                             \
    }

TOLVANE_FTNA_FAMILY(TFtnA_Wendle);
TOLVANE_FTNA_FAMILY(TFtnA_TheJostra);
TOLVANE_FTNA_FAMILY(TFtnA_TheFerune);
TOLVANE_FTNA_FAMILY(TFtnA_TheNorla);
TOLVANE_FTNA_FAMILY(TFtnA_TheNorlaBT);
TOLVANE_FTNA_FAMILY(TFtnA_ThePlaskit_Hobbe);
TOLVANE_FTNA_FAMILY(TFtnA_TheTessinBT);
TOLVANE_FTNA_FAMILY(TFtnA_TheHobbeBT);
TOLVANE_FTNA_FAMILY(TFtnA_TheTessin);
TOLVANE_FTNA_FAMILY(TFtnA_TheRuvad);
TOLVANE_FTNA_FAMILY(TFtnA_TheRuvex);

#undef TOLVANE_FTNA_FAMILY

// The Hobbe family also decides two main-window rules when it takes the
// selection identity: the generation-2 model hides the command test, the
// generation-1 model shows front learning.
class TFtnA_TheHobbe : public TFtnAFamily {
  public:
    TFtnA_TheHobbe() : TFtnAFamily("TFtnA_TheHobbe") {}
    void TakeSelectionIdentity(const std::string& listName, const std::string& model) override;
};

// A new record of the class chosen for the exact printer list name; the
// plain TFtnABase for any name without a family.
std::unique_ptr<TFtnABase> CreateFeatureRecord(const std::string& listName);

} // namespace tolvane
