#include "mdlOemEditionFile.h"

#include "mdlDebugLog.h"
#include "mdlFileUtil.h"
#include "mdlIniDocument.h"
#include "mdlIniFile.h"
#include "mdlPaths.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <mutex>
#include <stdexcept>

namespace tolvane {
namespace {

constexpr std::size_t kMaxTextLength = 128;
constexpr std::size_t kMaxListEntries = 64;
constexpr std::size_t kMaxNameLength = 64;
constexpr int kMaxMode = 9;

// A broken value: the record is skipped with this text.
struct TBadValue : std::runtime_error {
    using std::runtime_error::runtime_error;
};

constexpr std::array kKnownKeys = {
    "ToolType",
    "TsplListMode",
    "TsplList",
    "EscListMode",
    "EscList",
    "CpclListMode",
    "CpclList",
    "ZplListMode",
    "ZplList",
    "VersionMode",
    "VersionText",
    "CaptionMode",
    "BrandText",
    "CaptionTitleKey",
    "CaptionSuffix",
    "CaptionSuffixKey",
    "ModelListMode",
    "ModelList",
    "MapMode",
    "Map",
    "ProductGuid",
    "ProductCode",
    "LanguageRow",
    "Languages",
    "LanguageIdRow",
    "ManagementOption",
    "PrefixedLanguageKeys",
    "CatalogueCheck",
    "FixedPrintTextList",
    "ProgrammerModels",
    "TestModels",
};

bool IsKnownKey(std::string_view key) {
    const std::string folded = IniFoldCase(key);
    return std::any_of(kKnownKeys.begin(), kKnownKeys.end(),
                       [&folded](const char* known) { return IniFoldCase(known) == folded; });
}

bool IsWordChar(char c, std::string_view extra) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           extra.find(c) != std::string_view::npos;
}

bool IsWord(std::string_view text, std::string_view extra, std::size_t maxLength) {
    return !text.empty() && text.size() <= maxLength &&
           std::all_of(text.begin(), text.end(), [extra](char c) { return IsWordChar(c, extra); });
}

// Reads the fields of one section.
class TRecordReader {
  public:
    TRecordReader(const IniDocument& doc, std::string section) : doc_(doc), section_(std::move(section)) {}

    std::string Text(std::string_view key) const {
        std::string value(doc_.Find(section_, key).value_or(""));
        if (value.size() > kMaxTextLength) {
            throw TBadValue(std::string(key) + " is longer than " + std::to_string(kMaxTextLength));
        }
        for (const char c : value) {
            if (static_cast<unsigned char>(c) < 0x20) {
                throw TBadValue(std::string(key) + " holds a control character");
            }
        }
        return value;
    }

    int Number(std::string_view key, int defaultValue, int maxValue = kMaxMode) const {
        const std::string text = Text(key);
        if (text.empty()) {
            return defaultValue;
        }
        int value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || value < 0 || value > maxValue) {
            throw TBadValue(std::string(key) + "=" + text + " is not a number from 0 to " +
                            std::to_string(maxValue));
        }
        return value;
    }

    bool Flag(std::string_view key) const { return Number(key, 0, 1) == 1; }

    // A comma-separated list; blank entries are left out.
    std::vector<std::string> List(std::string_view key) const {
        std::vector<std::string> entries;
        const std::string text(doc_.Find(section_, key).value_or(""));
        if (text.size() > kMaxListEntries * (kMaxNameLength + 1)) {
            throw TBadValue(std::string(key) + " is too long");
        }
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t comma = std::min(text.find(',', start), text.size());
            const std::string entry(IniTrim(std::string_view(text).substr(start, comma - start)));
            if (!entry.empty()) {
                if (entry.size() > kMaxNameLength || std::any_of(entry.begin(), entry.end(), [](char c) {
                        return static_cast<unsigned char>(c) < 0x20;
                    })) {
                    throw TBadValue(std::string(key) + " has an unusable entry");
                }
                entries.push_back(entry);
            }
            start = comma + 1;
        }
        if (entries.size() > kMaxListEntries) {
            throw TBadValue(std::string(key) + " has more than " + std::to_string(kMaxListEntries) +
                            " entries");
        }
        return entries;
    }

    TNameValueList Map(std::string_view key) const {
        TNameValueList map;
        for (const std::string& entry : List(key)) {
            const std::size_t equals = entry.find('=');
            const std::string name(IniTrim(std::string_view(entry).substr(0, equals)));
            const std::string value(
                equals == std::string::npos ? "" : IniTrim(std::string_view(entry).substr(equals + 1)));
            if (name.empty() || value.empty()) {
                throw TBadValue(std::string(key) + " entry \"" + entry + "\" is not name=value");
            }
            map.emplace_back(name, value);
        }
        return map;
    }

    std::string Key(std::string_view key) const {
        const std::string text = Text(key);
        if (!text.empty() && !IsWord(text, "_", kMaxNameLength)) {
            throw TBadValue(std::string(key) + "=" + text + " is not a language key");
        }
        return text;
    }

  private:
    const IniDocument& doc_;
    std::string section_;
};

