# An ESC receipt and label printer of the first parameter-block group, its
# block laid out as the Gulvo dialog reads it (the Tramwe, Velko, Pirvo and
# other dialogs of the group read their rows from the same places). Demo mode
# lists it as a Tramwe-80, an ESC model of the group; the Gulvo models
# themselves speak TSPL. The utility reads the 256-byte block with 12 62 and
# writes it with 12 63.

[printer]
model = Tramwe-80
language = 0            # ESC
ppl = esc
dpi = 203
version = 1 2 0

[block]
# Offsets as the Gulvo parameter dialog reads them; byte 0 (the marker
# 0x78) and bytes 254-255 (the sum) are filled in by the emulator.
4 = 0                   # baud rate: position 0, 9600
34 = 7                  # density position
55 = 16                 # code page WPC1252
56 = 0                  # international character set: U.S.A.
58 = 1                  # paper type: label
68 = 0xE0 0x01          # black mark maximum length: 60 mm = 480 dots
70 = 0x20 0x03          # label maximum length: 100 mm = 800 dots
76 = 0                  # print type: thermal
83 = 1                  # auto position: enabled
84 = 0                  # DHCP: static
88 = 192 168 1 120      # IP address
92 = 255 255 255 0      # subnet mask
96 = 192 168 1 1        # gateway
100 = 1                 # reprint after an error
101 = 0                 # small labels
105 = 0                 # parity: none
107 = 0                 # stop bits: 1
113 = 0                 # reprint notice
114 = 30                # release-paper time, minutes
134 = 0x40 0x01         # label minimum length: 40 mm = 320 dots
