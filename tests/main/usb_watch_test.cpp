// USB plug and unplug events in the program: they run on the user-interface
// thread whatever thread the device monitor's data came from, a missing
// monitor is logged once, the open printer management dialog lists its
// ports again and the main window checks the selected USB printer's
// identity again (at once when idle, after a dialog otherwise).
#include "MainWindowFixture.h"

#include "FormPrinterManage_Label.h"
#include "fake_usb_bus.h"
#include "gui/mdlUsbWatch.h"
#include "mdlDebugLog.h"
#include "mdlPortList.h"
#include "mdlPrinterIdentity.h"
#include "mdlUSBUnit.h"
#include "scripted_usb_source.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QThread>
#include <QTimer>

#include <fstream>
#include <functional>
#include <poll.h>
#include <sstream>
#include <thread>

namespace tolvane::test {
namespace {

using halvixtest::FakeUsbBus;

// Runs the event loop until done() holds or three seconds have passed.
bool RunEventsUntil(const std::function<bool()>& done) {
    QTimer tick;
    tick.start(20); // wakes the loop up when nothing else does
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 3000) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

bool Drained(int fd) {
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, 0) == 0;
}

class TUsbEvents : public MainWindowTest {
  protected:
    void TearDown() override {
        window.reset();
        FreeUsbUnit();
        MainWindowTest::TearDown();
    }
    // Makes a scripted source the program's device monitor; its writer end.
    int UseScriptedMonitor() {
        auto source = std::make_unique<ScriptedUsbSource>();
        const int writer = source->WriterFd();
        readerFd = source->Fd();
        SetUsbUnit(std::make_unique<TUSB>(std::move(source)));
        return writer;
    }
    // Sends one event and lets the event loop read it.
    void Deliver(int writer, const char* action) {
        ASSERT_TRUE(SendUsbEvent(writer, action, "usb_device"));
        ASSERT_TRUE(RunEventsUntil([this] { return Drained(readerFd); })) << action;
    }
    std::string ShownVpid() { return window->findChild<QLineEdit*>("txtVpid")->text().toStdString(); }

