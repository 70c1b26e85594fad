// TOemClass: the customer edition the program runs as. The base class is the
// neutral edition. Every known edition is a record of the edition file
// (mdlOemEditionFile.h) made into a TOemEdition: its constructor sets the
// record's values, Initialise its product identity and data folder.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tolvane {

using TNameValueList = std::vector<std::pair<std::string, std::string>>;

// The values an edition sets, with the neutral edition's defaults.
struct TOemValues {
    std::string ToolType;
    std::string OemCo;
    int TsplListMode = 1;
    std::string TsplList;
    int EscListMode = 1;
    std::string EscList;
    int CpclListMode = 1;
    std::string CpclList;
    int ZplListMode = 1;
    std::string ZplList;
    int VersionMode = 0;
    std::string VersionText;
    int CaptionMode = 0;
    std::string BrandText;
    // CaptionSuffix() at creation. The caption asks CaptionSuffix() when it
    // is built, so that a suffix made of a language text follows the
    // language in use.
    std::string CaptionSuffixText;
    int ModelListMode = 0;
    std::vector<std::string> ModelList;
    int MapMode = 0;
    TNameValueList Map;
    std::string PathSeparator = "/";
    std::string ProductGuid;
    std::string ProductCode;
    std::string DataFolder;
    int LanguageRow = 0;
    // Offer flags of the interface languages "2052", "1033", "1042", "7", "1040", "1036".
    int Lang2052 = 0;
    int Lang1033 = 0;
    int Lang1042 = 0;
    int Lang7 = 0;
    int Lang1040 = 0;
    int Lang1036 = 0;
    int LanguageIdRow = 1;
    int ManagementOption = 0;

    // Rules of single editions.
    // The text key of the window title in a branded caption ("" for
    // "FormMain_Label_Caption").
    std::string CaptionTitleKey;
    // Language files: prefixed keys are preferred and "1042" is listed.
    bool PrefixedLanguageKeys = false;
    // At start-up four catalogue values are compared with the built-in lists.
    bool CatalogueCheck = false;
    // The test-print feature list is the built-in one, not the catalogue's.
    bool FixedPrintTextList = false;
};

class TOemClass : public TOemValues {
  public:
    TOemClass();
    virtual ~TOemClass() = default;
    TOemClass(const TOemClass&) = delete;
    TOemClass& operator=(const TOemClass&) = delete;

    // Sets the product GUID and product code, then computes the data folder.
    virtual void Initialise();
    // The text appended to a branded caption.
    virtual std::string CaptionSuffix() const;

    // The first map entry named model (exact match), if any.
    bool MapLookup(const std::string& model, std::string& mapModel) const;

    // Whether the language id is offered in the language choice.
    bool OffersLanguage(const std::string& id) const;

  protected:
    // XDG data home + product code + "/OcUserData/" (both folders created)
    // when the product GUID and code are set; otherwise empty.
    void ComputeDataFolder();
};

struct TOemEditionRecord;

// A known edition: the values of its record; with the programmer role its
// programmer models, and while the test-data marker exists its test models,
// are added to its model list.
class TOemEdition final : public TOemClass {
  public:
    explicit TOemEdition(std::shared_ptr<const TOemEditionRecord> record);
    void Initialise() override;
    // The record's suffix text followed by its language text (either may be
    // empty).
    std::string CaptionSuffix() const override;

  private:
    std::shared_ptr<const TOemEditionRecord> record_;
};

// Creates the edition of the pair (ToolType and OemCo as read from the
// options): the known edition whose flavour and code both match, else the
// base edition; stores ToolType and OemCo in it and initialises it.
std::unique_ptr<TOemClass> SelectOemEdition(const std::string& toolType, const std::string& oemCo);

} // namespace tolvane
