# Kavo-300R: a TSPL label printer with an RFID module. Besides the named
# keys of the key-value family it answers the RFID commands: the tag in the
# current label read and written through "rfid_wr" after "rfid_print", the
# module's power level, signal threshold and version.

[printer]
model = Kavo-300R
language = 1            # TSPL
ppl = tsc
dpi = 300
version = 1 3 0 0       # "ZZZGETVERSION": four bytes, the last the beta number (none)

[values]
version = "1.03.0"
serial_no = "KV2307000888"
printer_version = "Kavo-300R V1.03"
rfid_tag = "0123456789ABCDEF01234567"   # the tag's 12 bytes as hexadecimal text
rfid_power_level = "120"
rfid_rssi_level = "60"
rfid_version = "RF 2.1.4"
factory_produce_time = "2023-07-03"
mileage = "410"
bt_mac = "DC:0D:30:07:5E:21"
bt_name = "Kavo-300R-5E21"
bt_pwd = "0000"
media_power_up = "calibation"
sw_ribbon = "off"
reprint_after_error = "on"
media_sensor = "gap"
eth_dhcp = "off"
eth_ip = "192.168.1.130"
eth_mask = "255.255.255.0"
eth_gateway = "192.168.1.1"
eth_mac = "00:1B:82:07:5E:21"
heat_adj = "0"
code_page = "1252"
com_baud = "115200"
com_wordlength = "8"
com_stopbits = "1"
com_parity = "none"
print_mode = "tear"
tear_off = "0"
sensor_select = "transmissive"
platenin_enter_pause = "on"
stickers_times = "0"
density = "8"
speed = "4"
