#include "CoreFixture.h"

#include "mdlConst_Permission.h"
#include "mdlFunction_Permission.h"

namespace tolvane {
namespace {

using test::CoreTest;
using test::PluginProbe;

TEST_F(CoreTest, PermissionsWithoutTheLibraryAreZeroExceptForcedOnes) {
    RefreshPermissions("Miro-T4");
    for (const std::string_view number : kPermissionQueryOrder) {
        EXPECT_EQ(Permission(number), number == "0142020002" ? 1 : 0) << number;
    }
    RefreshPermissions("Unlisted");
    EXPECT_EQ(Permission("0142020002"), 0);
}

TEST_F(CoreTest, PermissionsAreQueriedInOrderAndForcedAfterTheirQuery) {
    const PluginProbe selvanic(InstallPlugin(TEST_SELVANIC));
    const auto setPermission = selvanic.Get<void (*)(const char*, int32_t)>("TestSelvanic_SetPermission");
    setPermission("0301000001", 2);
    setPermission("0302000001", 0);
    setPermission("0135000052", 1);
    setPermission("9999010401", -3);
    Selvanic().Bind();

    RefreshPermissions("Hobbe-80");
    std::vector<std::string> expectedCalls;
    for (const std::string_view number : kPermissionQueryOrder) {
        expectedCalls.push_back("Cmds_GetPermissionByNo(" + std::string(number) + ")");
    }
    EXPECT_EQ(selvanic.Calls(), expectedCalls);
    EXPECT_EQ(Permission("0301000001"), 2);
    EXPECT_EQ(Permission("0302000001"), 1) << "forced for the model";
    EXPECT_EQ(Permission("0135000052"), 1);
    EXPECT_EQ(Permission("9999010401"), -3);
    EXPECT_EQ(Permission("0304000001"), 0);
    EXPECT_EQ(Permission("0000000000"), 0) << "never queried";

    RefreshPermissions("Miro-T6");
    EXPECT_EQ(Permission("0302000001"), 0);
    EXPECT_EQ(Permission("0142020002"), 1);
}

TEST_F(CoreTest, ReleasePaperListHas127Or255Entries) {
    WriteFiles("UtilityForLabelLanguage.ini", test::kSmallLanguageFile);
    // The catalogue's built-in list would lift some models to 255; without
    // the catalogue installed only the permission does, and a same-named key
    // in the catalogue file is not the built-in list.
    WriteFiles("PrinterTypeList_Label.ini", "[ParameterSet]\nReleasePaper255Models=,Kavo-500,\n");
    Globals().LanguageId = "1033";
    LangTexts().Load("1033");
    const PluginProbe selvanic(InstallPlugin(TEST_SELVANIC));
    Selvanic().Bind();
    const auto setPermission = selvanic.Get<void (*)(const char*, int32_t)>("TestSelvanic_SetPermission");

    struct Case {
        const char* model;
        int permission;
        std::size_t last;
    } cases[] = {{"Kavo-200", 0, 127}, {"Kavo-500", 0, 127}, {"Kavo-500", 1, 255}, {"Kavo-200", 1, 255}};
    for (const Case& c : cases) {
        setPermission("0135000052", c.permission);
        RefreshPermissions(c.model);
        TNameValueList list{{"stale", "entry"}};
        BuildReleasePaperList(c.model, list);
        ASSERT_EQ(list.size(), c.last + 1) << c.model;
        EXPECT_EQ(list.front(), (std::pair<std::string, std::string>{"0", "Off"}));
        EXPECT_EQ(list[1], (std::pair<std::string, std::string>{"1", "1"}));
        EXPECT_EQ(list.back().first, std::to_string(c.last));
        EXPECT_EQ(list.back().second, std::to_string(c.last));
    }
}

TEST_F(CoreTest, DapraProtocolTypeList) {
    WriteFiles("UtilityForLabelLanguage.ini", "[1033]\nLang_All_00010006_12=A12\nLang_All_00010006_14=A14\n"
                                              "Lang_All_00010006_15=A15\nLang_All_00010006_16=A16\n");
    LangTexts().Load("1033");
    const PluginProbe selvanic(InstallPlugin(TEST_SELVANIC));
    Selvanic().Bind();
    const auto setPermission = selvanic.Get<void (*)(const char*, int32_t)>("TestSelvanic_SetPermission");

    using List = TNameValueList;
    struct Case {
        const char* model;
        int p2, p6;
        List expected;
    } cases[] = {
        {"Dapra-D2", 1, 1, {{"0", "A15"}, {"1", "A14"}}},
        {"Dapra-X", 0, 0, {{"k", "v"}}},
        {"Dapra-X", 1, 0, {{"k", "v"}, {"0", "A12"}}},
        {"Dapra-X", 0, 1, {{"k", "v"}, {"1", "A16"}}},
        {"Dapra-X", 1, 1, {{"k", "v"}, {"0", "A12"}, {"1", "A16"}}},
    };
    for (const Case& c : cases) {
        setPermission("0142031002", c.p2);
        setPermission("0142031006", c.p6);
        RefreshPermissions(c.model);
        List list{{"k", "v"}};
        BuildDapraProtocolTypeList(c.model, list);
        EXPECT_EQ(list, c.expected) << c.model << " " << c.p2 << c.p6;
    }
}

} // namespace
} // namespace tolvane
