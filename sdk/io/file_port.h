// The context and operations that serial, parallel and USB ports share:
// a device file written in time-budgeted chunks.
#pragma once

#include "port_ops.h"
#include "shared_state.h"

#include <string>

namespace cobrix {

class FilePort : public PortOps {
  public:
    ~FilePort() override;

    int getAddress(char* buffer, int capacity, int* length) override;
    int close() override;
    int cancel() override;
    int checkOpen() override;
    int setTimeouts(int64_t read, int64_t gap, int64_t write) override;
    int getTimeouts(int64_t* read, int64_t* gap, int64_t* write) override;
    int write(const uint8_t* buffer, int offset, int length, int* written) override;
    int control(int operation, const uint8_t* input, int inputLength, uint8_t* output, int outputCapacity,
                int* outputLength) override;

    bool isOpen() const { return fd_ >= 0; }

  protected:
    // Checks that the port may move bytes: 0, -301 or -309.
    int readyForIo() const;
    // Opens devicePath_ exclusively.
    int openDevice();

    bool configured_ = false;
    std::string address_;
    std::string deviceName_;
    std::string devicePath_;
    int fd_ = -1;
    CancelFlag cancel_;
    int64_t readIntervalMs_ = 10;
    int64_t readMultiplierMs_ = 5;
    int64_t readConstantMs_ = 2000;
    int64_t writeMultiplierMs_ = 10;
    int64_t writeConstantMs_ = 2000;
    int chunkSize_ = 4096;
};

} // namespace cobrix
