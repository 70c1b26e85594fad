// The printer-library facade: library choice, binding errors, the open rules
// (no handle, serial keep-open, the retry on 5), the command and exchange
// wrappers, and the Tsprix extras.
#include "device_test_support.h"

#include "fake_usb_tree.h"

#include "mdlPrinterLib_Call.h"
#include "mdlPrinterLib_TSPL.h"
#include "mdlPrtCommands.h"
#include "mdlPrtFrames.h"
#include "mdlPrtKeys.h"
#include "pty_pair.h"

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

using namespace std::string_literals;
using namespace std::string_view_literals;
using namespace tolvane;
namespace fs = std::filesystem;

namespace devicetest {
namespace {

// Observes the PortOpen and PortClose calls made to one library; the calls
// still reach the library.
class CallCounter {
  public:
    explicit CallCounter(TPrtLib lib) : lib_(lib), real_(*PrtLib_Entries(lib)) {
        active_ = this;
        TPrtLibEntries counting = real_;
        counting.PortOpen = [](PrinterHandle h, const char16_t* a) {
            ++active_->opens;
            return active_->real_.PortOpen(h, a);
        };
        counting.PortClose = [](PrinterHandle h) {
            ++active_->closes;
            if (active_->onClose) {
                active_->onClose();
            }
            return active_->real_.PortClose(h);
        };
        PrtLib_SetEntries(lib_, counting);
    }
    ~CallCounter() {
        PrtLib_SetEntries(lib_, real_);
        active_ = nullptr;
    }
    CallCounter(const CallCounter&) = delete;
    CallCounter& operator=(const CallCounter&) = delete;

    int opens = 0;
    int closes = 0;
    std::function<void()> onClose;

  private:
    static inline CallCounter* active_ = nullptr;
    TPrtLib lib_;
    TPrtLibEntries real_;
};

// Holds a device exclusively, as another program would.
class DeviceHolder {
  public:
    explicit DeviceHolder(const std::string& path)
        : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC)) {
        EXPECT_EQ(::flock(fd_, LOCK_EX | LOCK_NB), 0);
    }
    ~DeviceHolder() { release(); }
    DeviceHolder(const DeviceHolder&) = delete;
    DeviceHolder& operator=(const DeviceHolder&) = delete;
    void release() {
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }

  private:
    int fd_;
};

std::string serialAddress(const testsupport::PtyPair& pty) {
    return pty.path() + ",BAUDRATE_9600";
}

struct LanguageCase {
    int language;
    TPrtLib library;
};

class LibraryChoice : public DeviceTest, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(LibraryChoice, CreateFillsOnlyTheSlotOfTheLanguagesLibrary) {
    ProtocolKind = GetParam().language;
    EXPECT_EQ(PrtLib_Current(), GetParam().library);
    ASSERT_EQ(PrtLib_Create("Kavo"), 0);
    for (const TPrtLib lib : {TPrtLib::Escrix, TPrtLib::Cobrix, TPrtLib::Tsprix}) {
        EXPECT_EQ(PrtLib_Handle(lib) != nullptr, lib == GetParam().library) << PrtLib_FileName(lib);
    }
    EXPECT_EQ(PrtLib_Handle(), PrtLib_Handle(GetParam().library));
}

INSTANTIATE_TEST_SUITE_P(Languages, LibraryChoice,
                         ::testing::Values(LanguageCase{0, TPrtLib::Escrix}, LanguageCase{1, TPrtLib::Tsprix},
                                           LanguageCase{2, TPrtLib::Tsprix}, LanguageCase{3, TPrtLib::Cobrix},
                                           LanguageCase{4, TPrtLib::Tsprix},
                                           LanguageCase{5, TPrtLib::Tsprix}));

TEST(LanguageNames, WordAndDescriptionOfEachCommandLanguage) {
    struct Case {
        int language;
        std::string word;
        std::string description;
    } cases[] = {
        {0, "ESC", "Desc:ESC"},   {1, "TSPL", "Desc:TSPL"}, {2, "2", "Desc:STAR"},
        {3, "CPCL", "Desc:CPCL"}, {4, "ZPL", "Desc:ZPL"},   {5, "5", "Desc:EPL"},
        {6, "6", "Desc:6"},       {-1, "-1", "Desc:-1"},    {99, "99", "Desc:99"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProtocolWord(c.language), c.word) << c.language;
        EXPECT_EQ(ProtocolDescription(c.language), c.description) << c.language;
    }
}

TEST_F(DeviceTest, CreateWithAnUnknownModelLeavesTheSlotEmpty) {
    ASSERT_EQ(PrtLib_Create("Vorlan"), 0);
    EXPECT_EQ(PrtLib_Create("vorlan"), -8);
    EXPECT_EQ(PrtLib_Handle(), nullptr);
    EXPECT_EQ(PrtLib_LastResult(), -8);
}

