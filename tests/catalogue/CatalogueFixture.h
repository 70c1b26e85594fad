// The fixture of the catalogue tests: a program folder and a home folder of
// their own (so the developer markers are under the test's control), the
// built-in lists and the catalogue overlay in place, a fixed clock, a
// message interface that records what is shown, and the program-wide state
// put back afterwards.
#pragma once

#include "TempFolder.h"
#include "mdlCatalogueOverlay.h"
#include "mdlClock.h"
#include "mdlFeatureRecord.h"
#include "mdlGlobal.h"
#include "mdlGlobal_Permission.h"
#include "mdlIniFile.h"
#include "mdlLangTextTable.h"
#include "mdlMessages.h"
#include "mdlModelLists.h"
#include "mdlPaths.h"
#include "mdlReadFilesIni.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tolvane::test {

class RecordingMessages : public IMessageSink {
  public:
    void ShowInfo(const std::string& text, const std::string&) override { shown.push_back(text); }
    bool AskOkCancel(const std::string& text, const std::string&) override {
        shown.push_back(text);
        return false;
    }
    void ShowError(const std::string& text, const std::string&) override { shown.push_back(text); }

    std::vector<std::string> shown;
};

// The language texts the catalogue shows.
inline constexpr const char* kCatalogueLanguageFile = "[LanguageCollect]\n"
                                                      "List=1033\n"
                                                      "DefaultLanguageID=1033\n"
                                                      "[1033]\n"
                                                      "Lang_All_00010002_11=\": \"\n"
                                                      "Lang_All_00210272_11=USB identity mismatch\n"
                                                      "Lang_All_00210351_11=Firmware version\n"
                                                      "Lang_All_00210373_11=Firmware [{0}]\n"
                                                      "Lang_All_00210378_11=Test\n";

class CatalogueTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetAppFolder(app.Path());
        ::setenv("HOME", home.Path().c_str(), 1);
        ::setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
        std::filesystem::create_directories(app / "files");
        SetMessageSink(&messages);
        SetLocalClock([] { return TLocalTime{2024, 3, 3, 9, 5, 7, 42}; });
        Globals().ToolType = "Label";
        BuildModelLists();
        InstallCatalogueOverlay();
        CreateFeatureObjects();
    }

    void TearDown() override {
        FreeFeatureObjects();
        SetCatalogueOverlay({});
        SetCatalogueFileName(kCatalogueFileName);
        LangTexts().Clear();
        ResetModes();
        ResetGlobals();
        SetLocalClock({});
        SetMessageSink(nullptr);
        SetAppFolder("");
    }

    std::string WriteFiles(const std::string& name, const std::string& content) {
        return app.Write("files/" + name, content);
    }
    // Loads the language texts the catalogue uses.
    void LoadLanguageTexts() {
        WriteFiles(kLabelLanguageFileName, kCatalogueLanguageFile);
        LangTexts().Load("1033");
    }
    void CreateTestDataMarker() { home.Write("xx20050316094512/dfile20050316094512-Real.txt", ""); }

    TempFolder app;
    TempFolder home;
    RecordingMessages messages;
};

} // namespace tolvane::test
