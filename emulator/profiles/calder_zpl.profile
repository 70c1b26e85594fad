# Calder: a ZPL label printer at 203 dpi that stores images sent as
# "~DGE:" graphics and prints them from a "^XA...^XGE:NAME^FS^XZ" label.

[printer]
model = Calder
language = 4            # ZPL: the answer to 1B 1B 08
ppl = zpl               # command language as the "ppl" key reports it
dpi = 203
version = 1 1 0

[values]
version = "1.10.0"
serial_no = "CD2501000042"
printer_version = "Calder V1.10"
factory_produce_time = "2025-01-20"
mileage = "3420"
bt_mac = "DC:0D:30:25:00:42"
bt_name = "Calder-0042"
bt_pwd = "1234"
media_power_up = "calibation"
sw_ribbon = "on"                # thermal transfer with a ribbon
reprint_after_error = "on"
media_sensor = "gap"
density = "20"                  # ZPL printers darken up to 30
heat_adj = "0"
speed = "4"
code_page = "1252"
print_mode = "tear"
tear_off = "0"
sensor_select = "transmissive"
platenin_enter_pause = "on"     # the lid key of firmware after 1.00
