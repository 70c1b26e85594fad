// Network ports against loopback servers: replies, time-outs, reconnects,
// refused and unanswered connects, framed reads and DirectIO.
#include "cobrix.h"
#include "loopback_server.h"
#include "port_ops.h"
#include "sdk_test_helpers.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using sdktest::elapsedMs;
using sdktest::Printer;
using testsupport::LoopbackServer;

namespace {

std::vector<uint8_t> bytes(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

// Answers every received "?" with `reply`.
LoopbackServer::Responder answer(const std::string& reply) {
    return [reply](const std::vector<uint8_t>& received) {
        return !received.empty() && received.back() == '?' ? bytes(reply) : std::vector<uint8_t>{};
    };
}

TEST(NetworkPort, ShortReplyGivesReadTimeoutWithTheCount) {
    LoopbackServer server(answer(std::string(20, 'r')));
    Printer printer;
    ASSERT_EQ(printer.open(server.commaAddress()), 0);
    ASSERT_EQ(printer.write("?"), 0);
    std::vector<unsigned char> buffer(512);
    int count = 0;
    const long long ms =
        elapsedMs([&] { EXPECT_EQ(ReadData(printer.get(), buffer.data(), 512, &count), -332); });
    EXPECT_EQ(count, 20);
    EXPECT_LT(ms, 1000) << "10 ms after the last byte, not the first-byte wait";
}

TEST(NetworkPort, FullReplyAndSilence) {
    LoopbackServer server(answer("0123456789"));
    Printer printer;
    ASSERT_EQ(printer.open(server.commaAddress()), 0);
    ASSERT_EQ(printer.write("?"), 0);
    unsigned char buffer[10];
    int count = 0;
    EXPECT_EQ(ReadData(printer.get(), buffer, 10, &count), 0);
    EXPECT_EQ(sdktest::text(std::vector<unsigned char>(buffer, buffer + 10), count), "0123456789");

    const long long ms = elapsedMs([&] { EXPECT_EQ(ReadData(printer.get(), buffer, 10, &count), -332); });
    EXPECT_EQ(count, 0);
    EXPECT_GE(ms, 1900);
    EXPECT_LT(ms, 2600);
}

TEST(NetworkPort, PortNumberForms) {
    LoopbackServer server;
    char hex[16];
    char octal[16];
    std::snprintf(hex, sizeof(hex), "0x%X", server.port());
    std::snprintf(octal, sizeof(octal), "0%o", server.port());
    for (const std::string& port :
         {std::to_string(server.port()), std::string(hex), std::string(octal),
          std::to_string(server.port() + 65536), std::to_string(server.port()) + "junk"}) {
        SCOPED_TRACE(port);
        Printer printer;
        EXPECT_EQ(printer.open("NET,127.0.0.1," + port), 0);
    }
}

TEST(NetworkPort, ReconnectsAfterThePrinterClosed) {
    LoopbackServer server;
    Printer printer;
    ASSERT_EQ(printer.open(server.commaAddress()), 0);
    ASSERT_EQ(printer.write("one"), 0);
    ASSERT_TRUE(server.waitForBytes(3));
    server.dropClient();
    std::this_thread::sleep_for(std::chrono::milliseconds(50)); // let the FIN arrive
    ASSERT_EQ(printer.write("two"), 0);
    ASSERT_TRUE(server.waitForBytes(6));
    EXPECT_EQ(server.connections(), 2);
    const std::vector<uint8_t> all = server.received();
    EXPECT_EQ(std::string(all.begin(), all.end()), "onetwo");
}

TEST(NetworkPort, ReadAfterThePrinterClosedReconnects) {
    LoopbackServer server(answer("hi"));
    Printer printer;
    ASSERT_EQ(printer.open(server.commaAddress()), 0);
    ASSERT_TRUE(server.waitForConnections(1));
    server.dropClient();
    unsigned char buffer[4];
    int count = 0;
    EXPECT_EQ(ReadData(printer.get(), buffer, 4, &count), 0) << "the reconnect's result";
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(server.waitForConnections(2));
    ASSERT_EQ(printer.write("?"), 0);
    EXPECT_EQ(ReadData(printer.get(), buffer, 2, &count), 0);
    EXPECT_EQ(count, 2);
}

uint16_t unusedPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address));
    socklen_t length = sizeof(address);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

