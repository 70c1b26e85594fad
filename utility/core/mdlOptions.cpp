#include "mdlOptions.h"

#include "mdlDebugLog.h"
#include "mdlEditionSwitch.h"
#include "mdlFileUtil.h"
#include "mdlGlobal.h"
#include "mdlIniFile.h"
#include "mdlPaths.h"
#include "mdlReadFilesIni.h"

namespace tolvane {
namespace {
constexpr const char* kSysPmSection = "SysPm";
constexpr const char* kToolLangKey = "ToolLang";
} // namespace

std::string ReadOptionToolType() {
    if (const auto& chosen = EditionOverride()) {
        return chosen->ToolType;
    }
    const std::string value = ReadFilesIni(kOptionFileName, "Option", "ToolType");
    if (!value.empty()) {
        return value;
    }
    return Globals().ToolTypeNo == kToolTypeNoMobile ? "Mobile" : "Label";
}

std::string ReadOptionOemCo() {
    if (const auto& chosen = EditionOverride()) {
        return chosen->OemCo;
    }
    return ReadFilesIni(kOptionFileName, "Option", "OemCo");
}

void ReadOptions() {
    Globals().ToolType = ReadOptionToolType();
    Globals().OemCo = ReadOptionOemCo();
    WriteDebugLog("ToolType:" + Globals().ToolType);
    WriteDebugLog("OemCo:" + Globals().OemCo);
}

std::string PrepareSysPmFile(const std::string& path) {
    EnsureFileExists(path);
    const auto doc = IniLoad(path);
    if (!doc->Find(kSysPmSection, kToolLangKey)) {
        IniWriteString(path, kSysPmSection, kToolLangKey, "");
    }
    return IniReadString(path, kSysPmSection, kToolLangKey);
}

bool SaveToolLang(const std::string& path, const std::string& value) {
    return IniWriteString(path, kSysPmSection, kToolLangKey, value);
}

} // namespace tolvane
