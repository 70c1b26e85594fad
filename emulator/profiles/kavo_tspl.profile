# Kavo: a TSPL label printer of the key-value family. The utility reads and
# writes its settings one named key at a time ("getval"/"setval").

[printer]
model = Kavo
language = 1            # TSPL: the answer to 1B 1B 08
ppl = tsc               # command language as the "ppl" key reports it
dpi = 203
version = 1 3 0         # the bytes "ZZZGETVERSION" answers
# getval "printer_status": 20 bytes, byte 18 0x02 standing by
status = 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0x02 0
journey = 125000        # "ZZZGETJOURNEY": the printed length counter

[values]
version = "1.03.0"
serial_no = "KV2301000123"
printer_version = "Kavo V1.03"
factory_produce_time = "2023-01-15"
mileage = "1250"
bt_mac = "DC:0D:30:12:AB:CD"
bt_name = "Kavo-ABCD"
bt_pwd = "0000"
media_power_up = "calibation"
sw_ribbon = "off"
reprint_after_error = "on"
media_sensor = "gap"
density = "8"
eth_dhcp = "off"
eth_ip = "192.168.1.100"
eth_mask = "255.255.255.0"
eth_gateway = "192.168.1.1"
eth_mac = "00:1B:82:01:02:03"
heat_adj = "0"
speed = "4"
code_page = "1252"
com_baud = "9600"
com_wordlength = "8"
com_stopbits = "1"
com_parity = "none"
print_mode = "tear"
tear_off = "0"
sensor_select = "transmissive"
platenin_enter_pause = "on"
platenin_locat = "on"
stickers_times = "0"
update_method = "0"
pic_start_pos = "0"            # where a stored image prints (the image file window sets it)

[keys]
1.102 = 1
1.312 = 3

[block]
# Key-value printers keep a parameter block too; byte 0 and the sum are
# filled in by the emulator.
34 = 8

[scanner]
# The code scanner: answers the scan trigger.
answer_on = 1           # every trigger (0: never; N: every N-th)
text = hex: 4B 56 2D 53 43 41 4E 2D 30 30 30 31 0D 0A   # "KV-SCAN-0001" CR LF