TEST(NetworkPort, RefusedConnection) {
    Printer printer;
    EXPECT_EQ(printer.open("NET,127.0.0.1," + std::to_string(unusedPort())), 10061);
}

// A listener whose accept queue is full drops new connection requests, so
// the connect never completes: two attempts of 200 ms each.
TEST(NetworkPort, UnansweredConnectTimesOutTwice) {
    LoopbackServer full({}, 0, false);
    std::vector<int> fillers;
    for (int i = 0; i < 4; ++i) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(full.port());
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        fillers.push_back(fd);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    Printer printer;
    const long long ms = elapsedMs([&] { EXPECT_EQ(printer.open(full.commaAddress()), -311); });
    EXPECT_GE(ms, 380);
    EXPECT_LT(ms, 1500);
    for (int fd : fillers) {
        ::close(fd);
    }
}

TEST(NetworkPort, OpeningTwiceIsRefused) {
    LoopbackServer server;
    std::unique_ptr<cobrix::PortObject> port;
    ASSERT_EQ(cobrix::createPort(port, server.commaAddress().c_str()), 0);
    EXPECT_EQ(port->kind, cobrix::PortKind::Network);
    ASSERT_EQ(port->ops->open(), 0);
    EXPECT_EQ(port->ops->open(), -310);
    EXPECT_EQ(port->ops->checkOpen(), 0);
    ASSERT_EQ(port->ops->close(), 0);
    EXPECT_EQ(port->ops->open(), 0) << "open again after close";
}

TEST(NetworkPort, ReadDataEofFraming) {
    struct Case {
        std::string reply;
        unsigned char begin;
        unsigned char end;
        int capacity;
        int result;
        std::string stored;
    };
    const Case cases[] = {
        {std::string("ab\0cd", 5), 0, 0, 32, 0, std::string("ab\0", 3)},
        {"xx[payload]yy", '[', ']', 32, 0, "payload]"},
        {"[abcdefghijklmnop]", '[', ']', 5, -332, "abcde"},
        {"no markers here", '[', ']', 32, -332, ""},
        {"[[nested]", '[', ']', 32, 0, "[nested]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply);
        LoopbackServer server(answer(c.reply));
        Printer printer;
        ASSERT_EQ(printer.open(server.commaAddress()), 0);
        ASSERT_EQ(printer.write("?"), 0);
        ASSERT_TRUE(server.waitForBytes(1));
        std::vector<unsigned char> buffer(static_cast<size_t>(c.capacity) + 8, '#');
        int count = -1;
        const long long ms = elapsedMs([&] {
            EXPECT_EQ(ReadDataEOF(printer.get(), buffer.data(), 4, 4 + c.capacity, c.begin, c.end, &count),
                      c.result);
        });
        EXPECT_EQ(std::string(buffer.begin() + 4, buffer.begin() + 4 + count), c.stored);
        EXPECT_EQ(buffer[3], '#') << "nothing before start";
        EXPECT_EQ(buffer[static_cast<size_t>(4 + c.capacity)], '#') << "nothing past end";
        if (c.result == 0) {
            EXPECT_LT(ms, 500) << "the end byte ends the call at once";
        } else {
            EXPECT_GE(ms, 1000) << "eleven looks, 100 ms apart";
        }
    }
}

TEST(NetworkPort, DirectIo) {
    LoopbackServer server(answer("pong"));
    Printer printer;
    ASSERT_EQ(printer.open(server.commaAddress()), 0);
    const unsigned char ping[] = {'p', 'i', 'n', 'g', '?'};
    unsigned char buffer[4];
    int count = 0;
    EXPECT_EQ(DirectIO(printer.get(), ping, 5, buffer, 4, &count), 0);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(std::string(buffer, buffer + 4), "pong");
    EXPECT_EQ(DirectIO(printer.get(), ping, 5, nullptr, 0, nullptr), 0) << "write only";
    ASSERT_EQ(PortClose(printer.get()), 0);
    EXPECT_EQ(DirectIO(printer.get(), ping, 5, buffer, 4, &count), -309);
}

TEST(BluetoothPort, OpenWithoutAnAdapterFailsClearly) {
    Printer printer;
    const int result = printer.open("BT,001122334455");
    EXPECT_GT(result, 0) << "a system code, such as no Bluetooth support or no route";
    char16_t text[256];
    EXPECT_EQ(FormatError(result, 0, text, 0, sizeof(text)), 0);
    EXPECT_NE(text[0], u'\0');
}

} // namespace
