// TUSB: the program-wide object that tells the program when a USB device is
// plugged in or removed. It reads the events of an event source (a udev
// monitor of whole USB devices in the program) and raises its on-arrival
// and on-removal events through TUsbEventRouter. It does not wait: the
// window layer watches Fd() and calls ReceivePending() on the user-interface
// thread, so the events run there.
#pragma once

#include "mdlUsbEvents.h"

#include <memory>
#include <string>

namespace tolvane {

class TUSB {
  public:
    // Reads at most this many events per call; the rest stay readable.
    static constexpr int kMaxEventsPerCall = 256;

    // Without a source the object raises no events; setupError says why.
    explicit TUSB(std::unique_ptr<IUsbEventSource> source, std::string setupError = {});
    ~TUSB();
    TUSB(const TUSB&) = delete;
    TUSB& operator=(const TUSB&) = delete;

    bool Listening() const { return source_ != nullptr; }
    // Why there is no source ("" while listening).
    const std::string& SetupError() const { return setupError_; }
    // The descriptor to watch; -1 without a source.
    int Fd() const;

    // Reads the waiting events and raises the events they stand for. An
    // exception of a handler is shown in an error box and the next event
    // is read. The number of events read.
    int ReceivePending();

    // True the first time it is asked for an object without a source, so
    // that the missing events are reported once.
    bool TakeSetupErrorReport();

    // The on-arrival and on-removal events.
    TUsbEventRouter Events;

  private:
    std::unique_ptr<IUsbEventSource> source_;
    std::string setupError_;
    bool setupErrorReported_ = false;
};

// The program-wide object; null before CreateUsbUnit and after FreeUsbUnit.
TUSB* UsbUnit();
// Process start: the program-wide object over a udev monitor of whole USB
// devices ("usb", "usb_device"); without a monitor it raises no events.
void CreateUsbUnit();
// Replaces the program-wide object (tests give it a scripted source).
void SetUsbUnit(std::unique_ptr<TUSB> usb);
void FreeUsbUnit();

} // namespace tolvane