TEST(PrtLibBinding, NamesEveryFileThatCannotBeBoundAndBindsAgainLater) {
    PrtLib_UnloadLibraries();
    const fs::path folder = fs::temp_directory_path() / ("tolvane-bind-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    // A Tsprix that lacks its two own entry points, and no Escrix or Cobrix.
    fs::copy_file(ProgramFolder() + "/libescrix.so", folder / "libtsprix.so",
                  fs::copy_options::overwrite_existing);
    std::string error;
    EXPECT_FALSE(PrtLib_LoadLibrariesFrom(folder.string(), error));
    EXPECT_NE(error.find((folder / "libescrix.so").string()), std::string::npos) << error;
    EXPECT_NE(error.find((folder / "libcobrix.so").string()), std::string::npos) << error;
    EXPECT_NE(error.find((folder / "libtsprix.so").string() + ": GetVidPid, TSPL_GetSN"), std::string::npos)
        << error;
    EXPECT_EQ(PrtLib_Entries(TPrtLib::Tsprix), nullptr);
    ProtocolKind = kLangTspl;
    EXPECT_EQ(PrtLib_Create("Vorlan"), kLibraryNotBound);
    fs::remove_all(folder);

    EXPECT_TRUE(PrtLib_LoadLibraries(error)) << error;
    EXPECT_EQ(PrtLib_Create("Vorlan"), 0);
    PrtLib_DestroyHandles();
}

TEST_F(DeviceTest, WithoutAHandleEveryCommandFailsWithMinusSixAndTheOpenPortBox) {
    for (const int language : {kLangEsc, kLangTspl, kLangCpcl}) {
        ProtocolKind = language;
        devices.Bind("NET", language, "Vorlan", "Vorlan", "NET,127.0.0.1,9");
        sink.messages.clear();
        uint8_t value = 0;
        EXPECT_EQ(CmdDo("\"reset_printer\""), 0);
        EXPECT_EQ(CmdDoMaybe("\"reset_printer\"", true), -1);
        EXPECT_EQ(KeyGetByte(1, 312, value), 0);
        EXPECT_FALSE(PrtLib_BeginExchange());
        EXPECT_FALSE(PrtLib_ExchangeOpen());
        ASSERT_EQ(sink.messages.size(), 4u) << "language " << language;
        for (const TRecordedMessage& m : sink.messages) {
            EXPECT_EQ(m.kind, "error");
            EXPECT_EQ(m.text, "_Err_OpenPort:-6");
            EXPECT_EQ(m.title, "_MSG_Title_Error");
        }
    }
}

TEST_F(DeviceTest, BoxTextsComeFromTheLanguageTexts) {
    SetLangTextLookup(
        [](const std::string& key) { return key == "_Err_OpenPort" ? "Cannot open the port"s : "Error"s; });
    EXPECT_FALSE(PrtLib_BeginCommand());
    SetLangTextLookup(nullptr);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Cannot open the port:-6");
    EXPECT_EQ(sink.messages[0].title, "Error");
}

TEST_F(DeviceTest, SerialPortThroughTsprixIsOpenedOnceBetweenCommands) {
    testsupport::PtyPair pty;
    select(kLangTspl, serialAddress(pty));
    CallCounter counter(TPrtLib::Tsprix);
    EXPECT_EQ(CmdDoOpen("\"print_test_page\""), 0);
    EXPECT_TRUE(PrtLib_SerialKeptOpen());
    EXPECT_EQ(CmdDoOpen("\"tph_test_page\""), 0);
    EXPECT_EQ(counter.opens, 1);
    const std::string both = DoFrame("\"print_test_page\"") + DoFrame("\"tph_test_page\"");
    EXPECT_EQ(pty.readDevice(both.size()), bytes(both));

    EXPECT_EQ(PrtLib_Close(), 0);
    EXPECT_FALSE(PrtLib_SerialKeptOpen());
    EXPECT_EQ(CmdDo("\"reset_printer\""), 0); // opens again, and closes
    EXPECT_EQ(counter.opens, 2);
    EXPECT_FALSE(PrtLib_SerialKeptOpen());
}

TEST_F(DeviceTest, SerialPortThroughEscrixIsOpenedForEveryCommand) {
    testsupport::PtyPair pty;
    select(kLangEsc, serialAddress(pty));
    CallCounter counter(TPrtLib::Escrix);
    EXPECT_EQ(CmdDoOpen("\"print_test_page\""), 0);
    EXPECT_EQ(CmdDoOpen("\"print_test_page\""), 0);
    EXPECT_EQ(counter.opens, 2);
    EXPECT_FALSE(PrtLib_SerialKeptOpen());
    PrtLib_Close();
}

TEST_F(DeviceTest, AlreadyOpenThroughTsprixClosesAndOpensExactlyOnceMore) {
    testsupport::PtyPair pty;
    select(kLangTspl, serialAddress(pty));
    CallCounter counter(TPrtLib::Tsprix);
    DeviceHolder holder(pty.path());
    EXPECT_EQ(PrtLib_Open(serialAddress(pty)), 5);
    EXPECT_EQ(counter.opens, 2);
    EXPECT_EQ(counter.closes, 1);
    EXPECT_FALSE(PrtLib_SerialKeptOpen());

    // A one-shot command takes 5 as "already open"; a long exchange does not.
    EXPECT_TRUE(PrtLib_BeginCommand());
    EXPECT_FALSE(PrtLib_BeginExchange());
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "_Err_OpenPort:5");
}

