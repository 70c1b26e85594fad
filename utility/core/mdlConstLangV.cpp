#include "mdlConstLangV.h"

#include "mdlIniFile.h"
#include "mdlLanguageId.h"
#include "mdlOptions.h"
#include "mdlPaths.h"

#include <algorithm>
#include <utility>

namespace tolvane {
namespace {

using TextField = std::string TConstLangV::*;

const std::vector<std::pair<const char*, TextField>>& TextFields() {
    static const std::vector<std::pair<const char*, TextField>> fields = {
        {"Lang_PwdNeeded", &TConstLangV::PwdNeeded},
        {"Lang_Word_BreakDown", &TConstLangV::Word_BreakDown},
        {"Lang_Word_Colon", &TConstLangV::Word_Colon},
        {"Lang_Word_Exclamation", &TConstLangV::Word_Exclamation},
        {"Lang_Word_Space", &TConstLangV::Word_Space},
        {"Lang_Word_Success", &TConstLangV::Word_Success},
        {"Lang_Word_fail", &TConstLangV::Word_fail},
        {"Lang_Word_Open", &TConstLangV::Word_Open},
        {"Lang_Word_Close", &TConstLangV::Word_Close},
        {"Lang_Word_Set", &TConstLangV::Word_Set},
        {"Lang_Word_Read", &TConstLangV::Word_Read},
        {"Lang_Word_InvalidIP", &TConstLangV::Word_InvalidIP},
        {"Lang_Word_Pwd", &TConstLangV::Word_Pwd},
        {"Lang_Word_RestoreFactorySet", &TConstLangV::Word_RestoreFactorySet},
        {"Lang_Word_ProtocolType", &TConstLangV::Word_ProtocolType},
        {"Lang_Word_ProtocolT_CPCL", &TConstLangV::Word_ProtocolT_CPCL},
        {"Lang_Word_ProtocolT_ESC", &TConstLangV::Word_ProtocolT_ESC},
        {"Lang_Word_Minutes", &TConstLangV::Word_Minutes},
        {"Lang_Word_Jtzw", &TConstLangV::Word_Jtzw},
        {"Lang_Word_AdvancedSettings", &TConstLangV::Word_AdvancedSettings},
        {"Lang_Word_AdvancedS1", &TConstLangV::Word_AdvancedS1},
        {"Lang_Word_SetBTFunction", &TConstLangV::Word_SetBTFunction},
        {"Lang_Word_BtState", &TConstLangV::Word_BtState},
        {"Lang_Word_BtName", &TConstLangV::Word_BtName},
        {"Lang_Word_SimplePairing", &TConstLangV::Word_SimplePairing},
        {"Lang_Word_AppletFun", &TConstLangV::Word_AppletFun},
        {"Lang_Word_MacAddr", &TConstLangV::Word_MacAddr},
        {"Lang_Word_cannotFindUSBPrinter", &TConstLangV::Word_cannotFindUSBPrinter},
        {"Lang_Word_cannotConnectTCPIPPort", &TConstLangV::Word_cannotConnectTCPIPPort},
        {"Lang_Word_cannotFindLPTPort", &TConstLangV::Word_cannotFindLPTPort},
        {"Lang_NeededY", &TConstLangV::NeededY},
        {"Lang_NeededN", &TConstLangV::NeededN},
        {"Lang_PSelect", &TConstLangV::PSelect},
        {"Lang_PInput", &TConstLangV::PInput},
        {"Lang_WifiState", &TConstLangV::WifiState},
        {"Lang_WifiMode", &TConstLangV::WifiMode},
        {"Lang_WifiName", &TConstLangV::WifiName},
        {"Lang_WifiDHCP", &TConstLangV::WifiDHCP},
        {"Lang_BtPwdNums", &TConstLangV::BtPwdNums},
        {"Lang_ShowPwd", &TConstLangV::ShowPwd},
        {"Lang_RestoreFNEsc", &TConstLangV::RestoreFNEsc},
        {"_Err_OpenPort", &TConstLangV::Err_OpenPort},
        {"_Err_ReadData", &TConstLangV::Err_ReadData},
        {"FormPrinterManage_ConnectFailed", &TConstLangV::ConnectFailed},
        {"_MSG_Title_Message", &TConstLangV::MsgTitle_Message},
        {"_MSG_Title_Error", &TConstLangV::MsgTitle_Error},
        {"_MSG_Title_Warn", &TConstLangV::MsgTitle_Warn},
        {"_OK", &TConstLangV::Btn_OK},
        {"_Cancel", &TConstLangV::Btn_Cancel},
        {"_Enable", &TConstLangV::Btn_Enable},
        {"_Disable", &TConstLangV::Btn_Disable},
        {"_PaperType_Receipt", &TConstLangV::PaperType_Receipt},
        {"_PaperType_BlackMark", &TConstLangV::PaperType_BlackMark},
        {"_PaperType_Label", &TConstLangV::PaperType_Label},
    };
    return fields;
}

} // namespace

TConstLangV::TConstLangV(const std::vector<std::string>& args) {
    if (args.size() > 1) {
        LanguageId = LanguageIdFromSwitch(args[1], /*knowsKorean=*/false);
    }
    CmdLineDone = true;
    AppFolder = tolvane::AppFolder();
    FilesFolder = tolvane::FilesFolder();
    PathsDone = true;
    ChooseLanguageFile(ReadOptionToolType());
}

void TConstLangV::ChooseLanguageFile(const std::string& toolType) {
    LanguageFileName = toolType == "Label" ? kLabelLanguageFileName : kMobileLanguageFileName;
    FileDone = true;
}

std::string TConstLangV::ReadOwn(const std::string& section, const std::string& key) const {
    return IniReadString(FilesFolder + LanguageFileName, section, key);
}

void TConstLangV::DetectLanguage() {
    DetectLanguageId(LanguageId, LanguageName,
                     [this](const std::string& key) { return ReadOwn("LanguageCollect", key); });
    DetectDone = true;
    LoadTexts();
}

void TConstLangV::SetLanguageId(const std::string& id) {
    LanguageId = id;
    LoadTexts();
}

void TConstLangV::LoadTexts() {
    for (const auto& [key, field] : TextFields()) {
        this->*field = ReadOwn(LanguageId, key);
    }
    Word_Space.erase(std::remove(Word_Space.begin(), Word_Space.end(), '1'), Word_Space.end());
}

std::vector<std::string> TConstLangV::TextKeys() {
    std::vector<std::string> keys;
    for (const auto& field : TextFields()) {
        keys.emplace_back(field.first);
    }
    return keys;
}

} // namespace tolvane
