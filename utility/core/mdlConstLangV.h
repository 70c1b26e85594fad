// TConstLangV: the language constants object. It keeps its own language id
// and language file, and the common texts (words, prompts, errors, titles,
// buttons, paper types) read straight from that file without the overlays.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

class TConstLangV {
  public:
    // Creation: argument 1 may name the language ("-CN" ... "-ES"; "-KR" is
    // not known here); the folders and the language file are fixed.
    explicit TConstLangV(const std::vector<std::string>& args);

    // Fixes the language file: the Label file when toolType is "Label",
    // otherwise the Mobile file.
    void ChooseLanguageFile(const std::string& toolType);
    // Finishes the language detection against the own file's
    // "LanguageCollect" and loads the texts.
    void DetectLanguage();
    // Makes id the language (a language applied by the user) and reloads the texts.
    void SetLanguageId(const std::string& id);
    // Reads every text of the current language.
    void LoadTexts();

    // Done-flags of the one-time steps.
    bool CmdLineDone = false;
    bool PathsDone = false;
    bool DetectDone = false;
    bool FileDone = false;

    std::string AppFolder;
    std::string FilesFolder;
    std::string LanguageId;
    std::string LanguageName;
    std::string LanguageFileName;
    int Fixed = 1;
    std::string SysPmSection = "SysPm";
    std::string SysPmKey = "ToolLang";

    std::string PwdNeeded;
    std::string Word_BreakDown, Word_Colon, Word_Exclamation, Word_Space, Word_Success, Word_fail, Word_Open,
        Word_Close, Word_Set, Word_Read, Word_InvalidIP, Word_Pwd, Word_RestoreFactorySet, Word_ProtocolType,
        Word_ProtocolT_CPCL, Word_ProtocolT_ESC, Word_Minutes, Word_Jtzw, Word_AdvancedSettings,
        Word_AdvancedS1, Word_SetBTFunction, Word_BtState, Word_BtName, Word_SimplePairing, Word_AppletFun,
        Word_MacAddr, Word_cannotFindUSBPrinter, Word_cannotConnectTCPIPPort, Word_cannotFindLPTPort;
    std::string NeededY, NeededN;
    std::string PSelect, PInput;
    std::string WifiState, WifiMode, WifiName, WifiDHCP, BtPwdNums, ShowPwd, RestoreFNEsc;
    std::string Err_OpenPort, Err_ReadData, ConnectFailed;
    std::string MsgTitle_Message, MsgTitle_Error, MsgTitle_Warn;
    std::string Btn_OK, Btn_Cancel, Btn_Enable, Btn_Disable;
    std::string PaperType_Receipt, PaperType_BlackMark, PaperType_Label;

    // The language keys of the texts above, in load order.
    static std::vector<std::string> TextKeys();

  private:
    std::string ReadOwn(const std::string& section, const std::string& key) const;
};

} // namespace tolvane
