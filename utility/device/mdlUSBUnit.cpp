#include "mdlUSBUnit.h"

#include "mdlMessages.h"
#include "mdlUdevMonitor.h"

#include <exception>
#include <poll.h>

namespace tolvane {
namespace {

std::unique_ptr<TUSB> g_usb;

enum class TWaiting { Nothing, Event, Closed };

TWaiting Waiting(int fd) {
    pollfd entry{fd, POLLIN, 0};
    if (::poll(&entry, 1, 0) <= 0) {
        return TWaiting::Nothing;
    }
    if ((entry.revents & POLLIN) != 0) {
        return TWaiting::Event;
    }
    return (entry.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0 ? TWaiting::Closed : TWaiting::Nothing;
}

} // namespace

TUSB::TUSB(std::unique_ptr<IUsbEventSource> source, std::string setupError)
    : source_(std::move(source)), setupError_(source_ ? std::string() : std::move(setupError)) {}

TUSB::~TUSB() = default;

int TUSB::Fd() const {
    return source_ ? source_->Fd() : -1;
}

int TUSB::ReceivePending() {
    if (!source_) {
        return 0;
    }
    int read = 0;
    while (read < kMaxEventsPerCall) {
        const TWaiting waiting = Waiting(source_->Fd());
        if (waiting == TWaiting::Closed) {
            // A source that can no longer deliver is let go, so that nobody
            // keeps waking up for it.
            source_.reset();
            setupError_ = "the device monitor was closed";
            break;
        }
        if (waiting == TWaiting::Nothing) {
            break;
        }
        const std::optional<TUsbEvent> event = source_->Receive();
        ++read;
        if (!event) {
            continue;
        }
        try {
            Events.Route(*event);
        } catch (const std::exception& error) {
            MessageSink().ShowError(error.what(), LangText("_MSG_Title_Error"));
        }
    }
    return read;
}

bool TUSB::TakeSetupErrorReport() {
    if (Listening() || setupErrorReported_) {
        return false;
    }
    setupErrorReported_ = true;
    return true;
}

TUSB* UsbUnit() {
    return g_usb.get();
}

void CreateUsbUnit() {
    std::string error;
    std::unique_ptr<TUdevMonitor> monitor = TUdevMonitor::Create("usb", kUsbDeviceType, error);
    g_usb = std::make_unique<TUSB>(std::move(monitor), error);
}

void SetUsbUnit(std::unique_ptr<TUSB> usb) {
    g_usb = std::move(usb);
}

void FreeUsbUnit() {
    g_usb.reset();
}

} // namespace tolvane
