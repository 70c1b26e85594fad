#include "emulator/handlers/do_action.h"

#include "emulator/core/exchange.h"
#include "emulator/handlers/frame_scan.h"

#include <algorithm>
#include <array>

namespace emulator {
namespace {

constexpr std::string_view kVerb = "do ";

// The actions the utility sends.
constexpr std::array<std::string_view, 30> kKnownActions = {
    "calibrate_sensor",
    "paper_learn",
    "factory_default",
    "reset_printer",
    "save_param",
    "demo_logic_area",
    "print_test_page",
    "configguration_page",
    "tph_test_page",
    "dump_text",
    "dfu",
    "update_firmware",
    "graph_sensor",
    "download",
    "delete",
    "print",
    "font_download_quick",
    "wifi_default",
    "wifi_read_params",
    "wifi_update_params",
    "wifi_scan",
    "reset_wifi",
    "bt_para_reset",
    "rfid_print",
    "rfid_calibrate",
    "enter_ota",
    "wifi_enter_ota",
    "save_param_zone",
    "unlock_para",
    "reset_bt",
};

} // namespace

Scan DoActionHandler::scan(ByteView pending) const {
    return scanPrivateLine(pending, kVerb);
}

void DoActionHandler::handle(ByteView frame, Exchange& exchange) {
    const KeyAndRest parts = splitKey(privateLineText(frame, kVerb));
    exchange.describe("do", parts.key, parts.rest);
    if (parts.key == "save_param") {
        exchange.saveState();
        exchange.addNote("settings saved");
    } else if (parts.key == "factory_default") {
        exchange.printer().restoreFactory();
        exchange.addNote("factory settings restored");
    } else if (parts.key == "reset_printer") {
        exchange.dropConnection();
        exchange.addNote("restarting: connection dropped");
    } else if (std::find(kKnownActions.begin(), kKnownActions.end(), parts.key) != kKnownActions.end()) {
        exchange.addNote("carried out");
    } else {
        exchange.addNote("unknown action");
        exchange.markUnknown();
    }
}

} // namespace emulator
