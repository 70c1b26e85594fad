// TOemClass: the customer edition the program runs as. The base class is the
// neutral edition; each known edition code has a subclass that sets its own
// values in its constructor and its product identity in Initialise.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tolvane {

using TNameValueList = std::vector<std::pair<std::string, std::string>>;

class TOemClass {
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
    // CaptionSuffix() at creation (a subclass assigns it again in its own
    // constructor, where its override is in effect).
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

    // Whether the language id is offered in the language choice.
    bool OffersLanguage(const std::string& id) const;

  protected:
    // XDG data home + product code + "/OcUserData/" (both folders created)
    // when the product GUID and code are set; otherwise empty.
    void ComputeDataFolder();
};

// A known edition: its flavour, its code and how to make its object.
struct TOemEditionEntry {
    const char* toolType;
    const char* oemCo;
    std::unique_ptr<TOemClass> (*create)();
};

// The known editions, Mobile codes first; the first entry matching ToolType
// and OemCo is chosen.
const std::vector<TOemEditionEntry>& KnownOemEditions();

// Creates the edition for the pair (the base edition when no entry
// matches), stores ToolType and OemCo in it and initialises it.
std::unique_ptr<TOemClass> SelectOemEdition(const std::string& toolType, const std::string& oemCo);

} // namespace tolvane
