# Corla: a mobile CPCL label printer. Its settings are numbered keys
# ("getkey"/"setkey", group 1) and a few named keys.

[printer]
model = Corla
language = 3            # CPCL
ppl = cpcl
dpi = 203
version = 1 0 5

[values]
version = "1.00.5"
serial_no = "CR2209004411"
printer_version = "Corla V1.0.5"
mileage = "2150"        # printed length in inches
density = "10"
speed = "3"
media_sensor = "gap"
media_power_up = "none"
code_page = "1252"
factory_produce_time = "2022-09-14"
# The named keys of its parameter dialog (the Bluetooth settings are the
# numbered keys only; the network keys repeat 1.100 to 1.103).
sw_ribbon = "off"               # direct thermal
reprint_after_error = "off"
eth_dhcp = "off"
eth_ip = "192.168.1.150"
eth_mask = "255.255.255.0"
eth_gateway = "192.168.1.1"
heat_adj = "0"
com_baud = "115200"
com_wordlength = "8"
com_stopbits = "1"
com_parity = "none"
print_mode = "tear"
tear_off = "0"
sensor_select = "reflective"    # black-mark receipts and labels
platenin_locat = "on"           # the lid key of firmware 1.00

[keys]
# Texts end with a zero byte, as the printer stores them.
1.104 = "Corla-4411" 0   # Bluetooth name
1.105 = "0000" 0         # Bluetooth password
1.106 = 0                # simple pairing on
1.100 = 0                # DHCP off
1.101 = 192 168 1 150    # IP address
1.102 = 255 255 255 0    # subnet mask
1.103 = 192 168 1 1      # gateway
1.202 = 3                # print speed
1.203 = 10               # density
1.206 = 0                # detect mode: gap (0), label paper for the test print when non-zero
1.312 = 1                # paper mode of the test print (1: labels)
1.208 = 0x28 0x00        # stop position: 5 mm = 40 dots, signed word
1.322 = 0xE4 0x04        # code page 1252
1.416 = 0                # release paper off

[block]
34 = 10
