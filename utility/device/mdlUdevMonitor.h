// A udev monitor of the kernel's device events, as an event source. It
// listens to the udev daemon's events when the daemon runs (device nodes
// are ready then) and to the kernel's own events otherwise.
#pragma once

#include "mdlUsbEvents.h"

#include <memory>
#include <string>

struct udev;
struct udev_monitor;

namespace tolvane {

class TUdevMonitor final : public IUsbEventSource {
  public:
    // A monitor of the devices of subsystem (and of devType, unless null).
    // Null, with the reason in error, when it cannot be set up (no udev
    // library context, no netlink socket, for example inside a container).
    static std::unique_ptr<TUdevMonitor> Create(const char* subsystem, const char* devType,
                                                std::string& error);
    ~TUdevMonitor() override;
    TUdevMonitor(const TUdevMonitor&) = delete;
    TUdevMonitor& operator=(const TUdevMonitor&) = delete;

    int Fd() const override;
    std::optional<TUsbEvent> Receive() override;

    // "udev" or "kernel": whose events it receives.
    const std::string& Source() const { return source_; }

  private:
    TUdevMonitor(struct udev* context, struct udev_monitor* monitor, std::string source);

    struct udev* context_;
    struct udev_monitor* monitor_;
    std::string source_;
};

} // namespace tolvane
