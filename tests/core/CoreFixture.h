// The fixture of the core tests: a program folder and a home folder of
// their own, a message interface that records every box and answers
// questions from a script, the test helper libraries on demand, and a full
// reset of the core's program-wide state afterwards.
#pragma once

#include "TempFolder.h"
#include "mdlClock.h"
#include "mdlCoreHooks.h"
#include "mdlEditionSwitch.h"
#include "mdlFunction_Permission.h"
#include "mdlGetLangText.h"
#include "mdlGlobal.h"
#include "mdlGlobalObjects.h"
#include "mdlGlobalVar.h"
#include "mdlGlobal_Permission.h"
#include "mdlLangFont.h"
#include "mdlLangTextTable.h"
#include "mdlMessages.h"
#include "mdlMorrant.h"
#include "mdlOemEditionFile.h"
#include "mdlPaths.h"
#include "mdlReadFilesIni.h"
#include "mdlSelvanic.h"
#include "mdlStartup.h"

#include <cstdlib>
#include <deque>
#include <dlfcn.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tolvane::test {

struct ShownBox {
    std::string kind; // "info", "ask", "error"
    std::string text;
    std::string title;
};

class RecordingSink : public IMessageSink {
  public:
    void ShowInfo(const std::string& text, const std::string& title) override {
        boxes.push_back({"info", text, title});
    }
    bool AskOkCancel(const std::string& text, const std::string& title) override {
        boxes.push_back({"ask", text, title});
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ShowError(const std::string& text, const std::string& title) override {
        boxes.push_back({"error", text, title});
    }

    std::vector<ShownBox> boxes;
    std::deque<bool> answers; // answers to AskOkCancel, in order; Cancel when empty
};

// The exported test controls of a helper library copied into the program
// folder; opening the same file reaches the instance the program loaded.
class PluginProbe {
  public:
    explicit PluginProbe(const std::string& path) : handle_(::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {}
    ~PluginProbe() {
        if (handle_ != nullptr) {
            ::dlclose(handle_);
        }
    }
    PluginProbe(const PluginProbe&) = delete;
    PluginProbe& operator=(const PluginProbe&) = delete;

    template <typename Fn>
    Fn Get(const char* name) const {
        return reinterpret_cast<Fn>(::dlsym(handle_, name));
    }
    // The calls received so far, one per entry.
    std::vector<std::string> Calls() const {
        std::vector<std::string> calls;
        const auto log = Get<const char* (*)()>("TestPlugin_CallLog");
        std::string text = log != nullptr ? log() : "";
        for (std::size_t pos = 0; pos < text.size();) {
            const std::size_t end = text.find('\n', pos);
            calls.push_back(text.substr(pos, end - pos));
            pos = end + 1;
        }
        return calls;
    }
    void ClearCalls() const { Get<void (*)()>("TestPlugin_ClearLog")(); }

  private:
    void* handle_;
};

// Ends a run of the start-up steps and clears the program-wide state the
// next run starts from: global objects, modes, texts, permissions, fonts,
// the catalogue's hooks and overlay.
inline void ResetCoreState() {
    MainWindowDestroySteps();
    AfterMessageLoop();
    CoreHooks() = TCoreHooks{};
    ResetGlobals();
    ResetModes();
    ClearSharedWords();
    LangTexts().Clear();
    ClearPermissions();
    SetSharedLangFont({});
    SetCatalogueOverlay({});
}

inline std::vector<std::string> Args(std::initializer_list<const char*> rest) {
    std::vector<std::string> args{"/opt/tolvane/Tolvane"};
    args.insert(args.end(), rest.begin(), rest.end());
    return args;
}

class CoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetAppFolder(app.Path());
        ::setenv("HOME", home.Path().c_str(), 1);
        ::setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
        ::unsetenv("LC_ALL");
        ::unsetenv("LC_MESSAGES");
        ::setenv("LANG", "zh_CN.UTF-8", 1);
        SetMessageSink(&sink);
        std::filesystem::create_directories(app / "files");
#ifdef TOLVANE_SOURCE_DIR
        // The shipped editions, as beside the program.
        std::string shipped = TOLVANE_SOURCE_DIR;
        shipped.append("/files/OemEditions.ini");
        std::string beside = app.Path();
        beside.append("/files/OemEditions.ini");
        std::filesystem::copy_file(shipped, beside, std::filesystem::copy_options::overwrite_existing);
#endif
    }

    void TearDown() override {
        ResetCoreState();
        SetFormMsgBoxPresenter({});
        SetLocalClock({});
        SetMessageSink(nullptr);
        SetLangTextLookup({});
        ClearOemEditions();
        SetEditionOverride(std::nullopt);
        SetAppFolder("");
    }

    // Writes a file of the program's files/ folder.
    std::string WriteFiles(const std::string& name, const std::string& content) {
        return app.Write("files/" + name, content);
    }
    // Copies a test helper library into PrtDll/ and returns its probe path.
    std::string InstallPlugin(const char* builtPath) {
        const std::string name = std::filesystem::path(builtPath).filename().string();
        std::filesystem::create_directories(app / "PrtDll");
        std::filesystem::copy_file(builtPath, app / ("PrtDll/" + name),
                                   std::filesystem::copy_options::overwrite_existing);
        return app / ("PrtDll/" + name);
    }
    void CreateFirstMarker() {
        home.Write("xx20050316094512/dfile20050316094512.txt", "");
    }
    void CreateSecondMarker() {
        app.Write("x20061128153047.txt", "");
    }

    // Every start-up step up to the text table, as the program runs them.
    void StartUp(const std::vector<std::string>& args) {
        StartupInitModules();
        StartupDecideAndCreate(args);
        MainWindowCreateSteps(args);
        FirstShowPrepare();
    }

    TempFolder app;
    TempFolder home;
    RecordingSink sink;
};

// A small language file: the three shipped languages and Spanish and Korean.
inline constexpr const char* kSmallLanguageFile = "[LanguageCollect]\n"
                                                  "List=2052,1033,1028,1034,1042\n"
                                                  "DefaultLanguageID=2052\n"
                                                  "DefaultLanguageName=简体中文\n"
                                                  "[2052]\n"
                                                  "_MSG_Title_Warn=警告\n"
                                                  "_MSG_Title_Message=提示\n"
                                                  "Lang_NeededY=是\n"
                                                  "Lang_All_00210026_11=关闭\n"
                                                  "[1033]\n"
                                                  "_MSG_Title_Warn=Warning\n"
                                                  "_MSG_Title_Message=Information\n"
                                                  "Lang_NeededY=Yes\n"
                                                  "Lang_All_00210026_11=Off\n"
                                                  "[1028]\n"
                                                  "Lang_NeededY=是的\n"
                                                  "[1042]\n"
                                                  "Lang_NeededY=예\n";

} // namespace tolvane::test