std::string ProductGuidOf(const std::string& text) {
    if (text.empty()) {
        return text;
    }
    std::size_t digits = 0;
    for (const char c : text) {
        if (c == '-') {
            continue;
        }
        if (std::isxdigit(static_cast<unsigned char>(c)) == 0) {
            throw TBadValue("ProductGuid=" + text + " is not 32 hexadecimal digits");
        }
        ++digits;
    }
    if (digits != 32) {
        throw TBadValue("ProductGuid=" + text + " is not 32 hexadecimal digits");
    }
    return text;
}

std::string ProductCodeOf(const std::string& text) {
    // It names a folder below the user's data folder.
    if (!text.empty() && (!IsWord(text, "._-", kMaxNameLength) || text.front() == '.')) {
        throw TBadValue("ProductCode=" + text + " is not a folder name");
    }
    return text;
}

void ReadLanguages(const TRecordReader& reader, TOemValues& values) {
    const std::array<std::pair<const char*, int TOemValues::*>, 6> flags = {{
        {"2052", &TOemValues::Lang2052},
        {"1033", &TOemValues::Lang1033},
        {"1042", &TOemValues::Lang1042},
        {"7", &TOemValues::Lang7},
        {"1040", &TOemValues::Lang1040},
        {"1036", &TOemValues::Lang1036},
    }};
    for (const std::string& id : reader.List("Languages")) {
        const auto flag =
            std::find_if(flags.begin(), flags.end(), [&id](const auto& f) { return id == f.first; });
        if (flag == flags.end()) {
            throw TBadValue("Languages: " + id + " is not one of 2052, 1033, 1042, 7, 1040, 1036");
        }
        values.*(flag->second) = 1;
    }
}

std::shared_ptr<const TOemEditionRecord> ReadRecord(const IniDocument& doc, const std::string& code) {
    for (const std::string& key : doc.Keys(code)) {
        if (!IsKnownKey(key)) {
            throw TBadValue("unknown key " + key);
        }
    }
    const TRecordReader reader(doc, code);
    auto record = std::make_shared<TOemEditionRecord>();
    TOemValues& v = record->Values;
    v.ToolType = reader.Text("ToolType");
    if (v.ToolType != "Label" && v.ToolType != "Mobile") {
        throw TBadValue("ToolType must be Label or Mobile");
    }
    const std::string prefix = v.ToolType + "_";
    if (code.size() <= prefix.size() || code.compare(0, prefix.size(), prefix) != 0 ||
        !IsWord(code, "_-", kMaxNameLength)) {
        throw TBadValue("the code must be " + prefix + " and a word");
    }
    v.OemCo = code;
    v.TsplListMode = reader.Number("TsplListMode", 1);
    v.TsplList = reader.Text("TsplList");
    v.EscListMode = reader.Number("EscListMode", 1);
    v.EscList = reader.Text("EscList");
    v.CpclListMode = reader.Number("CpclListMode", 1);
    v.CpclList = reader.Text("CpclList");
    v.ZplListMode = reader.Number("ZplListMode", 1);
    v.ZplList = reader.Text("ZplList");
    v.VersionMode = reader.Number("VersionMode", 0);
    v.VersionText = reader.Text("VersionText");
    v.CaptionMode = reader.Number("CaptionMode", 0);
    v.BrandText = reader.Text("BrandText");
    v.CaptionTitleKey = reader.Key("CaptionTitleKey");
    record->CaptionSuffix = reader.Text("CaptionSuffix");
    record->CaptionSuffixKey = reader.Key("CaptionSuffixKey");
    v.ModelListMode = reader.Number("ModelListMode", 0);
    v.ModelList = reader.List("ModelList");
    v.MapMode = reader.Number("MapMode", 0);
    v.Map = reader.Map("Map");
    v.ProductGuid = ProductGuidOf(reader.Text("ProductGuid"));
    v.ProductCode = ProductCodeOf(reader.Text("ProductCode"));
    v.LanguageRow = reader.Number("LanguageRow", 0, 1);
    ReadLanguages(reader, v);
    v.LanguageIdRow = reader.Number("LanguageIdRow", 1, 1);
    v.ManagementOption = reader.Number("ManagementOption", 0);
    v.PrefixedLanguageKeys = reader.Flag("PrefixedLanguageKeys");
    v.CatalogueCheck = reader.Flag("CatalogueCheck");
    v.FixedPrintTextList = reader.Flag("FixedPrintTextList");
    record->ProgrammerModels = reader.List("ProgrammerModels");
    record->TestModels = reader.List("TestModels");
    return record;
}

