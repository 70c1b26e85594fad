// Serial ports over a pseudo-terminal: line settings seen from the other
// side, data both ways, read time-outs, exclusive opening.
#include "cobrix.h"
#include "port_ops.h"
#include "pty_pair.h"
#include "sdk_test_helpers.h"
#include "serial_port.h"

#include <gtest/gtest.h>
#include <termios.h>
#include <vector>

using sdktest::elapsedMs;
using sdktest::Printer;
using testsupport::PtyPair;

namespace {

// Data bits and parity as composed for the device. (A pseudo-terminal
// always reports eight bits without parity, so they are checked here.)
TEST(SerialPort, ComposedLineSettings) {
    struct Case {
        int parity;
        int byteSize;
        tcflag_t size;
        tcflag_t parityBits;
    };
    const Case cases[] = {
        {0, 8, CS8, 0},
        {1, 7, CS7, PARENB | PARODD},
        {2, 6, CS6, PARENB},
        {3, 5, CS5, PARENB | PARODD | CMSPAR},
        {4, 8, CS8, PARENB | CMSPAR},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.parity);
        termios t{};
        t.c_cflag = CRTSCTS | PARENB | CSTOPB;
        t.c_iflag = IXON;
        cobrix::composeLineSettings(t, 9600, c.parity, c.byteSize, 0, 0);
        EXPECT_EQ(t.c_cflag & CSIZE, c.size);
        EXPECT_EQ(t.c_cflag & (PARENB | PARODD | CMSPAR), c.parityBits);
        EXPECT_EQ(t.c_cflag & (CSTOPB | CRTSCTS), 0u) << "flow control n clears the handshakes";
        EXPECT_EQ(t.c_iflag & IXON, 0u);
    }
}

struct LineCase {
    const char* options; // appended to "<path>,"
    speed_t speed;
    bool twoStopBits;
    bool rtsCts;
    bool xonXoff;
};

// Speed, stop bits and flow control, as the device side sees them.
TEST(SerialPort, LineSettingsReachTheDevice) {
    const LineCase cases[] = {
        {"9600", B9600, false, false, false},           {"BAUDRATE_1200,o,7,2,c", B1200, true, true, false},
        {"2400,e,6,1.5,x", B2400, true, false, true},   {"4800,m,5,1,p", B4800, false, true, false},
        {"19200,s,8,1,d", B19200, false, false, false}, {"38400,N,8,1,N", B38400, false, false, false},
        {"57600", B57600, false, false, false},         {"115200,n,8,2,X", B115200, true, false, true},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.options);
        PtyPair pty;
        Printer printer;
        ASSERT_EQ(printer.open(pty.path() + "," + c.options), 0);
        const termios t = pty.settings();
        EXPECT_EQ(cfgetospeed(&t), c.speed);
        EXPECT_EQ((t.c_cflag & CSTOPB) != 0, c.twoStopBits);
        EXPECT_EQ((t.c_cflag & CRTSCTS) != 0, c.rtsCts);
        EXPECT_EQ(t.c_iflag & (IXON | IXOFF), c.xonXoff ? (IXON | IXOFF) : 0u);
        EXPECT_EQ(t.c_lflag & (ICANON | ECHO), 0u) << "raw mode";
    }
}

TEST(SerialPort, DataBothWays) {
    PtyPair pty;
    Printer printer;
    ASSERT_EQ(printer.open(pty.path() + ",9600"), 0);
    ASSERT_EQ(printer.write("SELFTEST\r\n"), 0);
    const std::vector<uint8_t> seen = pty.readDevice(10);
    EXPECT_EQ(std::string(seen.begin(), seen.end()), "SELFTEST\r\n");

    pty.writeDevice("reply");
    std::vector<unsigned char> buffer(64);
    int count = 0;
    const long long ms = elapsedMs([&] { EXPECT_EQ(ReadData(printer.get(), buffer.data(), 64, &count), 0); });
    EXPECT_EQ(sdktest::text(buffer, count), "reply");
    EXPECT_LT(ms, 1000) << "a pause after the last byte ends the read";

    // A large write goes out in chunks and arrives whole.
    std::string big(20000, 'x');
    for (size_t i = 0; i < big.size(); ++i) {
        big[i] = static_cast<char>('a' + i % 26);
    }
    std::vector<uint8_t> arrived;
    std::thread reader([&] { arrived = pty.readDevice(big.size(), 5000); });
    EXPECT_EQ(printer.write(big), 0);
    reader.join();
    EXPECT_EQ(std::string(arrived.begin(), arrived.end()), big);
}

TEST(SerialPort, SilenceEndsTheReadAfterItsBudget) {
    PtyPair pty;
    Printer printer;
    ASSERT_EQ(printer.open(pty.path() + ",9600"), 0);
    unsigned char buffer[8];
    int count = -1;
    const long long ms = elapsedMs([&] { EXPECT_EQ(ReadData(printer.get(), buffer, 8, &count), 0); });
    EXPECT_EQ(count, 0);
    EXPECT_GE(ms, 2000) << "2000 ms plus 5 ms per byte asked for";
    EXPECT_LT(ms, 3000);
}

