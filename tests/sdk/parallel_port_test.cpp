// Parallel ports over a pseudo-terminal: byte-wise reads, their budget, and
// the read-enabled switch.
#include "cobrix.h"
#include "port_ops.h"
#include "pty_pair.h"
#include "sdk_test_helpers.h"

#include <gtest/gtest.h>
#include <memory>
#include <thread>

using sdktest::elapsedMs;
using testsupport::PtyPair;

namespace {

std::string lptAddress(const PtyPair& pty) {
    return "ostrel:/dev/bus/LPT/" + pty.path();
}

TEST(ParallelPort, WritesAndReadsThroughTheApi) {
    PtyPair pty;
    sdktest::Printer printer;
    ASSERT_EQ(printer.open(lptAddress(pty)), 0);
    ASSERT_EQ(printer.write("PRINT 1\r\n"), 0);
    const std::vector<uint8_t> seen = pty.readDevice(9);
    EXPECT_EQ(std::string(seen.begin(), seen.end()), "PRINT 1\r\n");

    pty.writeDevice("ok!");
    unsigned char buffer[3];
    int count = 0;
    EXPECT_EQ(ReadData(printer.get(), buffer, 3, &count), 0);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(std::string(buffer, buffer + 3), "ok!");
}

TEST(ParallelPort, ShortReplyRunsOutOfBudget) {
    PtyPair pty;
    sdktest::Printer printer;
    ASSERT_EQ(printer.open(lptAddress(pty)), 0);
    pty.writeDevice("ab");
    unsigned char buffer[4];
    int count = 0;
    const long long ms = elapsedMs([&] { EXPECT_EQ(ReadData(printer.get(), buffer, 4, &count), -332); });
    EXPECT_EQ(count, 2);
    EXPECT_GE(ms, 2000) << "5 ms per byte plus 2000 ms";
    EXPECT_LT(ms, 3000);
}

TEST(ParallelPort, ReadEnabledSwitch) {
    PtyPair pty;
    std::unique_ptr<cobrix::PortObject> port;
    ASSERT_EQ(cobrix::createPort(port, lptAddress(pty).c_str()), 0);
    EXPECT_EQ(port->kind, cobrix::PortKind::Parallel);
    ASSERT_EQ(port->ops->open(), 0);

    uint8_t flag = 0xFF;
    int length = 0;
    ASSERT_EQ(port->ops->control(2, nullptr, 0, &flag, 1, &length), 0);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(length, 1);
    const uint8_t off = 0;
    ASSERT_EQ(port->ops->control(1, &off, 1, nullptr, 0, nullptr), 0);
    ASSERT_EQ(port->ops->control(2, nullptr, 0, &flag, 1, &length), 0);
    EXPECT_EQ(flag, 0);

    uint8_t buffer[4];
    int got = 0;
    EXPECT_EQ(port->ops->read(buffer, 0, 4, &got), -7);
    EXPECT_EQ(port->ops->readPending(buffer, 0, 4, &got), -7);
    EXPECT_EQ(port->ops->control(1, nullptr, 0, nullptr, 0, nullptr), -1) << "no input byte";
    EXPECT_EQ(port->ops->control(2, nullptr, 0, nullptr, 0, nullptr), -2) << "no room for the flag";
    EXPECT_EQ(port->ops->control(3, nullptr, 0, nullptr, 0, nullptr), -7);

    const uint8_t on = 1;
    ASSERT_EQ(port->ops->control(1, &on, 1, nullptr, 0, nullptr), 0);
    EXPECT_EQ(port->ops->readPending(buffer, 0, 4, &got), 0);
    EXPECT_EQ(got, 0) << "nothing waiting";
    pty.writeDevice("xyz");
    int total = 0;
    for (int attempt = 0; attempt < 100 && total < 3; ++attempt) {
        ASSERT_EQ(port->ops->readPending(buffer, total, 4, &got), 0);
        total += got;
        if (total < 3) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    EXPECT_EQ(total, 3);
    EXPECT_EQ(std::string(buffer, buffer + 3), "xyz");
}

} // namespace
