// A test stand-in for the language helper library: records every call and
// answers LangReadIni from a script ("M:" + section + ":" + key unless a
// text was scripted). Built without LangReadIni and LangUnInit when
// MORRANT_PARTIAL is defined.
#include "HelperLibraryApi.h"
#include "PluginRecorder.h"

#include <map>

namespace {

tolvane::test::PluginRecorder g_calls;
std::map<std::string, std::string> g_texts; // section + "|" + key -> text

} // namespace

#define EXPORT extern "C" __attribute__((visibility("default")))

EXPORT void LangInit() {
    g_calls.Record("LangInit");
}

EXPORT void LangSetLanguageID(const char16_t* languageId) {
    g_calls.Record("LangSetLanguageID(" + tolvane::test::Text(languageId) + ")");
}

EXPORT void LangSetLanguageFN_FullName(const char16_t* path) {
    g_calls.Record("LangSetLanguageFN_FullName(" + tolvane::test::Text(path) + ")");
}

#ifndef MORRANT_PARTIAL
EXPORT void LangUnInit() {
    g_calls.Record("LangUnInit");
}

EXPORT void LangReadIni(const char16_t* fileName, const char16_t* section, char16_t* key, char16_t* result,
                        int32_t capacity) {
    const std::string sectionText = tolvane::test::Text(section);
    const std::string keyText = tolvane::test::Text(key);
    g_calls.Record("LangReadIni(" + tolvane::test::Text(fileName) + "|" + sectionText + "|" + keyText + "|" +
                   std::to_string(capacity) + ")");
    const auto it = g_texts.find(sectionText + "|" + keyText);
    tolvane::test::CopyOut(it != g_texts.end() ? it->second : "M:" + sectionText + ":" + keyText, result,
                           capacity);
}
#endif

// Test controls.
EXPORT const char* TestPlugin_CallLog() {
    return g_calls.Log();
}
EXPORT void TestPlugin_ClearLog() {
    g_calls.Clear();
}
EXPORT void TestMorrant_SetText(const char* section, const char* key, const char* text) {
    g_texts[std::string(section) + "|" + key] = text;
}
