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
density = "8"
speed = "4"
