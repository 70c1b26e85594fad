// Feature records: the class chosen for each printer list name, what the
// families fill in, the Hobbe rules, the assigner's flags and the
// firmware-generation choices; and the feature-number lists of TFTNVar.
#include "CatalogueFixture.h"
#include "mdlFTNVar.h"
#include "mdlFtnAFamilies.h"
#include "mdlOemEditionFile.h"
#include "mdlPrtVerOfTool.h"

#include <typeindex>

namespace tolvane::test {
namespace {

using FeatureRecordTest = CatalogueTest;

TEST_F(FeatureRecordTest, ClassIsChosenByTheExactListName) {
    struct Case {
        const char* listName;
        std::type_index type;
    } const cases[] = {
        {"Wendle", typeid(TFtnA_Wendle)},
        {"Jostra", typeid(TFtnA_TheJostra)},
        {"Ferune", typeid(TFtnA_TheFerune)},
        {"Norla", typeid(TFtnA_TheNorla)},
        {"NorlaBT", typeid(TFtnA_TheNorlaBT)},
        {"Hobbe", typeid(TFtnA_TheHobbe)},
        {"Plaskit Hobbe", typeid(TFtnA_ThePlaskit_Hobbe)},
        {"TessinBT", typeid(TFtnA_TheTessinBT)},
        {"HobbeBT", typeid(TFtnA_TheHobbeBT)},
        {"Tessin", typeid(TFtnA_TheTessin)},
        {"Ruvad", typeid(TFtnA_TheRuvad)},
        {"Ruvex", typeid(TFtnA_TheRuvex)},
        {"Kavo-300", typeid(TFtnABase)},
        {"hobbe", typeid(TFtnABase)},
        {"Hobbe-80", typeid(TFtnABase)},
        {"", typeid(TFtnABase)},
    };
    for (const Case& c : cases) {
        const TFtnABase& record = SelectFeatureRecord(c.listName);
        EXPECT_EQ(std::type_index(typeid(record)), c.type) << c.listName;
        EXPECT_TRUE(record.ResetDone) << c.listName;
        EXPECT_EQ(&CurrentFeatureRecord(), &record);
    }
}

TEST_F(FeatureRecordTest, FamiliesFillTheirVariantsAndThePlainRecordStaysEmpty) {
    const TFtnABase& tessin = SelectFeatureRecord("Tessin");
    EXPECT_TRUE(tessin.VariantA.AppliesTo("Tessin"));
    EXPECT_FALSE(tessin.VariantA.AppliesTo("TessinBT"));
    EXPECT_TRUE(Matches(tessin.VariantA.Matcher, "USB\\VID_20D1&PID_7031\\1-2"));
    EXPECT_FALSE(Matches(tessin.VariantA.Matcher, "USB\\VID_20D1&PID_7032\\1-2"));
    EXPECT_EQ(tessin.VariantName1, "Tessin-58");
    EXPECT_EQ(tessin.VariantName2, "Tessin-58BT");
    EXPECT_EQ(tessin.UsbIdentity3, "VID_2AAF&PID_9006");
    EXPECT_EQ(tessin.BaseVariantName, "Tessin");
    EXPECT_EQ(tessin.BaseFallbackName, "Tessin-58");

    const TFtnABase& plaskit = SelectFeatureRecord("Plaskit Hobbe");
    EXPECT_TRUE(plaskit.VariantA.AppliesTo("anything"));

    const TFtnABase& norla = SelectFeatureRecord("Norla");
    EXPECT_EQ(norla.DisplayModelList, ",Norla,");
    EXPECT_EQ(norla.DisplayIdentity1, "VID_20D1&PID_7035");

    const TFtnABase& ruvad = SelectFeatureRecord("Ruvad");
    EXPECT_EQ(ruvad.Manual2.ResolvedName, "Ruvad-3");
    EXPECT_TRUE(Matches(ruvad.Manual2.Matcher, "VID_2AAF&PID_4011"));

    const TFtnABase& plain = SelectFeatureRecord("Kavo-300");
    EXPECT_TRUE(plain.VariantA.ModelList.empty());
    EXPECT_FALSE(plain.VariantA.AppliesTo("Kavo-300"));
    EXPECT_FALSE(Matches(plain.VariantA.Matcher, "VID_20D1&PID_7031"));
    EXPECT_TRUE(plain.Generation1Name.empty());
    EXPECT_TRUE(plain.DisplayModelList.empty());
}

TEST_F(FeatureRecordTest, HobbeSetsTheCommandTestAndFrontLearnRules) {
    struct Case {
        const char* model;
        int commandTest;
        int frontLearn;
    } const cases[] = {{"Hobbe-80N", 2, 0}, {"Hobbe-80", 0, 1}, {"Hobbe", 0, 0}};
    for (const Case& c : cases) {
        TFtnABase& record = SelectFeatureRecord("Hobbe");
        record.TakeSelectionIdentity("Hobbe", c.model);
        EXPECT_EQ(record.CommandTestRule, c.commandTest) << c.model;
        EXPECT_EQ(record.FrontLearnRule, c.frontLearn) << c.model;
        EXPECT_EQ(record.SelectedModel, c.model);
    }
    TFtnABase& other = SelectFeatureRecord("HobbeBT");
    other.TakeSelectionIdentity("HobbeBT", "Hobbe-80N");
    EXPECT_EQ(other.CommandTestRule, 0);
}

TEST_F(FeatureRecordTest, GenerationChoicesAndTheirLabels) {
    LoadLanguageTexts();
    struct Case {
        const char* model;
        bool testMarker;
        std::vector<std::string> lines;
    } const cases[] = {
        {"Kavo-300", false, {"0=", "1=1"}},
        {"Jostra", false, {"0=", "1=1(Firmware V1.04.XX)", "2=2(Firmware V2.XX.XX)"}},
        {"Ferune", false, {"0=", "1=1(Firmware V1.04.XX)", "2=2(Firmware V4.XX.XX)"}},
        {"Ferune", true, {"0=", "1=1(Firmware V1.04.XX)", "2=2(Firmware V4.XX.XX)"}},
        {"Hobbe", true, {"0=", "1=1(Firmware V1.04.XX)", "2=2(Firmware V2.XX.XX)", "99=99(Test)"}},
    };
    for (const Case& c : cases) {
        if (c.testMarker) {
            CreateTestDataMarker();
        }
        EXPECT_EQ(GenerationChoicesFor(c.model).NameValueLines(), c.lines) << c.model;
    }
    const TObj_Ult_PrtVerOfToolMg hobbe = GenerationChoicesFor("Hobbe");
    EXPECT_EQ(hobbe.DescriptionOfLabel("1(Firmware V1.04.XX)"), "Firmware version: Firmware V1.04.XX");
    EXPECT_EQ(hobbe.DescriptionOfLabel("99(Test)"), "Test");
    EXPECT_EQ(hobbe.KeyOfLabel("2(Firmware V2.XX.XX)"), "2");
    EXPECT_EQ(hobbe.KeyOfLabel("no such label"), "0");
    EXPECT_EQ(hobbe.DescriptionOfLabel("no such label"), "");
    const TObj_Ult_PrtVerOfToolMg plain = GenerationChoicesFor("Kavo-300");
    EXPECT_EQ(plain.DescriptionOfLabel("1"), "1");
    EXPECT_EQ(plain.FindKey("2"), nullptr);
}

using FeatureNumberTest = CatalogueTest;

TEST_F(FeatureNumberTest, BuiltInAndCatalogueFeatureNumbers) {
    WriteFiles(kCatalogueFileName, "[ParameterSet]\nNIsbtnPrintText=,Bexley,\nFTN_DfuBin_Visible=,Quistel,\n"
                                   "FTN_PaperWidth_1=,Corla-3,\nHaveScanTest=,Ardel,\n");
    TFTNVar features;
    features.BuildFeatureLists("Label", "");
    features.LoadCatalogueFeatures();
    EXPECT_TRUE(features.HasFeature("FTNNo_WifiSet_0", "Dresk-4TN"));
    EXPECT_FALSE(features.HasFeature("FTNNo_WifiSet_0", "Dresk-4T"));
    EXPECT_TRUE(features.HasFeature("FTNNo_btnPrintText_0", "Bexley"));
    EXPECT_TRUE(features.HasFeature("FTNNo_DfuBin_Visible", "Quistel"));
    EXPECT_TRUE(features.HasFeature("FTNNo_PaperWidth_1", "Miro-T6")); // with the built-in addition
    EXPECT_FALSE(features.HasFeature("FTNNo_HaveScanTest", "Ardel"));  // not a catalogue feature number
    EXPECT_FALSE(features.HasFeature("FTNNo_Unknown", "Bexley"));

    // The catalogue values are read once: a later edit does not change them.
    WriteFiles(kCatalogueFileName, "[ParameterSet]\nFTN_DfuBin_Visible=,Other,\n");
    EXPECT_TRUE(features.HasFeature("FTNNo_DfuBin_Visible", "Quistel"));
    EXPECT_FALSE(features.HasFeature("FTNNo_DfuBin_Visible", "Other"));
}

TEST_F(FeatureNumberTest, TheFixedListMobileEditionUsesItsOwnPrintTextList) {
    WriteFiles(kCatalogueFileName, "[ParameterSet]\nNIsbtnPrintText=,Bexley,\n");
    WriteFiles(kOemEditionFileName, "[Mobile_Fixed]\nToolType=Mobile\nFixedPrintTextList=1\n"
                                    "[Mobile_Plain]\nToolType=Mobile\n");
    TFTNVar features;
    features.BuildFeatureLists("Mobile", "Mobile_Fixed");
    EXPECT_FALSE(features.HasFeature("FTNNo_btnPrintText_0", "Bexley"));
    EXPECT_TRUE(features.HasFeature("FTNNo_btnPrintText_0", "Miro-T4"));
    features.BuildFeatureLists("Label", "Mobile_Fixed");
    EXPECT_TRUE(features.HasFeature("FTNNo_btnPrintText_0", "Bexley"));
    features.BuildFeatureLists("Mobile", "Mobile_Plain");
    EXPECT_TRUE(features.HasFeature("FTNNo_btnPrintText_0", "Bexley"));
    ClearOemEditions();
}

} // namespace
} // namespace tolvane::test
