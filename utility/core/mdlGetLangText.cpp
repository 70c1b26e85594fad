#include "mdlGetLangText.h"

#include "mdlGlobal.h"
#include "mdlMessages.h"
#include "mdlPaths.h"
#include "mdlReadFilesIni.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>

namespace tolvane {
namespace {

std::mutex g_wordsMutex;
std::unordered_map<std::string, std::string> g_words;

} // namespace

std::string LanguageFileName() {
    const std::string& fixed = Globals().LanguageFileName;
    return fixed.empty() ? std::string(kLabelLanguageFileName) : fixed;
}

std::string GetLangText(const std::string& key) {
    return ReadFilesIni(LanguageFileName(), Globals().LanguageId, key);
}

const std::vector<std::string>& SharedWordKeys() {
    static const std::vector<std::string> keys = {
        // common words
        "_Read", "_Set", "_Print", "_Close", "_ConnectOK", "_AlignLeft", "_Center", "_AlignRight",
        "_DownloadSuccess", "_ParaSet", "_ParaSet_OK", "_ParaSet_Fail", "_Support", "_UnSupport", "_Enable",
        "_Disable", "_On", "_Off", "_PrintType1", "_PrintType2", "_Density1", "_Density2", "_Density3",
        "_Density4", "_DensityA", "_DensityB", "_DensityC", "_DensityD", "_BTSet", "_BTName", "_BTPWD",
        "_Other", "_LanguageSet", "_OK", "_Cancel",
        // paper types
        "_PaperType_Auto", "_PaperType_Receipt", "_PaperType_Label", "_PaperType_BlackMark",
        "_PaperType_BlackMark_B", "_PaperType_BlackMark_F", "_PaperType_BlackMark_LB",
        "_PaperType_BlackMark_LF", "_PaperType_BlackMark_RB", "_PaperType_BlackMark_RF",
        "_PaperType_BlackMark_Mid",
        // errors
        "_Err_CreatePrinter", "_Err_OpenPort", "_Err_WriteData", "_Err_ReadData", "_Err_FileNotExist",
        "_Err_Receive", "_Err_ImageToBitmap", "_Err_ImportNull", "_Err_CheckSum", "_Err_ParaSet",
        "_Err_ProtocolFunction", "_Err_FileToBig", "_Err_BTPWD_Len", "_E_IC", "_E_ITW",
        // message titles
        "_MSG_Title_Message", "_MSG_Title_Error", "_MSG_Title_Warn"};
    return keys;
}

void LoadSharedWords() {
    std::unordered_map<std::string, std::string> words;
    for (const std::string& key : SharedWordKeys()) {
        words[key] = GetLangText(key);
    }
    std::lock_guard lock(g_wordsMutex);
    g_words = std::move(words);
}

std::string SharedWord(const std::string& key) {
    std::lock_guard lock(g_wordsMutex);
    const auto it = g_words.find(key);
    return it != g_words.end() ? it->second : std::string();
}

void ClearSharedWords() {
    std::lock_guard lock(g_wordsMutex);
    g_words.clear();
}

void InstallLanguageLookup() {
    SetLangTextLookup([](const std::string& key) {
        const auto& keys = SharedWordKeys();
        return std::find(keys.begin(), keys.end(), key) != keys.end() ? SharedWord(key) : GetLangText(key);
    });
}

} // namespace tolvane
