# Quist: a TSPL label printer of the Quist parameter-block family. Read with
# "ZZZCR", written with "ZZZCW " and the block.

[printer]
model = Quist
language = 1            # TSPL
ppl = tsc
dpi = 203
version = 1 0 0

[block]
8 = 10                  # stop position
12 = 4                  # horizontal origin
14 = 2                  # vertical origin
52 = 0                  # baud rate: 9600
57 = 2                  # density position ("3")
58 = 16                 # code page WPC1252
68 = 1                  # buzzer
69 = 2                  # backlight
76 = 1                  # reprint after an error
78 = 4                  # print speed 4
79 = 0                  # sensor location: upper
80 = 0                  # reprint notice
81 = 1                  # power-failure protection
82 = 30                 # release-paper time, minutes
84 = 0 0                # heat adjustment: 0
100 = "QST"             # not shown by the dialog
