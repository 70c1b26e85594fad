#include "mdlUsbVidPidCheck.h"

#include "mdlCatalogueData.h"
#include "mdlClock.h"
#include "mdlFileUtil.h"
#include "mdlHalvixDevices.h"
#include "mdlIniFile.h"
#include "mdlLangTextTable.h"
#include "mdlModelListNames.h"
#include "mdlModelLists.h"
#include "mdlPaths.h"

#include <optional>
#include <vector>

namespace tolvane {
namespace {

constexpr std::size_t kMaxFolderNameBytes = 200;

struct TMatch {
    std::string resolvedName;
    std::string identity;
    std::string resultText;
};

void WriteResult(const std::string& path, const char* suffix, const std::string& value) {
    IniWriteString(path, kUsbCheckSection, std::string(kUsbCheckKeyPrefix) + suffix, value);
}

std::optional<TMatch> MatchFamilyRules(const std::string& model, const std::string& deviceIdentity) {
    for (const TIdentityRule& rule : UsbIdentityRules()) {
        if (!InBuiltInList(rule.listName, model) || deviceIdentity.find(rule.identity) == std::string::npos) {
            continue;
        }
        TMatch match{std::string(rule.variantName), std::string(rule.identity), std::string(rule.identity)};
        if (rule.nameInResult) {
            match.resultText += " ,PrtName:" + match.resolvedName;
        }
        return match;
    }
    return std::nullopt;
}

std::optional<TMatch> MatchRecordVariants(const std::string& model, const TFtnABase& record,
                                          const std::string& deviceIdentity) {
    for (const TFtnVariant* variant : {&record.VariantA, &record.VariantB}) {
        if (variant->AppliesTo(model) && Matches(variant->Matcher, deviceIdentity)) {
            return TMatch{variant->ResolvedName, variant->Identity, variant->Identity};
        }
    }
    if (record.VariantB.AppliesTo(model) && Matches(record.VariantCMatcher, deviceIdentity)) {
        return TMatch{record.VariantCName, record.VariantCIdentity, record.VariantCIdentity};
    }
    return std::nullopt;
}

} // namespace

std::string ModelFolderName(const std::string& model) {
    std::string name = model.substr(0, kMaxFolderNameBytes);
    for (char& c : name) {
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            c = '_';
        }
    }
    return name.empty() || name == "." || name == ".." ? "_" : name;
}

std::string UsbCheckResultPath(const std::string& model) {
    return PerPrinterFolder() + ModelFolderName(model) + "/" + kUsbCheckResultFileName;
}

TUsbCheckResult UsbVidPidCheck(const std::string& model, const TFtnABase& record) {
    TUsbCheckResult result;
    result.ResolvedName = model;
    if (!InBuiltInList(lists::UsbVidPidCheckModels, model)) {
        return result;
    }
    result.Examined = true;
    const std::vector<TUsbDeviceIdentity> devices = ListUsbDeviceIdentities();
    const std::string path = UsbCheckResultPath(model);
    ForceDirectories(ParentFolder(path));
    EnsureFileExists(path);

    std::optional<TMatch> match;
    for (std::size_t i = 0; i < devices.size() && !match; ++i) {
        const std::string& identity = devices[i].Identity;
        match = MatchFamilyRules(model, identity);
        if (!match) {
            match = MatchRecordVariants(model, record, identity);
        }
        if (!match && i + 1 == devices.size() && !record.BaseVariantName.empty() &&
            model == record.BaseVariantName) {
            match = TMatch{record.BaseFallbackName, identity, identity};
        }
    }
    if (match) {
        result.ResolvedName = match->resolvedName;
        result.Identity = match->identity;
        WriteResult(path, "__Str", match->resultText);
        WriteResult(path, "__No", "1");
    } else {
        result.Passed = false;
        result.ResolvedName = LangAll("Lang_All_00210272_11");
        WriteResult(path, "__Str", kUsbCheckMismatchText);
        WriteResult(path, "__No", "0");
    }
    WriteResult(path, "__PrtName", model);
    for (const TExpectedIdentities& expected : ExpectedIdentityRows()) {
        if (InBuiltInList(expected.listName, model)) {
            WriteResult(path, "__Vpid1",
                        std::string(expected.identity1) + " ,PrtName:" + std::string(expected.name1));
            WriteResult(path, "__Vpid2",
                        std::string(expected.identity2) + " ,PrtName:" + std::string(expected.name2));
            break;
        }
    }
    WriteResult(path, "__Time", FormatStampTime(NowLocal()));
    return result;
}

} // namespace tolvane
