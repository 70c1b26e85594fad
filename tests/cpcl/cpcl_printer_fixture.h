// A CPCL printer for the composition tests: the project's printer emulator
// with a CPCL profile on loopback TCP, and a handle of a CPCL model whose
// port is open on it.
#pragma once

#include "cobrix.h"
#include "emulator/cpcl/cpcl_job_recorder.h"
#include "emulator/emulator.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace cpcltest {

class CpclPrinterTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A CPCL printer starts listening; the handle's port is not touched.
    void startPrinter();
    // The printer goes away: its connections close and nobody listens any more.
    void stopPrinter() { printer_.reset(); }
    // Opens the handle's port on the printer.
    int openPort();
    // Opens `model` on the printer (replacing the handle made by SetUp).
    void recreate(const char16_t* model);

    // The next `count` bytes the printer recorded (fewer when they do not
    // arrive in time).
    std::vector<uint8_t> nextBytes(size_t count);
    std::string nextText(size_t count);
    // Expects the next bytes received to be exactly `expected`.
    void expectNext(const std::string& expected);
    // Expects nothing to have been sent since: the next call's own command
    // is the next thing received.
    void expectNothingSent();
    // Every CPCL command the printer recorded, decoded by the job recorder;
    // waits up to 3 s for at least `commands` of them.
    emulator::cpcl::JobRecorder recordAll(size_t commands = 0);
    // The graphics commands among the next `count` commands recorded.
    std::vector<emulator::cpcl::Graphic> nextGraphics(size_t count = 1);

    // A file path in a fresh folder removed with the test.
    std::string tempPath(const std::string& name);

    std::unique_ptr<emulator::Emulator> printer_;
    PrinterHandle handle_ = nullptr;
    size_t consumed_ = 0; // bytes of the printer's records already looked at
    std::string tempFolder_;

  private:
    // The bytes of every record so far, once they hold at least `count` bytes
    // (or after 3 s).
    std::vector<uint8_t> recordedBytes(size_t count);
    std::vector<uint8_t> allRecordedBytes() const;
};

} // namespace cpcltest
