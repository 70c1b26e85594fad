// TFtnABase: what the program knows about the variants of the selected
// printer's model (hardware revisions, firmware generations, USB
// identities). One record is current at a time; it is replaced whenever a
// printer is selected. The plain class knows no variants; the family
// classes (mdlFtnAFamilies.h) fill in their own.
#pragma once

#include <functional>
#include <string>

namespace tolvane {

// Tests a device identity text (such as "USB\VID_2AAF&PID_9006\1-1").
using TIdentityMatcher = std::function<bool(const std::string& deviceIdentity)>;

// A matcher that is true when identity occurs in the device identity; an
// empty identity gives an empty matcher, which matches nothing.
TIdentityMatcher MakeIdentityMatcher(const std::string& identity);
// matcher(deviceIdentity), false for an empty matcher.
bool Matches(const TIdentityMatcher& matcher, const std::string& deviceIdentity);

// A variant the USB identity check can recognise.
struct TFtnVariant {
    std::string ModelList;         // the models it applies to ...
    bool AdmitsEveryModel = false; // ... or every model
    TIdentityMatcher Matcher;
    std::string ResolvedName; // the model a matching device is taken to be
    std::string Identity;     // the identity recorded for the match

    bool AppliesTo(const std::string& model) const;
};

// A model list whose models may be identified by a typed identity.
struct TManualIdentity {
    std::string ModelList;
    TIdentityMatcher Matcher;
    std::string ResolvedName;
};

class TFtnABase {
  public:
    TFtnABase() = default;
    virtual ~TFtnABase() = default;
    TFtnABase(const TFtnABase&) = delete;
    TFtnABase& operator=(const TFtnABase&) = delete;

    // Clears every field and sets the reset flag.
    void Reset();

    // The fill operations, in slot order; the plain record leaves every
    // field empty.
    virtual void FillGenerationNames();
    virtual void FillVariants();
    virtual void FillIdentityDisplay();
    virtual void FillManualIdentity();
    // Called after selection with the printer list name and the resolved model.
    virtual void TakeSelectionIdentity(const std::string& listName, const std::string& model);

    bool ResetDone = false;
    std::string UsbIdentity1;
    std::string UsbIdentity2;
    std::string UsbIdentity3;
    std::string VariantName1;
    std::string VariantName2;
    std::string VariantName3;
    std::string BaseVariantName;
    std::string BaseFallbackName;
    TFtnVariant VariantA;
    TFtnVariant VariantB;
    TIdentityMatcher VariantCMatcher; // tried where variant B applies
    std::string VariantCName;
    std::string VariantCIdentity;
    std::string DisplayModelList;
    std::string DisplayIdentity1;
    std::string DisplayIdentity2;
    TManualIdentity Manual1;
    TManualIdentity Manual2;
    std::string Generation1Name;
    std::string Generation2Name;
    bool GenerationChoice = false;    // the printer management dialog offers a generation
    bool Generation2Allowed = false;  // generation 2 may be chosen
    bool TestChoice = false;          // the test entry "99" is offered
    bool Generation1Labelled = false; // generation 1 is labelled "V1.04.XX"
    bool Generation2LabelV2 = false;  // generation 2 is labelled "V2.XX.XX"
    bool Generation2LabelV4 = false;  // generation 2 is labelled "V4.XX.XX"
    std::string SelectedListName;
    std::string SelectedModel;
    std::string SelectedListName2;
    // Set by the Hobbe family: 0 no rule, 1 show, 2 hide.
    int CommandTestRule = 0;
    int FrontLearnRule = 0;
};

// The plain record the printer management dialog builds its generation
// choices from.
class TFtnA_TheTempA final : public TFtnABase {};

} // namespace tolvane
