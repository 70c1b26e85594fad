// The list of requests the printer did not know: keys its profile lacks,
// read or written, unknown actions and verbs, unrecognised bytes.

#include "emulator_fixture.h"

#include <fstream>
#include <sstream>

namespace emutest {
namespace {

TEST(UnknownRequests, AreListedOnceEachInTheOrderFirstAskedAndLogged) {
    TempFolder folder;
    emulator::EmulatorOptions options;
    options.logPath = folder.path("log");
    {
        PrinterConnection connection(shippedProfile("kavo_tspl.profile"), options);
        connection.open(Transport::Tcp);
        struct Case {
            Bytes frame;
            const char* listedAs; // nullptr: a request the printer knows
        } cases[] = {
            {privateFrame("getval ", "\"density\""), nullptr},
            {privateFrame("getval ", "\"no_such_key\""), "getval no_such_key"},
            {privateFrame("setval ", "\"density\" \"8\""), nullptr},
            {privateFrame("setval ", "\"invented\" \"1\""), "setval invented"},
            {keyFrame("getkey", 1, 312, 1), nullptr},
            {keyFrame("getkey", 1, 999, 2), "getkey 1.999"},
            {keyFrame("setkey", 2, 7, 1, {5}), "setkey 2.7"},
            {privateFrame("do ", "\"print_test_page\""), nullptr},
            {privateFrame("do ", "\"frobnicate\""), "do frobnicate"},
            {privateFrame("wiggle ", "\"x\""), "private wiggle"},
            {privateFrame("getval ", "\"no_such_key\""), "getval no_such_key"}, // listed once
        };
        std::vector<std::string> expected;
        for (const Case& c : cases) {
            connection.write(c.frame);
            if (c.listedAs != nullptr &&
                std::find(expected.begin(), expected.end(), c.listedAs) == expected.end()) {
                expected.push_back(c.listedAs);
            }
            // The language query answers after the frame was carried out.
            connection.write({0x1B, 0x1B, 0x08});
            const Bytes reply = connection.read(512);
            ASSERT_FALSE(reply.empty());
            ASSERT_TRUE(connection.printer().waitForCommand("query_language"));
            EXPECT_EQ(connection.printer().unknownRequests(), expected) << emulator::readableText(c.frame);
        }
        connection.printer().clearRecords();
        EXPECT_TRUE(connection.printer().unknownRequests().empty());
        connection.close();
    }
    std::ifstream log(folder.path("log"));
    std::stringstream text;
    text << log.rdbuf();
    EXPECT_NE(text.str().find("unknown request: getval no_such_key\n"), std::string::npos) << text.str();
    EXPECT_NE(text.str().find("unknown request: do frobnicate\n"), std::string::npos);
    EXPECT_EQ(text.str().find("unknown request: getval density"), std::string::npos);
    EXPECT_EQ(text.str().find("unknown request: getval no_such_key",
                              text.str().find("unknown request: getval no_such_key") + 1),
              std::string::npos)
        << "logged once";
}

TEST(UnknownRequests, UnrecognisedBytesAreListedAsRaw) {
    PrinterConnection connection(shippedProfile("kavo_tspl.profile"));
    connection.open(Transport::Tcp);
    connection.writeText("HELLO PRINTER\n");
    ASSERT_TRUE(connection.printer().waitForCommand("raw"));
    EXPECT_EQ(connection.printer().unknownRequests(), std::vector<std::string>{"raw"});
}

// A receipt (ESC) printer prints plain text as it comes, and a CPCL
// printer in its line print mode; a TSPL printer does not know it.
TEST(UnknownRequests, PlainTextIsAReceiptOrLinePrintJob) {
    for (const char* profile : {"pelso_esc.profile", "tessin_cpcl.profile"}) {
        PrinterConnection connection(shippedProfile(profile));
        connection.open(Transport::Tcp);
        connection.writeText("Receipt line 1\r\n");
        const auto job = connection.printer().waitForCommand("job", "TEXT");
        ASSERT_TRUE(job) << profile;
        EXPECT_EQ(job->value, "Receipt line 1\r\n");
        EXPECT_TRUE(connection.printer().unknownRequests().empty()) << profile;
        connection.write({0x01, 'x', '\n'}); // a control byte: not text
        ASSERT_TRUE(connection.printer().waitForCommand("raw")) << profile;
        EXPECT_EQ(connection.printer().unknownRequests(), std::vector<std::string>{"raw"}) << profile;
    }
}

} // namespace
} // namespace emutest
