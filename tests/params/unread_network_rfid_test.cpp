// The Ethernet dialog and the RFID window on printers that leave settings
// unanswered or answer them with no usable value (an address cut short or
// out of range, a level out of its range): the field stays empty, is named
// in the status line and is not written; what the user gives is written,
// and an address is checked only when it is written. The command line
// follows the same rule.
#include "CliRunner.h"
#include "ParamsFixture.h"
#include "mdlFormNet.h"
#include "mdlParaHelpers.h"
#include "mdlParaReadState.h"
#include "mdlPrinterLib_Call.h"
#include "mdlRfidSet.h"

#include <algorithm>
#include <map>
#include <optional>

namespace tolvane::test {
namespace {

// What the printer holds in place of its profile's value: nullopt for a
// key taken out.
using TReplies = std::map<std::string, std::optional<std::string>>;

// The fixture that changes the printer's replies before a dialog reads.
class RepliesTest : public EmulatedPrinterTest {
  protected:
    void ChangeReplies(const TReplies& replies) {
        for (const auto& [key, value] : replies) {
            if (value) {
                SetPrinterValue(key, *value);
            } else {
                ForgetPrinterValues({key});
            }
        }
    }
};

// ---- the Ethernet dialog ----

struct TNetCase {
    const char* name;
    TReplies replies;
    std::vector<std::string> unread;
    // The writes of an unchanged "Set", in order.
    std::vector<std::string> written;
};

// The Halden profile: DHCP "off", 192.168.1.170, 255.255.255.0, 192.168.1.1.
const std::vector<TNetCase> kNetCases = {
    // DHCP unknown: the address fields stay disabled, the mask and the
    // gateway go back as read.
    {"DhcpUnanswered",
     {{"eth_dhcp", std::nullopt}},
     {"cmbDHCP"},
     {"eth_mask=255.255.255.0.", "eth_gateway=192.168.1.1."}},
    {"DhcpNoWordOfItsList",
     {{"eth_dhcp", "auto"}},
     {"cmbDHCP"},
     {"eth_mask=255.255.255.0.", "eth_gateway=192.168.1.1."}},
    {"AddressUnanswered",
     {{"eth_ip", std::nullopt}},
     {"txtIP1", "txtIP2", "txtIP3", "txtIP4"},
     {"eth_dhcp=off", "eth_mask=255.255.255.0.", "eth_gateway=192.168.1.1."}},
    {"AddressCutShort",
     {{"eth_mask", "255.255.255"}},
     {"txtSubnet1", "txtSubnet2", "txtSubnet3", "txtSubnet4"},
     {"eth_dhcp=off", "eth_ip=192.168.1.170.", "eth_gateway=192.168.1.1."}},
    {"AddressOutOfRange",
     {{"eth_gateway", "192.168.1.300"}},
     {"txtGateway1", "txtGateway2", "txtGateway3", "txtGateway4"},
     {"eth_dhcp=off", "eth_ip=192.168.1.170.", "eth_mask=255.255.255.0."}},
};

class UnreadNetworkTest : public RepliesTest {
  protected:
    params::TFormNet& Open(const TReplies& replies) {
        const std::string address = StartPrinter("halden_tspl.profile");
        ChangeReplies(replies);
        SelectListedPrinter("Halden", address);
        net = std::make_unique<params::TFormNet>(params::SelectedPrinterContext());
        EXPECT_TRUE(PrtLib_BeginCommand());
        net->FormCreate();
        PrtLib_EndCommand();
        return *net;
    }
    // Runs "Set" and waits for the printer to have taken `last`.
    void SetAndWait(const std::string& last) {
        printer->clearRecords();
        sink.boxes.clear();
        net->btnSetClick();
        EXPECT_TRUE(printer->waitForCommand("setval", last));
    }
    std::unique_ptr<params::TFormNet> net;
};

class UnreadNetworkCaseTest : public UnreadNetworkTest, public ::testing::WithParamInterface<TNetCase> {};

TEST_P(UnreadNetworkCaseTest, AnUnchangedSetWritesOnlyWhatThePrinterReported) {
    const TNetCase& c = GetParam();
    params::TFormNet& dialog = Open(c.replies);
    const params::TFormModel& form = dialog.Form();
    EXPECT_EQ(params::UnreadControls(dialog), c.unread);
    ASSERT_TRUE(form.EffectivelyVisible("StatusBarA"));
    EXPECT_NE(form["StatusBarA"].text.find(params::ControlCaption(form, c.unread[0])), std::string::npos)
        << form["StatusBarA"].text;
    for (const std::string& name : c.unread) {
        EXPECT_EQ(form[name].text, "") << name;
    }
    const std::string& last = c.written.back();
    SetAndWait(last.substr(0, last.find('=')));
    EXPECT_EQ(SetVals(), c.written);
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].kind, "info");
    EXPECT_EQ(sink.boxes[0].text, params::Txt("_ParaSet_OK"));
}

