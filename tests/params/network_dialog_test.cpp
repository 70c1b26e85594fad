// The advanced settings and their Ethernet dialog against the emulated
// printer: the button layout, the read, the "Set" rules and tolvane-cli's
// network commands.
#include "CliRunner.h"
#include "ParamsFixture.h"
#include "mdlCliRun.h"
#include "mdlFormNet.h"
#include "mdlPrinterLib_Call.h"

#include <sstream>

namespace tolvane::test {
namespace {

class NetworkDialogTest : public EmulatedPrinterTest {
  protected:
    params::TFormNet& OpenNet(const std::string& listName) {
        SelectListedPrinter(listName, StartPrinter("halden_tspl.profile"));
        net = std::make_unique<params::TFormNet>(params::SelectedPrinterContext());
        EXPECT_TRUE(PrtLib_BeginCommand());
        net->FormCreate();
        PrtLib_EndCommand();
        return *net;
    }
    std::unique_ptr<params::TFormNet> net;
};

TEST_F(NetworkDialogTest, ReadsTheAddressesOfAHalden) {
    params::TFormNet& dialog = OpenNet("Halden");
    EXPECT_EQ(Keys("getval"), (std::vector<std::string>{"eth_dhcp", "eth_ip", "eth_mask", "eth_gateway"}));
    EXPECT_EQ(dialog.Form()["cmbDHCP"].SelectedText(), "OFF");
    EXPECT_TRUE(dialog.Form()["txtIP1"].enabled);
    EXPECT_EQ(dialog.Form()["txtIP4"].text, "170");
    EXPECT_EQ(dialog.Form()["txtSubnet3"].text, "255");
}

TEST_F(NetworkDialogTest, SetWithDhcpOnSendsNoAddressButTheFilledMaskAndGateway) {
    params::TFormNet& dialog = OpenNet("Halden");
    params::TFormModel& form = dialog.Form();
    form.SetIndex("cmbDHCP", 0);
    dialog.UserChanged("cmbDHCP");
    EXPECT_FALSE(form["txtIP1"].enabled);
    form.SetText("txtGateway4", ""); // an incomplete gateway is not sent
    printer->clearRecords();
    dialog.btnSetClick();
    ASSERT_TRUE(printer->waitForCommand("setval", "eth_mask"));
    EXPECT_EQ(SetVals(), (std::vector<std::string>{"eth_dhcp=on", "eth_mask=255.255.255.0."}));
    EXPECT_FALSE(dialog.CloseRequested());

    form.SetIndex("cmbDHCP", 1);
    form.SetText("txtGateway4", "254");
    printer->clearRecords();
    dialog.btnSetClick();
    ASSERT_TRUE(printer->waitForCommand("setval", "eth_gateway"));
    EXPECT_EQ(SetVals(), (std::vector<std::string>{"eth_dhcp=off", "eth_ip=192.168.1.170.",
                                                   "eth_mask=255.255.255.0.", "eth_gateway=192.168.1.254."}));
}

TEST_F(NetworkDialogTest, OtherModelsNeitherReadNorWrite) {
    params::TFormNet& dialog = OpenNet("Kavo-300");
    dialog.btnSetClick();
    EXPECT_TRUE(Keys("getval").empty());
    EXPECT_TRUE(Keys("setval").empty());
}

TEST_F(NetworkDialogTest, AdvancedSettingsShowTheEthernetButtonForHaldenOnly) {
    struct Case {
        const char* listName;
        bool ethernet;
    };
    for (const Case c : {Case{"Halden", true}, Case{"Kavo-300", false}}) {
        SCOPED_TRACE(c.listName);
        SelectListedPrinter(c.listName, StartPrinter("halden_tspl.profile"));
        params::TAdvancedSettings advanced(params::SelectedPrinterContext());
        advanced.FormCreate();
        const params::TFormModel& form = advanced.Form();
        const int h = params::TAdvancedSettings::kButtonHeight;
        EXPECT_EQ(form["btnEthernetSetting"].visible, c.ethernet);
        EXPECT_FALSE(form["btnFactoryParaSet"].visible);
        EXPECT_FALSE(form["btnSetBTFunction"].visible);
        EXPECT_EQ(form.ClientHeight(), 2 * h + 90);
        EXPECT_EQ(form.ClientWidth(), 90 + 2 * params::TAdvancedSettings::kButtonWidth);
        if (c.ethernet) {
            EXPECT_EQ(form["btnEthernetSetting"].left, 30);
            EXPECT_EQ(form["btnEthernetSetting"].top, 30);
        }
        std::vector<std::string> opened;
        advanced.OnOpenDialog = [&opened](const std::string& name) { opened.push_back(name); };
        advanced.ButtonClick("btnEthernetSetting");
        EXPECT_EQ(opened, c.ethernet ? std::vector<std::string>{"TFormNet"} : std::vector<std::string>{});
        TearDown();
        SetUp();
    }
}

TEST_F(NetworkDialogTest, CliNetworkGetAndSet) {
    const std::string address = StartPrinter("halden_tspl.profile");
    WriteFiles("PrinterList.txt", "Halden|NET|" + address + "||\nKavo|NET|" + address + "||\n");
    const auto run = [](std::vector<std::string> rest, const std::string& input = {}) {
        const CliResult result = RunCliInProcess(rest, input);
        return std::make_pair(result.status, result.out + result.err);
    };
    const auto [got, text] = run({"--printer", "Halden", "network", "get"});
    ASSERT_EQ(got, 0) << text;
    EXPECT_NE(text.find("dialog: TFormNet\n[params]\ncmbDHCP=OFF\ntxtIP1=192\n"), std::string::npos) << text;
    printer->clearRecords();
    const auto [set, message] = run({"--printer", "Halden", "network", "set", "-"}, "txtIP4=171\n");
    ASSERT_EQ(set, 0) << message;
    // The printer answers no setval: its record says it has been handled.
    ASSERT_TRUE(printer->waitForCommand("setval", "eth_ip"));
    // The address goes out with its "." after the fourth number; the printer keeps the address.
    EXPECT_EQ(Written("eth_ip"), "192.168.1.171.");
    EXPECT_EQ(printer->settings().values.at("eth_ip"), "192.168.1.171");
    EXPECT_EQ(run({"--printer", "Kavo", "network", "get"}).first, 1);
    EXPECT_EQ(run({"--printer", "Halden", "network", "set", "-"}, "txtIP4=x\n").first, 2);
}

} // namespace
} // namespace tolvane::test