    int readerFd = -1;
};

TEST_F(TUsbEvents, EventsRunOnTheUserInterfaceThread) {
    const int writer = UseScriptedMonitor();
    TUsbWatch watch(*UsbUnit());
    ASSERT_TRUE(watch.Watching());
    std::vector<std::string> raised;
    bool onUiThread = true;
    const auto record = [&](const char* what) {
        return [&, what](const TUsbEvent&) {
            raised.push_back(what);
            onUiThread = onUiThread && QThread::currentThread() == QCoreApplication::instance()->thread();
        };
    };
    UsbUnit()->Events.OnArrival = record("arrival");
    UsbUnit()->Events.OnRemoval = record("removal");

    std::thread monitor([writer] {
        for (const char* action : {"add", "change", "bind", "unbind", "remove"}) {
            SendUsbEvent(writer, action, "usb_device");
        }
    });
    monitor.join();
    EXPECT_TRUE(RunEventsUntil([&raised] { return raised.size() >= 2; }));
    EXPECT_TRUE(RunEventsUntil([this] { return Drained(readerFd); }));
    EXPECT_EQ(raised, (std::vector<std::string>{"arrival", "removal"}));
    EXPECT_TRUE(onUiThread);
}

TEST_F(TUsbEvents, WithoutAMonitorTheDebugLogSaysSoOnce) {
    CreateFirstMarker();
    CreateSecondMarker();
    ASSERT_TRUE(DebugMode());
    SetUsbUnit(std::make_unique<TUSB>(nullptr, "no netlink device monitor: Permission denied"));
    {
        TUsbWatch first(*UsbUnit());
        TUsbWatch second(*UsbUnit());
        EXPECT_FALSE(first.Watching());
        EXPECT_FALSE(second.Watching());
    }
    std::ifstream in(DebugLogFile());
    std::stringstream log;
    log << in.rdbuf();
    const std::string line = "USB: no plug and unplug events (no netlink device monitor: Permission denied)";
    const std::size_t first = log.str().find(line);
    EXPECT_NE(first, std::string::npos) << log.str();
    EXPECT_EQ(log.str().find(line, first + 1), std::string::npos) << "one line only";
}

TEST_F(TUsbEvents, TheSelectedUsbPrinterIsCheckedAgainWhenDevicesComeAndGo) {
    std::optional<FakeUsbBus> bus(std::in_place);
    WriteList("Hobbe|USB|USB||0\nKavo-300|NET|NET,127.0.0.1||0\n");
    const int writer = UseScriptedMonitor();
    OpenWindow();
    ASSERT_EQ(PrinterIdentity().Model, "Hobbe");
    EXPECT_EQ(ShownVpid(), "VPID:");

    bus.emplace();
    bus->add({"1-1", "2aaf", "9006"});
    Deliver(writer, "change");
    EXPECT_EQ(PrinterIdentity().Model, "Hobbe") << "a change is no arrival";
    Deliver(writer, "add");
    EXPECT_EQ(PrinterIdentity().Model, "Hobbe-80N");
    EXPECT_EQ(ShownVpid(), "VPID:VID_2AAF&PID_9006");

    bus.emplace();
    Deliver(writer, "unbind");
    EXPECT_EQ(PrinterIdentity().Model, "Hobbe-80N") << "an unbind is no removal";
    Deliver(writer, "remove");
    EXPECT_EQ(PrinterIdentity().Model, "Hobbe");
    EXPECT_EQ(ShownVpid(), "VPID:");

    // A network printer is not checked again.
    window->SelectRow(1);
    bus->add({"1-1", "2aaf", "9006"});
    PrinterIdentity().Model = "untouched";
    Deliver(writer, "add");
    EXPECT_EQ(PrinterIdentity().Model, "untouched");
}

TEST_F(TUsbEvents, TheOpenManagementDialogListsItsPortsAgainAndTheCheckWaitsForIt) {
    TempFolder dev;
    TempFolder sys;
    dev.Write("ttyUSB0", "");
    dev.Write("lp0", "");
    SetPortRoots({dev.Path(), sys.Path()});
    std::optional<FakeUsbBus> bus(std::in_place);
    WriteList("Hobbe|USB|USB||0\n");
    const int writer = UseScriptedMonitor();
    OpenWindow();

    T_frmPrinterManage_Label& manage = *window->PrinterManage();
    manage.SetModeAdd(ListFile());
    manage.show();
    ASSERT_TRUE(QApplication::activeModalWidget() == &manage);
    auto* kinds = manage.findChild<QComboBox*>("cmbPortType");
    auto* serial = manage.findChild<QComboBox*>("cmbSerialList");
    kinds->setCurrentIndex(kinds->findText("COM"));
    ASSERT_EQ(serial->count(), 1);
    const QString chosen = serial->currentText();

    dev.Write("ttyUSB1", "");
    bus.emplace();
    bus->add({"1-1", "2aaf", "9006"});
    Deliver(writer, "add");
    EXPECT_EQ(serial->count(), 2) << "the new adapter is offered";
    EXPECT_EQ(serial->currentText(), chosen) << "the chosen port stays chosen";
    EXPECT_TRUE(sink.boxes.empty()) << "a refresh shows no message";
    EXPECT_EQ(PrinterIdentity().Model, "Hobbe") << "no selection under a dialog";
    EXPECT_TRUE(window->UsbRecheckPending());

    std::filesystem::remove(dev / "ttyUSB0");
    Deliver(writer, "remove");
    EXPECT_EQ(serial->count(), 2) << "the chosen port is kept even when it is gone";
    EXPECT_EQ(serial->currentText(), chosen);
    EXPECT_EQ(serial->itemText(1).toStdString().find("ttyUSB1") != std::string::npos, true);

    manage.hide();
    window->PrinterSelect(); // what follows every dialog
    EXPECT_FALSE(window->UsbRecheckPending());
    EXPECT_EQ(PrinterIdentity().Model, "Hobbe-80N");
}

} // namespace
} // namespace tolvane::test
