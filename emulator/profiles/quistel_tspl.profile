# Quistel: a TSPL label printer whose parameter dialog reads and writes
# numbered keys ("getkey"/"setkey"): group 1, and the user group (1
# normally, 0 in factory mode) for the optional rows.

[printer]
model = Quistel-C
language = 1            # TSPL
ppl = tsc
dpi = 203
version = 1 1 0

[values]
version = "1.10.0"
serial_no = "QS2306001122"
printer_version = "Quistel V1.1.0"

[keys]
1.203 = 8                # density (list position)
1.202 = 4                # print speed
1.108 = 2                # baud rate: third entry (38400)
1.404 = 1                # buzzer on
1.414 = 0                # back light off
1.208 = 0xFB 0xFF        # stop position -5, signed word
1.236 = 0                # reprint after an error: off
1.206 = 2                # paper mode
1.213 = 1                # cutter on
1.416 = 0                # release paper off
1.238 = 0x20 0x00        # minimum learning length 32
