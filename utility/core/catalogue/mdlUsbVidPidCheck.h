// The USB identity check: for the models that need it, the attached USB
// devices are searched for an identity that tells which variant of the
// model is attached. Each check is recorded in the model's result file
// PerPrinterFolder + model + "/UsbVidPidCheck_Res.ini", which the program
// writes and never reads back.
#pragma once

#include "mdlFtnABase.h"

#include <string>

namespace tolvane {

inline constexpr const char* kUsbCheckResultFileName = "UsbVidPidCheck_Res.ini";
inline constexpr const char* kUsbCheckSection = "Section_PgmOrCdr__PrtName_UsbVidPidCheck_Res";
inline constexpr const char* kUsbCheckKeyPrefix = "Key_PgmOrCdr__PrtName_UsbVidPidCheck_Res";
inline constexpr const char* kUsbCheckMismatchText = "ERROR:PVID does not match this Printer! ";

struct TUsbCheckResult {
    bool Examined = false; // false: the model needs no check (which counts as passed)
    bool Passed = true;
    // The model the attached device was taken to be; on failure the
    // language text "Lang_All_00210272_11", the text shown to the user.
    std::string ResolvedName;
    std::string Identity; // the identity that matched; empty on failure
};

// Runs the check for model with the variants of record (the current feature
// record). Models outside the built-in check list pass unchanged.
TUsbCheckResult UsbVidPidCheck(const std::string& model, const TFtnABase& record);

// The folder name used for a model: the name itself, with "/", "\" and
// control characters replaced by "_" ("." and ".." become "_"), at most 200
// bytes, so that a model name from the printer list cannot leave the
// per-printer folder.
std::string ModelFolderName(const std::string& model);

// The result file of a model.
std::string UsbCheckResultPath(const std::string& model);

} // namespace tolvane