TEST_F(DeviceTest, AlreadyOpenRetrySucceedsWhenTheOtherOpenerLetGo) {
    testsupport::PtyPair pty;
    select(kLangTspl, serialAddress(pty));
    CallCounter counter(TPrtLib::Tsprix);
    DeviceHolder holder(pty.path());
    counter.onClose = [&holder] { holder.release(); };
    EXPECT_EQ(PrtLib_Open(serialAddress(pty)), 0);
    EXPECT_EQ(counter.opens, 2);
    EXPECT_EQ(counter.closes, 1);
    EXPECT_TRUE(PrtLib_SerialKeptOpen());
    EXPECT_EQ(PrtLib_Write("abc"sv), 0);
    EXPECT_EQ(pty.readDevice(3), bytes("abc"));
    PrtLib_Close();
}

TEST_F(DeviceTest, AlreadyOpenThroughCobrixIsNotRetried) {
    testsupport::PtyPair pty;
    select(kLangCpcl, serialAddress(pty));
    CallCounter counter(TPrtLib::Cobrix);
    DeviceHolder holder(pty.path());
    EXPECT_EQ(PrtLib_Open(serialAddress(pty)), 5);
    EXPECT_EQ(counter.opens, 1);
    EXPECT_EQ(counter.closes, 0);
}

TEST_F(DeviceTest, ExchangeFlagSpansTheExchangeAndOnlyASuccessfulOpenSetsIt) {
    ScriptedPrinter printer;
    select(kLangTspl, printer.address());
    CallCounter counter(TPrtLib::Tsprix);
    ASSERT_TRUE(PrtLib_BeginExchange());
    EXPECT_TRUE(PrtLib_ExchangeOpen());
    EXPECT_TRUE(PrtLib_BeginExchange()); // nested: no second open
    EXPECT_EQ(counter.opens, 1);
    PrtLib_EndExchange();
    EXPECT_FALSE(PrtLib_ExchangeOpen());
    EXPECT_EQ(counter.closes, 1);
    PrtLib_EndExchange(); // nothing to close
    EXPECT_EQ(counter.closes, 1);

    devices.PortAddress = "NET,127.0.0.1,1"; // nothing listens there
    EXPECT_FALSE(PrtLib_BeginExchange());
    EXPECT_FALSE(PrtLib_ExchangeOpen());
    devices.PortAddress = printer.address();
    EXPECT_TRUE(PrtLib_BeginExchange());
    EXPECT_EQ(counter.opens, 3);
    PrtLib_EndExchange();
}

TEST_F(DeviceTest, ReadUntilUsesTheLowBytesOfItsMarkers) {
    ScriptedPrinter printer({{bytes("?"), bytes("xx{abc\ndef")}});
    select(kLangTspl, printer.address());
    ASSERT_TRUE(PrtLib_BeginExchange());
    ASSERT_EQ(PrtLib_Write("?"sv), 0);
    std::array<uint8_t, 16> buffer{};
    int count = 0;
    EXPECT_EQ(PrtLib_ReadUntil(buffer.data(), 2, 16, count, 0x10A, 0x17B), 0);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(std::string(buffer.begin() + 2, buffer.begin() + 6), "abc\n");
    PrtLib_EndExchange();
}

TEST_F(DeviceTest, RepeatedReadCollectsWhatArrivesAcrossPasses) {
    testsupport::PtyPair pty;
    select(kLangTspl, serialAddress(pty));
    ASSERT_EQ(PrtLib_Open(serialAddress(pty)), 0);
    pty.writeDevice("OK");
    std::thread late([&pty] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        pty.writeDevice("GO");
    });
    std::array<uint8_t, 4> buffer{};
    int count = 0;
    const int result = PrtLib_ReadRepeated(buffer.data(), 4, count, 300, 2);
    late.join();
    EXPECT_EQ(result, 0);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), "OKGO");
    PrtLib_Close();
}

TEST_F(DeviceTest, SerialNumberComesThroughTsprix) {
    ScriptedPrinter printer({{bytes("getval \"serial_no\"\r\n"), bytes(" SN-2024-0042\r\n\0"s)}});
    select(kLangTspl, printer.address());
    std::string serial;
    EXPECT_EQ(PrtLib_SerialNumber(serial), -309); // the port is not open yet
    ASSERT_TRUE(PrtLib_BeginExchange());
    EXPECT_EQ(PrtLib_SerialNumber(serial), 0);
    EXPECT_EQ(serial, "SN-2024-0042");
    PrtLib_EndExchange();
}

TEST_F(DeviceTest, VidPidIsTheTextOfTsprixOrEmpty) {
    usbtest::FakeUsbTree tree;
    EXPECT_EQ(PrtLib_VidPid(), "");
    tree.add(usbtest::fakePrinter("2aaf", "9b02", "lp0"));
    EXPECT_EQ(PrtLib_VidPid(), "VID_2AAF&PID_9B02");
}

} // namespace
} // namespace devicetest
