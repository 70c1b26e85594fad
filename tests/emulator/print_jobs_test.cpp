// Print jobs are recorded whole, and the code scanner answers the trigger
// it is set up for.

#include "emulator_fixture.h"

#include "emulator/core/profile.h"

#include <chrono>
#include <thread>

namespace emutest {
namespace {

using emulator::bytesOf;

class PrintJobTest : public ExchangeTest {
  protected:
    std::vector<emulator::Record> Jobs() {
        std::vector<emulator::Record> jobs;
        for (const emulator::Record& r : printer().records()) {
            if (r.command == "job") {
                jobs.push_back(r);
            }
        }
        return jobs;
    }
};

TEST_P(PrintJobTest, EachLanguageIsOneJobEvenInPieces) {
    const struct {
        const char* key;
        std::string job;
    } cases[] = {
        {"TSPL", "CLS\r\nSIZE 40 mm,30 mm\r\nTEXT 10,10,\"0\",0,1,1,\"AB\"\r\nPRINT 1\r\n"},
        // The label's size, gap and direction before its CLS.
        {"TSPL",
         "SIZE 30 mm,30 mm\r\nGAP 0,0\r\nDIRECTION 0\r\nCLS\r\nPUTBMP 0,0,\"A.BMP\"\r\nPRINT 1,1\r\n"},
        {"EPL", "N\r\nA10,10,0,1,2,2,N,\"AB\"\r\nA10,64,0,1,2,2,N,\"CD\"\r\nP1\r\n"},
        {"ZPL", "^XA\r\n^LL208\r\n^LH0,0\r\n^FO0,10^CI14^A@N,24,24,E:SIMSUN.TTF^FDAB^FS\r\n^XZ\r\n"},
        {"CPCL", "! 0 200 200 160 1\r\n PW 400\r\nTEXT 5 0 10 10 AB\r\nPRINT\r\n"},
    };
    for (const auto& c : cases) {
        // Written in two pieces: the job waits for its end.
        const size_t half = c.job.size() / 2;
        link().writeText(c.job.substr(0, half));
        link().writeText(c.job.substr(half));
    }
    link().write(privateFrame("getval ", "\"dpi\""));
    EXPECT_EQ(link().read(4), bytesOf(std::string("203\0", 4)));
    const std::vector<emulator::Record> jobs = Jobs();
    ASSERT_EQ(jobs.size(), std::size(cases));
    for (size_t n = 0; n < jobs.size(); ++n) {
        EXPECT_EQ(jobs[n].key, cases[n].key);
        EXPECT_EQ(jobs[n].value, cases[n].job);
        EXPECT_TRUE(jobs[n].reply.empty());
    }
}

TEST_P(PrintJobTest, ControlBytesAndPlainTextStayRaw) {
    link().writeText("CLS\r\n\x01\x02PRINT 1\r\nHello\n");
    link().write(privateFrame("getval ", "\"ppl\""));
    EXPECT_EQ(link().read(4), bytesOf(std::string("tsc\0", 4)));
    EXPECT_TRUE(Jobs().empty());
    ASSERT_TRUE(printer().waitForCommand("raw"));
}

TEST_P(PrintJobTest, TheScannerAnswersEveryNthTrigger) {
    emulator::Profile profile = shippedProfile("kavo_tspl.profile");
    profile.scanner = emulator::ScannerSetup{3, bytesOf("A1\r\n")};
    start(profile);
    const Bytes trigger = privateFrame("do ", "\"scan_trigger\"");
    for (int n = 1; n <= 6; ++n) {
        link().write(trigger);
        if (n % 3 == 0) {
            EXPECT_EQ(link().read(4), bytesOf("A1\r\n")) << n;
        }
    }
    // The sixth answer has come; the records of all six triggers follow.
    std::vector<std::string> notes;
    for (int wait = 0; wait < 300 && notes.size() < 6; ++wait) {
        notes.clear();
        for (const emulator::Record& r : printer().records()) {
            if (r.command == "do" && r.key == "scan_trigger") {
                notes.push_back(r.note);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(notes, (std::vector<std::string>{"nothing scanned", "nothing scanned", "scanned",
                                               "nothing scanned", "nothing scanned", "scanned"}));
}

TEST_P(PrintJobTest, AZplLabelNeedsNoLineEnd) {
    start(shippedProfile("calder_zpl.profile"));
    printer().changePrinter([](emulator::Printer& p) { p.files().store({"bitmaps", 'E', "LOGO.GRF", {1}}); });
    // Taken when the input pauses: nothing more is coming.
    const std::string label = "^XA^FO0,10^FDAB^FS^XZ";
    link().writeText(label);
    const auto job = printer().waitForCommand("job");
    ASSERT_TRUE(job);
    EXPECT_EQ(job->value, label);
    // A label that prints a stored graphic, and one whose graphic is missing.
    for (const char* name : {"LOGO.GRF", "NONE.GRF"}) {
        link().writeText(std::string("^XA^PW576^LL220^POI^FO100,100^XGE:") + name + "^FS^XZ");
        const auto print = printer().waitForCommand("zpl_print", name);
        ASSERT_TRUE(print) << name;
        EXPECT_EQ(print->note, std::string(name) == "LOGO.GRF" ? "printed" : "no such image");
        EXPECT_EQ(print->received.size(), 48u);
    }
}

TEST_P(PrintJobTest, ATsplDownloadWithoutNameAndSizeIsRefused) {
    const std::string png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    link().writeText("DOWNLOAD " + png);
    const auto refused = printer().waitForCommand("tspl_download");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->note.rfind("refused", 0), 0u) << refused->note;
    link().writeText("DOWNLOAD \"A.PNG\"," + std::to_string(png.size()) + "," + png);
    const auto stored = printer().waitForCommand("tspl_download", "A.PNG");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->note, "stored");
    printer().changePrinter([&](emulator::Printer& p) {
        ASSERT_EQ(p.files().list("direct").size(), 1u);
        EXPECT_EQ(p.files().list("direct")[0]->data, bytesOf(png));
    });
}

INSTANTIATE_TEST_SUITE_P(Transports, PrintJobTest, ::testing::Values(Transport::Tcp, Transport::Pty),
                         transportName);

TEST(ScannerProfile, ReadsItsSectionAndNamesBadEntries) {
    std::string error;
    const auto profile = emulator::parseProfile(
        "[printer]\nmodel = S\n[scanner]\nanswer_on = 2\ntext = hex: 41 0D 0A\n", "t", error);
    ASSERT_TRUE(profile) << error;
    ASSERT_TRUE(profile->scanner);
    EXPECT_EQ(profile->scanner->answerOn, 2);
    EXPECT_EQ(profile->scanner->text, (Bytes{'A', '\r', '\n'}));
    EXPECT_FALSE(emulator::defaultProfile().scanner);

    for (const char* bad : {"[scanner]\nanswer_on = -1\n", "[scanner]\nanswer_on = x\n",
                            "[scanner]\ncolour = red\n", "[scanner]\nanswer_on = 1001\n"}) {
        error.clear();
        EXPECT_FALSE(emulator::parseProfile(bad, "t", error)) << bad;
        EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    }
}

} // namespace
} // namespace emutest
