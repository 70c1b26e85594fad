// USB printer-class ports (bus "USB"): the usblp node of an attached
// printer, found anew on every open.
#pragma once

#include "file_port.h"

#include <memory>
#include <string>

namespace cobrix {

enum UsbControl : int { kGetSpecialDevice = 5, kSetReadsEnabled = 6, kGetReadsEnabled = 7 };

class UsbPort : public FilePort {
  public:
    int configure(const char* address) override;
    int open() override;
    int read(uint8_t* buffer, int offset, int length, int* got) override;
    int readPending(uint8_t* buffer, int offset, int end, int* got) override;
    int control(int operation, const uint8_t* input, int inputLength, uint8_t* output, int outputCapacity,
                int* outputLength) override;

  private:
    // 0 when reads may go ahead, else why not (-301, -309, -7).
    int readAllowed() const;

    bool anyDevice_ = true;
    std::string location_;
    std::string portNumber_; // kept with the port; the search does not use it
    std::string nameFilter_;
    bool special_ = false;
    bool readsEnabled_ = true;
};

// A new USB port context.
std::unique_ptr<PortOps> makeUsbPort();

} // namespace cobrix
