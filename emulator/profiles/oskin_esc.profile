# Oskin: an ESC receipt printer with Bluetooth. Its block keeps the
# Bluetooth name at 10 and the password at 20.

[printer]
model = Oskin-80BT
language = 0            # ESC
ppl = esc
dpi = 203
version = 1 0 2

[block]
10 = "OSK80"            # Bluetooth name (bytes 10-19)
20 = "1234"             # Bluetooth password
30 = 0xAA 0x55          # not shown by the dialog
34 = 3                  # density position
55 = 18                 # code page PC852(Latin 2)
56 = 2                  # international character set: Germany
58 = 1                  # paper type: label
61 = 0                  # protocol: ESC
67 = 1                  # character mode: code page
82 = 1                  # auto position: enabled
90 = 5 0                # heat adjustment: 5
92 = 3                  # print speed 3
