// The interface-language choice of the main window's system options page,
// kept as data: the main window shows Entries() in its combo box, reports
// the user's pick with Select(), and re-applies its texts in OnApplied.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tolvane {

class TOemClass;

struct TLangChoiceEntry {
    std::string id;
    std::string text;
};

// Makes id the program's language: LanguageId, the helper library's
// language, the text table and the language constants object follow.
void ApplyLanguageId(const std::string& id);

class TLanguageChoice {
  public:
    // An entry with empty id and text, then each language the edition offers,
    // in the order "2052", "1033", "1042", "7", "1040", "1036", shown with
    // its name from the text table. The text shown before is selected again
    // when it is still present.
    void Fill(const TOemClass& edition);

    const std::vector<TLangChoiceEntry>& Entries() const { return entries_; }
    // The shown entry's index, -1 for none.
    int SelectedIndex() const { return selected_; }
    // Shows an entry (as the user's pick does); out-of-range shows none.
    void Select(int index);
    std::string SelectedText() const;
    // The id of the shown text; empty when there is none.
    std::string SelectedId() const;

    // Stores the shown id as the saved language ("ToolLang" of the system
    // parameter file), then applies it.
    // False when the system-parameter file could not be written (the
    // language is applied all the same).
    bool Set(const std::string& sysPmFile);
    // Shows the saved language's entry; nothing is applied.
    void Read(const std::string& sysPmFile);
    // Applies the shown language when its id is not empty; true when applied.
    bool Apply();
    // Start-up: when the saved value (an id, or a name saved by older
    // versions) is in the list, its entry is shown without any change
    // handling and the language applied. True when applied; the main window
    // then shows SelectedIndex() in its combo box with signals blocked.
    bool ApplySaved(const std::string& saved);

    // Called after a language was applied: the main window applies its texts
    // and the common words again.
    std::function<void()> OnApplied;

  private:
    int IndexOf(const std::string& saved) const;

    std::vector<TLangChoiceEntry> entries_;
    int selected_ = -1;
};

// The text-table key of a language's display name ("" for other ids).
std::string LanguageNameKey(const std::string& id);

} // namespace tolvane
