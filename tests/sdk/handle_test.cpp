// Printer handles: creation, destruction, and every entry point's answer to
// bad handles, missing ports and bad arguments.
#include "cobrix.h"
#include "loopback_server.h"
#include "sdk_test_helpers.h"

#include <gtest/gtest.h>
#include <string>

using sdktest::Printer;
using sdktest::u16;

namespace {

TEST(PrinterHandle, CreatorChecksTheModelName) {
    struct Case {
        const char16_t* model;
        int result;
    };
    const Case cases[] = {
        {u"Vorlan", 0}, {u"Corla", 0}, {u"vorlan", -8},  {u"VORLAN", -8},       {u"NoSuchModel", -8},
        {u"", -8},      {nullptr, -8}, {u"Vorlan ", -8}, {u"Vorlan\u4e2d", -8},
    };
    for (const Case& c : cases) {
        PrinterHandle handle = reinterpret_cast<PrinterHandle>(0x1);
        EXPECT_EQ(PrinterCreator(&handle, c.model), c.result);
        if (c.result == 0) {
            EXPECT_NE(handle, nullptr);
            EXPECT_EQ(PrinterDestroy(handle), 0);
        } else {
            EXPECT_EQ(handle, nullptr) << "the out handle is cleared on failure";
        }
    }
    EXPECT_EQ(PrinterCreator(nullptr, u"Vorlan"), -1);
    const std::u16string tooLong(32, u'V');
    PrinterHandle handle = nullptr;
    EXPECT_EQ(PrinterCreator(&handle, tooLong.c_str()), -8);
    const std::u16string huge(100000, u'V');
    EXPECT_EQ(PrinterCreator(&handle, huge.c_str()), -8);

    PrinterHandle made = PrinterCreatorS(u"Dunmore");
    EXPECT_NE(made, nullptr);
    EXPECT_EQ(PrinterDestroy(made), 0);
    EXPECT_EQ(PrinterCreatorS(u"dunmore"), nullptr);
    EXPECT_EQ(PrinterCreatorS(nullptr), nullptr);
}

TEST(PrinterHandle, BadAndDestroyedHandlesAnswerMinus6) {
    PrinterHandle destroyed = nullptr;
    ASSERT_EQ(PrinterCreator(&destroyed, u"Vorlan"), 0);
    ASSERT_EQ(PrinterDestroy(destroyed), 0);
    int stackWord = 544;
    const PrinterHandle foreign = reinterpret_cast<PrinterHandle>(&stackWord);

    unsigned char buffer[16] = {};
    int count = -1;
    for (PrinterHandle bad : {static_cast<PrinterHandle>(nullptr), destroyed, foreign}) {
        EXPECT_EQ(PrinterDestroy(bad), -6);
        EXPECT_EQ(PortOpen(bad, u"NET,127.0.0.1"), -6);
        EXPECT_EQ(DriverPortOpen(bad, u"queue"), -6);
        EXPECT_EQ(PortClose(bad), -6);
        EXPECT_EQ(WriteData(bad, buffer, 4), -6);
        EXPECT_EQ(ReadData(bad, buffer, 4, &count), -6);
        EXPECT_EQ(count, 0);
        EXPECT_EQ(ReadDataEOF(bad, buffer, 0, 16, 0, 0, &count), -6);
        EXPECT_EQ(DirectIO(bad, buffer, 4, nullptr, 0, nullptr), -6);
        EXPECT_EQ(DirectIO(bad, nullptr, 0, nullptr, 0, nullptr), 0) << "nothing to do: 0 at once";
    }
}

TEST(PrinterHandle, NoPortAndBadArguments) {
    Printer printer;
    unsigned char buffer[16] = {};
    int count = -1;
    EXPECT_EQ(PortClose(printer.get()), -309);
    EXPECT_EQ(WriteData(printer.get(), buffer, 4), -309);
    EXPECT_EQ(ReadData(printer.get(), buffer, 4, &count), -309);
    EXPECT_EQ(ReadDataEOF(printer.get(), buffer, 0, 16, 0, 0, &count), -309);
    EXPECT_EQ(DirectIO(printer.get(), buffer, 4, buffer, 4, &count), -309);

    EXPECT_EQ(WriteData(printer.get(), nullptr, 4), -1);
    EXPECT_EQ(WriteData(printer.get(), buffer, -1), -1);
    EXPECT_EQ(ReadData(printer.get(), nullptr, 4, &count), -1);
    EXPECT_EQ(ReadData(printer.get(), buffer, 4, nullptr), -1);
    EXPECT_EQ(ReadData(printer.get(), buffer, -4, &count), -1);
    EXPECT_EQ(ReadDataEOF(printer.get(), buffer, 8, 4, 0, 0, &count), -1);
    EXPECT_EQ(ReadDataEOF(printer.get(), buffer, -1, 4, 0, 0, &count), -1);
    EXPECT_EQ(ReadDataEOF(printer.get(), nullptr, 0, 4, 0, 0, &count), -1);
    EXPECT_EQ(ReadDataEOF(printer.get(), buffer, 0, 4, 0, 0, nullptr), -1);
    EXPECT_EQ(PortOpen(printer.get(), nullptr), -1);
    EXPECT_EQ(DriverPortOpen(printer.get(), nullptr), -1);
    const std::u16string longQueue(260, u'q');
    EXPECT_EQ(DriverPortOpen(printer.get(), longQueue.c_str()), -1);
}

TEST(PrinterHandle, PortCloseTwiceAndReopen) {
    testsupport::LoopbackServer server;
    Printer printer;
    ASSERT_EQ(printer.open(server.commaAddress()), 0);
    EXPECT_EQ(PortClose(printer.get()), 0);
    EXPECT_EQ(PortClose(printer.get()), -309);
    ASSERT_EQ(printer.open(server.commaAddress()), 0);
    EXPECT_EQ(printer.write("again"), 0);
    EXPECT_TRUE(server.waitForBytes(5));
}

TEST(PrinterHandle, PortOpenReplacesThePort) {
    testsupport::LoopbackServer first;
    testsupport::LoopbackServer second;
    Printer printer;
    ASSERT_EQ(printer.open(first.commaAddress()), 0);
    ASSERT_EQ(printer.open(second.commaAddress()), 0);
    EXPECT_EQ(printer.write("to-second"), 0);
    ASSERT_TRUE(second.waitForBytes(9));
    EXPECT_TRUE(first.received().empty());

    EXPECT_EQ(printer.open("COM1,9601"), -351) << "a bad address replaces the port with none";
    EXPECT_EQ(printer.write("x"), -309);
    EXPECT_EQ(PortClose(printer.get()), -309);
}

TEST(PrinterHandle, DestroyClosesTheOpenPort) {
    testsupport::LoopbackServer server;
    PrinterHandle handle = nullptr;
    ASSERT_EQ(PrinterCreator(&handle, u"Vorlan"), 0);
    ASSERT_EQ(PortOpen(handle, u16(server.commaAddress()).c_str()), 0);
    ASSERT_TRUE(server.waitForConnections(1));
    EXPECT_EQ(PrinterDestroy(handle), 0);
    // The server sees the connection end and is free for the next client.
    Printer next;
    ASSERT_EQ(next.open(server.commaAddress()), 0);
    EXPECT_EQ(next.write("n"), 0);
    EXPECT_TRUE(server.waitForConnections(2));
}

} // namespace
