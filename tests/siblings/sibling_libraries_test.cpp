#include "elf_exports.h"
#include "fake_usb_tree.h"
#include "loopback_server.h"
#include "tsprix.h"

#include <gtest/gtest.h>

#include <array>
#include <dlfcn.h>
#include <set>
#include <string>

using namespace std::string_literals;

namespace {

// One sibling library opened on its own, as the utility opens it.
class Library {
  public:
    explicit Library(const char* path) : module_(::dlopen(path, RTLD_NOW | RTLD_LOCAL)) {
        if (module_ == nullptr) {
            throw std::runtime_error(::dlerror());
        }
        creator = entry<decltype(&PrinterCreator)>("PrinterCreator");
        destroy = entry<decltype(&PrinterDestroy)>("PrinterDestroy");
        open = entry<decltype(&PortOpen)>("PortOpen");
        close = entry<decltype(&PortClose)>("PortClose");
        write = entry<decltype(&WriteData)>("WriteData");
        read = entry<decltype(&ReadData)>("ReadData");
        readEof = entry<decltype(&ReadDataEOF)>("ReadDataEOF");
    }
    ~Library() { ::dlclose(module_); }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    template <typename Entry>
    Entry entry(const char* name) const {
        return reinterpret_cast<Entry>(::dlsym(module_, name));
    }

    decltype(&PrinterCreator) creator;
    decltype(&PrinterDestroy) destroy;
    decltype(&PortOpen) open;
    decltype(&PortClose) close;
    decltype(&WriteData) write;
    decltype(&ReadData) read;
    decltype(&ReadDataEOF) readEof;

  private:
    void* module_;
};

std::u16string u16(const std::string& text) {
    return {text.begin(), text.end()};
}

const std::set<std::string> kSharedEntries = {"PrinterCreator", "PrinterDestroy", "PortOpen",   "PortClose",
                                              "WriteData",      "ReadData",       "ReadDataEOF"};

TEST(SiblingExports, EachLibraryExportsExactlyItsList) {
    EXPECT_EQ(testsupport::exportedSymbols(ESCRIX_LIBRARY), kSharedEntries);
    std::set<std::string> tsprix = kSharedEntries;
    tsprix.insert({"GetVidPid", "TSPL_GetSN"});
    EXPECT_EQ(testsupport::exportedSymbols(TSPRIX_LIBRARY), tsprix);
}

class EachSibling : public ::testing::TestWithParam<const char*> {};

TEST_P(EachSibling, AcceptsTheUtilitysModelsExactly) {
    Library lib(GetParam());
    for (const char16_t* model : {u"Vorlan", u"Dunmore", u"Tormund", u"Kavo", u"Corla"}) {
        PrinterHandle handle = nullptr;
        EXPECT_EQ(lib.creator(&handle, model), 0);
        EXPECT_EQ(lib.destroy(handle), 0);
        EXPECT_EQ(lib.destroy(handle), -6);
    }
    PrinterHandle handle = nullptr;
    EXPECT_EQ(lib.creator(&handle, u"VORLAN"), -8);
    EXPECT_EQ(handle, nullptr);
    EXPECT_EQ(lib.creator(nullptr, u"Vorlan"), -1);
}

TEST_P(EachSibling, MovesBytesLikeCobrix) {
    Library lib(GetParam());
    testsupport::LoopbackServer server([](const std::vector<uint8_t>& got) {
        if (got.size() == 4) {
            return std::vector<uint8_t>{'a', 'b', 0};
        }
        return got.size() == 5 ? std::vector<uint8_t>{'c'} : std::vector<uint8_t>{};
    });
    PrinterHandle handle = nullptr;
    ASSERT_EQ(lib.creator(&handle, u"Vorlan"), 0);
    EXPECT_EQ(lib.write(handle, reinterpret_cast<const unsigned char*>("x"), 1), -309);
    ASSERT_EQ(lib.open(handle, u16(server.commaAddress()).c_str()), 0);
    ASSERT_EQ(lib.write(handle, reinterpret_cast<const unsigned char*>("ping"), 4), 0);
    std::array<unsigned char, 8> buffer{};
    int count = 0;
    EXPECT_EQ(lib.readEof(handle, buffer.data(), 0, 8, 0, 0, &count), 0);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + count), "ab\0"s);
    ASSERT_EQ(lib.write(handle, reinterpret_cast<const unsigned char*>("?"), 1), 0);
    EXPECT_EQ(lib.read(handle, buffer.data(), 1, &count), 0);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(buffer[0], 'c');
    EXPECT_EQ(lib.close(handle), 0);
    EXPECT_EQ(lib.close(handle), -309);
    EXPECT_EQ(lib.open(handle, u"XYZ,1"), -4);
    EXPECT_EQ(lib.destroy(handle), 0);
    EXPECT_EQ(lib.open(handle, u16(server.commaAddress()).c_str()), -6);
}

