// The catalogue plugged into the core's start-up: after the program's
// start-up steps the overlay, the feature lists, the company printer list,
// the protocol lists and the device layer's language detection all work
// from the files of the program folder.
#include "CatalogueFixture.h"
#include "mdlCatalogueHooks.h"
#include "mdlCompanyPrinterList.h"
#include "mdlCoreHooks.h"
#include "mdlFTNVar.h"
#include "mdlFunction_Permission.h"
#include "mdlGlobalObjects.h"
#include "mdlPrinterLib.h"
#include "mdlProtocolLists.h"
#include "mdlQueryEmulation.h"
#include "mdlStartup.h"

namespace tolvane::test {
namespace {

class CatalogueHooksTest : public CatalogueTest {
  protected:
    void TearDown() override {
        MainWindowDestroySteps();
        AfterMessageLoop();
        CoreHooks() = TCoreHooks{};
        SetProtocolCatalogue(nullptr);
        SetProtocolLists({});
        CatalogueTest::TearDown();
    }
};

TEST_F(CatalogueHooksTest, StartUpLoadsTheCatalogueThroughTheHooks) {
    WriteFiles(kCatalogueFileName, "[ParameterSet]\nGDS=,Dresk-4T,\nFTN_DfuBin_Visible=,Quistel,\n");
    WriteFiles(kProtocolFileName, "[Protocol]\nCPCL=,Corla,\nESC=,Tormund,\n");
    WriteFiles(kCompanyPrinterListFileName, "Vorlan\nCorla\n");
    SetCatalogueOverlay({});

    InstallCatalogueHooks();
    const std::vector<std::string> args{"/opt/tolvane/Tolvane"};
    StartupInitModules();
    StartupDecideAndCreate(args);
    MainWindowCreateSteps(args);
    FirstShowPrepare();

    EXPECT_EQ(ReadCatalogue("GDS"), ",Dresk-4T,,Ardel,Brisco,");
    EXPECT_EQ(CompanyPrinterList(), (std::vector<std::string>{"Vorlan", "Corla"}));
    EXPECT_EQ(ProtocolOfModel("Tormund"), kLangEsc);

    TOstrelVar& state = *GlobalObjects().OstrelVar;
    ASSERT_NE(state.FeatureList, nullptr);
    state.DevNewPrt->NewDevice(kLangTspl).ModelName = "Dresk-4TN";
    EXPECT_TRUE(state.HasFeature("FTNNo_WifiSet_0"));
    EXPECT_FALSE(state.HasFeature("FTNNo_DfuBin_Visible"));
    state.DevNewPrt->NewDevice(kLangTspl).ModelName = "Quistel";
    EXPECT_TRUE(state.HasFeature("FTNNo_DfuBin_Visible"));

    // The device layer asks the catalogue: a model with one language is
    // not asked, so nothing is sent and no port is needed.
    EXPECT_EQ(QueryEmulation("Corla"), kLangCpcl);
    EXPECT_EQ(ProtocolKind, kLangCpcl);

    // The release-paper list of the parameter dialogs reaches 255 for the
    // models of the built-in list, 127 for the others.
    TNameValueList releasePaper;
    BuildReleasePaperList("Ardel", releasePaper);
    EXPECT_EQ(releasePaper.back().first, "255");
    BuildReleasePaperList("Kavo-200", releasePaper);
    EXPECT_EQ(releasePaper.back().first, "127");
}

} // namespace
} // namespace tolvane::test
