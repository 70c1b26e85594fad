#include "mdlStartup.h"

#include "mdlClock.h"
#include "mdlCoreHooks.h"
#include "mdlDebugLog.h"
#include "mdlFileUtil.h"
#include "mdlGetLangText.h"
#include "mdlGlobal.h"
#include "mdlGlobalObjects.h"
#include "mdlGlobal_Permission.h"
#include "mdlIniFile.h"
#include "mdlLangChoice.h"
#include "mdlLangFont.h"
#include "mdlLangTextTable.h"
#include "mdlLanguageId.h"
#include "mdlMessageBoxes.h"
#include "mdlMorrant.h"
#include "mdlOemEditionFile.h"
#include "mdlOptions.h"
#include "mdlPaths.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLibLoad.h"
#include "mdlReadFilesIni.h"
#include "mdlSelvanic.h"
#include "mdlUtf16Text.h"

#include <exception>

namespace tolvane {
namespace {

bool g_selvanicAppIsReady = false;

void Run(const std::function<void()>& hook) {
    if (hook) {
        hook();
    }
}

// The program's language: the system language when none was given, then
// the language file's default when the id is not listed.
void DetectProgramLanguage() {
    DetectLanguageId(Globals().LanguageId, Globals().LanguageName, [](const std::string& key) {
        return ReadFilesIni(LanguageFileName(), "LanguageCollect", key);
    });
}

bool MapsToGulvo(const std::string& printerMapPath) {
    const auto doc = IniLoad(printerMapPath);
    for (const auto& [model, mapModel] : doc->Entries("Map")) {
        if (mapModel == "Gulvo") {
            return true;
        }
    }
    return false;
}

// Creates a TSPL printer object for model through Tsprix and destroys it
// again; false when it cannot be created.
bool CanCreateTsplPrinter(const std::string& model) {
    const TPrtLibEntries* entries = PrtLib_Entries(TPrtLib::Tsprix);
    if (entries == nullptr || entries->PrinterCreator == nullptr) {
        return false;
    }
    PrinterHandle handle = nullptr;
    const int result = entries->PrinterCreator(&handle, Utf8ToUtf16(model).c_str());
    if (result != 0 || handle == nullptr) {
        return false;
    }
    if (entries->PrinterDestroy != nullptr) {
        entries->PrinterDestroy(handle);
    }
    return true;
}

} // namespace

void StartupInitModules() {
    const TCoreHooks& hooks = CoreHooks();
    Run(hooks.BuildModelLists);
    Run(hooks.SetDeviceDefaults);
    Run(hooks.StartImageSubsystem);
    Run(hooks.CreateUsbNotifier);
    InstallLanguageLookup();
    Globals().ToolTypeNo = kToolTypeNoLabel;
}

void StartupDecideAndCreate(const std::vector<std::string>& args) {
    Globals().Args = args;
    CreateLogLock();
    DecideModes(args);
    LoadOemEditions();
    ForceDirectories(PerPrinterFolder());
    Run(CoreHooks().CreateFeatureObjects);
    CreateGlobalObjects(args);
}

void MainWindowCreateSteps(const std::vector<std::string>& args) {
    DecideFactorySwitch(args);
    if (!LogLockExists()) {
        CreateLogLock();
    }
    WriteDebugLog("");
    WriteDebugLog("运行时间:" + FormatStampTime(NowLocal()));
    Morrant().Bind();
    Morrant().LangInit();
    Selvanic().Bind();
    Selvanic().CmdsInit();
    if (args.size() > 1) {
        if (std::string id = LanguageIdFromSwitch(args[1], /*knowsKorean=*/true); !id.empty()) {
            Globals().LanguageId = std::move(id);
        }
    }
    if (DebugMode()) {
        Globals().LanguageId = "1028";
    }
}

TFirstShowResult FirstShowPrepare() {
    TGlobals& g = Globals();
    TGlobalObjects& objects = GlobalObjects();
    const TCoreHooks& hooks = CoreHooks();

    // 1. File names.
    g.LanguageFileName = kLabelLanguageFileName;
    g.CatalogueFileName = kCatalogueFileName;
    g.PrinterMapPath = FilesFolder() + kPrinterMapFileName;
    g.ProtocolFileName = kProtocolFileName;
    g.CompanyPrinterListName = kCompanyPrinterListFileName;
    if (hooks.SetCatalogueFile) {
        hooks.SetCatalogueFile(g.CatalogueFileName);
    }
    if (objects.ConstLangV) {
        objects.ConstLangV->ChooseLanguageFile(ReadOptionToolType());
    }
    // 2. Options, language, scratch bitmap.
    ReadOptions();
    DetectProgramLanguage();
    g.ScratchBitmapPath = ScratchBitmapFile();
    // 3. Feature lists; 4. the language constants finish their detection.
    Run(hooks.BuildFeatureLists);
    if (objects.ConstLangV) {
        objects.ConstLangV->DetectLanguage();
    }
    // 5. The language helper learns the language and its file.
    Morrant().LangSetLanguageID(g.LanguageId);
    const std::string languageFile = FilesFolder() + g.LanguageFileName;
    if (FileExists(languageFile)) {
        Morrant().LangSetLanguageFN_FullName(languageFile);
    }
    // 6. Edition, data folder, saved language; 7. company printer list.
    if (objects.OstrelVar) {
        objects.OstrelVar->SelectEdition();
    }
    Run(hooks.FillCompanyPrinterList);
    // 8. Icon; 9. initial command language.
    TFirstShowResult result;
    result.IconPath = IconsFolder() + "icon.ico";
    ProtocolKind = kLangTspl;
    result.ProtocolFieldText = ProtocolWord(ProtocolKind) + ",InitProtocolType";
    // 10. Protocol model lists and catalogue keys, then the text table;
    // the edition's catalogue check.
    Run(hooks.LoadProtocolLists);
    LangTexts().Load(g.LanguageId);
    Run(hooks.CheckEditionCatalogue);
    return result;
}

void FirstShowHandToSelvanic() {
    TSelvanic& helper = Selvanic();
    helper.SetIsDebug(DebugMode());
    helper.SetBaseDbgPath(DebugLogFolder());
    helper.SetLogFile(DebugLogFile());
    helper.SetToolType(Globals().ToolType);
    helper.SetOemCo(Globals().OemCo);
    helper.TrySetAppToReady();
    g_selvanicAppIsReady = helper.GetAppIsReady() != 0;
}

bool SelvanicAppIsReady() {
    return g_selvanicAppIsReady;
}

void FirstShowKeepFont() {
    if (TOstrelVar* state = GlobalObjects().OstrelVar.get()) {
        state->Font = SharedLangFont();
    }
}

bool FirstShowApplySavedLanguage(TLanguageChoice& choice) {
    const TOstrelVar* state = GlobalObjects().OstrelVar.get();
    return state != nullptr && choice.ApplySaved(state->SavedLanguage);
}

void FirstShowPrinterMapCheck() {
    try {
        const std::string mapPath = FilesFolder() + kPrinterMapFileName;
        if (!FileExists(mapPath) || !MapsToGulvo(mapPath)) {
            return;
        }
        const std::string model = Selvanic().TransformPrtMapModel("Gulvo").value_or("Gulvo");
        if (!CanCreateTsplPrinter(model)) {
            ShowInfo(std::string("TSPL ERR(CRT ERR)") + "(ERRNO:20200628_101601)");
        }
    } catch (const std::exception&) {
        if (DebugMode()) {
            ShowInfo("ERRNO:20200628_090601");
        }
    }
}

void AfterMessageLoop() {
    Run(CoreHooks().FreeFeatureObjects);
    if (LogLockExists()) {
        DeleteLogLock();
    }
}

void MainWindowDestroySteps() {
    FreeGlobalObjects();
    Morrant().LangUnInit();
    Morrant().Unbind();
    Selvanic().CmdsUnInit();
    Selvanic().Unbind();
    if (LogLockExists()) {
        DeleteLogLock();
    }
}

} // namespace tolvane
