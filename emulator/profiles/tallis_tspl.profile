# Tallis: a label printer of the Dovrin parameter-block family. The paper
# type is stored as its list position + 1 at 59, the sensing byte 58
# follows it. It speaks TSPL, as the catalogue has it: its file manager
# lists, stores and prints its own files by the TSPL file commands.

[printer]
model = Tallis
language = 1            # TSPL
ppl = tsc
dpi = 203
version = 1 3 0

[block]
2 = 7                   # not shown by the dialog
34 = 6                  # density position
55 = 16                 # code page WPC1252
58 = 1                  # paper sensing: label
59 = 1                  # paper type: label (position 0 + 1)
70 = 0x20 0x03          # label maximum length: 100 mm = 800 dots
76 = 0                  # print type: thermal
83 = 1                  # auto position: enabled
84 = 0                  # DHCP: static
88 = 192 168 1 130      # IP address
92 = 255 255 255 0      # subnet mask
96 = 192 168 1 1        # gateway
100 = 1                 # reprint after an error
101 = 0                 # small labels
104 = 20                # release-paper time, minutes
126 = 4                 # print speed 4
128 = 10 0              # heat adjustment: 10
180 = "TAL"             # not shown by the dialog
