// The device object of one SDK library: its port slots call that library
// with the object's handle.
#pragma once

#include "mdlDevBasePrt.h"

namespace tolvane {

class TDevLibraryPrt : public TDevBasePrt {
  public:
    int ClosePort() override;
    int OpenPort(const std::string& address) override;
    int Write(const uint8_t* data, int length) override;
    int Read(uint8_t* buffer, int length, int& count) override;
    int ReadUntil(uint8_t* buffer, int start, int& count, uint8_t endByte, uint8_t beginByte,
                  int end) override;

    TPrtLib Library() const { return library_; }

  protected:
    // `retryWhenAlreadyOpen`: an open that answers 5 is closed and opened once more.
    TDevLibraryPrt(int language, TPrtLib library, bool retryWhenAlreadyOpen);

  private:
    const TPrtLib library_;
    const bool retryWhenAlreadyOpen_;
};

} // namespace tolvane
