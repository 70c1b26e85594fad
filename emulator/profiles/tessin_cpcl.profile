# Tessin: a mobile CPCL printer of the Sendo parameter-block family with Bluetooth
# (name at 215, password at 231, simple pairing at 236).

[printer]
model = TessinBT
language = 3            # CPCL
ppl = cpcl
dpi = 203
version = 1 2 0

[block]
8 = 5                   # stop position
12 = 0                  # horizontal origin
14 = 0                  # vertical origin
57 = 4                  # density position
58 = 0                  # code page Default
60 = 1                  # detect mode: gap
76 = 1                  # reprint after an error
78 = 3                  # print speed 3
80 = 0                  # reprint notice
82 = 10                 # release-paper time, minutes
84 = 241 255            # heat adjustment: -15
215 = "TessinBT-01"     # Bluetooth name
231 = "0000"            # Bluetooth password
236 = 1                 # simple pairing
250 = 9                 # not shown by the dialog
