// Runs TUSB's plug and unplug events on the user-interface thread: a socket
// notifier watches the device monitor and lets TUSB read and raise the
// waiting events from the event loop.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace tolvane {

class TUSB;

// Installs the core hook that creates the program-wide TUSB at process
// start; it lives until the program ends.
void InstallUsbHooks();

class TUsbWatch : public QObject {
    Q_OBJECT
  public:
    // Watches usb's monitor. Without one, writes once per program to the
    // debug log that plug and unplug events are off, and why.
    explicit TUsbWatch(TUSB& usb, QObject* parent = nullptr);
    ~TUsbWatch() override;

    bool Watching() const { return notifier_ != nullptr; }

  private:
    void Activated();
    void StopWatching();

    TUSB& usb_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace tolvane
