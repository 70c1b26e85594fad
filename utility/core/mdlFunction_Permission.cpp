#include "mdlFunction_Permission.h"

#include "mdlConst_Permission.h"
#include "mdlCoreHooks.h"
#include "mdlDebugLog.h"
#include "mdlLangTextTable.h"
#include "mdlModelList.h"
#include "mdlPaths.h"
#include "mdlReadFilesIni.h"
#include "mdlSelvanic.h"

#include <map>
#include <mutex>

namespace tolvane {
namespace {

std::mutex g_mutex;
std::map<std::string, int, std::less<>> g_values;

void Store(std::string_view number, int value) {
    std::lock_guard lock(g_mutex);
    g_values[std::string(number)] = value;
}

// A built-in model list of the catalogue; empty until the catalogue is installed.
std::string BuiltInModelList(const std::string& name) {
    const TCoreHooks& hooks = CoreHooks();
    return hooks.BuiltInModelList ? hooks.BuiltInModelList(name) : std::string();
}

} // namespace

void RefreshPermissions(const std::string& resolvedModel) {
    for (const std::string_view number : kPermissionQueryOrder) {
        const TPermissionAnswer answer = Selvanic().GetPermissionByNo(std::string(number));
        Store(number, answer.value);
        WriteDebugLog("Permission " + std::string(number) + ":" + std::to_string(answer.value) + "," +
                      std::to_string(answer.info) + "," + answer.text);
        for (const TForcedPermission& forced : kForcedPermissions) {
            if (forced.number == number && IsModelInList(resolvedModel, forced.models)) {
                Store(number, 1);
            }
        }
    }
}

int Permission(std::string_view number) {
    std::lock_guard lock(g_mutex);
    const auto it = g_values.find(number);
    return it != g_values.end() ? it->second : 0;
}

void ClearPermissions() {
    std::lock_guard lock(g_mutex);
    g_values.clear();
}

void BuildReleasePaperList(const std::string& model, TNameValueList& list) {
    list.clear();
    list.emplace_back("0", LangAll("Lang_All_00210026_11"));
    const bool wide = IsModelInList(model, BuiltInModelList("ReleasePaper255Models")) ||
                      Permission(kPermReleasePaper255) == 1;
    const int last = wide ? 255 : 127;
    for (int n = 1; n <= last; ++n) {
        list.emplace_back(std::to_string(n), std::to_string(n));
    }
}

void BuildDapraProtocolTypeList(const std::string& model, TNameValueList& list) {
    if (IsModelInList(model, kDapraFixedProtocolModels)) {
        list.clear();
        list.emplace_back("0", LangAll("Lang_All_00010006_15"));
        list.emplace_back("1", LangAll("Lang_All_00010006_14"));
        return;
    }
    if (Permission(kPermDapraProtocol2) == 1) {
        list.emplace_back("0", LangAll("Lang_All_00010006_12"));
    }
    if (Permission(kPermDapraProtocol6) == 1) {
        list.emplace_back("1", LangAll("Lang_All_00010006_16"));
    }
}

} // namespace tolvane
