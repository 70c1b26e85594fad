#include "CoreFixture.h"

#include <filesystem>

namespace tolvane {
namespace {

using test::CoreTest;
using test::PluginProbe;

TEST_F(CoreTest, CommandLibraryCallsCarryTheirArguments) {
    const PluginProbe selvanic(InstallPlugin(TEST_SELVANIC));
    selvanic.Get<void (*)(const char*, const char*)>("TestSelvanic_SetTransform")("Tessin-58",
                                                                                  "Tessin-58 (V2)");
    selvanic.Get<void (*)(const char*, const char*)>("TestSelvanic_SetTransform")("Gulvo", "Gulvo-2");
    selvanic.Get<void (*)(uint8_t)>("TestSelvanic_SetAppReady")(1);
    SetDebugMode(true);
    Globals().ToolType = "Mobile";
    Globals().OemCo = "Mobile_Abc";
    Selvanic().Bind();

    FirstShowHandToSelvanic();
    EXPECT_TRUE(SelvanicAppIsReady());
    Selvanic().SetPrinterDefName("打印机 A");
    Selvanic().SetPrinterBasName("Tessin-58");
    Selvanic().DoAfterInitPara_SetPermission();
    EXPECT_EQ(Selvanic().TransformPrtName("Tessin-58"), std::optional<std::string>("Tessin-58 (V2)"));
    EXPECT_EQ(Selvanic().TransformPrtName("Other"), std::nullopt);
    EXPECT_EQ(Selvanic().TransformPrtMapModel("Gulvo"), std::optional<std::string>("Gulvo-2"));
    const TPermissionAnswer answer = Selvanic().GetPermissionByNo("0301000001");
    EXPECT_EQ(answer.value, 0);
    EXPECT_EQ(answer.info, 7);
    EXPECT_EQ(answer.text, "answer 0301000001");

    const std::string logFolder = home / "xx20050316094512/Base_Mobile_20191114_181001/Log/DebugLog/";
    EXPECT_EQ(selvanic.Calls(),
              (std::vector<std::string>{
                  "Cmds_SetIsDebug(1)", "Cmds_SetBaseDbgPath(" + logFolder + ")",
                  "Cmds_SetLogFile(" + logFolder + "logfile" + FormatLogDate(NowLocal()) + ".log)",
                  "Cmds_SetToolType(Mobile)", "Cmds_SetOemCo(Mobile_Abc)", "Cmds_TrySetAppToReady",
                  "Cmds_GetAppIsReady", "Cmds_SetPrinterDefName(打印机 A)",
                  "Cmds_SetPrinterBasName(Tessin-58)", "Cmds_DoAfterInitPara_SetPermission",
                  "Cmds_TransformPrtName(Tessin-58)", "Cmds_TransformPrtName(Other)",
                  "Cmds_TransformPrtMapModel(Gulvo)", "Cmds_GetPermissionByNo(0301000001)"}));
}

TEST_F(CoreTest, OverLongTextsAreCutToTheBufferSize) {
    WriteFiles("UtilityForLabelLanguage.ini", "[1042]\nK=v\n");
    const PluginProbe morrant(InstallPlugin(TEST_MORRANT));
    const std::string longKey(400, 'k');
    const std::string longText(400, 't');
    morrant.Get<void (*)(const char*, const char*, const char*)>("TestMorrant_SetText")(
        "1042", longKey.substr(0, 254).c_str(), longText.c_str());
    Morrant().Bind();
    const std::string text = ReadFilesIni("UtilityForLabelLanguage.ini", "1042", longKey);
    EXPECT_EQ(text, longText.substr(0, 254));
}

TEST_F(CoreTest, LibrariesAreFreedOnlyWhileTheirFilesExist) {
    const std::string morrantPath = InstallPlugin(TEST_MORRANT);
    const std::string selvanicPath = InstallPlugin(TEST_SELVANIC);
    Morrant().Bind();
    Selvanic().Bind();
    ASSERT_TRUE(Morrant().IsBound());
    ASSERT_TRUE(Selvanic().IsBound());

    std::filesystem::remove(selvanicPath);
    Morrant().Unbind();
    Selvanic().Unbind();
    EXPECT_FALSE(Morrant().IsBound());
    EXPECT_TRUE(Selvanic().IsBound()) << "kept loaded once its file is gone";
    Selvanic().SetOemCo("x"); // its entry points are no longer used
    EXPECT_EQ(Selvanic().GetPermissionByNo("0301000001").value, 0);
}

TEST_F(CoreTest, AFileThatIsNoLibraryIsNotBound) {
    app.Write("PrtDll/libMorrant.so", "not a shared library");
    Morrant().Bind();
    EXPECT_FALSE(Morrant().IsBound());
    EXPECT_EQ(Morrant().LangReadIni("f", "1042", "k"), std::nullopt);
}

} // namespace
} // namespace tolvane
