// A CPCL printer on loopback TCP for the composition tests: a handle of a
// CPCL model whose port is open on a test server, and what the server got.
#pragma once

#include "cobrix.h"
#include "emulator/cpcl/cpcl_job_recorder.h"
#include "loopback_server.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace cpcltest {

class CpclPrinterTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Opens `model` on the test server (replacing the handle made by SetUp).
    void recreate(const char16_t* model);

    // The next `count` bytes the printer receives (fewer when they do not
    // arrive in time).
    std::vector<uint8_t> nextBytes(size_t count);
    std::string nextText(size_t count);
    // Expects the next bytes received to be exactly `expected`.
    void expectNext(const std::string& expected);
    // Expects nothing to have been sent since: the next call's own command
    // is the next thing received.
    void expectNothingSent();
    // Every CPCL command received so far, decoded; waits up to 3 s for at
    // least `commands` of them.
    emulator::cpcl::JobRecorder recordAll(size_t commands = 0);
    // The graphics commands received after the last expectNext or nextBytes.
    std::vector<emulator::cpcl::Graphic> nextGraphics(size_t count = 1);

    // A fresh folder for image files, removed with the test.
    std::string tempPath(const std::string& name);

    std::unique_ptr<testsupport::LoopbackServer> server_;
    PrinterHandle handle_ = nullptr;
    size_t consumed_ = 0;
    std::string tempFolder_;
};

} // namespace cpcltest
