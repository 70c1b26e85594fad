#include "mdlPrtFrames.h"

#include <array>

namespace tolvane {
namespace {

constexpr std::string_view kActionKeys[] = {
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

constexpr std::string_view kValueKeys[] = {
    "com_baud",
    "com_flow",
    "com_wordlength",
    "com_stopbits",
    "com_parity",
    "bt_baud",
    "bt_name",
    "bt_pwd",
    "bt_mac",
    "eth_dhcp",
    "eth_ip",
    "eth_mask",
    "eth_gateway",
    "eth_mac",
    "wlan_ssid",
    "wlan_encry",
    "wlan_key",
    "wlan_dhcp",
    "wlan_ip",
    "wlan_mask",
    "wlan_gateway",
    "wlan_mac",
    "dpi",
    "dpl",
    "heat_adj",
    "density",
    "speed",
    "sw_ribbon",
    "sw_cutter",
    "sw_peeloff",
    "pwm",
    "dis_of_tearoff",
    "dis_of_thermal",
    "year",
    "month",
    "date",
    "hour",
    "minute",
    "second",
    "lcd_language",
    "lcd_pwd",
    "darkness",
    "print_speed",
    "label_width",
    "control_codes",
    "column_offset",
    "row_offset",
    "control_prefix",
    "format_prefix",
    "delimiter_char",
    "label_top",
    "letf_position",
    "print_width",
    "print_height",
    "demo_star_x",
    "demo_star_y",
    "ppl",
    "unit",
    "media_sensor",
    "paper_width",
    "paper_height",
    "reference_x",
    "reference_y",
    "offset",
    "shift_x",
    "shift_y",
    "code_page",
    "country_code",
    "max_length",
    "print_mode",
    "version",
    "serial_no",
    "mileage_reset",
    "mileage",
    "cutter_cnt_reset",
    "cutter_cnt",
    "cut_piece",
    "direction",
    "mirron",
    "reprint_after_error",
    "media_power_up",
    "head_close",
    "tear_off",
    "printer_status",
    "front_ad",
    "print_method",
    "sensor_select",
    "heat_sw",
    "speed_sw",
    "top_of_form_backup",
    "calibration_paper_len",
    "calibration_gap_len",
    "fonts",
    "userfont_download",
    "bitmaps",
    "labels",
    "autoform",
    "autoform_switch",
    "use_capacity",
    "remain_capacity",
    "use_capacity_ram",
    "remain_capacity_ram",
    "lcd_logo_capacity",
    "lcd_mcu_ver",
    "lcd_osd_ver",
    "platenin_locat",
    "platenin_enter_pause",
    "font_language",
    "wifi_version",
    "wifi_mac",
    "wifi_mode",
    "wifi_port",
    "wifi_name",
    "wifi_password",
    "wifi_dhcp",
    "wifi_ip",
    "wifi_ap_channel",
    "wifi_sta_name",
    "wifi_sta_password",
    "wifi_sta_ip",
    "wifi_sta_auth",
    "wifi_sta_encry",
    "wifi_wep_keyid",
    "wifi_ap_name",
    "wifi_ap_ip",
    "wifi_ap_auth",
    "wifi_ap_password",
    "arabic_mode",
    "factory_produce_time",
    "pack_length",
    "pic_start_pos",
    "rfid_wr",
    "rfid_power_level",
    "rfid_rssi_level",
    "rfid_version",
    "update_method",
    "printer_version",
    "manu_id",
    "max_speed",
    "min_speed",
    "stickers_times",
};

std::string joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts) {
        text.append(part);
    }
    return text;
}

std::string keyHeader(std::string_view verb, uint8_t group, uint16_t id) {
    std::string frame = joined({kCommandPrefix, verb, kLineEnd});
    frame.push_back(static_cast<char>(group));
    frame.push_back(static_cast<char>(id & 0xFF));
    frame.push_back(static_cast<char>(id >> 8));
    return frame;
}

} // namespace

std::string QuoteKey(std::string_view name) {
    return joined({"\"", name, "\""});
}

std::span<const std::string_view> ActionKeyNames() {
    return kActionKeys;
}

std::span<const std::string_view> ValueKeyNames() {
    return kValueKeys;
}

std::string LowerAscii(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lowered;
}

std::string DoFrame(std::string_view key) {
    return joined({kCommandPrefix, kVerbDo, key, kLineEnd});
}

std::string DoArgFrame(std::string_view key, std::string_view value) {
    return joined({kCommandPrefix, kVerbDo, key, " \"", value, "\"", kLineEnd});
}

std::string DoArgsFrame(std::string_view key, std::string_view arg, std::string_view value) {
    return joined({kCommandPrefix, kVerbDo, key, " ", arg, " \"", value, "\"", kLineEnd});
}

std::string GetValFrame(std::string_view key) {
    return joined({kCommandPrefix, kVerbGetVal, key, kLineEnd});
}

std::string SetValFrame(std::string_view key, std::string_view value, bool lower) {
    const std::string sent = lower ? LowerAscii(value) : std::string(value);
    return joined({kCommandPrefix, kVerbSetVal, key, " \"", sent, "\"", kLineEnd});
}

std::string KeyGetFrame(uint8_t group, uint16_t id, uint8_t length) {
    std::string frame = keyHeader(kVerbGetKey, group, id);
    frame.push_back(static_cast<char>(length));
    return frame;
}

std::string KeySetFrame(uint8_t group, uint16_t id, std::string_view value) {
    std::string frame = keyHeader(kVerbSetKey, group, id);
    frame.push_back(static_cast<char>(value.size() & 0xFF));
    frame.append(value);
    return frame;
}

} // namespace tolvane
