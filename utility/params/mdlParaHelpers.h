// The list helpers every parameter dialog shares: selecting entries by
// text, the value tables that turn a printer word into a list position and
// back, name=value lists, and text splitting.
#pragma once

#include "mdlFormModel.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tolvane::params {

using TNameValues = std::vector<std::pair<std::string, std::string>>;

// The text of a language key: "Lang_All_"/"Lang_Pos_" keys from the text
// table, every other key from the language file.
std::string Txt(const std::string& key);
// Txt with "{0}" replaced by a value.
std::string TxtWith(const std::string& key, const std::string& value);
// Txt with "{first}", "{first+1}" ... replaced by the values in order.
std::string TxtFilled(const std::string& key, const std::vector<std::string>& values, int first = 0);

// Selects the first entry equal to `text` ignoring case; entry 0 when none is.
void SelectItemByText(TFormModel& form, std::string_view list, std::string_view text);
// Selects the first entry equal to `text` exactly; false (selection
// unchanged) when none is.
bool SelectItemByExactText(TFormModel& form, std::string_view list, std::string_view text);
// The code of a code page entry: the text inside its last pair of
// parentheses ("Latin 2 (Cyrillic II/Slavic)(852)" gives "852"); empty
// when it has none.
std::string CodePageCode(std::string_view entry);
// Selects the first entry whose code, lowercased, equals `code`; entry 0
// when none does.
void SelectCodePage(TFormModel& form, std::string_view list, std::string_view code);

// The value tables: the printer's words in list-position order.
const std::vector<std::string>& ParaValueTable(int table);
// With a word: selects the position of the first equal word (exact), or
// position 0. With an empty word: `out` receives the word at `position`
// (empty when the position is outside the table) and the list is left alone.
void MapParaValue(TFormModel& form, std::string_view list, std::string_view word, int position,
                  std::string& out, int table);
// The table word of a position; empty outside the table.
std::string ParaValueWord(int table, int position);

// name=value lists: the value for a name, or the name for a value (exact,
// first hit).
bool FindValueByName(const TNameValues& list, std::string_view name, std::string& value);
bool FindNameByValue(const TNameValues& list, std::string_view value, std::string& name);

// The parts between separators in order; the part after the last separator
// is included (so "a..b" gives "a", "", "b" and "" gives one empty part).
std::vector<std::string> SplitText(std::string_view text, char separator);

// ASCII lower case.
std::string LowerAscii(std::string_view text);
// Surrounding spaces, tabs, CR and LF removed.
std::string Trim(std::string_view text);

// An address shown in four fields `field`1 to `field`4 ("txtIP1" ...).
// Shows a dotted reply ("192.168.1.20") there, three characters a field at
// most. A reply of six characters or fewer is no address and changes
// nothing; false when a longer reply has fewer than four parts.
bool ShowAddressReply(TFormModel& form, const std::string& field, const std::string& reply);
// The four fields as the printer takes an address ("192.168.1.20."); empty
// when a field is empty.
std::string AddressFromFields(const TFormModel& form, const std::string& field);

} // namespace tolvane::params
