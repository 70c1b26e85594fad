#include "emulator_fixture.h"

#include "emulator/handlers/frame_scan.h"

#include <cstdlib>
#include <filesystem>

namespace emutest {

std::string transportName(const ::testing::TestParamInfo<Transport>& info) {
    return info.param == Transport::Tcp ? "Tcp" : "Pty";
}

emulator::Profile shippedProfile(const std::string& name) {
    std::string error;
    std::optional<emulator::Profile> profile =
        emulator::loadProfile(std::string(EMULATOR_PROFILES_DIR "/") + name, error);
    EXPECT_TRUE(profile.has_value()) << error;
    return profile.value_or(emulator::defaultProfile());
}

Bytes privateFrame(const std::string& verb, const std::string& text) {
    Bytes frame = emulator::kPrivatePrefix;
    for (const char c : verb + text + "\r\n") {
        frame.push_back(static_cast<uint8_t>(c));
    }
    return frame;
}

Bytes keyFrame(const std::string& verb, uint8_t group, uint16_t id, uint8_t length, const Bytes& value) {
    Bytes frame = privateFrame(verb, "");
    frame.insert(frame.end(),
                 {group, static_cast<uint8_t>(id & 0xFF), static_cast<uint8_t>(id >> 8), length});
    frame.insert(frame.end(), value.begin(), value.end());
    return frame;
}

PrinterConnection::PrinterConnection(emulator::Profile profile, emulator::EmulatorOptions options)
    : printer_(std::make_unique<emulator::Emulator>(std::move(profile), std::move(options))) {
    std::string error;
    EXPECT_TRUE(printer_->listenTcp("127.0.0.1", 0, error)) << error;
    EXPECT_TRUE(printer_->openPty(error)) << error;
    EXPECT_TRUE(printer_->start(error)) << error;
    EXPECT_EQ(PrinterCreator(&handle_, u"Vorlan"), 0);
}

PrinterConnection::~PrinterConnection() {
    if (handle_ != nullptr) {
        PrinterDestroy(handle_);
    }
    printer_->stop();
}

std::u16string PrinterConnection::address(Transport transport) const {
    const std::string text = transport == Transport::Tcp
                                 ? "NET,127.0.0.1," + std::to_string(printer_->tcpPort())
                                 : printer_->ptyPath() + ",BAUDRATE_9600";
    return std::u16string(text.begin(), text.end());
}

void PrinterConnection::open(Transport transport) {
    ASSERT_EQ(PortOpen(handle_, address(transport).c_str()), 0);
}

void PrinterConnection::close() {
    PortClose(handle_);
}

void PrinterConnection::write(const Bytes& bytes) {
    ASSERT_EQ(WriteData(handle_, bytes.data(), static_cast<int>(bytes.size())), 0);
}

Bytes PrinterConnection::read(int length, int* result) {
    Bytes buffer(static_cast<size_t>(length));
    int got = 0;
    const int r = ReadData(handle_, buffer.data(), length, &got);
    if (result != nullptr) {
        *result = r;
    }
    buffer.resize(static_cast<size_t>(std::max(got, 0)));
    return buffer;
}

Bytes PrinterConnection::getval(const std::string& key) {
    write(privateFrame("getval ", "\"" + key + "\""));
    return read(512);
}

void ExchangeTest::SetUp() {
    start(shippedProfile("kavo_tspl.profile"));
}

void ExchangeTest::start(emulator::Profile profile, emulator::EmulatorOptions options) {
    connection_.reset();
    connection_ = std::make_unique<PrinterConnection>(std::move(profile), std::move(options));
    connection_->open(GetParam());
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "emulator-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) {
        folder_ = pattern;
    }
    EXPECT_FALSE(folder_.empty());
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

} // namespace emutest
