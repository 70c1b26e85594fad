#include "cpcl_printer_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace cpcltest {

namespace {

std::u16string u16(const std::string& text) {
    return std::u16string(text.begin(), text.end());
}

} // namespace

void CpclPrinterTest::SetUp() {
    server_ = std::make_unique<testsupport::LoopbackServer>();
    recreate(u"Corla");
}

void CpclPrinterTest::TearDown() {
    PrinterDestroy(handle_);
    if (!tempFolder_.empty()) {
        std::filesystem::remove_all(tempFolder_);
    }
}

void CpclPrinterTest::recreate(const char16_t* model) {
    if (handle_ != nullptr) {
        PrinterDestroy(handle_);
        handle_ = nullptr;
    }
    ASSERT_EQ(PrinterCreator(&handle_, model), 0);
    ASSERT_EQ(PortOpen(handle_, u16(server_->commaAddress()).c_str()), 0);
}

std::vector<uint8_t> CpclPrinterTest::nextBytes(size_t count) {
    server_->waitForBytes(consumed_ + count);
    const std::vector<uint8_t> all = server_->received();
    const size_t end = std::min(all.size(), consumed_ + count);
    std::vector<uint8_t> out(all.begin() + static_cast<std::ptrdiff_t>(consumed_),
                             all.begin() + static_cast<std::ptrdiff_t>(end));
    consumed_ = end;
    return out;
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
    for (int attempt = 0;; ++attempt) {
        const std::vector<uint8_t> all = server_->received();
        emulator::cpcl::JobRecorder recorder;
        recorder.feed(all);
        if (recorder.commands().size() >= commands || attempt == 60) {
            recorder.finish();
            return recorder;
        }
        server_->waitForBytes(all.size() + 1, 50);
    }
}

std::vector<emulator::cpcl::Graphic> CpclPrinterTest::nextGraphics(size_t count) {
    emulator::cpcl::JobRecorder recorder;
    std::vector<emulator::cpcl::Graphic> graphics;
    // Bytes arrive in pieces: feed them until the graphics are complete.
    for (int attempt = 0; attempt < 100 && graphics.size() < count; ++attempt) {
        server_->waitForBytes(consumed_ + 1, 100);
        const std::vector<uint8_t> all = server_->received();
        recorder.feed(std::span<const uint8_t>(all).subspan(consumed_));
        consumed_ = all.size();
        graphics = recorder.graphics();
    }
    EXPECT_EQ(recorder.waitingBytes(), 0u);
    return graphics;
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
