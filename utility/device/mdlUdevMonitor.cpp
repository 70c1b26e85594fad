#include "mdlUdevMonitor.h"

#include <cerrno>
#include <cstring>
#include <libudev.h>
#include <unistd.h>

namespace tolvane {
namespace {

// The udev daemon's control socket: present while the daemon runs.
constexpr const char* kUdevControl = "/run/udev/control";

std::string Reason(const char* what, int error) {
    return std::string(what) + (error != 0 ? std::string(": ") + std::strerror(error) : std::string());
}

std::string Text(const char* text) {
    return text != nullptr ? std::string(text) : std::string();
}

} // namespace

std::unique_ptr<TUdevMonitor> TUdevMonitor::Create(const char* subsystem, const char* devType,
                                                   std::string& error) {
    errno = 0;
    struct udev* context = udev_new();
    if (context == nullptr) {
        error = Reason("no udev context", errno);
        return nullptr;
    }
    const std::string source = ::access(kUdevControl, F_OK) == 0 ? "udev" : "kernel";
    errno = 0;
    struct udev_monitor* monitor = udev_monitor_new_from_netlink(context, source.c_str());
    if (monitor == nullptr) {
        error = Reason("no netlink device monitor", errno);
        udev_unref(context);
        return nullptr;
    }
    int result = udev_monitor_filter_add_match_subsystem_devtype(monitor, subsystem, devType);
    if (result >= 0) {
        result = udev_monitor_enable_receiving(monitor);
    }
    if (result < 0 || udev_monitor_get_fd(monitor) < 0) {
        error = Reason("the device monitor cannot receive", result < 0 ? -result : 0);
        udev_monitor_unref(monitor);
        udev_unref(context);
        return nullptr;
    }
    return std::unique_ptr<TUdevMonitor>(new TUdevMonitor(context, monitor, source));
}

TUdevMonitor::TUdevMonitor(struct udev* context, struct udev_monitor* monitor, std::string source)
    : context_(context), monitor_(monitor), source_(std::move(source)) {}

TUdevMonitor::~TUdevMonitor() {
    udev_monitor_unref(monitor_);
    udev_unref(context_);
}

int TUdevMonitor::Fd() const {
    return udev_monitor_get_fd(monitor_);
}

std::optional<TUsbEvent> TUdevMonitor::Receive() {
    // The monitor's socket does not block: without a waiting message, or
    // with one that is not a device event, there is no device.
    struct udev_device* device = udev_monitor_receive_device(monitor_);
    if (device == nullptr) {
        return std::nullopt;
    }
    TUsbEvent event{Text(udev_device_get_action(device)), Text(udev_device_get_devtype(device)),
                    Text(udev_device_get_syspath(device))};
    udev_device_unref(device);
    return event;
}

} // namespace tolvane
