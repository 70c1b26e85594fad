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
    CoreTest::SetUp();
    static const bool bound = [] {
        std::string error;
        const bool ok = PrtLib_LoadLibrariesFrom(TOLVANE_BUNDLE_DIR, error);
        EXPECT_TRUE(ok) << error;
        return ok;
    }();
    ASSERT_TRUE(bound);
    for (const char* name : {"Option.ini", "UtilityForLabelLanguage.ini", "PrinterTypeList_Label.ini",
                             "ProtocolType.ini", "PrinterMap.ini", "CompanyPrinterList_Label.txt"}) {
        std::string shipped = TOLVANE_SOURCE_DIR;
        shipped.append("/files/").append(name);
        std::string beside = app.Path();
        beside.append("/files/").append(name);
        std::filesystem::copy_file(shipped, beside, std::filesystem::copy_options::overwrite_existing);
    }
}

void MainWindowTest::TearDown() {
    window.reset();
    PrtLib_Close(TPrtLib::Escrix);
    PrtLib_Close(TPrtLib::Cobrix);
    PrtLib_Close(TPrtLib::Tsprix);
    printer.reset();
    ClearDialogRegistry();
    PrinterIdentity() = {};
    SetPortRoots({});
    ProtocolKind = kLangTspl;
    CoreTest::TearDown();
}

std::string MainWindowTest::StartPrinter(const std::string& profile) {
    std::string error;
    // (Paths here are appended step by step: GCC 12 at -O2 warns falsely
    // about a chain of + on a copy of a literal.)
    std::string path = EMULATOR_PROFILES;
    path.append("/").append(profile);
    const auto loaded = emulator::loadProfile(path, error);
    EXPECT_TRUE(loaded) << error;
    printer = std::make_unique<emulator::Emulator>(loaded.value_or(emulator::defaultProfile()));
    EXPECT_TRUE(printer->listenTcp("127.0.0.1", 0, error) && printer->start(error)) << error;
    return "NET,127.0.0.1," + std::to_string(printer->tcpPort());
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

std::vector<std::string> MainWindowTest::Commands() const {
    std::vector<std::string> commands;
    for (const emulator::Record& record : printer->records()) {
        if (record.command != "connect" && record.command != "disconnect") {
            commands.push_back(record.command + (record.key.empty() ? "" : " " + record.key));
        }
    }
    return commands;
}

std::vector<ShownBox> MainWindowTest::Boxes(const std::string& kind) const {
    std::vector<ShownBox> boxes;
    for (const ShownBox& box : sink.boxes) {
        if (box.kind == kind) {
            boxes.push_back(box);
        }
    }
    return boxes;
}

std::string MainWindowTest::Text(const std::string& key) {
    return LangText(key);
}

} // namespace tolvane::test
