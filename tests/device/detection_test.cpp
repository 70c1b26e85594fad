// Asking the printer for its command language, and the firmware check that
// picks a family's standard or variant dialog.
#include "device_test_support.h"

#include "mdlFirmwareVersion.h"
#include "mdlPrinterLib_Call.h"
#include "mdlQueryEmulation.h"

using namespace std::string_literals;
using namespace tolvane;

namespace devicetest {
namespace {

class TestCatalogue : public IProtocolCatalogue {
  public:
    std::string ParameterSetList(const std::string& key) const override {
        if (key == "HaveTwoProtocol") {
            return ",Vorlan,Kavo,";
        }
        return key == "GDS" ? ",Kavo," : "";
    }
    int ModelProtocol(const std::string& model) const override {
        return model == "Corla" ? kLangCpcl : kLangTspl;
    }
};

class Detection : public DeviceTest {
  protected:
    void SetUp() override {
        DeviceTest::SetUp();
        SetProtocolCatalogue(&catalogue);
    }
    void open(ScriptedPrinter& printer, const std::string& model) {
        select(kLangTspl, printer.address(), model);
        ASSERT_TRUE(PrtLib_BeginExchange());
    }

    TestCatalogue catalogue;
};

TEST_F(Detection, ModelWithOneLanguageTakesItFromTheCatalogueWithoutAsking) {
    ScriptedPrinter printer;
    open(printer, "Corla");
    EXPECT_EQ(QueryEmulation(), kLangCpcl);
    EXPECT_EQ(ProtocolKind, kLangCpcl);
    PrtLib_EndExchange();
    EXPECT_TRUE(printer.received().empty());
}

TEST_F(Detection, GdsModelAsksForPpl) {
    const std::pair<std::string, int> cases[] = {{"tsc", 1}, {"EPL", 5}, {"ZPL", 4}, {"", 4}};
    for (const auto& [ppl, language] : cases) {
        ScriptedPrinter printer({{bytes("getval \"ppl\"\r\n"), bytes(ppl + '\0')}});
        open(printer, "Kavo");
        EXPECT_EQ(QueryEmulation(), language) << ppl;
        PrtLib_EndExchange();
        EXPECT_EQ(printer.received(), bytes("\x1b\x1c& V1 getval \"ppl\"\r\n")) << ppl;
    }
}

TEST_F(Detection, OtherTwoLanguageModelsAskTheLanguageByte) {
    ScriptedPrinter printer({{bytes("\x1b\x1b\x08"), {0x03}}});
    open(printer, "Vorlan");
    EXPECT_EQ(QueryEmulation(), 3);
    EXPECT_EQ(ProtocolKind, 3);
    PrtLib_EndExchange();
    EXPECT_EQ(printer.received(), bytes("\x1b\x1b\x08"));
}

TEST_F(Detection, SilentPrinterAnswersZero) {
    ScriptedPrinter printer;
    open(printer, "Vorlan");
    EXPECT_EQ(QueryEmulation(), 0);
    PrtLib_EndExchange();
}

struct VerdictCase {
    const char* minimum;
    std::array<uint8_t, 3> reply;
    bool verdict;
};

TEST(FirmwareVersionVerdict, ComparesNumbersWithReplyBytes) {
    const VerdictCase cases[] = {
        {"1.0.0", {0, 0, 0}, true},
        {"1.0.0", {9, 9, 9}, true},
        {"1.03.0", {1, 3, 0}, true},
        {"2.1", {1, 0, 0}, true},
        {"2.1", {2, 0, 0}, true},
        {"2.1", {2, 1, 0}, false},
        {"2", {3, 0, 0}, false},
        {"", {0, 0, 0}, false},
        {"a.b", {0, 0, 0}, false},
        {"1.2.3.4", {1, 2, 3}, true},
        {"99999999999.0", {255, 0, 0}, true},
    };
    for (const VerdictCase& c : cases) {
        EXPECT_EQ(FirmwareVersionVerdict(c.minimum, c.reply), c.verdict) << c.minimum;
    }
}

TEST_F(DeviceTest, FirmwareCheckIsTrueWhenThePrinterAnswersItsVersion) {
    ScriptedPrinter printer({{bytes("ZZZGETVERSION\r\n"), {0x01, 0x03, 0x00}}});
    select(kLangEsc, printer.address());
    EXPECT_EQ(CheckFirmwareVersion("1.0.0"), true);
    EXPECT_EQ(CheckFirmwareVersion("1.03.0"), true); // the port was closed and opens again
    EXPECT_EQ(printer.received(), bytes("ZZZGETVERSION\r\nZZZGETVERSION\r\n"));
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(DeviceTest, FirmwareCheckIsFalseForASilentPrinter) {
    ScriptedPrinter printer;
    select(kLangTspl, printer.address());
    EXPECT_EQ(CheckFirmwareVersion("1.0.0"), false);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(DeviceTest, FirmwareCheckOpenFailureShowsTheResultFirst) {
    ProtocolKind = kLangEsc;
    ASSERT_EQ(PrtLib_Create("Vorlan"), 0); // no Tsprix handle
    EXPECT_EQ(CheckFirmwareVersion("1.0.0"), std::nullopt);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "-6:_Err_OpenPort");
    EXPECT_EQ(sink.messages[0].title, "_MSG_Title_Error");
}

} // namespace
} // namespace devicetest
