// Model lists: membership, the paper-width lookup, the catalogue overlay,
// the shape of the built-in data, and the text-file helpers.
#include "CatalogueFixture.h"
#include "mdlCatalogueData.h"
#include "mdlModelList.h"
#include "mdlPaperWidth.h"
#include "mdlTextLines.h"

#include <set>

namespace tolvane::test {
namespace {

TEST(ModelListMembership, NeedsBothCommas) {
    struct Case {
        const char* model;
        const char* list;
        bool member;
    } const cases[] = {
        {"AB", ",ABC,", false},
        {"BC", ",ABC,", false},
        {"ABC", ",ABC,", true},
        {"B", ",A,,B,C,", true},
        {"Kavo-300", ",Kavo-300R,", false},
        {"Plaskit Hobbe", ",Tessin,Plaskit Hobbe,", true},
        {"A", "", false},
        {"", ",A,,B,C,", false}, // a joined list holds ",,", which names no model
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsModelInList(c.model, c.list), c.member) << c.model << " in " << c.list;
    }
}

using PaperWidthTest = CatalogueTest;

TEST_F(PaperWidthTest, FirstListHoldingModelAndCommaGivesTheWidth) {
    WriteFiles(kCatalogueFileName, "[ParameterSet]\n"
                                   "FTN_PaperWidth_1=,W72,\n"
                                   "PaperWidth56=,ABC,Both,\n"
                                   "PaperWidth80=,Both,W80,\n"
                                   "PaperWidth108=,W108,\n");
    struct Case {
        const char* model;
        const char* width;
    } const cases[] = {
        {"W72", "72"},     {"BC", "56"}, // found as the end of ABC (no leading comma needed)
        {"AB", "48"},                    // AB is not followed by a comma anywhere
        {"Both", "56"},    {"W80", "80"}, {"W108", "108"},
        {"Unknown", "48"}, {"", "48"}, // an empty name would otherwise match any list
        {"Calder", "108"},             // the built-in addition of "PaperWidth108"
        {"Miro-T6", "72"},             // the built-in addition of "FTN_PaperWidth_1"
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DefaultPaperWidth(c.model), c.width) << c.model;
    }
    SetDebugMode(true);
    EXPECT_EQ(DefaultPaperWidth("W72"), "720");
}

using CatalogueOverlayTest = CatalogueTest;

TEST_F(CatalogueOverlayTest, FileValueComesFirstThenTheBuiltInList) {
    WriteFiles(kCatalogueFileName, "[ParameterSet]\nIsbtnGDL=,A,\nIPS3=,A,\n[Other]\nIsbtnGDL=,A,\n");
    const std::string joined = ReadCatalogue("IsbtnGDL");
    EXPECT_EQ(joined, ",A,,Tallis,Halden,");
    EXPECT_TRUE(IsModelInList("Tallis", joined));
    EXPECT_TRUE(IsModelInList("A", joined));
    // Keys, sections and file names compare without regard to case.
    EXPECT_EQ(ReadFilesIni(kCatalogueFileName, "parameterset", "isbtngdl"), ",A,,Tallis,Halden,");
    EXPECT_EQ(CatalogueOverlay("printertypelist_label.INI", "PARAMETERSET", "IsBtnGdl", ",A,"),
              ",A,,Tallis,Halden,");
    // Keys without an addition, other sections and other files read as they stand.
    EXPECT_EQ(ReadCatalogue("IPS3"), ",A,");
    EXPECT_EQ(ReadFilesIni(kCatalogueFileName, "Other", "IsbtnGDL"), ",A,");
    EXPECT_EQ(ReadCatalogue("HaveScanTest"), "");
    EXPECT_EQ(CatalogueOverlay("ProtocolType.ini", "ParameterSet", "IsbtnGDL", ",A,"), ",A,");
}

TEST_F(CatalogueOverlayTest, MissingFileLeavesOnlyTheBuiltInList) {
    EXPECT_EQ(ReadCatalogue("Brisco_PrintText"), ",Brisco,");
    EXPECT_EQ(ReadCatalogue("IsbtnModel"), "");
}

TEST_F(CatalogueOverlayTest, FollowsTheCatalogueFileNameGiven) {
    WriteFiles("Other.ini", "[ParameterSet]\nGDS=,A,\n");
    SetCatalogueFileName("Other.ini");
    EXPECT_EQ(ReadCatalogue("GDS"), ",A,,Ardel,Brisco,");
    EXPECT_EQ(ReadFilesIni(kCatalogueFileName, "ParameterSet", "GDS"), "");
}

