#include "mdlPrtVerOfTool.h"

#include "mdlFeatureRecord.h"
#include "mdlLangTextTable.h"

namespace tolvane {
namespace {

constexpr const char* kGeneration1Version = "V1.04.XX";
constexpr const char* kGeneration2Version = "V2.XX.XX";
constexpr const char* kGeneration4Version = "V4.XX.XX";

// The firmware text with its first "[{0}]" replaced by the version.
std::string FirmwareText(const std::string& version) {
    std::string text = LangAll("Lang_All_00210373_11");
    const std::string placeholder = "[{0}]";
    if (const std::size_t at = text.find(placeholder); at != std::string::npos) {
        text.replace(at, placeholder.size(), version);
    }
    return text;
}

TObj_Ult_PrtVerOfToolA GenerationEntry(const std::string& key, const char* version) {
    if (version == nullptr) {
        return {key, key, key};
    }
    const std::string firmware = FirmwareText(version);
    return {key, key + "(" + firmware + ")",
            LangAll("Lang_All_00210351_11") + LangAll("Lang_All_00010002_11") + firmware};
}

} // namespace

void TObj_Ult_PrtVerOfToolMg::Fill(const TFtnABase& record) {
    entries_.clear();
    entries_.push_back({"0", "", ""});
    entries_.push_back(GenerationEntry("1", record.Generation1Labelled ? kGeneration1Version : nullptr));
    if (record.Generation2Allowed) {
        const char* version = record.Generation2LabelV2   ? kGeneration2Version
                              : record.Generation2LabelV4 ? kGeneration4Version
                                                          : nullptr;
        entries_.push_back(GenerationEntry("2", version));
    }
    if (record.TestChoice) {
        const std::string test = LangAll("Lang_All_00210378_11");
        entries_.push_back({"99", "99(" + test + ")", test});
    }
}

std::vector<std::string> TObj_Ult_PrtVerOfToolMg::NameValueLines() const {
    std::vector<std::string> lines;
    for (const TObj_Ult_PrtVerOfToolA& entry : entries_) {
        lines.push_back(entry.Key + "=" + entry.Label);
    }
    return lines;
}

std::string TObj_Ult_PrtVerOfToolMg::KeyOfLabel(const std::string& label) const {
    for (const TObj_Ult_PrtVerOfToolA& entry : entries_) {
        if (entry.Label == label) {
            return entry.Key;
        }
    }
    return "0";
}

std::string TObj_Ult_PrtVerOfToolMg::DescriptionOfLabel(const std::string& label) const {
    for (const TObj_Ult_PrtVerOfToolA& entry : entries_) {
        if (entry.Label == label) {
            return entry.Description;
        }
    }
    return {};
}

const TObj_Ult_PrtVerOfToolA* TObj_Ult_PrtVerOfToolMg::FindKey(const std::string& key) const {
    for (const TObj_Ult_PrtVerOfToolA& entry : entries_) {
        if (entry.Key == key) {
            return &entry;
        }
    }
    return nullptr;
}

TObj_Ult_PrtVerOfToolMg GenerationChoicesFor(const std::string& model) {
    TFtnA_TheTempA record;
    record.Reset();
    FeatureAssigner().SetFlags(record, model);
    TObj_Ult_PrtVerOfToolMg choices;
    choices.Fill(record);
    return choices;
}

} // namespace tolvane
