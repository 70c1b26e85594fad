# Ardel: a 300 dpi TSPL label printer of the key-value family. Besides the
# named keys every Kavo-family printer has, it keeps its print area in dots
# ("print_width", "print_height", "demo_star_y", "demo_star_x"; 11.8 dots
# per millimetre at 300 dpi). Its firmware version begins with "1.00", so
# the lid-close positioning lives under "platenin_locat" only.

[printer]
model = Ardel
language = 1            # TSPL: the answer to 1B 1B 08
ppl = tsc               # command language as the "ppl" key reports it
dpi = 300
version = 1 0 2         # the bytes "ZZZGETVERSION" answers
# getval "printer_status": 20 bytes, byte 18 0x02 standing by
status = 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0x02 0

[values]
version = "1.00.2"
serial_no = "AD2405000317"
printer_version = "Ardel V1.00"
factory_produce_time = "20240520"   # eight digits, year month day
mileage = "860"
print_width = "944"     # 80 mm
print_height = "1180"   # 100 mm
demo_star_y = "24"      # 2 mm
demo_star_x = "-12"     # -1 mm
bt_mac = "DC:0D:30:5E:7F:3A"
bt_name = "Ardel-7F3A"  # the printer appends "-" and four characters
bt_pwd = "1234"
media_power_up = "learn"
sw_ribbon = "on"
reprint_after_error = "off"
media_sensor = "black mark"
density = "10"
eth_dhcp = "on"
eth_ip = "192.168.1.120"
eth_mask = "255.255.255.0"
eth_gateway = "192.168.1.1"
eth_mac = "00:1B:82:05:17:3A"
heat_adj = "5"
speed = "6"
code_page = "850"
com_baud = "115200"
com_wordlength = "8"
com_stopbits = "1"
com_parity = "none"
print_mode = "peel"
tear_off = "12"
sensor_select = "reflective"
platenin_locat = "learn"
stickers_times = "5"
update_method = "0"

[block]
# Key-value printers keep a parameter block too; byte 0 and the sum are
# filled in by the emulator.
34 = 10

[scanner]
# The code scanner: answers every second scan trigger.
answer_on = 2
text = hex: 41 52 2D 31 30 38 0D 0A 42 41 54 43 48 2D 37   # "AR-108" CR LF "BATCH-7"
