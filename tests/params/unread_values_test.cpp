// The key-value dialogs on printers that leave keys unanswered: a control
// the read gave no usable value stays empty, is named in the status line
// and is not written by "Set"; what was read goes back as it was, what the
// user changed is written, and the Bluetooth PIN is checked only when it is
// written. The command line follows the same rule.
#include "CliRunner.h"
#include "ParamsFixture.h"
#include "mdlParaDialogModels.h"
#include "mdlParaHelpers.h"
#include "mdlParaReadState.h"
#include "mdlParaSetDresk.h"
#include "mdlParaSetKavo.h"
#include "mdlPrinterLib_Call.h"

#include <algorithm>
#include <map>

namespace tolvane::test {
namespace {

struct TUnreadCase {
    const char* listName;
    const char* profile;
    const char* dialogClass;
    // Keys taken out of the printer for the test, as a firmware without
    // them would have it: never written by an unchanged Set.
    std::vector<std::string> unanswered;
    // Keys the printer answers with a value that is no entry of the
    // dialog's list: never written by an unchanged Set either.
    std::vector<std::string> unusable;
};

const std::vector<std::string> kCorlaUnanswered = {"heat_adj",   "eth_dhcp",     "com_baud", "com_wordlength",
                                                   "com_parity", "com_stopbits", "tear_off"};

const std::vector<TUnreadCase> kCases = {
    {"Corla", "corla_cpcl.profile", params::TParaSetDresk::kClassName, kCorlaUnanswered, {"ppl"}},
    {"Calder", "calder_zpl.profile", params::TParaSetKavo::kClassName, {"bt_pwd", "bt_name"}, {}},
    {"Kavo-300R", "kavo_rfid.profile", params::TParaSetKavo::kClassName, {"bt_pwd"}, {}},
    {"Dresk-4T", "dresk_tspl.profile", params::TParaSetDresk::kClassName, {}, {}},
};

class UnreadValuesTest : public EmulatedPrinterTest, public ::testing::WithParamInterface<TUnreadCase> {
  protected:
    params::TParaDialogModel& Open(const TUnreadCase& c) {
        const std::string address = StartPrinter(c.profile);
        ForgetPrinterValues(c.unanswered);
        SelectListedPrinter(c.listName, address);
        dialog = OpenDialog(c.dialogClass);
        return *dialog;
    }
    // What the printer answers now for every key the read asked.
    std::map<std::string, std::string> Reported() {
        std::map<std::string, std::string> replies;
        EXPECT_TRUE(PrtLib_BeginCommand());
        for (const std::string& key : Keys("getval")) {
            replies[key] = params::Trim(dialog->GetVal(key));
        }
        PrtLib_EndCommand();
        return replies;
    }
    std::unique_ptr<params::TParaDialogModel> dialog;
};

// A reply as the dialog writes it back unchanged: an address with the "."
// the printer is sent after its fourth number, a Bluetooth name without
// the address characters the printer adds to it.
std::string WrittenBack(const std::string& key, const std::string& reply) {
    if (key == "eth_ip" || key == "eth_mask" || key == "eth_gateway") {
        return reply + ".";
    }
    if (key == "bt_name" && reply.size() >= 6 && reply[reply.size() - 5] == '-') {
        return reply.substr(0, reply.size() - 5);
    }
    return reply;
}

TEST_P(UnreadValuesTest, AnUnchangedSetWritesOnlyWhatThePrinterReported) {
    const TUnreadCase& c = GetParam();
    params::TParaDialogModel& shown = Open(c);
    EXPECT_TRUE(Boxes("error").empty());
    const std::map<std::string, std::string> reported = Reported();
    // Every shown control without a value is named in the status line.
    const std::vector<std::string> unread = params::UnreadControls(shown);
    const std::string status = shown.Form()["StatusBarA"].text;
    for (const std::string& name : unread) {
        EXPECT_NE(status.find(params::ControlCaption(shown.Form(), name)), std::string::npos) << name;
    }
    if (!unread.empty()) {
        EXPECT_TRUE(shown.Form().EffectivelyVisible("StatusBarA"));
    }

    printer->clearRecords();
    shown.btnSetClick();
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    EXPECT_TRUE(Boxes("error").empty()) << "no PIN refusal for a PIN that was not read";
    for (const std::string& key : Keys("setval")) {
        const auto answer = reported.find(key);
        ASSERT_NE(answer, reported.end()) << key << " written but never read";
        EXPECT_FALSE(answer->second.empty()) << key << " written though the printer gave no value";
        EXPECT_EQ(params::LowerAscii(*Written(key)), params::LowerAscii(WrittenBack(key, answer->second)))
            << key;
    }
    for (const auto* keys : {&c.unanswered, &c.unusable}) {
        for (const std::string& key : *keys) {
            EXPECT_FALSE(Written(key)) << key;
        }
    }
    // One confirmation once the printer took the work, then the dialog closes.
    const std::vector<ShownBox> infos = Boxes("info");
    ASSERT_FALSE(infos.empty());
    EXPECT_EQ(infos.back().text, params::Txt("msgSRP"));
    EXPECT_TRUE(shown.CloseRequested());
}

TEST_P(UnreadValuesTest, ASetThePrinterDoesNotTakeConfirmsNothingAndKeepsTheDialog) {
    params::TParaDialogModel& shown = Open(GetParam());
    const std::size_t infosBefore = Boxes("info").size();
    printer->stop();
    shown.btnSetClick();
    EXPECT_FALSE(Boxes("error").empty());
    EXPECT_EQ(Boxes("info").size(), infosBefore);
    EXPECT_FALSE(shown.CloseRequested());
}

TEST_P(UnreadValuesTest, AValueTheUserGaveIsWrittenAndThePinCheckedOnlyThen) {
    const TUnreadCase& c = GetParam();
    params::TParaDialogModel& shown = Open(c);
    params::TFormModel& form = shown.Form();
    // A list the user picks an entry of is written, read or not.
    ASSERT_FALSE(form["cmbHeatAdj"].items.empty());
    form.SetIndex("cmbHeatAdj", 0);
    shown.UserChanged("cmbHeatAdj");
    const bool pinShown = form.EffectivelyVisible("txtBTPWD") && form.EffectivelyEnabled("txtBTPWD");
    if (pinShown) {
        form.SetText("txtBTPWD", "12");
        printer->clearRecords();
        shown.btnSetClick();
        EXPECT_EQ(Boxes("error").size(), 1u) << "a PIN of two digits is refused";
        EXPECT_TRUE(Keys("setval").empty());
        form.SetText("txtBTPWD", "4321");
    }
    printer->clearRecords();
    shown.btnSetClick();
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    EXPECT_EQ(Written("heat_adj"), params::LowerAscii(form["cmbHeatAdj"].items[0]));
    if (pinShown) {
        EXPECT_EQ(Written("bt_pwd"), "4321");
    }
}

INSTANTIATE_TEST_SUITE_P(Printers, UnreadValuesTest, ::testing::ValuesIn(kCases), [](const auto& param) {
    std::string name = param.param.listName;
    name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
    return name;
});

class UnreadValuesCliTest : public EmulatedPrinterTest {};

TEST_F(UnreadValuesCliTest, ParamsGetLeavesUnreadControlsOutAndAnEmptySetWritesNothingUnreported) {
    const std::string address = StartPrinter("corla_cpcl.profile");
    ForgetPrinterValues(kCorlaUnanswered);
    SelectListedPrinter("Corla", address);
    const CliResult got = RunCliInProcess({"--lang", "1033", "--printer", "Corla", "params", "get"});
    ASSERT_EQ(got.status, 0) << got.err;
    EXPECT_EQ(got.out.find("cmbHeatAdj="), std::string::npos);
    EXPECT_EQ(got.out.find("cmbProtocol="), std::string::npos);
    EXPECT_EQ(got.out.find("txtTearOff="), std::string::npos);
    EXPECT_NE(got.out.find("; not read: "), std::string::npos);
    EXPECT_NE(got.out.find("cmbDensity=10"), std::string::npos);

    printer->clearRecords();
    const CliResult set =
        RunCliInProcess({"--lang", "1033", "--printer", "Corla", "params", "set", "-"}, "[params]\n");
    ASSERT_EQ(set.status, 0) << set.err;
    ASSERT_TRUE(printer->waitForCommand("do", "reset_printer"));
    for (const char* key : {"ppl", "heat_adj", "eth_dhcp", "com_baud", "com_parity", "tear_off"}) {
        EXPECT_FALSE(Written(key)) << key;
    }
    EXPECT_EQ(Written("density"), "10");
}

} // namespace
} // namespace tolvane::test
