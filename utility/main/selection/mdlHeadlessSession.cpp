#include "mdlHeadlessSession.h"

#include "mdlCatalogueHooks.h"
#include "mdlGetLangText.h"
#include "mdlGlobalObjects.h"
#include "mdlLangChoice.h"
#include "mdlLangFont.h"
#include "mdlStartup.h"

namespace tolvane {
namespace {

bool g_sessionRunning = false;

// What the main window does with its texts whenever a language is applied,
// minus the widgets.
void LoadSharedTexts() {
    LoadSharedWords();
    LoadSharedLangFont();
}

} // namespace

void StartHeadlessSession(const std::vector<std::string>& args) {
    // The program, before its window.
    InstallCatalogueHooks();
    StartupInitModules();
    StartupDecideAndCreate(args);
    // The main window's creation and first show.
    MainWindowCreateSteps(args);
    FirstShowPrepare();
    LoadSharedTexts();
    FirstShowHandToSelvanic();
    FirstShowKeepFont();
    TLanguageChoice choice;
    if (const TOstrelVar* state = GlobalObjects().OstrelVar.get(); state != nullptr && state->Oem) {
        choice.Fill(*state->Oem);
    }
    choice.OnApplied = [] {
        LoadSharedTexts();
        FirstShowKeepFont();
    };
    FirstShowApplySavedLanguage(choice);
    g_sessionRunning = true;
}

void EndHeadlessSession() {
    if (!g_sessionRunning) {
        return;
    }
    g_sessionRunning = false;
    AfterMessageLoop();
    MainWindowDestroySteps();
}

} // namespace tolvane
