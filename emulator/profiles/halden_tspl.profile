# Halden: a TSPL label printer with Ethernet. The advanced settings read
# and write its Ethernet addressing by named keys ("getval"/"setval").

[printer]
model = Halden
language = 1            # TSPL
ppl = tsc
dpi = 203
version = 1 3 0

[values]
version = "1.03.0"
serial_no = "HD2304003344"
printer_version = "Halden V1.03"
eth_dhcp = "off"
eth_ip = "192.168.1.170"
eth_mask = "255.255.255.0"
eth_gateway = "192.168.1.1"
eth_mac = "00:1B:82:01:02:70"
density = "8"
speed = "4"
