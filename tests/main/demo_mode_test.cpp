// Demo mode: printer emulators on free loopback ports, a temporary program
// folder whose printer list names them, and nothing left behind.
#include "MainWindowFixture.h"

#include "mdlDemoMode.h"
#include "mdlPaths.h"
#include "mdlTextLines.h"

#include <arpa/inet.h>
#include <filesystem>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tolvane::test {
namespace {

bool Accepts(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return connected;
}

TEST(DemoMode, TheSwitchIsTakenOutOfTheArguments) {
    std::vector<std::string> args = {"tolvane", "--demo", "-EN", "--demo"};
    EXPECT_TRUE(TakeDemoSwitch(args));
    EXPECT_EQ(args, (std::vector<std::string>{"tolvane", "-EN"}));
    EXPECT_FALSE(TakeDemoSwitch(args));
}

using TDemo = MainWindowTest;

TEST_F(TDemo, EmulatorsServeAPrinterListOfTheirOwnAndAreStoppedAfterwards) {
    std::vector<int> ports;
    std::string folder;
    {
        TDemoMode demo;
        std::string error;
        ASSERT_TRUE(demo.Start(TOLVANE_BUNDLE_DIR, error)) << error;
        folder = demo.Folder();
        EXPECT_EQ(AppFolder(), folder);
        const std::vector<std::string> offered = ReadTextLines(folder + "files/CompanyPrinterList_Label.txt");
        const std::vector<TPrinterEntry> listed = ReadPrinterList(folder + "files/PrinterList.txt");
        ASSERT_EQ(listed, demo.Printers());
        ASSERT_GE(listed.size(), 3u) << "one printer per shipped profile";
        for (const TPrinterEntry& entry : listed) {
            EXPECT_NE(std::find(offered.begin(), offered.end(), entry.ListName), offered.end())
                << entry.ListName;
            ASSERT_EQ(entry.PortAddress.rfind("NET,127.0.0.1,", 0), 0u) << entry.PortAddress;
            ports.push_back(std::stoi(entry.PortAddress.substr(14)));
            EXPECT_TRUE(Accepts(ports.back()));
        }
        EXPECT_TRUE(std::filesystem::exists(folder + "files/UtilityForLabelLanguage.ini"));
        EXPECT_FALSE(ReadFile(TOLVANE_BUNDLE_DIR "files/PrinterList.txt").find("127.0.0.1") !=
                     std::string::npos)
            << "the shipped list is not touched";
    }
    EXPECT_FALSE(std::filesystem::exists(folder));
    for (int port : ports) {
        EXPECT_FALSE(Accepts(port));
    }
}

TEST_F(TDemo, WithoutTheEmulatorProgramItSaysWhatIsMissing) {
    TDemoMode demo;
    std::string error;
    EXPECT_FALSE(demo.Start(app.Path(), error));
    EXPECT_NE(error.find("printer-emulator"), std::string::npos);
    EXPECT_TRUE(demo.Folder().empty());
}

} // namespace
} // namespace tolvane::test
