#include "mdlFtnABase.h"

#include "mdlModelList.h"

namespace tolvane {

TIdentityMatcher MakeIdentityMatcher(const std::string& identity) {
    if (identity.empty()) {
        return {};
    }
    return [identity](const std::string& deviceIdentity) {
        return deviceIdentity.find(identity) != std::string::npos;
    };
}

bool Matches(const TIdentityMatcher& matcher, const std::string& deviceIdentity) {
    return matcher && matcher(deviceIdentity);
}

bool TFtnVariant::AppliesTo(const std::string& model) const {
    return AdmitsEveryModel || IsModelInList(model, ModelList);
}

void TFtnABase::Reset() {
    UsbIdentity1.clear();
    UsbIdentity2.clear();
    UsbIdentity3.clear();
    VariantName1.clear();
    VariantName2.clear();
    VariantName3.clear();
    BaseVariantName.clear();
    BaseFallbackName.clear();
    VariantA = {};
    VariantB = {};
    VariantCMatcher = {};
    VariantCName.clear();
    VariantCIdentity.clear();
    DisplayModelList.clear();
    DisplayIdentity1.clear();
    DisplayIdentity2.clear();
    Manual1 = {};
    Manual2 = {};
    Generation1Name.clear();
    Generation2Name.clear();
    GenerationChoice = false;
    Generation2Allowed = false;
    TestChoice = false;
    Generation1Labelled = false;
    Generation2LabelV2 = false;
    Generation2LabelV4 = false;
    SelectedListName.clear();
    SelectedModel.clear();
    SelectedListName2.clear();
    CommandTestRule = 0;
    FrontLearnRule = 0;
    ResetDone = true;
}

void TFtnABase::FillGenerationNames() {}
void TFtnABase::FillVariants() {}
void TFtnABase::FillIdentityDisplay() {}
void TFtnABase::FillManualIdentity() {}

void TFtnABase::TakeSelectionIdentity(const std::string& listName, const std::string& model) {
    SelectedListName = listName;
    SelectedModel = model;
    SelectedListName2 = listName;
}

} // namespace tolvane
