// The permission numbers the command helper library answers, the order in
// which they are refreshed, and the built-in model lists that force some of
// them to 1.
#pragma once

#include <array>
#include <string_view>

namespace tolvane {

// Used by the main window.
inline constexpr std::string_view kPermConfigPrintSelftest =
    "0301000001"; // 2: configuration print sends SELFTEST
inline constexpr std::string_view kPermFrontLearnNoConfirm = "0302000001"; // 1: front learning asks nothing
inline constexpr std::string_view kPermFactoryDefaultCmdDo = "0304000001"; // 1: factory defaults by command
// Used by the parameter dialogs.
inline constexpr std::string_view kPermQuistel1 = "0121000001";
inline constexpr std::string_view kPermQuistel2 = "0125000001";
inline constexpr std::string_view kPermQuistel3 = "0140000001";
inline constexpr std::string_view kPermPaperType50 = "0121000050";
inline constexpr std::string_view kPermPaperType52 = "0121000052";
inline constexpr std::string_view kPermMiro53 = "0123000053";
inline constexpr std::string_view kPermReleasePaper = "0135000001";
inline constexpr std::string_view kPermDreskPageB = "9902010002";
inline constexpr std::string_view kPermReleasePaper255 = "0135000052";
inline constexpr std::string_view kPermMiroForced = "0142020002";
inline constexpr std::string_view kPermDapra = "0142030002";
inline constexpr std::string_view kPermDapraProtocol2 = "0142031002";
inline constexpr std::string_view kPermDapraProtocol6 = "0142031006";

// Every number, in the order the refresh queries them.
inline constexpr std::array<std::string_view, 42> kPermissionQueryOrder = {
    "0102010001", "0102020001", "0101000001", "0302000001", "0121000001", "0121000002", "0121000050",
    "0121000052", "0122000050", "0123000053", "0125000001", "0127000050", "0127000051", "0127000053",
    "0128000050", "0128000051", "0135000001", "0135000051", "0135000052", "0140000001", "0142020002",
    "0142030002", "0142031001", "0142031002", "0142031003", "0142031004", "0142031005", "0142031006",
    "0102090001", "0103130002", "0103160002", "0103230002", "0103250002", "0103510001", "0103510004",
    "0301000001", "0303000004", "0304000001", "9902010002", "9999010201", "9999010301", "9999010401",
};

// Numbers forced to 1 for the models of a built-in list, whatever the
// library answers.
struct TForcedPermission {
    std::string_view number;
    std::string_view models;
};
inline constexpr std::array<TForcedPermission, 4> kForcedPermissions = {{
    {"0302000001", ",Hobbe-80,Hobbe-80BT,Tessin-58,Tessin-58BT,"},
    {"0142020002", ",Miro-T4,Miro-T6,Miro-T6BT,"},
    {"0103160002", ",Kavo-200,Kavo-300,"},
    {"0103250002", ",Dresk-4T,Dresk-4TN,"},
}};

// Models whose Dapra protocol-type list is fixed to its two-entry form.
inline constexpr std::string_view kDapraFixedProtocolModels = ",Dapra-D2,Dapra-D3,";

} // namespace tolvane
