// USB plug and unplug events: which device events raise on-arrival and
// on-removal, TUSB reading a scripted source and the real udev monitor.
#include "mdlMessages.h"
#include "mdlUSBUnit.h"
#include "mdlUdevMonitor.h"
#include "scripted_usb_source.h"

#include <gtest/gtest.h>

#include <fstream>
#include <poll.h>
#include <thread>
#include <vector>

namespace tolvane::test {
namespace {

// The events raised, as "arrival <action>" or "removal <action>".
struct RaisedEvents {
    void Attach(TUsbEventRouter& router) {
        router.OnArrival = [this](const TUsbEvent& e) { seen.push_back("arrival " + e.Action); };
        router.OnRemoval = [this](const TUsbEvent& e) { seen.push_back("removal " + e.Action); };
    }
    std::vector<std::string> seen;
};

TEST(UsbEventRouting, OnlyAddedAndRemovedWholeDevicesRaiseEvents) {
    struct Case {
        const char* action;
        const char* devType;
        const char* raised; // "" for none
    } const cases[] = {
        {"add", "usb_device", "arrival add"},
        {"remove", "usb_device", "removal remove"},
        {"change", "usb_device", ""},
        {"bind", "usb_device", ""},
        {"unbind", "usb_device", ""},
        {"online", "usb_device", ""},
        {"add", "usb_interface", ""},
        {"remove", "usb_interface", ""},
        {"add", "", ""},
        {"ADD", "usb_device", ""},
        {"", "usb_device", ""},
    };
    for (const Case& c : cases) {
        TUsbEventRouter router;
        RaisedEvents raised;
        raised.Attach(router);
        router.Route({c.action, c.devType, "/sys/devices/x"});
        const std::vector<std::string> expected =
            *c.raised ? std::vector<std::string>{c.raised} : std::vector<std::string>{};
        EXPECT_EQ(raised.seen, expected) << c.action << " " << c.devType;
    }
}

TEST(UsbEventRouting, WithoutHandlersNothingHappens) {
    TUsbEventRouter router;
    router.Route({"add", "usb_device", ""});
    router.Route({"remove", "usb_device", ""});
    TUsbEventRouter onlyArrival;
    int arrivals = 0;
    onlyArrival.OnArrival = [&arrivals](const TUsbEvent&) { ++arrivals; };
    onlyArrival.Route({"remove", "usb_device", ""});
    onlyArrival.Route({"add", "usb_device", ""});
    EXPECT_EQ(arrivals, 1);
}

class CollectingSink : public IMessageSink {
  public:
    void ShowInfo(const std::string& text, const std::string&) override { shown.push_back(text); }
    bool AskOkCancel(const std::string& text, const std::string&) override {
        shown.push_back(text);
        return false;
    }
    void ShowError(const std::string& text, const std::string&) override { shown.push_back("error " + text); }
    std::vector<std::string> shown;
};

TEST(UsbUnit, ReadsEveryWaitingEventOfItsSourceAndRaisesTheCountingOnes) {
    auto source = std::make_unique<ScriptedUsbSource>();
    const int writer = source->WriterFd();
    TUSB usb(std::move(source));
    ASSERT_TRUE(usb.Listening());
    RaisedEvents raised;
    raised.Attach(usb.Events);

    EXPECT_EQ(usb.ReceivePending(), 0) << "nothing waits";
    std::thread script([writer] {
        for (const char* line : {"add usb_device", "change usb_device", "bind usb_device",
                                 "unbind usb_device", "add usb_interface", "remove usb_device"}) {
            const std::string text(line);
            const std::size_t blank = text.find(' ');
            SendUsbEvent(writer, text.substr(0, blank), text.substr(blank + 1));
        }
    });
    script.join();
    EXPECT_EQ(usb.ReceivePending(), 6);
    EXPECT_EQ(raised.seen, (std::vector<std::string>{"arrival add", "removal remove"}));
    EXPECT_EQ(usb.ReceivePending(), 0);
}

TEST(UsbUnit, AHandlerExceptionIsShownAndTheNextEventStillCounts) {
    CollectingSink sink;
    SetMessageSink(&sink);
    auto source = std::make_unique<ScriptedUsbSource>();
    const int writer = source->WriterFd();
    TUSB usb(std::move(source));
    int removals = 0;
    usb.Events.OnArrival = [](const TUsbEvent&) { throw std::runtime_error("arrival failed"); };
    usb.Events.OnRemoval = [&removals](const TUsbEvent&) { ++removals; };
    SendUsbEvent(writer, "add", "usb_device");
    SendUsbEvent(writer, "remove", "usb_device");
    EXPECT_EQ(usb.ReceivePending(), 2);
    SetMessageSink(nullptr);
    EXPECT_EQ(removals, 1);
    EXPECT_EQ(sink.shown, (std::vector<std::string>{"error arrival failed"}));
}

TEST(UsbUnit, AClosedSourceIsLetGoAndReportedOnce) {
    auto source = std::make_unique<ScriptedUsbSource>();
    ScriptedUsbSource* script = source.get();
    TUSB usb(std::move(source));
    int arrivals = 0;
    usb.Events.OnArrival = [&arrivals](const TUsbEvent&) { ++arrivals; };
    SendUsbEvent(script->WriterFd(), "add", "usb_device");
    script->CloseWriter();
    usb.ReceivePending();
    EXPECT_EQ(arrivals, 1);
    EXPECT_FALSE(usb.Listening());
    EXPECT_EQ(usb.Fd(), -1);
    EXPECT_FALSE(usb.SetupError().empty());
    EXPECT_TRUE(usb.TakeSetupErrorReport());
    EXPECT_FALSE(usb.TakeSetupErrorReport());
    EXPECT_EQ(usb.ReceivePending(), 0);
}

TEST(UsbUnit, WithoutASourceItRaisesNothingAndSaysWhyOnce) {
    TUSB usb(nullptr, "no netlink device monitor: Permission denied");
    EXPECT_FALSE(usb.Listening());
    EXPECT_EQ(usb.Fd(), -1);
    EXPECT_EQ(usb.ReceivePending(), 0);
    EXPECT_EQ(usb.SetupError(), "no netlink device monitor: Permission denied");
    EXPECT_TRUE(usb.TakeSetupErrorReport());
    EXPECT_FALSE(usb.TakeSetupErrorReport());
}

TEST(UsbUnit, TheProgramWideObjectIsCreatedAndFreed) {
    CreateUsbUnit();
    ASSERT_NE(UsbUnit(), nullptr);
    EXPECT_EQ(UsbUnit()->Listening(), UsbUnit()->SetupError().empty());
    FreeUsbUnit();
    EXPECT_EQ(UsbUnit(), nullptr);
}

bool WaitReadable(int fd, int milliseconds) {
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, milliseconds) > 0;
}

TEST(UdevMonitor, WatchesTheKernelsDeviceEventsWhereTheMachineAllowsIt) {
    std::string error;
    std::unique_ptr<TUdevMonitor> usbMonitor = TUdevMonitor::Create("usb", kUsbDeviceType, error);
    if (!usbMonitor) {
        GTEST_SKIP() << "no udev monitor on this machine: " << error;
    }
    EXPECT_GE(usbMonitor->Fd(), 0);
    EXPECT_TRUE(usbMonitor->Source() == "udev" || usbMonitor->Source() == "kernel");
    TUSB usb(std::move(usbMonitor));
    RaisedEvents raised;
    raised.Attach(usb.Events);

    // No USB device can be plugged in here; a harmless "change" event of the
    // null device goes through the same kernel path to a monitor of its
    // subsystem, and the USB monitor lets it pass unseen.
    const std::unique_ptr<TUdevMonitor> memMonitor = TUdevMonitor::Create("mem", nullptr, error);
    ASSERT_TRUE(memMonitor) << error;
    std::ofstream trigger("/sys/class/mem/null/uevent");
    trigger << "change" << std::flush;
    if (!trigger) {
        GTEST_SKIP()
            << "cannot ask the kernel for a device event (/sys/class/mem/null/uevent is not writable)";
    }
    if (!WaitReadable(memMonitor->Fd(), 3000)) {
        GTEST_SKIP() << "the kernel's device events do not reach this network namespace";
    }
    const std::optional<TUsbEvent> event = memMonitor->Receive();
    ASSERT_TRUE(event.has_value());
    EXPECT_EQ(event->Action, "change");
    EXPECT_EQ(event->DevType, "");
    EXPECT_NE(event->SysPath.find("/mem/null"), std::string::npos) << event->SysPath;

    // The same event reached the USB monitor's socket (the kernel sends each
    // event to every listener); it is read and raises nothing.
    WaitReadable(usb.Fd(), 1000);
    usb.ReceivePending();
    EXPECT_TRUE(raised.seen.empty());
    EXPECT_TRUE(usb.Listening());
}

} // namespace
} // namespace tolvane::test