TEST(SerialPort, ReadDataEofCollectsAFrame) {
    PtyPair pty;
    Printer printer;
    ASSERT_EQ(printer.open(pty.path() + ",115200"), 0);
    pty.writeDevice(std::string("noise\x02"
                                "ABC\x03tail"));
    std::vector<unsigned char> buffer(32, 0);
    int count = 0;
    EXPECT_EQ(ReadDataEOF(printer.get(), buffer.data(), 4, 32, 0x02, 0x03, &count), 0);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(std::string(buffer.begin() + 4, buffer.begin() + 8), "ABC\x03");
}

TEST(SerialPort, SecondOpenerIsRefused) {
    PtyPair pty;
    Printer first;
    Printer second;
    ASSERT_EQ(first.open(pty.path() + ",9600"), 0);
    EXPECT_EQ(second.open(pty.path() + ",9600"), 5);
    ASSERT_EQ(PortClose(first.get()), 0);
    EXPECT_EQ(second.open(pty.path() + ",9600"), 0) << "free again once closed";
}

TEST(SerialPort, MissingDeviceAndClosedPort) {
    Printer printer;
    EXPECT_EQ(printer.open("/dev/ttyNoSuchPort9,9600"), 2);
    EXPECT_EQ(printer.write("x"), -309) << "the failed open left a closed port";
    PtyPair pty;
    ASSERT_EQ(printer.open(pty.path() + ",9600"), 0);
    ASSERT_EQ(PortClose(printer.get()), 0);
    EXPECT_EQ(printer.write("x"), -309);
    unsigned char buffer[4];
    int count = 0;
    EXPECT_EQ(ReadData(printer.get(), buffer, 4, &count), -309);
}

// The write budget grows for slow lines: 4096 bytes at 1200 baud take 27 s.
TEST(SerialPort, AutomaticWriteTimeout) {
    struct Case {
        const char* baud;
        int64_t writeConstant;
    };
    for (const Case c : {Case{"1200", 16200}, Case{"2400", 7800}, Case{"9600", 2000}, Case{"115200", 2000}}) {
        SCOPED_TRACE(c.baud);
        PtyPair pty;
        std::unique_ptr<cobrix::PortObject> port;
        ASSERT_EQ(cobrix::createPort(port, (pty.path() + "," + c.baud).c_str()), 0);
        ASSERT_EQ(port->ops->open(), 0);
        auto* serial = dynamic_cast<cobrix::SerialPort*>(port->ops.get());
        ASSERT_NE(serial, nullptr);
        EXPECT_EQ(serial->writeConstantMs(), c.writeConstant);

        std::unique_ptr<cobrix::PortObject> manual;
        ASSERT_EQ(cobrix::createPort(manual, (pty.path() + "," + c.baud).c_str()), 0);
        ASSERT_EQ(manual->ops->setTimeouts(2000, 10, 3000), 0);
        ASSERT_EQ(port->ops->close(), 0);
        ASSERT_EQ(manual->ops->open(), 0);
        EXPECT_EQ(dynamic_cast<cobrix::SerialPort*>(manual->ops.get())->writeConstantMs(), 3000)
            << "set timeouts switch the automatic rule off";
    }
}

TEST(SerialPort, OperationTableAnswers) {
    PtyPair pty;
    std::unique_ptr<cobrix::PortObject> port;
    ASSERT_EQ(cobrix::createPort(port, (pty.path() + ",9600").c_str()), 0);
    EXPECT_EQ(port->kind, cobrix::PortKind::Serial);
    EXPECT_EQ(port->ops->checkOpen(), -309);
    char address[256];
    int length = 0;
    ASSERT_EQ(port->ops->getAddress(address, sizeof(address), &length), 0);
    EXPECT_EQ(std::string(address), "ostrel:/dev/bus/COM/" + pty.path() +
                                        "?baudrate=9600+parity=n+bytesize=8+stopbits=1+flowcontrol=n");
    EXPECT_EQ(port->ops->getAddress(address, 10, &length), -2);
    ASSERT_EQ(port->ops->open(), 0);
    EXPECT_EQ(port->ops->checkOpen(), 0);
    EXPECT_EQ(port->ops->control(1, nullptr, 0, nullptr, 0, nullptr), -7);
    int64_t read = 0;
    int64_t gap = 0;
    int64_t write = 0;
    ASSERT_EQ(port->ops->getTimeouts(&read, &gap, &write), 0);
    EXPECT_EQ(read, 2000);
    EXPECT_EQ(gap, 10);

    pty.writeDevice("ab");
    unsigned char buffer[8];
    int got = 0;
    // read_pending looks briefly: at most 10 ms plus 1 ms per byte.
    const long long ms = elapsedMs([&] { EXPECT_EQ(port->ops->readPending(buffer, 2, 8, &got), 0); });
    EXPECT_EQ(got, 2);
    EXPECT_EQ(buffer[2], 'a');
    EXPECT_LT(ms, 500);
    EXPECT_EQ(port->ops->readPending(buffer, 0, 8, &got), 0);
    EXPECT_EQ(got, 0);
}

} // namespace
