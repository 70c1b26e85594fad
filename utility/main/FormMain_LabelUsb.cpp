// The main window's part in USB plug and unplug events.
#include "FormMain_Label.h"

#include "FormPrinterManage_Label.h"
#include "gui/mdlUsbWatch.h"
#include "mdlIniDocument.h"
#include "mdlUSBUnit.h"

#include <QApplication>

namespace tolvane {
namespace {

bool IsUsbPrinter(const TPrinterEntry& entry) {
    return IniFoldCase(IniTrim(entry.PortKind)) == "usb";
}

} // namespace

void T_frmMain_Label::WatchUsbDevices() {
    TUSB* usb = UsbUnit();
    if (usb == nullptr) {
        return;
    }
    usbWatch_ = new TUsbWatch(*usb, this);
    const auto changed = [this](const TUsbEvent&) { UsbDevicesChanged(); };
    usb->Events.OnArrival = changed;
    usb->Events.OnRemoval = changed;
}

void T_frmMain_Label::UnwatchUsbDevices() {
    if (TUSB* usb = UsbUnit(); usb != nullptr && usbWatch_ != nullptr) {
        usb->Events.OnArrival = nullptr;
        usb->Events.OnRemoval = nullptr;
    }
    delete usbWatch_;
    usbWatch_ = nullptr;
}

void T_frmMain_Label::UsbDevicesChanged() {
    if (manage_ && manage_->isVisible()) {
        manage_->RefreshUsbPorts();
    }
    RecheckUsbPrinter();
}

void T_frmMain_Label::RecheckUsbPrinter() {
    if (!shownOnce_) {
        return;
    }
    // Selecting again in the middle of an action or under a dialog would
    // replace the printer object they talk through; the selection that
    // follows every action and dialog checks the identity then.
    if (busyDepth_ > 0 || QApplication::activeModalWidget() != nullptr) {
        usbRecheckPending_ = true;
        return;
    }
    usbRecheckPending_ = false;
    const int row = SelectedIndex();
    if (row < 0 || row >= static_cast<int>(printers_.size()) ||
        !IsUsbPrinter(printers_[static_cast<std::size_t>(row)])) {
        return;
    }
    PrinterSelect();
}

} // namespace tolvane
