# Miro (listed as Navra in demo mode, which shows the Ethernet group): a
# mobile CPCL label printer with Ethernet and Bluetooth. Its
# parameter dialog reads and writes numbered keys ("getkey"/"setkey"):
# group 1 normally, group 0 in factory mode.

[printer]
model = Navra
language = 3            # CPCL
ppl = cpcl
dpi = 203
version = 1 2 0

[values]
version = "1.20.0"
serial_no = "MR2305007788"
printer_version = "Miro V1.2.0"
max_speed = "6"
min_speed = "3"

[keys]
# Texts end with a zero byte, as the printer stores them.
1.104 = "Miro-7788" 0    # Bluetooth name
1.105 = "1234" 0         # Bluetooth password
1.106 = 1                # simple pairing off
1.206 = 1                # detect mode: continuous (the list's third entry)
1.312 = 1                # paper mode of the test print (non-zero: labels)
1.203 = 10               # density
1.202 = 5                # print speed
1.240 = 90               # heating time fine-tune
1.131 = 1                # Ethernet on
1.100 = 0                # DHCP off
1.101 = 192 168 1 160    # IP address
1.102 = 255 255 255 0    # subnet mask
1.103 = 192 168 1 1      # gateway
1.208 = 0x60 0x00        # stop position: 12 mm = 96 dots, signed word
1.416 = 3                # release paper: every third label
1.322 = 0x10 0x00        # code page 16
