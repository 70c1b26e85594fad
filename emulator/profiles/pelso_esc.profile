# Pelso: an ESC receipt and label printer whose parameter block has its own
# layout (paper type at 59 with the sensing byte 58 derived from it, the gap
# voltage as a word). Read with 12 62, written with 12 63.

[printer]
model = Pelso
language = 0            # ESC
ppl = esc
dpi = 203
version = 1 1 0

[block]
# Byte 0 (the marker) and bytes 254-255 (the sum) are filled in by the emulator.
1 = 0x11 0x22 0x33      # not shown by the dialog: goes back as it came
4 = 1                   # baud rate: 19200
34 = 5                  # density position
55 = 16                 # code page WPC1252
56 = 2                  # international character set: Germany
58 = 1                  # paper sensing: label (follows byte 59)
59 = 1                  # paper type: label
61 = 0                  # protocol: ESC
62 = 0x46 0x07          # gap voltage: 1862 = 1.5 V
64 = 0x40 0x01          # label minimum length: 40 mm = 320 dots
66 = 40                 # valley threshold rate
68 = 0xE0 0x01          # black mark maximum length: 60 mm
70 = 0x40 0x06          # label maximum length: 200 mm = 1600 dots
82 = 1                  # auto position: enabled
90 = 246 255            # heat adjustment: -10
92 = 3                  # print speed 3
240 = "P58-240101"      # serial number, not shown
