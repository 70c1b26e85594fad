#include "mdlLangChoice.h"

#include "mdlGlobal.h"
#include "mdlGlobalObjects.h"
#include "mdlIniFile.h"
#include "mdlLangTextTable.h"
#include "mdlMorrant.h"
#include "mdlOemClass.h"
#include "mdlOptions.h"

#include <array>
#include <string_view>
#include <utility>

namespace tolvane {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kChoiceLanguages = {{
    {"2052", "Lang_All_00210181_12"},
    {"1033", "Lang_All_00210181_11"},
    {"1042", "Lang_All_00210181_19"},
    {"7", "Lang_All_00210329_11"},
    {"1040", "Lang_All_00210330_11"},
    {"1036", "Lang_All_00210181_15"},
}};

} // namespace

std::string LanguageNameKey(const std::string& id) {
    for (const auto& [languageId, key] : kChoiceLanguages) {
        if (languageId == id) {
            return std::string(key);
        }
    }
    return {};
}

void ApplyLanguageId(const std::string& id) {
    Globals().LanguageId = id;
    Morrant().LangSetLanguageID(id);
    LangTexts().Load(id);
    if (TConstLangV* constLang = GlobalObjects().ConstLangV.get()) {
        constLang->SetLanguageId(id);
    }
    if (TOstrelVar* state = GlobalObjects().OstrelVar.get()) {
        state->BuildOptionTables();
    }
}

void TLanguageChoice::Fill(const TOemClass& edition) {
    const std::string shownBefore = SelectedText();
    entries_.assign(1, TLangChoiceEntry{});
    for (const auto& [id, key] : kChoiceLanguages) {
        if (edition.OffersLanguage(std::string(id))) {
            entries_.push_back(TLangChoiceEntry{std::string(id), LangAll(key)});
        }
    }
    selected_ = -1;
    for (std::size_t i = 0; i < entries_.size() && !shownBefore.empty(); ++i) {
        if (entries_[i].text == shownBefore) {
            selected_ = static_cast<int>(i);
            break;
        }
    }
}

void TLanguageChoice::Select(int index) {
    selected_ = index >= 0 && index < static_cast<int>(entries_.size()) ? index : -1;
}

std::string TLanguageChoice::SelectedText() const {
    return selected_ >= 0 ? entries_[selected_].text : "";
}

std::string TLanguageChoice::SelectedId() const {
    const std::string text = SelectedText();
    for (const TLangChoiceEntry& entry : entries_) {
        if (!text.empty() && entry.text == text) {
            return entry.id;
        }
    }
    return {};
}

bool TLanguageChoice::Set(const std::string& sysPmFile) {
    const bool saved = SaveToolLang(sysPmFile, SelectedId());
    Apply();
    return saved;
}

void TLanguageChoice::Read(const std::string& sysPmFile) {
    const std::string saved = IniReadString(sysPmFile, "SysPm", "ToolLang");
    Select(IndexOf(saved));
}

bool TLanguageChoice::Apply() {
    const std::string id = SelectedId();
    if (id.empty()) {
        return false;
    }
    ApplyLanguageId(id);
    if (OnApplied) {
        OnApplied();
    }
    return true;
}

bool TLanguageChoice::ApplySaved(const std::string& saved) {
    const int index = IndexOf(saved);
    if (index < 0) {
        return false;
    }
    selected_ = index;
    return Apply();
}

int TLanguageChoice::IndexOf(const std::string& saved) const {
    const std::string_view wanted = IniTrim(saved);
    if (wanted.empty()) {
        return -1;
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].id == wanted) {
            return static_cast<int>(i);
        }
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].text == wanted) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace tolvane
