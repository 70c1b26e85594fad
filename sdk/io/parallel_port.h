// Parallel ports (bus "LPT"): a device file read one byte at a time.
#pragma once

#include "file_port.h"

namespace cobrix {

enum ParallelControl : int { kSetReadEnabled = 1, kGetReadEnabled = 2 };

class ParallelPort : public FilePort {
  public:
    int configure(const char* address) override;
    int open() override;
    int read(uint8_t* buffer, int offset, int length, int* got) override;
    int readPending(uint8_t* buffer, int offset, int end, int* got) override;
    int control(int operation, const uint8_t* input, int inputLength, uint8_t* output, int outputCapacity,
                int* outputLength) override;

  private:
    // One single-byte read: 1 got a byte, 0 nothing waiting, or a positive system code.
    int readOneByte(uint8_t* byte);

    bool readEnabled_ = true;
};

} // namespace cobrix