TEST_P(UnreadNetworkCaseTest, AValueTheUserGivesIsWritten) {
    const TNetCase& c = GetParam();
    params::TFormNet& dialog = Open(c.replies);
    params::TFormModel& form = dialog.Form();
    if (c.unread[0] == "cmbDHCP") {
        form.SetIndex("cmbDHCP", 1);
        dialog.UserChanged("cmbDHCP");
        SetAndWait("eth_gateway");
        EXPECT_EQ(SetVals(),
                  (std::vector<std::string>{"eth_dhcp=off", "eth_ip=192.168.1.170.",
                                            "eth_mask=255.255.255.0.", "eth_gateway=192.168.1.1."}));
        return;
    }
    const char* const given[] = {"10", "0", "0", "7"};
    for (std::size_t n = 0; n < 4; ++n) {
        form.SetText(c.unread[n], given[n]);
        dialog.LeaveField(c.unread[n]);
    }
    SetAndWait("eth_gateway");
    const std::string row = c.unread[0].substr(0, c.unread[0].size() - 1);
    const std::string key = row == "txtIP" ? "eth_ip" : row == "txtSubnet" ? "eth_mask" : "eth_gateway";
    EXPECT_EQ(Written(key), "10.0.0.7.");
}

INSTANTIATE_TEST_SUITE_P(Replies, UnreadNetworkCaseTest, ::testing::ValuesIn(kNetCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(UnreadNetworkTest, NothingReadMeansSetWritesNothingAndSaysSo) {
    params::TFormNet& dialog =
        Open({{"eth_dhcp", std::nullopt}, {"eth_ip", "0"}, {"eth_mask", ""}, {"eth_gateway", std::nullopt}});
    EXPECT_FALSE(params::AnyValueToWrite(dialog));
    printer->clearRecords();
    dialog.btnSetClick();
    EXPECT_TRUE(Commands().empty());
    ASSERT_EQ(sink.boxes.size(), 1u);
    EXPECT_EQ(sink.boxes[0].kind, "error");
    EXPECT_EQ(sink.boxes[0].text, params::Txt("ParaSet_NothingToSet"));
}

TEST_F(UnreadNetworkTest, AnAddressIsCheckedOnlyWhenItIsWrittenAndEmptyFieldsStayEmpty) {
    params::TFormNet& dialog = Open({{"eth_ip", std::nullopt}});
    params::TFormModel& form = dialog.Form();
    // Leaving an empty field does not make a "0" of it.
    dialog.LeaveField("txtIP2");
    EXPECT_EQ(form["txtIP2"].text, "");
    // A number the field cannot hold, typed without leaving the field.
    for (const char* field : {"txtIP1", "txtIP2", "txtIP3"}) {
        form.SetText(field, "10");
    }
    form.SetText("txtIP4", "300");
    printer->clearRecords();
    dialog.btnSetClick();
    EXPECT_TRUE(Commands().empty());
    ASSERT_EQ(Boxes("error").size(), 1u);
    EXPECT_EQ(Boxes("error")[0].text,
              params::TxtWith("Lang_All_00010013_11", params::ControlCaption(form, "txtIP1")));
    // With DHCP on the address is not written, so it is not checked either.
    form.SetIndex("cmbDHCP", 0);
    dialog.UserChanged("cmbDHCP");
    SetAndWait("eth_gateway");
    EXPECT_TRUE(Boxes("error").empty());
    EXPECT_EQ(SetVals(), (std::vector<std::string>{"eth_dhcp=on", "eth_mask=255.255.255.0.",
                                                   "eth_gateway=192.168.1.1."}));
}

TEST_F(UnreadNetworkTest, CliNetworkGetLeavesUnreadFieldsOutAndSetFollowsTheRule) {
    const std::string address = StartPrinter("halden_tspl.profile");
    ForgetPrinterValues({"eth_ip"});
    WriteFiles("PrinterList.txt", "Halden|NET|" + address + "||\n");
    const CliResult got = RunCliInProcess({"--lang", "1033", "--printer", "Halden", "network", "get"});
    ASSERT_EQ(got.status, 0) << got.err;
    EXPECT_EQ(got.out.find("txtIP1="), std::string::npos) << got.out;
    EXPECT_NE(got.out.find("txtSubnet1=255\n"), std::string::npos) << got.out;
    EXPECT_NE(got.out.find("; not read: txtIP1 txtIP2 txtIP3 txtIP4\n"), std::string::npos) << got.out;
    printer->clearRecords();
    const CliResult set =
        RunCliInProcess({"--lang", "1033", "--printer", "Halden", "network", "set", "-"}, got.out);
    ASSERT_EQ(set.status, 0) << set.err;
    ASSERT_TRUE(printer->waitForCommand("setval", "eth_gateway"));
    EXPECT_FALSE(Written("eth_ip"));
    EXPECT_EQ(Written("eth_mask"), "255.255.255.0.");
}

// ---- the RFID window ----

struct TRfidCase {
    const char* name;
    TReplies replies;
    std::vector<std::string> unread;
};

// The Kavo-300R RFID profile: power 120, threshold 60, version "RF 2.1.4".
const std::vector<TRfidCase> kRfidCases = {
    {"PowerUnanswered", {{"rfid_power_level", std::nullopt}}, {"edtTranPower"}},
    {"ThresholdOutOfRange", {{"rfid_rssi_level", "999"}}, {"edtRssiStrength"}},
    {"PowerNoNumber", {{"rfid_power_level", "high"}}, {"edtTranPower"}},
    {"VersionUnanswered", {{"rfid_version", std::nullopt}}, {"edtRfidVersion"}},
    {"NothingAnswered",
     {{"rfid_power_level", std::nullopt}, {"rfid_rssi_level", std::nullopt}, {"rfid_version", std::nullopt}},
     {"edtTranPower", "edtRssiStrength", "edtRfidVersion"}},
};

class UnreadRfidTest : public RepliesTest, public ::testing::WithParamInterface<TRfidCase> {
  protected:
    params::TRfidSet& Open(const TReplies& replies) {
        const std::string address = StartPrinter("kavo_rfid.profile");
        ChangeReplies(replies);
        SelectListedPrinter("Kavo-300R", address);
        rfid = std::make_unique<params::TRfidSet>(params::SelectedPrinterContext());
        rfid->FormCreate();
        rfid->Times = {.readWaitMs = 10,
                       .readPollMs = 500,
                       .writeWaitMs = 10,
                       .twoStepPollMs = 500,
                       .pollStepMs = 10,
                       .levelAnswerWaitMs = 10,
                       .paramReadWaitMs = 50};
        return *rfid;
    }
    std::unique_ptr<params::TRfidSet> rfid;
};

TEST_P(UnreadRfidTest, AFieldWithoutAUsableReplyStaysEmptyAndItsWriteSendsNothing) {
    const TRfidCase& c = GetParam();
    params::TRfidSet& dialog = Open(c.replies);
    params::TFormModel& form = dialog.Form();
    EXPECT_FALSE(dialog.btnReadParaClick());
    EXPECT_EQ(params::UnreadControls(dialog), c.unread);
    ASSERT_TRUE(form.EffectivelyVisible("StatusBarA"));
    EXPECT_EQ(form["StatusBarA"].text, params::UnreadStatusText(dialog));
    // Only a read that gave nothing at all is an error.
    EXPECT_EQ(Boxes("error").size(), c.unread.size() == 3 ? 1u : 0u);

    const std::pair<const char*, bool (params::TRfidSet::*)()> levels[] = {
        {"edtTranPower", &params::TRfidSet::btnWTranPowerClick},
        {"edtRssiStrength", &params::TRfidSet::btnWRssiStrengthClick}};
    for (const auto& [field, write] : levels) {
        if (std::find(c.unread.begin(), c.unread.end(), field) == c.unread.end()) {
            continue;
        }
        SCOPED_TRACE(field);
        printer->clearRecords();
        EXPECT_FALSE((dialog.*write)());
        EXPECT_TRUE(Keys("setval").empty());
        // The value the user gives is written.
        form.SetText(field, "42");
        EXPECT_TRUE((dialog.*write)());
        EXPECT_EQ(Keys("setval").size(), 1u);
    }
    // A read that gives every value again clears the status line.
    for (const auto& [key, value] : c.replies) {
        SetPrinterValue(key, key == "rfid_version" ? "RF 2.1.5" : "77");
    }
    EXPECT_TRUE(dialog.btnReadParaClick());
    EXPECT_FALSE(form.EffectivelyVisible("StatusBarA"));
}

INSTANTIATE_TEST_SUITE_P(Replies, UnreadRfidTest, ::testing::ValuesIn(kRfidCases),
                         [](const auto& param) { return std::string(param.param.name); });

class UnreadRfidCliTest : public EmulatedPrinterTest {};

TEST_F(UnreadRfidCliTest, InfoLeavesAnUnreadValueOutAndFails) {
    const std::string address = StartPrinter("kavo_rfid.profile");
    ForgetPrinterValues({"rfid_power_level"});
    WriteFiles("PrinterList.txt", "Kavo-300R|NET|" + address + "||\n");
    const CliResult info = RunCliInProcess({"--lang", "1033", "--printer", "Kavo-300R", "rfid", "info"});
    EXPECT_EQ(info.status, 1);
    EXPECT_EQ(info.out, "threshold=60\nversion=RF 2.1.4\n; not read: power\n");
    EXPECT_NE(info.err.find(params::TxtWith("ParaSet_NotRead", "")), std::string::npos) << info.err;
}

} // namespace
} // namespace tolvane::test
