#include "cpcl_printer_fixture.h"

#include "emulator/core/profile.h"

#include <cstdlib>
#include <filesystem>

namespace cpcltest {

namespace {

std::u16string u16(const std::string& text) {
    return std::u16string(text.begin(), text.end());
}

emulator::Profile cpclProfile() {
    std::string error;
    std::optional<emulator::Profile> profile =
        emulator::loadProfile(std::string(EMULATOR_PROFILES_DIR "/corla_cpcl.profile"), error);
    EXPECT_TRUE(profile.has_value()) << error;
    return profile.value_or(emulator::defaultProfile());
}

} // namespace

void CpclPrinterTest::SetUp() {
    startPrinter();
    recreate(u"Corla");
}

void CpclPrinterTest::TearDown() {
    PrinterDestroy(handle_);
    printer_.reset();
    if (!tempFolder_.empty()) {
        std::filesystem::remove_all(tempFolder_);
    }
}

void CpclPrinterTest::startPrinter() {
    printer_ = std::make_unique<emulator::Emulator>(cpclProfile());
    std::string error;
    ASSERT_TRUE(printer_->listenTcp("127.0.0.1", 0, error)) << error;
    ASSERT_TRUE(printer_->start(error)) << error;
    consumed_ = 0;
}

int CpclPrinterTest::openPort() {
    return PortOpen(handle_, u16("NET,127.0.0.1," + std::to_string(printer_->tcpPort())).c_str());
}

void CpclPrinterTest::recreate(const char16_t* model) {
    if (handle_ != nullptr) {
        PrinterDestroy(handle_);
        handle_ = nullptr;
    }
    ASSERT_EQ(PrinterCreator(&handle_, model), 0);
    ASSERT_EQ(openPort(), 0);
}

std::vector<uint8_t> CpclPrinterTest::recordedBytes(size_t count) {
    size_t seen = 0;
    printer_->waitFor([&](const emulator::Record& r) {
        seen += r.received.size();
        return seen >= count;
    });
    return allRecordedBytes();
}

std::vector<uint8_t> CpclPrinterTest::allRecordedBytes() const {
    std::vector<uint8_t> all;
    for (const emulator::Record& r : printer_->records()) {
        all.insert(all.end(), r.received.begin(), r.received.end());
    }
    return all;
}

std::vector<uint8_t> CpclPrinterTest::nextBytes(size_t count) {
    const std::vector<uint8_t> all = recordedBytes(consumed_ + count);
    const size_t start = std::min(all.size(), consumed_);
    const size_t end = std::min(all.size(), consumed_ + count);
    consumed_ = end;
    return std::vector<uint8_t>(all.begin() + static_cast<std::ptrdiff_t>(start),
                                all.begin() + static_cast<std::ptrdiff_t>(end));
}

std::string CpclPrinterTest::nextText(size_t count) {
    const std::vector<uint8_t> bytes = nextBytes(count);
    return std::string(bytes.begin(), bytes.end());
}

void CpclPrinterTest::expectNext(const std::string& expected) {
    EXPECT_EQ(nextText(expected.size()), expected);
}

void CpclPrinterTest::expectNothingSent() {
    ASSERT_EQ(CPCL_Print(handle_), 0);
    expectNext("PRINT\r\n");
}

emulator::cpcl::JobRecorder CpclPrinterTest::recordAll(size_t commands) {
    size_t cpclRecords = 0;
    printer_->waitFor([&](const emulator::Record& r) {
        cpclRecords += r.command == "cpcl" ? 1 : 0;
        return cpclRecords >= commands;
    });
    emulator::cpcl::JobRecorder recorder;
    for (const emulator::Record& r : printer_->records()) {
        recorder.feed(r.received);
    }
    recorder.finish();
    return recorder;
}

std::vector<emulator::cpcl::Graphic> CpclPrinterTest::nextGraphics(size_t count) {
    // Each graphics command is one record of the printer.
    std::vector<emulator::cpcl::Graphic> graphics;
    size_t seen = 0;
    printer_->waitFor([&](const emulator::Record& r) {
        seen += r.received.size();
        return seen > consumed_ && r.key.find("COMPRESSED-GRAPHICS") != std::string::npos && --count == 0;
    });
    emulator::cpcl::JobRecorder recorder;
    recorder.feed(nextBytes(allRecordedBytes().size() - consumed_));
    recorder.finish();
    EXPECT_EQ(recorder.waitingBytes(), 0u);
    return recorder.graphics();
}

std::string CpclPrinterTest::tempPath(const std::string& name) {
    if (tempFolder_.empty()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "cpcl-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            ADD_FAILURE() << "cannot make a temporary folder";
            return name;
        }
        tempFolder_ = pattern;
    }
    return tempFolder_ + "/" + name;
}

} // namespace cpcltest
