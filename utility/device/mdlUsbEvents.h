// USB device events as the program sees them, and the rule that turns them
// into its two notifications: a device arrived, a device was removed. Plain
// C++: no device monitor and no event loop here, so the rule can be driven
// by any source of events.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace tolvane {

// The device type of a whole USB device (not one of its interfaces).
inline constexpr const char* kUsbDeviceType = "usb_device";
// The actions that count.
inline constexpr const char* kUsbActionAdd = "add";
inline constexpr const char* kUsbActionRemove = "remove";

// One event of the kernel's device model: the action ("add", "remove",
// "change", "bind", "unbind", ...), the device type and the device's sysfs
// path.
struct TUsbEvent {
    std::string Action;
    std::string DevType;
    std::string SysPath;
};

// Raises on-arrival for an added USB device and on-removal for a removed
// one; every other action, every other device type and an unset handler
// do nothing.
class TUsbEventRouter {
  public:
    using THandler = std::function<void(const TUsbEvent&)>;

    // The handler called, if any.
    enum class TRoute { None, Arrival, Removal };
    static TRoute RouteOf(const TUsbEvent& event);

    // Calls the handler of the event's route, when set.
    void Route(const TUsbEvent& event) const;

    THandler OnArrival;
    THandler OnRemoval;
};

// Where events come from: a descriptor that becomes readable when events
// wait, and a read of one event that never blocks.
class IUsbEventSource {
  public:
    virtual ~IUsbEventSource() = default;
    virtual int Fd() const = 0;
    // One waiting event; nullopt when none waits or what waited was not a
    // device event.
    virtual std::optional<TUsbEvent> Receive() = 0;
};

} // namespace tolvane