struct TLoadedTable {
    std::string path;
    bool loaded = false;
    std::vector<std::shared_ptr<const TOemEditionRecord>> records;
};

std::mutex g_mutex;
TLoadedTable g_table;

std::string EditionFilePath() {
    return FilesFolder() + kOemEditionFileName;
}

// Reads the file at path; the problems go to the debug log.
TLoadedTable ReadTable(const std::string& path) {
    TLoadedTable table;
    table.path = path;
    table.loaded = true;
    if (!FileExists(path)) {
        WriteDebugLog(std::string(kOemEditionFileName) + ": missing, only the base edition is known");
        return table;
    }
    const TOemEditionTable parsed = ParseOemEditions(*IniLoad(path));
    for (const std::string& problem : parsed.Problems) {
        WriteDebugLog(std::string(kOemEditionFileName) + " " + problem);
    }
    table.records = parsed.Records;
    if (table.records.empty()) {
        WriteDebugLog(std::string(kOemEditionFileName) +
                      ": no edition records, only the base edition is known");
    }
    return table;
}

} // namespace

TOemEditionTable ParseOemEditions(const IniDocument& doc) {
    TOemEditionTable table;
    std::vector<std::shared_ptr<const TOemEditionRecord>> label;
    std::size_t count = 0;
    for (const std::string& code : doc.SectionNames()) {
        if (count == kMaxOemEditions) {
            table.Problems.push_back("[" + code + "]: skipped: more than " + std::to_string(kMaxOemEditions) +
                                     " editions");
            continue;
        }
        try {
            std::shared_ptr<const TOemEditionRecord> record = ReadRecord(doc, code);
            ++count;
            (record->Values.ToolType == "Mobile" ? table.Records : label).push_back(std::move(record));
        } catch (const TBadValue& bad) {
            table.Problems.push_back("[" + code + "]: skipped: " + bad.what());
        }
    }
    table.Records.insert(table.Records.end(), label.begin(), label.end());
    return table;
}

void LoadOemEditions() {
    TLoadedTable table = ReadTable(EditionFilePath());
    std::lock_guard lock(g_mutex);
    g_table = std::move(table);
}

std::vector<std::shared_ptr<const TOemEditionRecord>> OemEditions() {
    const std::string path = EditionFilePath();
    {
        std::lock_guard lock(g_mutex);
        if (g_table.loaded && g_table.path == path) {
            return g_table.records;
        }
    }
    LoadOemEditions();
    std::lock_guard lock(g_mutex);
    return g_table.records;
}

std::shared_ptr<const TOemEditionRecord> FindOemEdition(std::string_view toolType, std::string_view oemCo) {
    if (oemCo.empty()) {
        return nullptr;
    }
    for (std::shared_ptr<const TOemEditionRecord>& record : OemEditions()) {
        if (record->Values.ToolType == toolType && record->Values.OemCo == oemCo) {
            return std::move(record);
        }
    }
    return nullptr;
}

void ClearOemEditions() {
    std::lock_guard lock(g_mutex);
    g_table = TLoadedTable{};
}

} // namespace tolvane