INSTANTIATE_TEST_SUITE_P(Libraries, EachSibling, ::testing::Values(ESCRIX_LIBRARY, TSPRIX_LIBRARY));

class TsprixTest : public ::testing::Test {
  protected:
    Library lib{TSPRIX_LIBRARY};
    decltype(&GetVidPid) getVidPid = lib.entry<decltype(&GetVidPid)>("GetVidPid");
    decltype(&TSPL_GetSN) getSerial = lib.entry<decltype(&TSPL_GetSN)>("TSPL_GetSN");
};

TEST_F(TsprixTest, VidPidOfTheFirstAttachedPrinter) {
    std::array<char, TSPRIX_TEXT_SIZE> buffer;
    {
        usbtest::FakeUsbTree tree;
        buffer.fill('x');
        EXPECT_EQ(getVidPid(buffer.data()), -372);
        EXPECT_EQ(std::string(buffer.data()), "");

        tree.add(usbtest::fakePrinter("2aaf", "9a01", "lp1", "1-2"));
        tree.add(usbtest::fakePrinter("20d1", "7008", "lp0", "1-1"));
        EXPECT_EQ(getVidPid(buffer.data()), 0);
        EXPECT_EQ(std::string(buffer.data()), "VID_20D1&PID_7008");
    }
    EXPECT_EQ(getVidPid(nullptr), -1);
}

TEST_F(TsprixTest, SerialNumberOfThePrinterOnTheHandlesPort) {
    const std::string request = "\x1b\x1c& V1 getval \"serial_no\"\r\n";
    std::string reply = " SN-0042\r\n\0"s;
    testsupport::LoopbackServer server([&](const std::vector<uint8_t>& got) {
        return got.size() % request.size() == 0 ? std::vector<uint8_t>(reply.begin(), reply.end())
                                                : std::vector<uint8_t>{};
    });
    std::array<char, TSPRIX_TEXT_SIZE> serial{};
    PrinterHandle handle = nullptr;
    ASSERT_EQ(lib.creator(&handle, u"Vorlan"), 0);
    EXPECT_EQ(getSerial(handle, nullptr), -1);
    EXPECT_EQ(getSerial(handle, serial.data()), -309);
    ASSERT_EQ(lib.open(handle, u16(server.commaAddress()).c_str()), 0);
    EXPECT_EQ(getSerial(handle, serial.data()), 0);
    EXPECT_EQ(std::string(serial.data()), "SN-0042");
    const auto received = server.received();
    EXPECT_EQ(std::string(received.begin(), received.end()), request);

    reply = "SN-WITHOUT-END"; // no terminating zero byte
    serial.fill('x');
    EXPECT_EQ(getSerial(handle, serial.data()), -332);
    EXPECT_EQ(std::string(serial.data()), "");

    lib.destroy(handle);
    EXPECT_EQ(getSerial(handle, serial.data()), -6);
}

} // namespace
