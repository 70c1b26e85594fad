#include "MainWindowFixture.h"

#include "mdlCatalogueHooks.h"
#include "mdlDialogRegistry.h"
#include "mdlPortList.h"
#include "mdlPrinterIdentity.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLibLoad.h"

#include <arpa/inet.h>
#include <filesystem>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tolvane::test {

QApplication& TestApp() {
    return *qobject_cast<QApplication*>(QCoreApplication::instance());
}

void MainWindowTest::SetUp() {
    TestApp();
    EmulatedPrinterTest::SetUp();
}

void MainWindowTest::TearDown() {
    window.reset();
    ClearDialogRegistry();
    SetPortRoots({});
    EmulatedPrinterTest::TearDown();
}

std::string MainWindowTest::ClosedAddress() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return "NET,127.0.0.1," + std::to_string(ntohs(address.sin_port));
}

T_frmMain_Label& MainWindowTest::OpenWindow(std::initializer_list<const char*> rest) {
    const std::vector<std::string> args = Args(rest);
    InstallCatalogueHooks();
    StartupInitModules();
    StartupDecideAndCreate(args);
    window = std::make_unique<T_frmMain_Label>(args);
    window->show();
    return *window;
}

std::optional<emulator::Record> MainWindowTest::Wait(const std::string& command, const std::string& key) {
    return printer->waitForCommand(command, key, std::chrono::seconds(3));
}

std::string MainWindowTest::Text(const std::string& key) {
    return LangText(key);
}

} // namespace tolvane::test
