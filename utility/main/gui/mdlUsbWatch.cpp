#include "mdlUsbWatch.h"

#include "mdlCoreHooks.h"
#include "mdlDebugLog.h"
#include "mdlUSBUnit.h"

#include <QSocketNotifier>

namespace tolvane {
namespace {

void ReportMissingEvents(TUSB& usb) {
    if (usb.TakeSetupErrorReport()) {
        WriteDebugLog("USB: no plug and unplug events (" + usb.SetupError() + ")");
    }
}

} // namespace

void InstallUsbHooks() {
    CoreHooks().CreateUsbNotifier = &CreateUsbUnit;
}

TUsbWatch::TUsbWatch(TUSB& usb, QObject* parent) : QObject(parent), usb_(usb) {
    if (!usb_.Listening()) {
        ReportMissingEvents(usb_);
        return;
    }
    notifier_ = new QSocketNotifier(usb_.Fd(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { Activated(); });
}

TUsbWatch::~TUsbWatch() {
    StopWatching();
}

void TUsbWatch::Activated() {
    usb_.ReceivePending();
    if (!usb_.Listening()) {
        // The monitor went away while it was read.
        StopWatching();
        ReportMissingEvents(usb_);
    }
}

void TUsbWatch::StopWatching() {
    if (notifier_ != nullptr) {
        notifier_->setEnabled(false);
        delete notifier_;
        notifier_ = nullptr;
    }
}

} // namespace tolvane
