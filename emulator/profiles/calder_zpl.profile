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
