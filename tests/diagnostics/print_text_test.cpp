// The general test-print dialog against the emulated printer: the job of
// each command language, the CPCL paper-mode question and its answers, the
// 1B 53 prefix, code pages and an empty text.
#include "PrintTextFixture.h"
#include "emulator/cpcl/cpcl_job_recorder.h"
#include "mdlMessages.h"
#include "mdlReplaceText.h"

namespace tolvane::test {
namespace {

constexpr const char* kGeneral = "T_frmPrintText";

TEST_F(PrintTextTest, GeneralJobOfEachCommandLanguage) {
    const struct {
        const char* listName;
        const char* profile;
        const char* ppl; // the Ardel's language as its "ppl" key reports it
        const char* language;
        std::string job;
        bool utf8 = false; // UTF-8 chosen in the language group
    } cases[] = {
        {"Ardel", "ardel_tspl.profile", "EPL", "EPL",
         "N\r\nA10,10,0,1,2,2,N,\"AB\"\r\nA10,64,0,1,2,2,N,\"CD\"\r\nP1\r\n"},
        {"Ardel", "ardel_tspl.profile", "ZPL", "ZPL",
         "^XA\r\n^LL208\r\n^LH0,0\r\n^FO0,10^CI14^A@N,24,24,E:SIMSUN.TTF^FDAB^FS\r\n"
         "^FO0,64^CI14^A@N,24,24,E:SIMSUN.TTF^FDCD^FS\r\n^XZ\r\n"},
        // The Brisco's UTF-8 font: switched on first, then its own ZPL lines.
        {"Brisco", "ardel_tspl.profile", "ZPL", "ZPL",
         "^XA\r\n^CI32\r\n^LL208\r\n^LH0,0\r\n^FO0,10^AZN,24,12^FDAB^FS\r\n^FO0,64^AZN,24,12^FDCD^FS\r\n^"
         "XZ\r\n",
         true},
        {"Wexby", "kavo_tspl.profile", nullptr, "ZPL",
         "^XA\r\n^LL208^FO0,10^A@N,50,50,E:SIMSUN.TTF^FDAB^FS\r\n^FO0,64^A@N,50,50,E:SIMSUN.TTF^FDCD^FS\r\n"
         "^XZ\r\n"},
    };
    for (const auto& c : cases) {
        Open(kGeneral, c.listName, c.profile, [&] {
            if (c.ppl != nullptr) {
                SetPrinterValue("ppl", c.ppl);
            }
        });
        if (c.utf8) {
            ChooseCodePage("CheckBox1", "65001");
        }
        Print("AB\nCD");
        EXPECT_EQ(Job(c.language), c.job) << c.listName << " " << c.language;
        EXPECT_EQ(
            printer->waitForCommand("setval", "viet_mode", std::chrono::milliseconds(c.utf8 ? 3000 : 100))
                .has_value(),
            c.utf8)
            << c.listName;
        EXPECT_TRUE(sink.boxes.empty());
        printer.reset();
    }
}

TEST_F(PrintTextTest, CpclPaperModeChoosesTheJob) {
    const struct {
        const char* listName;
        int group;       // key group of the paper-mode byte (-1: not asked)
        int mode;        // the byte the printer holds (-1: it does not answer)
        std::string job; // what follows the question
        bool message;
    } cases[] = {
        // Corla-3: reply kind 1, key group 1; height and row-height lists.
        {"Corla-3", 1, 1, "! 0 200 200 160 1\r\nTEXT 5 0 30 40 AB\r\nTEXT 5 0 30 70 CD\r\nPRINT\r\n", false},
        {"Corla-3", 1, 0,
         "^XA\r\n^LL208\r\n^LH0,0\r\n^FO0,10^CI14^A@N,24,24,E:SIMSUN.TTF^FDAB^FS\r\n"
         "^FO0,64^CI14^A@N,24,24,E:SIMSUN.TTF^FDCD^FS\r\n^XZ\r\n",
         false},
        {"Corla-3", 1, -1, "AB\r\nCD\r\n", true},
        // Sendo: reply kind 2, key group 0, three line feeds after "0".
        {"Sendo", 0, 0, "AB\r\nCD\r\n\r\n\r\n\r\n", false},
        {"Sendo", 0, 7, "! 0 200 200 80 1\r\nTEXT 5 0 30 40 AB\r\nCD\r\nPRINT\r\n", false},
        // Corla: reply kind 1, key group 1, the height list but not the row height.
        {"Corla", 1, 1, "! 0 200 200 160 1\r\nTEXT 5 0 30 40 AB\r\nTEXT 5 0 30 70 CD\r\nPRINT\r\n", false},
        // Navra: reply kind 2, key group 1; receipt paper prints the text as it is.
        {"Navra", 1, 1, "! 0 200 200 80 1\r\nTEXT 5 0 30 40 AB\r\nTEXT 5 0 30 70 CD\r\nPRINT\r\n", false},
        {"Navra", 1, 0, "AB\r\nCD\r\n", false},
        // Hobbe: not checked.
        {"Hobbe", -1, 0, "AB\r\nCD\r\n", false},
    };
    for (const auto& c : cases) {
        Open(kGeneral, c.listName, "corla_cpcl.profile", [&] {
            if (c.group >= 0 && c.mode >= 0) {
                SetKey(static_cast<uint8_t>(c.group), 312, {static_cast<uint8_t>(c.mode)});
            }
        });
        if (c.mode < 0) {
            std::string error;
            ASSERT_TRUE(printer->addFault("getkey=silent", error)) << error;
        }
        sink.boxes.clear();
        Print("AB\nCD");
        const std::string received = ReceivedHolding(c.job);
        const std::string question =
            c.group >= 0 ? "getkey\r\n" + std::string(1, char(c.group)) + "\x38\x01\x01" : "";
        const std::size_t asked = c.group >= 0 ? received.find(question) : 0;
        ASSERT_NE(asked, std::string::npos) << c.listName << " " << c.mode;
        EXPECT_NE(received.find(c.job, asked), std::string::npos) << c.listName << " " << c.mode << "\n"
                                                                  << received;
        if (c.group < 0) {
            EXPECT_EQ(received.find("getkey"), std::string::npos) << c.listName;
        }
        ASSERT_EQ(Boxes("info").size(), c.message ? 1u : 0u) << c.listName << " " << c.mode;
        if (c.message) {
            EXPECT_EQ(Boxes("info")[0].text, ReplaceText(params::Txt("Lang_All_00010011_11"),
                                                         params::Txt("Lang_Word_ProtocolType")));
        }
        printer.reset();
    }
}

// The CPCL printers as shipped (their paper-mode byte says labels): one
// CPCL label per test print, one TEXT line per line, after the paper-mode
// question and without a message.
TEST_F(PrintTextTest, CpclPrintersPrintACpclLabel) {
    const struct {
        const char* listName;
        const char* profile;
        const char* header;
    } cases[] = {
        {"Corla", "corla_cpcl.profile", "! 0 200 200 160 1"},
        {"Navra", "miro_cpcl.profile", "! 0 200 200 80 1"},
    };
    for (const auto& c : cases) {
        Open(kGeneral, c.listName, c.profile);
        sink.boxes.clear();
        Print("AB\nCD");
        EXPECT_TRUE(printer->waitForCommand("getkey", "1.312")) << c.listName;
        ASSERT_TRUE(printer->waitForCommand("cpcl", "PRINT")) << c.listName;
        // The label as the printer's CPCL recogniser took it.
        emulator::cpcl::JobRecorder recorder;
        for (const emulator::Record& record : printer->records()) {
            if (record.command == "cpcl") {
                recorder.feed(record.received);
            }
        }
        recorder.finish();
        std::vector<emulator::cpcl::Label> labels;
        for (const emulator::cpcl::Label& label : recorder.labels()) {
            if (!label.header.empty()) {
                labels.push_back(label);
            }
        }
        ASSERT_EQ(labels.size(), 1u) << c.listName;
        EXPECT_EQ(labels[0].header, c.header) << c.listName;
        std::vector<std::string> commands;
        for (const emulator::cpcl::Command& command : labels[0].commands) {
            commands.push_back(command.text());
        }
        EXPECT_EQ(commands, (std::vector<std::string>{"TEXT 5 0 30 40 AB\r\n", "TEXT 5 0 30 70 CD\r\n"}))
            << c.listName;
        EXPECT_EQ(labels[0].end, "PRINT") << c.listName;
        EXPECT_TRUE(sink.boxes.empty()) << c.listName;
        printer.reset();
    }
}

TEST_F(PrintTextTest, EscPrinterWithThe1B53PrefixAndAChineseCodePage) {
    Open(kGeneral, "Pelso-80", "gulvo_esc.profile");
    ChooseCodePage("CheckBox1", "936");
    Print("中文\nAB");
    const std::string expected = "\x1B\x53\xD6\xD0\xCE\xC4\r\nAB\n";
    EXPECT_NE(ReceivedHolding(expected).find(expected), std::string::npos);
}

TEST_F(PrintTextTest, GeneralDialogRefusesAnEmptyText) {
    Open(kGeneral, "Pelso-80", "gulvo_esc.profile");
    Print("  ");
    ASSERT_EQ(Boxes("error").size(), 1u);
    EXPECT_EQ(Boxes("error")[0].text, LangText("_Err_ImportNull"));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_TRUE(printer->received().empty()) << "an ESC printer is not asked anything before the print";
}

TEST_F(PrintTextTest, GeneralDialogRowsFollowTheModel) {
    Open(kGeneral, "Corla-3", "corla_cpcl.profile");
    EXPECT_TRUE(Form()["cmbPrintableHeight"].visible);
    EXPECT_TRUE(Form()["cmbRowHeight"].visible);
    EXPECT_EQ(Form()["cmbPrintableHeight"].SelectedText(), "160");
    const int twoRows = Form().ClientHeight();
    printer.reset();
    Open(kGeneral, "Hobbe", "corla_cpcl.profile");
    EXPECT_FALSE(Form()["cmbPrintableHeight"].visible);
    EXPECT_FALSE(Form()["cmbRowHeight"].visible);
    EXPECT_LT(Form().ClientHeight(), twoRows);
    EXPECT_EQ(Form()["gpbLanguage"].text, "     " + params::Txt("FormPrintText_chkLanguage"));
}

} // namespace
} // namespace tolvane::test
