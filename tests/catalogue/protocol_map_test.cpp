// The command language of a model from the protocol lists (with the
// edition's list modes) and the map model in its six steps.
#include "CatalogueFixture.h"
#include "mdlMapModel.h"
#include "mdlOemClass.h"
#include "mdlPrinterLib.h"
#include "mdlProtocolLists.h"

namespace tolvane::test {
namespace {

using ProtocolListsTest = CatalogueTest;

TEST_F(ProtocolListsTest, FirstOfCpclTsplEscZplWinsAndOtherwiseTspl) {
    WriteFiles(kProtocolFileName, "[Protocol]\n"
                                  "TSPL=,Both,Label,TsplEsc,\n"
                                  "CPCL=,Both,Mobile,\n"
                                  "ESC=,Receipt,TsplEsc,EscZpl,\n"
                                  "ZPL=,Zebraish,EscZpl,\n");
    const TProtocolLists lists = ReadProtocolLists(nullptr);
    struct Case {
        const char* model;
        int language;
    } const cases[] = {
        {"Both", kLangCpcl},    {"Mobile", kLangCpcl},  {"Label", kLangTspl},
        {"TsplEsc", kLangTspl}, {"Receipt", kLangEsc},  {"EscZpl", kLangEsc},
        {"Zebraish", kLangZpl}, {"Nowhere", kLangTspl}, {"Labe", kLangTspl}, // a part of a name is no member
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProtocolOfModel(lists, c.model), c.language) << c.model;
    }
}

TEST_F(ProtocolListsTest, MissingFileGivesTsplForEveryModel) {
    const TProtocolLists lists = ReadProtocolLists(nullptr);
    EXPECT_EQ(ProtocolOfModel(lists, "Corla"), kLangTspl);
}

TEST_F(ProtocolListsTest, EditionReplacesOrExtendsEachList) {
    WriteFiles(kProtocolFileName, "[Protocol]\nTSPL=,A,\nESC=,B,\nCPCL=,C,\nZPL=,D,\n");
    TOemClass edition;
    edition.TsplListMode = 2;
    edition.TsplList = ",E,";
    edition.EscListMode = 3;
    edition.EscList = ",F,";
    edition.CpclListMode = 1;
    edition.CpclList = ",G,";
    edition.ZplListMode = 0;
    edition.ZplList = ",H,";
    const TProtocolLists lists = ReadProtocolLists(&edition);
    EXPECT_EQ(lists.Tspl, ",E,");
    EXPECT_EQ(lists.Esc, ",B,,,F,");
    EXPECT_EQ(lists.Cpcl, ",C,");
    EXPECT_EQ(lists.Zpl, ",D,");
    EXPECT_EQ(ProtocolOfModel(lists, "A"), kLangTspl); // only because nothing else lists it
    EXPECT_EQ(ProtocolOfModel(lists, "F"), kLangEsc);
}

TEST_F(ProtocolListsTest, TheDeviceLayerAsksTheHeldLists) {
    WriteFiles(kCatalogueFileName, "[ParameterSet]\nGDS=,X,\n");
    WriteFiles(kProtocolFileName, "[Protocol]\nCPCL=,Corla,\n");
    SetProtocolLists(ReadProtocolLists(nullptr));
    const TCatalogueProtocols catalogue;
    EXPECT_EQ(catalogue.ModelProtocol("Corla"), kLangCpcl);
    EXPECT_EQ(catalogue.ParameterSetList("GDS"), ",X,,Ardel,Brisco,");
    SetProtocolLists({});
}

using MapModelTest = CatalogueTest;

TEST_F(MapModelTest, SourcesFollowTheEditionMapMode) {
    WriteFiles(kPrinterMapFileName, "[Map]\nInFile=FileModel\nInBoth=FileModel\n");
    struct Case {
        int mode;
        const char* model;
        const char* expected;
    } const cases[] = {
        {0, "InFile", "FileModel"},       {0, "InEdition", "Vorlan"}, // the edition map is not consulted
        {0, "Nowhere", "Vorlan"},         {0, "Hobbe-80N", "Vorlan"}, // no variant map on an empty value
        {0, "Quist-T3", "Vorlan"},        {1, "InFile", "InFile"},    // the file is ignored: the model itself
        {1, "InEdition", "EditionModel"}, {1, "Quist-T3", "Quist"},   // the built-in map
        {1, "Hobbe-80N", "Hobbe"},                                    // the feature assigner's variant map
        {2, "InBoth", "FileModel"},       {2, "InEdition", "EditionModel"}, {2, "Nowhere", "Nowhere"},
        {7, "InFile", "FileModel"},       {7, "InEdition", "Vorlan"},
    };
    for (const Case& c : cases) {
        TOemClass edition;
        edition.MapMode = c.mode;
        edition.Map = {{"InEdition", "EditionModel"}, {"InBoth", "EditionModel"}};
        EXPECT_EQ(MapModelOf(c.model, kDefaultMapModel, &edition), c.expected)
            << "mode " << c.mode << ", " << c.model;
    }
}

TEST_F(MapModelTest, WithoutAnEditionOnlyTheFileCounts) {
    WriteFiles(kPrinterMapFileName, "[Map]\nCorla-3=Corla\n");
    EXPECT_EQ(MapModelOf("Corla-3", kDefaultMapModel, nullptr), "Corla");
    EXPECT_EQ(MapModelOf("Corla-2", kDefaultMapModel, nullptr), "Vorlan");
}

TEST_F(MapModelTest, DefaultOnlyForTheTwoToolFlavours) {
    Globals().ToolType = "Mobile";
    EXPECT_EQ(MapModelOf("Nowhere", "Vorlan", nullptr), "Vorlan");
    Globals().ToolType = "Kiosk";
    EXPECT_EQ(MapModelOf("Nowhere", "Vorlan", nullptr), "");
}

} // namespace
} // namespace tolvane::test
