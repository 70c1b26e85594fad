// How the printer takes its byte stream: any split, several frames at once,
// unknown bytes, cut frames, one client after another, extra handlers.

#include "emulator_fixture.h"

#include "emulator/core/exchange.h"
#include "emulator/handlers/frame_scan.h"

namespace emutest {
namespace {

using emulator::bytesOf;
using emulator::ByteView;
using emulator::Record;

class ByteStreamTest : public ExchangeTest {};

Bytes join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

TEST_P(ByteStreamTest, FramesCutIntoSingleBytes) {
    const Bytes frames =
        join({privateFrame("setval ", "\"density\" \"11\""), keyFrame("setkey", 1, 5, 1, {0x42}),
              privateFrame("getval ", "\"density\""), keyFrame("getkey", 1, 5, 1)});
    for (const uint8_t byte : frames) {
        link().write({byte});
    }
    EXPECT_EQ(link().read(4), (Bytes{'1', '1', 0, 0x42}));
}

TEST_P(ByteStreamTest, SeveralFramesInOneWrite) {
    link().write(join({privateFrame("getval ", "\"dpi\""),
                       {0x1B, 0x1B, 0x08},
                       bytesOf("ZZZGETVERSION\r\n"),
                       keyFrame("getkey", 1, 312, 1),
                       bytesOf("SELFTEST\r\n")}));
    EXPECT_EQ(link().read(9), (Bytes{'2', '0', '3', 0, 1, 1, 3, 0, 3}));
    EXPECT_TRUE(printer().waitForCommand("self_test"));
}

TEST_P(ByteStreamTest, UnknownBytesAreRecordedRawAndTheNextFrameStillWorks) {
    link().write(join({bytesOf("SIZE 60 mm,40 mm\r\nCLS\r\n\x01\x02"), privateFrame("getval ", "\"ppl\"")}));
    EXPECT_EQ(link().read(4), (Bytes{'t', 's', 'c', 0}));
    std::vector<Bytes> raw;
    for (const Record& r : printer().records()) {
        if (r.command == "raw") {
            raw.push_back(r.received);
        }
    }
    EXPECT_EQ(raw, (std::vector<Bytes>{bytesOf("SIZE 60 mm,40 mm\r\n"), bytesOf("CLS\r\n"), Bytes{1, 2}}));
    EXPECT_EQ(printer().received().size(), 25u + privateFrame("getval ", "\"ppl\"").size());
}

TEST_P(ByteStreamTest, ARecognisedFrameInsideUnknownTextIsFound) {
    link().write(bytesOf("XYZZZCR\n"));
    EXPECT_EQ(link().read(256).size(), 256u);
    EXPECT_TRUE(printer().waitForCommand("raw"));
}

TEST_P(ByteStreamTest, ExtraHandlersPlugIn) {
    // An exchange added later: "PING" answers "PONG", and a "do" action
    // with a behaviour of its own ranks before the standard "do".
    struct Ping : emulator::Handler {
        std::string_view name() const override { return "ping"; }
        emulator::Scan scan(ByteView pending) const override {
            return emulator::scanTextCommand(pending, "PING");
        }
        void handle(ByteView, emulator::Exchange& exchange) override { exchange.reply(bytesOf("PONG")); }
    };
    struct Download : emulator::Handler {
        std::string_view name() const override { return "download"; }
        emulator::Scan scan(ByteView pending) const override {
            const emulator::Scan line = emulator::scanPrivateLine(pending, "do ");
            if (line.verdict != emulator::Scan::Verdict::Complete) {
                return line;
            }
            const auto key = emulator::splitKey(emulator::privateLineText(pending.first(line.length), "do "));
            return key.key == "download" ? line : emulator::Scan::noMatch();
        }
        void handle(ByteView, emulator::Exchange& exchange) override {
            exchange.describe("download");
            exchange.reply({0x06});
        }
    };
    printer().addHandler(std::make_shared<Ping>());
    printer().addHandler(std::make_shared<Download>(), emulator::kRankSpecific);
    link().write(join({bytesOf("PING\r\n"), privateFrame("do ", "\"download\" \"A.BMP\""),
                       privateFrame("do ", "\"print_test_page\"")}));
    EXPECT_EQ(link().read(5), (Bytes{'P', 'O', 'N', 'G', 0x06}));
    EXPECT_TRUE(printer().waitForCommand("do", "print_test_page"));
    EXPECT_TRUE(printer().waitForCommand("ping"));
}

INSTANTIATE_TEST_SUITE_P(Transports, ByteStreamTest, ::testing::Values(Transport::Tcp, Transport::Pty),
                         transportName);

TEST(ByteStreamCpcl, CpclPrintersRecordPageLanguageCommands) {
    const Bytes job =
        join({bytesOf("! 0 200 200 210 1\r\nTEXT 4 0 30 40 Hello\r\nCOMPRESSED-GRAPHICS 2 3 10 20 "),
              Bytes{0xFF, 0x00, 0x0F, 0xF0, 0xAA, 0x55}, bytesOf("PRINT\r\n")});
    PrinterConnection corla(shippedProfile("corla_cpcl.profile"));
    corla.open(Transport::Tcp);
    corla.write(job);
    ASSERT_TRUE(corla.printer().waitForCommand("cpcl", "PRINT"));
    std::vector<std::string> seen;
    for (const Record& r : corla.printer().records()) {
        if (r.command == "cpcl") {
            seen.push_back(r.key + "|" + r.value + "|" + r.note);
        }
    }
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "!|! 0 200 200 210 1|recognised", "TEXT|TEXT 4 0 30 40 Hello|recognised",
                        "COMPRESSED-GRAPHICS|COMPRESSED-GRAPHICS 2 3 10 20|graphic 16 x 3 "
                        "dots at 10,20",
                        "PRINT|PRINT|recognised"}));

    // A TSPL printer does not speak CPCL: the same bytes stay raw.
    PrinterConnection kavo(shippedProfile("kavo_tspl.profile"));
    kavo.open(Transport::Tcp);
    kavo.write(job);
    const Bytes end = bytesOf("PRINT\r\n");
    ASSERT_TRUE(kavo.printer().waitFor([&](const Record& r) {
        return r.received.size() >= end.size() && std::equal(end.rbegin(), end.rend(), r.received.rbegin());
    }));
    for (const Record& r : kavo.printer().records()) {
        EXPECT_TRUE(r.command == "raw" || r.command == "connect") << r.command;
    }
}

