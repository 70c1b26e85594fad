#include "mdlFtnAFamilies.h"

#include "mdlModelLists.h"

#include <array>

namespace tolvane {
namespace {

void FillVariant(TFtnVariant& variant, const TVariantData& data) {
    variant.ModelList = BuiltInList(data.listName);
    variant.AdmitsEveryModel = data.admitsEveryModel;
    variant.Matcher = MakeIdentityMatcher(std::string(data.identity));
    variant.ResolvedName = data.resolvedName;
    variant.Identity = data.identity;
}

void FillManual(TManualIdentity& manual, std::string_view listName, std::string_view identity,
                std::string_view name) {
    manual.ModelList = BuiltInList(listName);
    manual.Matcher = MakeIdentityMatcher(std::string(identity));
    manual.ResolvedName = name;
}

template <typename Record>
std::unique_ptr<TFtnABase> Make() {
    return std::make_unique<Record>();
}

struct TFamilyClass {
    std::string_view className;
    std::unique_ptr<TFtnABase> (*create)();
};

constexpr std::array<TFamilyClass, 12> kFamilyClasses = {{
    {"TFtnA_Wendle", &Make<TFtnA_Wendle>},
    {"TFtnA_TheJostra", &Make<TFtnA_TheJostra>},
    {"TFtnA_TheFerune", &Make<TFtnA_TheFerune>},
    {"TFtnA_TheNorla", &Make<TFtnA_TheNorla>},
    {"TFtnA_TheNorlaBT", &Make<TFtnA_TheNorlaBT>},
    {"TFtnA_TheHobbe", &Make<TFtnA_TheHobbe>},
    {"TFtnA_ThePlaskit_Hobbe", &Make<TFtnA_ThePlaskit_Hobbe>},
    {"TFtnA_TheTessinBT", &Make<TFtnA_TheTessinBT>},
    {"TFtnA_TheHobbeBT", &Make<TFtnA_TheHobbeBT>},
    {"TFtnA_TheTessin", &Make<TFtnA_TheTessin>},
    {"TFtnA_TheRuvad", &Make<TFtnA_TheRuvad>},
    {"TFtnA_TheRuvex", &Make<TFtnA_TheRuvex>},
}};

} // namespace

TFtnAFamily::TFtnAFamily(std::string_view className) : data_(FtnAFamilyData(className)) {}

void TFtnAFamily::FillGenerationNames() {
    Generation1Name = data_.generation1Name;
    Generation2Name = data_.generation2Name;
}

void TFtnAFamily::FillVariants() {
    FillVariant(VariantA, data_.variantA);
    FillVariant(VariantB, data_.variantB);
    VariantCMatcher = MakeIdentityMatcher(std::string(data_.variantCIdentity));
    VariantCName = data_.variantCName;
    VariantCIdentity = data_.variantCIdentity;
    UsbIdentity1 = VariantA.Identity;
    UsbIdentity2 = VariantB.Identity;
    UsbIdentity3 = VariantCIdentity;
    VariantName1 = VariantA.ResolvedName;
    VariantName2 = VariantB.ResolvedName;
    VariantName3 = VariantCName;
    BaseVariantName = data_.baseVariantName;
    BaseFallbackName = data_.fallbackName;
}

void TFtnAFamily::FillIdentityDisplay() {
    DisplayModelList = BuiltInList(data_.displayListName);
    DisplayIdentity1 = data_.displayIdentity1;
    DisplayIdentity2 = data_.displayIdentity2;
}

void TFtnAFamily::FillManualIdentity() {
    FillManual(Manual1, data_.manualListName1, data_.manualIdentity1, data_.manualName1);
    FillManual(Manual2, data_.manualListName2, data_.manualIdentity2, data_.manualName2);
}

void TFtnA_TheHobbe::TakeSelectionIdentity(const std::string& listName, const std::string& model) {
    TFtnABase::TakeSelectionIdentity(listName, model);
    CommandTestRule = 0;
    FrontLearnRule = 0;
    if (!Generation2Name.empty() && model == Generation2Name) {
        CommandTestRule = 2;
    } else if (!Generation1Name.empty() && model == Generation1Name) {
        FrontLearnRule = 1;
    }
}

std::unique_ptr<TFtnABase> CreateFeatureRecord(const std::string& listName) {
    for (const TFamilyClass& family : kFamilyClasses) {
        if (FtnAFamilyData(family.className).baseModel == listName) {
            return family.create();
        }
    }
    return std::make_unique<TFtnABase>();
}

} // namespace tolvane