TEST(BuiltInData, ExactlyTheThirtyNineKeysHaveAdditions) {
    const std::set<std::string> expected = {"SendoWithBT",
                                            "Sendo_ParameterSetting",
                                            "GetProduceDateByGDS",
                                            "Kavo_ParameterSetting",
                                            "IPS5",
                                            "PaperWidth108",
                                            "GDS",
                                            "HaveTwoProtocol",
                                            "x1",
                                            "UseVectorFont",
                                            "IsbtnDLF",
                                            "IsbtnGDL",
                                            "IsbtnPrinterStatus",
                                            "PackageSize4096",
                                            "HaveEPL",
                                            "FTN_PaperWidth_1",
                                            "IsbtnCommandTest",
                                            "IsbtnFrontLearn",
                                            "Miro_ParameterSetting",
                                            "Miro_Mileage",
                                            "Miro_AutoLearn",
                                            "Miro_DfuMode",
                                            "Miro_PrintSelf",
                                            "Miro_FactorySetting",
                                            "Miro_PrintTextLanguageDisable",
                                            "FTN_PrintTextLanguage_NotVisible",
                                            "FTN_Dfu_Head_BinType1",
                                            "FTN_Dfu_UpdateMethod1",
                                            "Miro_WithBT",
                                            "FTN_PrintText_Type1",
                                            "FTN_GetProduceDate_Type1",
                                            "FTN_GetFirmwareVer_Type1",
                                            "FTN_btnPrintText_Form1",
                                            "FTN_PrintText_GetPaperMode",
                                            "Brisco_PrintText",
                                            "Pirvo_ParameterSetting",
                                            "NotHaveBT",
                                            "IPS6",
                                            "IPS4"};
    std::set<std::string> actual;
    for (const TModelListRow& row : CatalogueAdditionRows()) {
        actual.emplace(row.name);
    }
    EXPECT_EQ(actual, expected);
    for (const std::string& key : expected) {
        EXPECT_FALSE(CatalogueAddition(key).empty()) << key;
    }
    EXPECT_EQ(CatalogueAddition("sendowithbt"), CatalogueAddition("SendoWithBT"));
    EXPECT_EQ(CatalogueAddition("IPS3"), "");
}

// Every built-in list has the list form: a comma first and last, names
// without surrounding blanks; only the two literal lists of the file
// dialog carry an empty entry.
TEST(BuiltInData, EveryListHasTheListForm) {
    const std::set<std::string_view> withEmptyEntry = {"DirectTsplModels", "DirectGraphicModels"};
    for (const auto rows : {BuiltInModelListRows(), CatalogueAdditionRows(), FeatureNumberRows()}) {
        for (const TModelListRow& row : rows) {
            ASSERT_GE(row.models.size(), 3u) << row.name;
            EXPECT_EQ(row.models.front(), ',') << row.name;
            EXPECT_EQ(row.models.back(), ',') << row.name;
            const std::vector<std::string> names =
                SplitFields(row.models.substr(1, row.models.size() - 2), ',');
            for (const std::string& name : names) {
                if (name.empty()) {
                    EXPECT_TRUE(withEmptyEntry.contains(row.name)) << row.name;
                    continue;
                }
                EXPECT_EQ(std::string(IniTrim(name)), name) << row.name;
            }
        }
    }
}

TEST(TextFiles, SplitFieldsKeepsEmptyFields) {
    struct Case {
        const char* text;
        std::vector<std::string> fields;
    } const cases[] = {
        {"Kavo-300|NET|NET,10.0.0.5|desk|1", {"Kavo-300", "NET", "NET,10.0.0.5", "desk", "1"}},
        {"a||b|", {"a", "", "b", ""}},
        {"Vorlan|USB|USB", {"Vorlan", "USB", "USB"}},
        {"", {""}},
        {"|", {"", ""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitFields(c.text, '|'), c.fields) << c.text;
    }
}

using TextLinesTest = CatalogueTest;

TEST_F(TextLinesTest, SkipsBlankLinesAndKeepsTheRestUntrimmed) {
    const std::string path =
        WriteFiles("list.txt", "\xEF\xBB\xBFVorlan\r\n\r\n   \n\t\n Kavo-300 \nPlaskit Hobbe");
    EXPECT_EQ(ReadTextLines(path), (std::vector<std::string>{"Vorlan", " Kavo-300 ", "Plaskit Hobbe"}));
    EXPECT_TRUE(ReadTextLines(app / "files/missing.txt").empty());
}

TEST_F(TextLinesTest, AnOverlongFileIsReadUpToTheLimit) {
    const std::string line(1000, 'x');
    std::string text;
    while (text.size() <= kMaxTextFileBytes) {
        text += line + "\n";
    }
    const std::vector<std::string> lines = ReadTextLines(WriteFiles("big.txt", text));
    EXPECT_EQ(lines.size(), kMaxTextFileBytes / (line.size() + 1));
    EXPECT_EQ(lines.back(), line);
}

} // namespace
} // namespace tolvane::test
