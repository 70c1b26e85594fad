// Serial ports (bus "COM" or "BSP"): termios settings from the address.
#pragma once

#include "file_port.h"

#include <termios.h>

namespace cobrix {

enum FlowControlBits : int { kFlowDtrDsr = 1, kFlowRtsCts = 2, kFlowXonXoff = 16 };

// Fills terminal settings for a line: raw bytes, speed, data bits, parity
// (0 none, 1 odd, 2 even, 3 mark, 4 space), stop bits (0 one, 1 one and a
// half, 2 two) and flow control bits.
void composeLineSettings(termios& tio, int baudRate, int parity, int byteSize, int stopBits, int flowControl);

class SerialPort : public FilePort {
  public:
    int configure(const char* address) override;
    int open() override;
    int setTimeouts(int64_t read, int64_t gap, int64_t write) override;
    int read(uint8_t* buffer, int offset, int length, int* got) override;
    int readPending(uint8_t* buffer, int offset, int end, int* got) override;

    int baudRate() const { return baudRate_; }
    int64_t writeConstantMs() const { return writeConstantMs_; }

  private:
    int applyLineSettings();

    int baudRate_ = 0;
    int parity_ = 0;   // 0 none, 1 odd, 2 even, 3 mark, 4 space
    int byteSize_ = 8; // 4..8
    int stopBits_ = 0; // 0 one, 1 one and a half, 2 two
    int flowControl_ = 0;
    bool automaticWriteTimeout_ = true;
};

} // namespace cobrix
