// A test stand-in for the command helper library: records every call and
// answers from a script (permission values, name transformations, the
// readiness byte).
#include "HelperLibraryApi.h"
#include "PluginRecorder.h"

#include <map>

namespace {

tolvane::test::PluginRecorder g_calls;
std::map<std::string, int32_t> g_permissions;
std::map<std::string, std::string> g_transforms;
uint8_t g_appReady = 0;

void Text(const char* name, const char16_t* text) {
    g_calls.Record(std::string(name) + "(" + tolvane::test::Text(text) + ")");
}

uint8_t Transform(const char* name, const char16_t* from, char16_t* result) {
    Text(name, from);
    const auto it = g_transforms.find(tolvane::test::Text(from));
    if (it == g_transforms.end()) {
        return 0;
    }
    tolvane::test::CopyOut(it->second, result, kHelperTextCapacity);
    return 1;
}

} // namespace

#define EXPORT extern "C" __attribute__((visibility("default")))

EXPORT void CmdsInit() {
    g_calls.Record("CmdsInit");
}
EXPORT void CmdsUnInit() {
    g_calls.Record("CmdsUnInit");
}
EXPORT void Cmds_SetIsDebug(uint8_t debug) {
    g_calls.Record("Cmds_SetIsDebug(" + std::to_string(debug) + ")");
}
EXPORT void Cmds_SetBaseDbgPath(const char16_t* path) {
    Text("Cmds_SetBaseDbgPath", path);
}
EXPORT void Cmds_SetLogFile(const char16_t* path) {
    Text("Cmds_SetLogFile", path);
}
EXPORT void Cmds_SetToolType(const char16_t* text) {
    Text("Cmds_SetToolType", text);
}
EXPORT void Cmds_SetOemCo(const char16_t* text) {
    Text("Cmds_SetOemCo", text);
}
EXPORT void Cmds_TrySetAppToReady() {
    g_calls.Record("Cmds_TrySetAppToReady");
}
EXPORT uint8_t Cmds_GetAppIsReady() {
    g_calls.Record("Cmds_GetAppIsReady");
    return g_appReady;
}
EXPORT void Cmds_SetPrinterDefName(const char16_t* name) {
    Text("Cmds_SetPrinterDefName", name);
}
EXPORT void Cmds_SetPrinterBasName(const char16_t* name) {
    Text("Cmds_SetPrinterBasName", name);
}
EXPORT void Cmds_DoAfterInitPara_SetPermission() {
    g_calls.Record("Cmds_DoAfterInitPara_SetPermission");
}
EXPORT uint8_t Cmds_TransformPrtName(const char16_t* name, char16_t* result) {
    return Transform("Cmds_TransformPrtName", name, result);
}
EXPORT uint8_t Cmds_TransformPrtMapModel(const char16_t* name, char16_t* result) {
    return Transform("Cmds_TransformPrtMapModel", name, result);
}
EXPORT int32_t Cmds_GetPermissionByNo(char16_t* number, uint8_t* info, char16_t* result) {
    const std::string text = tolvane::test::Text(number);
    g_calls.Record("Cmds_GetPermissionByNo(" + text + ")");
    const auto it = g_permissions.find(text);
    const int32_t value = it != g_permissions.end() ? it->second : 0;
    *info = 7;
    tolvane::test::CopyOut("answer " + text, result, kHelperTextCapacity);
    return value;
}

// Test controls.
EXPORT const char* TestPlugin_CallLog() {
    return g_calls.Log();
}
EXPORT void TestPlugin_ClearLog() {
    g_calls.Clear();
}
EXPORT void TestSelvanic_SetPermission(const char* number, int32_t value) {
    g_permissions[number] = value;
}
EXPORT void TestSelvanic_SetTransform(const char* from, const char* to) {
    g_transforms[from] = to;
}
EXPORT void TestSelvanic_SetAppReady(uint8_t ready) {
    g_appReady = ready;
}