TEST(ByteStreamTcp, DisconnectInTheMiddleOfAFrameLeavesThePrinterSane) {
    PrinterConnection connection(shippedProfile("kavo_tspl.profile"));
    connection.open(Transport::Tcp);
    Bytes half = keyFrame("setkey", 1, 7, 4, {1, 2, 3, 4});
    half.resize(half.size() - 2);
    connection.write(half);
    connection.close();
    const auto discarded = connection.printer().waitForCommand("discarded");
    ASSERT_TRUE(discarded);
    EXPECT_EQ(discarded->key, "setkey");
    EXPECT_EQ(discarded->received, half);
    EXPECT_TRUE(connection.printer().waitForCommand("disconnect"));

    connection.open(Transport::Tcp);
    connection.write(keyFrame("getkey", 1, 7, 1));
    EXPECT_EQ(connection.read(1), Bytes{0}); // the cut setkey stored nothing
    EXPECT_FALSE(connection.printer().settings().keys.contains({1, 7}));
}

TEST(ByteStreamTcp, AWholeLabelIsTakenWhenTheClientLeavesRightAfterIt) {
    // A label needs no line end: closing at once after it is no cut frame.
    emulator::EmulatorOptions options;
    options.times.rawQuiet = std::chrono::milliseconds(60000); // only the leaving can end it
    PrinterConnection connection(shippedProfile("calder_zpl.profile"), options);
    connection.open(Transport::Tcp);
    const std::string label = "^XA^FO0,10^FDAB^FS^XZ";
    connection.writeText(label);
    connection.close();
    const auto job = connection.printer().waitForCommand("job");
    ASSERT_TRUE(job);
    EXPECT_EQ(job->value, label);
    EXPECT_FALSE(connection.printer().waitForCommand("discarded", {}, std::chrono::milliseconds(100)));
}

TEST(ByteStreamTcp, ClientsAreServedOneAfterAnother) {
    PrinterConnection first(shippedProfile("kavo_tspl.profile"));
    first.open(Transport::Tcp);
    PrinterHandle second = nullptr;
    ASSERT_EQ(PrinterCreator(&second, u"Vorlan"), 0);
    ASSERT_EQ(PortOpen(second, first.address(Transport::Tcp).c_str()), 0); // waits in the backlog
    const Bytes request = {0x1B, 0x1B, 0x08};
    ASSERT_EQ(WriteData(second, request.data(), 3), 0);
    EXPECT_EQ(first.getval("dpi"), (Bytes{'2', '0', '3', 0}));
    first.close();
    uint8_t language = 0xFF;
    int got = 0;
    EXPECT_EQ(ReadData(second, &language, 1, &got), 0);
    EXPECT_EQ(got, 1);
    EXPECT_EQ(language, 1);
    PrinterDestroy(second);
    int connects = 0;
    for (const Record& r : first.printer().records()) {
        connects += r.command == "connect" && r.link == "tcp";
    }
    EXPECT_EQ(connects, 2);
}

TEST(ByteStreamPty, AFrameThatStopsArrivingIsGivenUp) {
    emulator::EmulatorOptions options;
    options.times.frameTimeout = std::chrono::milliseconds(100);
    PrinterConnection connection(shippedProfile("kavo_tspl.profile"), options);
    connection.open(Transport::Pty);
    connection.writeText("ZZZCW ");
    connection.write(Bytes(100, 0x11));
    const auto incomplete = connection.printer().waitForCommand("incomplete");
    ASSERT_TRUE(incomplete);
    EXPECT_EQ(incomplete->key, "block_write");
    EXPECT_EQ(incomplete->received.size(), 106u);
    connection.write({0x1B, 0x1B, 0x08}); // the line is free again
    EXPECT_EQ(connection.read(1), Bytes{1});
}

} // namespace
} // namespace emutest
