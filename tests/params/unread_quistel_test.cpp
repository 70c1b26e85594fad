// The Quistel dialog on printers whose numbered keys give no usable value
// (a position outside its list, a number out of range, a name no entry has,
// no answer at all): the control stays empty, is named in the status line
// and is not written by "Set"; what was read goes back as it was, what the
// user gives is written, and with nothing read "Set" writes nothing and
// says so. The command line follows the same rule.
#include "CliRunner.h"
#include "ParamsFixture.h"
#include "mdlParaHelpers.h"
#include "mdlParaReadState.h"
#include "mdlParaSetQuistel.h"

#include <algorithm>

namespace tolvane::test {
namespace {

using params::TParaSetQuistel;

// A numbered key of group 1 and the bytes the printer holds for it.
struct TKeyBytes {
    uint16_t id;
    emulator::Bytes bytes;
};

struct TQuistelCase {
    const char* name;
    std::vector<TKeyBytes> keys;
    // A fault of the printer during the read ("" for none).
    const char* fault;
    // The controls left empty, and the keys an unchanged "Set" must not write.
    std::vector<std::string> unread;
    std::vector<std::string> unwritten;
    // Whether the read ends with an error box (a key left unanswered).
    bool readError;
};

// The Quistel-C profile holds 1.203 = 8, 1.202 = 4, 1.108 = 2, 1.404 = 1,
// 1.414 = 0, 1.208 = -5, 1.236 = 0, 1.213 = 1, 1.206 = 2, 1.238 = 32.
const std::vector<TQuistelCase> kCases = {
    {"PositionsOutsideTheirLists",
     {{203, {16}}, {108, {5}}, {414, {2}}},
     "",
     {"cmbDensity", "cmbBaudRate", "cmbBackLight"},
     {"1.203", "1.108", "1.414"},
     false},
    {"NumbersOutOfRange",
     {{202, {99}}, {208, {150, 0}}},
     "",
     {"cmbPrintSpeed", "txtPrintToStop"},
     {"1.202", "1.208"},
     false},
    {"NamesNoEntryHas",
     {{236, {7}}, {213, {2}}, {206, {5}}},
     "",
     {"cmbRePrintSwitch", "cmbCutters", "cmbPaperMode"},
     {"1.236", "1.213", "1.206"},
     false},
    // A key without an answer ends the read there: the keys after it are
    // not asked and stay empty as well.
    {"AKeyUnanswered",
     {},
     "getkey:1.404=silent",
     {"cmbBuzzerSound", "cmbBackLight", "txtPrintToStop", "cmbRePrintSwitch", "cmbCutters", "cmbPaperMode",
      "txtMinStudyPaperLength"},
     {"1.404", "1.414", "1.208", "1.236", "1.213", "1.206", "1.238"},
     true},
    {"AReplyCutShort", {}, "getkey:1.238=short:1", {"txtMinStudyPaperLength"}, {"1.238"}, true},
};

class UnreadQuistelTest : public EmulatedPrinterTest {
  protected:
    // The Quistel-C dialog on the emulated printer, its keys changed and a
    // fault added before it reads.
    TParaSetQuistel& Open(const std::vector<TKeyBytes>& keys, const std::string& fault) {
        const std::string address = StartPrinter("quistel_tspl.profile");
        for (const TKeyBytes& key : keys) {
            SetPrinterKey(1, key.id, key.bytes);
        }
        SelectListedPrinter("Quistel-C", address);
        if (!fault.empty()) {
            std::string error;
            EXPECT_TRUE(printer->addFault(fault, error)) << error;
        }
        dialog = OpenDialog(TParaSetQuistel::kClassName);
        printer->clearFaults();
        return static_cast<TParaSetQuistel&>(*dialog);
    }
    bool WrittenKey(const std::string& key) const {
        const std::vector<std::string> written = Keys("setkey");
        return std::find(written.begin(), written.end(), key) != written.end();
    }
    std::unique_ptr<params::TParaDialogModel> dialog;
};

class UnreadQuistelCaseTest : public UnreadQuistelTest, public ::testing::WithParamInterface<TQuistelCase> {};

TEST_P(UnreadQuistelCaseTest, AnUnchangedSetWritesOnlyWhatThePrinterReported) {
    const TQuistelCase& c = GetParam();
    TParaSetQuistel& quistel = Open(c.keys, c.fault);
    const params::TFormModel& form = quistel.Form();
    EXPECT_EQ(Boxes("error").size(), c.readError ? 1u : 0u);
    EXPECT_EQ(params::UnreadControls(quistel), c.unread);
    // Every control left empty is named in the status line, and only those.
    ASSERT_TRUE(form.EffectivelyVisible("StatusBarA"));
    EXPECT_EQ(form["StatusBarA"].text, params::UnreadStatusText(quistel));
    for (const std::string& name : c.unread) {
        EXPECT_NE(form["StatusBarA"].text.find(params::ControlCaption(form, name)), std::string::npos)
            << name;
    }

    sink.boxes.clear();
    const emulator::PrinterSettings before = printer->settings();
    printer->clearRecords();
    quistel.btnSetClick();
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    // No range check refuses a field that is not written.
    EXPECT_TRUE(Boxes("error").empty());
    for (const std::string& key : c.unwritten) {
        EXPECT_FALSE(WrittenKey(key)) << key;
    }
    // What was read goes back as the printer holds it: the printer is
    // left exactly as it was.
    EXPECT_FALSE(Keys("setkey").empty());
    EXPECT_EQ(printer->settings().keys, before.keys);
    ASSERT_EQ(Boxes("info").size(), 1u);
    EXPECT_EQ(Boxes("info")[0].text, params::Txt("msgSRP"));
    EXPECT_TRUE(quistel.CloseRequested());
}

TEST_P(UnreadQuistelCaseTest, AValueTheUserGivesIsWritten) {
    const TQuistelCase& c = GetParam();
    TParaSetQuistel& quistel = Open(c.keys, c.fault);
    params::TFormModel& form = quistel.Form();
    // The user fills every control the read left empty with its first entry,
    // or a number within its range.
    for (const std::string& name : c.unread) {
        if (form[name].kind == params::TControlKind::List) {
            form.SetIndex(name, 0);
            quistel.UserChanged(name);
        } else {
            form.SetText(name, "7");
            quistel.LeaveField(name);
        }
    }
    EXPECT_TRUE(params::UnreadControls(quistel).empty());
    printer->clearRecords();
    quistel.btnSetClick();
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    for (const std::string& key : c.unwritten) {
        EXPECT_TRUE(WrittenKey(key)) << key;
    }
}

INSTANTIATE_TEST_SUITE_P(Replies, UnreadQuistelCaseTest, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

// A printer that answers nothing, or goes away in the middle of its first
// reply: the read ends with its error, and "Set" writes nothing, does not
// restart the printer and says so instead of reporting success.
TEST_F(UnreadQuistelTest, NothingReadMeansSetWritesNothingAndSaysSo) {
    for (const char* fault : {"getkey=silent", "*=cut/1"}) {
        SCOPED_TRACE(fault);
        sink.boxes.clear();
        TParaSetQuistel& quistel = Open({}, fault);
        ASSERT_EQ(Boxes("error").size(), 1u);
        EXPECT_EQ(Boxes("error")[0].text,
                  params::TxtWith("Lang_All_00010011_11", quistel.Form()["lblDensity"].text));
        EXPECT_FALSE(params::AnyValueToWrite(quistel));
        printer->clearRecords();
        quistel.btnSetClick();
        EXPECT_TRUE(Commands().empty());
        ASSERT_EQ(Boxes("error").size(), 2u);
        EXPECT_EQ(Boxes("error")[1].text, params::Txt("ParaSet_NothingToSet"));
        EXPECT_TRUE(Boxes("info").empty());
        EXPECT_FALSE(quistel.CloseRequested());
        dialog.reset();
        TearDown();
        SetUp();
    }
}

TEST_F(UnreadQuistelTest, AnEmptyFieldLeftStaysEmptyAndASetThePrinterDoesNotTakeConfirmsNothing) {
    TParaSetQuistel& quistel = Open({{208, {150, 0}}}, "");
    params::TFormModel& form = quistel.Form();
    // Leaving the empty stop position does not turn it into a value.
    quistel.LeaveField("txtPrintToStop");
    EXPECT_EQ(form["txtPrintToStop"].text, "");
    // A value the user gives is still checked before anything is sent.
    form.SetText("txtPrintToStop", "-");
    printer->clearRecords();
    quistel.btnSetClick();
    EXPECT_EQ(Boxes("error").size(), 1u);
    EXPECT_TRUE(Keys("setkey").empty());
    form.SetText("txtPrintToStop", "");

    printer->stop();
    quistel.btnSetClick();
    EXPECT_EQ(Boxes("error").size(), 2u);
    EXPECT_TRUE(Boxes("info").empty());
    EXPECT_FALSE(quistel.CloseRequested());
}

TEST_F(UnreadQuistelTest, CliParamsGetLeavesUnreadControlsOutAndSetFollowsTheRule) {
    const std::string address = StartPrinter("quistel_tspl.profile");
    SetPrinterKey(1, 203, {16});
    SetPrinterKey(1, 236, {7});
    WriteFiles("PrinterList.txt", "Quistel-C|NET|" + address + "||\n");
    const CliResult got = RunCliInProcess({"--lang", "1033", "--printer", "Quistel-C", "params", "get"});
    ASSERT_EQ(got.status, 0) << got.err;
    EXPECT_EQ(got.out.find("cmbDensity="), std::string::npos) << got.out;
    EXPECT_EQ(got.out.find("cmbRePrintSwitch="), std::string::npos) << got.out;
    EXPECT_NE(got.out.find("cmbBaudRate=38400\n"), std::string::npos) << got.out;
    EXPECT_NE(got.out.find("; not read: cmbDensity cmbRePrintSwitch\n"), std::string::npos) << got.out;

    // What params get printed, fed back: only what was read is written.
    printer->clearRecords();
    const CliResult same =
        RunCliInProcess({"--lang", "1033", "--printer", "Quistel-C", "params", "set", "-"}, got.out);
    ASSERT_EQ(same.status, 0) << same.err;
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    EXPECT_FALSE(WrittenKey("1.203"));
    EXPECT_FALSE(WrittenKey("1.236"));
    EXPECT_TRUE(WrittenKey("1.108"));

    // A value given for an unread control is written.
    printer->clearRecords();
    const CliResult given =
        RunCliInProcess({"--lang", "1033", "--printer", "Quistel-C", "params", "set", "-"}, "cmbDensity=3\n");
    ASSERT_EQ(given.status, 0) << given.err;
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    EXPECT_EQ(printer->settings().keys.at({1, 203}), emulator::Bytes{3});
    EXPECT_FALSE(WrittenKey("1.236"));

    // A printer that answers no key: the command fails and writes nothing.
    std::string error;
    ASSERT_TRUE(printer->addFault("getkey=silent", error)) << error;
    printer->clearRecords();
    const CliResult silent =
        RunCliInProcess({"--lang", "1033", "--printer", "Quistel-C", "params", "set", "-"}, "cmbDensity=3\n");
    EXPECT_EQ(silent.status, 1);
    EXPECT_TRUE(Keys("setkey").empty());
    EXPECT_TRUE(Keys("do").empty());
}

} // namespace
} // namespace tolvane::test
