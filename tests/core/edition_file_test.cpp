// The edition file: its records and the rules a record must keep, the
// shipped editions, the selection of an edition from ToolType and OemCo,
// and "--edition" on the command line.
#include "CoreFixture.h"

#include "mdlDebugLog.h"
#include "mdlIniDocument.h"
#include "mdlOemClass.h"
#include "mdlOptions.h"

#include <fstream>
#include <set>
#include <sstream>

namespace tolvane {
namespace {

using test::CoreTest;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TOemEditionTable Parse(const std::string& text) {
    return ParseOemEditions(IniDocument::Parse(text));
}

TEST(EditionFile, ARecordGivesEveryFieldOfItsEdition) {
    const TOemEditionTable table = Parse("[Label_Test]\n"
                                         "ToolType=Label\n"
                                         "TsplListMode=3\nTsplList=,\nEscListMode=2\nEscList=,A,B,\n"
                                         "CpclListMode=3\nCpclList=,,\nZplListMode=1\nZplList=\n"
                                         "VersionMode=1\nVersionText=V1.2.3.4\n"
                                         "CaptionMode=1\nBrandText=Brand One\n"
                                         "CaptionTitleKey=Lang_All_00210171_11\n"
                                         "CaptionSuffix=--\nCaptionSuffixKey=Lang_All_00210217_12\n"
                                         "ModelListMode=2\nModelList= Model A , Model B ,,\n"
                                         "MapMode=1\nMap=Model A=Kavo, Model B = Quist\n"
                                         "ProductGuid=0123abcd-4567-89EF-0123-456789ABCDEF\nProductCode=TST\n"
                                         "LanguageRow=1\nLanguages=1042,2052,7\nLanguageIdRow=0\n"
                                         "ManagementOption=2\nPrefixedLanguageKeys=1\nCatalogueCheck=0\n"
                                         "FixedPrintTextList=1\nProgrammerModels=P1,P2\nTestModels=T1\n");
    EXPECT_TRUE(table.Problems.empty()) << table.Problems.front();
    ASSERT_EQ(table.Records.size(), 1u);
    const TOemEditionRecord& r = *table.Records.front();
    const TOemValues& v = r.Values;
    EXPECT_EQ(v.ToolType, "Label");
    EXPECT_EQ(v.OemCo, "Label_Test");
    EXPECT_EQ(std::make_tuple(v.TsplListMode, v.TsplList, v.EscListMode, v.EscList, v.CpclListMode,
                              v.CpclList, v.ZplListMode, v.ZplList),
              std::make_tuple(3, std::string(","), 2, std::string(",A,B,"), 3, std::string(",,"), 1,
                              std::string()));
    EXPECT_EQ(v.VersionText, "V1.2.3.4");
    EXPECT_EQ(v.BrandText, "Brand One");
    EXPECT_EQ(v.CaptionTitleKey, "Lang_All_00210171_11");
    EXPECT_EQ(r.CaptionSuffix, "--");
    EXPECT_EQ(r.CaptionSuffixKey, "Lang_All_00210217_12");
    EXPECT_EQ(v.ModelList, (std::vector<std::string>{"Model A", "Model B"}));
    EXPECT_EQ(v.Map, (TNameValueList{{"Model A", "Kavo"}, {"Model B", "Quist"}}));
    EXPECT_EQ(v.ProductCode, "TST");
    EXPECT_EQ(std::make_tuple(v.Lang2052, v.Lang1033, v.Lang1042, v.Lang7, v.Lang1040, v.Lang1036),
              std::make_tuple(1, 0, 1, 1, 0, 0));
    EXPECT_EQ(std::make_tuple(v.LanguageRow, v.LanguageIdRow, v.ManagementOption), std::make_tuple(1, 0, 2));
    EXPECT_TRUE(v.PrefixedLanguageKeys);
    EXPECT_FALSE(v.CatalogueCheck);
    EXPECT_TRUE(v.FixedPrintTextList);
    EXPECT_EQ(r.ProgrammerModels, (std::vector<std::string>{"P1", "P2"}));
    EXPECT_EQ(r.TestModels, (std::vector<std::string>{"T1"}));
}

TEST(EditionFile, ARecordThatBreaksARuleIsSkippedAndNamed) {
    struct Case {
        const char* section;
        const char* problem; // part of the problem line
    } const cases[] = {
        {"[Label_A]\n", "ToolType must be Label or Mobile"},
        {"[Label_A]\nToolType=Kiosk\n", "ToolType must be Label or Mobile"},
        {"[Label_A]\nToolType=Mobile\n", "the code must be Mobile_"},
        {"[Label_]\nToolType=Label\n", "the code must be Label_"},
        {"[Label_A B]\nToolType=Label\n", "the code must be Label_"},
        {"[Label_A]\nToolType=Label\nModeListMode=1\n", "unknown key ModeListMode"},
        {"[Label_A]\nToolType=Label\nTsplListMode=x\n", "TsplListMode=x is not a number"},
        {"[Label_A]\nToolType=Label\nMapMode=10\n", "MapMode=10 is not a number from 0 to 9"},
        {"[Label_A]\nToolType=Label\nMapMode=-1\n", "MapMode=-1"},
        {"[Label_A]\nToolType=Label\nLanguageRow=2\n", "LanguageRow=2"},
        {"[Label_A]\nToolType=Label\nPrefixedLanguageKeys=yes\n", "PrefixedLanguageKeys=yes"},
        {"[Label_A]\nToolType=Label\nMap=Model A\n", "Map entry \"Model A\" is not name=value"},
        {"[Label_A]\nToolType=Label\nMap==Kavo\n", "is not name=value"},
        {"[Label_A]\nToolType=Label\nLanguages=2052,1049\n", "Languages: 1049"},
        {"[Label_A]\nToolType=Label\nProductGuid=0123\n", "is not 32 hexadecimal digits"},
        {"[Label_A]\nToolType=Label\nProductGuid=0123456789ABCDEF0123456789ABCDEG\n", "hexadecimal"},
        {"[Label_A]\nToolType=Label\nProductCode=../../etc\n", "is not a folder name"},
        {"[Label_A]\nToolType=Label\nProductCode=.hidden\n", "is not a folder name"},
        {"[Label_A]\nToolType=Label\nProductCode=a/b\n", "is not a folder name"},
        {"[Label_A]\nToolType=Label\nCaptionTitleKey=Lang All\n", "is not a language key"},
        {"[Label_A]\nToolType=Label\nBrandText=\x01x\n", "BrandText holds a control character"},
    };
    for (const Case& c : cases) {
        const TOemEditionTable table = Parse(std::string(c.section) + "[Label_Good]\nToolType=Label\n");
        ASSERT_EQ(table.Records.size(), 1u) << c.section;
        EXPECT_EQ(table.Records.front()->Values.OemCo, "Label_Good") << "the next record is still read";
        ASSERT_EQ(table.Problems.size(), 1u) << c.section;
        EXPECT_NE(table.Problems.front().find("skipped"), std::string::npos);
        EXPECT_NE(table.Problems.front().find(c.problem), std::string::npos)
            << c.section << " gave " << table.Problems.front();
    }
    // Over-long values and lists.
    const std::string longText(200, 'x');
    EXPECT_EQ(Parse("[Label_A]\nToolType=Label\nBrandText=" + longText + "\n").Records.size(), 0u);
    std::string manyModels;
    for (int i = 0; i < 70; ++i) {
        manyModels += "M" + std::to_string(i) + ",";
    }
    EXPECT_EQ(Parse("[Label_A]\nToolType=Label\nModelList=" + manyModels + "\n").Records.size(), 0u);
}

TEST(EditionFile, MobileEditionsComeFirstAndTheCountIsBounded) {
    std::string text = "[Label_B]\nToolType=Label\n[Mobile_A]\nToolType=Mobile\n";
    const TOemEditionTable ordered = Parse(text);
    ASSERT_EQ(ordered.Records.size(), 2u);
    EXPECT_EQ(ordered.Records[0]->Values.OemCo, "Mobile_A");
    EXPECT_EQ(ordered.Records[1]->Values.OemCo, "Label_B");

    for (std::size_t i = 0; i <= kMaxOemEditions; ++i) {
        text += "[Label_N" + std::to_string(i) + "]\nToolType=Label\n";
    }
    const TOemEditionTable bounded = Parse(text);
    EXPECT_EQ(bounded.Records.size(), kMaxOemEditions);
    EXPECT_EQ(bounded.Problems.size(), 3u);
}

TEST(EditionFile, TheShippedFileHoldsThirtyGoodEditions) {
    const auto doc = IniDocument::Parse(ReadAll(std::string(TOLVANE_SOURCE_DIR "/files/OemEditions.ini")));
    const TOemEditionTable table = ParseOemEditions(doc);
    EXPECT_TRUE(table.Problems.empty()) << table.Problems.front();
    ASSERT_EQ(table.Records.size(), 30u);
    std::set<std::string> codes;
    std::set<std::string> productCodes;
    int mobile = 0;
    for (std::size_t i = 0; i < table.Records.size(); ++i) {
        const TOemValues& v = table.Records[i]->Values;
        mobile += v.ToolType == "Mobile" ? 1 : 0;
        EXPECT_EQ(v.ToolType == "Mobile", i < 5) << v.OemCo;
        EXPECT_TRUE(codes.insert(v.OemCo).second) << v.OemCo;
        EXPECT_TRUE(productCodes.insert(v.ProductCode).second) << v.ProductCode;
        EXPECT_FALSE(v.ProductGuid.empty()) << v.OemCo << " keeps its data in a folder of its own";
        EXPECT_EQ(v.CaptionMode, 1) << v.OemCo;
        EXPECT_FALSE(v.BrandText.empty()) << v.OemCo;
        EXPECT_EQ(v.VersionMode, 1) << v.OemCo;
        EXPECT_EQ(v.VersionText.front(), 'V') << v.OemCo;
        EXPECT_TRUE(v.ModelListMode == 1 || v.ModelListMode == 2) << v.OemCo;
        EXPECT_FALSE(v.ModelList.empty()) << v.OemCo;
        EXPECT_LE(v.ModelList.size(), 5u) << v.OemCo;
    }
    EXPECT_EQ(mobile, 5);
    // Each rule of a single edition belongs to an edition.
    const auto count = [&table](auto predicate) {
        return std::count_if(table.Records.begin(), table.Records.end(),
                             [&predicate](const auto& r) { return predicate(*r); });
    };
    EXPECT_EQ(count([](const TOemEditionRecord& r) { return r.Values.PrefixedLanguageKeys; }), 1);
    EXPECT_EQ(count([](const TOemEditionRecord& r) { return r.Values.CatalogueCheck; }), 1);
    EXPECT_EQ(count([](const TOemEditionRecord& r) { return r.Values.FixedPrintTextList; }), 1);
    EXPECT_EQ(count([](const TOemEditionRecord& r) { return r.ProgrammerModels.size() == 2; }), 1);
    EXPECT_GE(count([](const TOemEditionRecord& r) { return !r.TestModels.empty(); }), 2);
    EXPECT_GE(count([](const TOemEditionRecord& r) { return r.Values.ManagementOption == 2; }), 1);
    EXPECT_EQ(count([](const TOemEditionRecord& r) { return !r.Values.CaptionTitleKey.empty(); }), 1);
    EXPECT_EQ(count([](const TOemEditionRecord& r) { return !r.CaptionSuffixKey.empty(); }), 1);
}

TEST_F(CoreTest, SelectingAnEditionNeedsItsFlavourAndItsCode) {
    struct Case {
        const char* toolType;
        const char* oemCo;
        const char* brand; // "" for the base edition
    } const cases[] = {
        {"Label", "Label_Lingua", "Lingua"},
        {"Mobile", "Mobile_Sorrel", "Sorrel"},
        {"Mobile", "Label_Lingua", ""},
        {"Label", "Mobile_Sorrel", ""},
        {"Label", "", ""},
        {"Label", "label_lingua", ""},
        {"label", "Label_Lingua", ""},
        {"Label", "Label_Unknown", ""},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        const std::unique_ptr<TOemClass> edition = SelectOemEdition(c.toolType, c.oemCo);
        EXPECT_EQ(edition->BrandText, c.brand) << c.toolType << " " << c.oemCo;
        EXPECT_EQ(edition->ToolType, c.toolType);
        EXPECT_EQ(edition->OemCo, c.oemCo);
        EXPECT_EQ(edition->DataFolder.empty(), *c.brand == 0) << c.oemCo;
    }
}

TEST_F(CoreTest, AnEditionKeepsItsDataInItsOwnFolder) {
    const std::unique_ptr<TOemClass> edition = SelectOemEdition("Label", "Label_Lingua");
    const std::string folder = home / "data/LINU/OcUserData/";
    EXPECT_EQ(edition->ProductCode, "LINU");
    EXPECT_EQ(edition->DataFolder, folder);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    const std::unique_ptr<TOemClass> base = SelectOemEdition("Label", "");
    EXPECT_EQ(base->DataFolder, "");
    EXPECT_EQ(base->ProductGuid, "");
}

TEST_F(CoreTest, ProgrammerRoleAndTestDataMarkerAddModels) {
    WriteFiles(kOemEditionFileName, "[Label_P]\nToolType=Label\nModelListMode=1\nModelList=A\n"
                                    "ProgrammerModels=P1,P2\nTestModels=T1\n");
    struct Case {
        bool programmer;
        bool testData;
        std::vector<std::string> models;
    } const cases[] = {
        {false, false, {"A"}},
        {true, false, {"A", "P1", "P2"}},
        {false, true, {"A", "T1"}},
        {true, true, {"A", "P1", "P2", "T1"}},
    };
    for (const Case& c : cases) {
        ResetModes();
        std::filesystem::remove_all(home / "xx20050316094512");
        DecideModes(c.programmer ? test::Args({"-SwitchProgrammer"}) : test::Args({}));
        if (c.testData) {
            home.Write("xx20050316094512/dfile20050316094512-Real.txt", "");
        }
        EXPECT_EQ(SelectOemEdition("Label", "Label_P")->ModelList, c.models)
            << c.programmer << " " << c.testData;
    }
}

TEST_F(CoreTest, TheCaptionSuffixFollowsTheLanguageInUse) {
    WriteFiles("UtilityForLabelLanguage.ini", "[2052]\nLang_All_00210217_12=定制版\n"
                                              "[1033]\nLang_All_00210217_12=Custom edition\n");
    const std::unique_ptr<TOemClass> edition = SelectOemEdition("Label", "Label_Fernolt");
    EXPECT_EQ(edition->CaptionSuffix(), "--") << "no texts loaded yet";
    LangTexts().Load("1033");
    EXPECT_EQ(edition->CaptionSuffix(), "--Custom edition");
    LangTexts().Load("2052");
    EXPECT_EQ(edition->CaptionSuffix(), "--定制版");
    EXPECT_EQ(SelectOemEdition("Label", "")->CaptionSuffix(), "");
}

TEST_F(CoreTest, AMissingOrBrokenEditionFileLeavesTheBaseEditionAndALogLine) {
    CreateFirstMarker();
    CreateSecondMarker();
    ASSERT_TRUE(DebugMode());
    struct Case {
        const char* content; // nullptr: no file
        const char* logged;
    } const cases[] = {
        {nullptr, "OemEditions.ini: missing, only the base edition is known"},
        {"[Label_Lingua]\nToolType=Label\nMapMode=many\nBrandText=Lingua\n",
         "OemEditions.ini [Label_Lingua]: skipped: MapMode=many is not a number from 0 to 9"},
        {"\x7f\x45LF\x02\x01garbage\nToolType=Label\nOemCo=Label_Lingua\n",
         "OemEditions.ini: no edition records, only the base edition is known"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(app / "files/OemEditions.ini");
        std::filesystem::remove_all(home / "xx20050316094512/Base_Label_20200117_160501");
        if (c.content != nullptr) {
            WriteFiles(kOemEditionFileName, c.content);
        }
        LoadOemEditions();
        EXPECT_TRUE(OemEditions().empty()) << (c.content ? c.content : "no file");
        const std::unique_ptr<TOemClass> edition = SelectOemEdition("Label", "Label_Lingua");
        EXPECT_EQ(edition->BrandText, "");
        EXPECT_EQ(edition->CaptionMode, 0);
        EXPECT_EQ(edition->ModelListMode, 0);
        const std::string log = ReadAll(DebugLogFile());
        EXPECT_NE(log.find(c.logged), std::string::npos) << log;
    }
}

TEST(EditionSwitch, TheCommandLineChoosesAnEdition) {
    struct Case {
        std::vector<std::string> args;
        bool ok;
        const char* toolType; // of the choice; nullptr: none
        const char* oemCo;
        std::vector<std::string> rest;
    } const cases[] = {
        {{"t", "-EN", "--edition", "Label_Lingua"}, true, "Label", "Label_Lingua", {"t", "-EN"}},
        {{"t", "--edition=Mobile_Sorrel", "-CN"}, true, "Mobile", "Mobile_Sorrel", {"t", "-CN"}},
        {{"t", "--edition", "Mobile"}, true, "Mobile", "", {"t"}},
        {{"t", "-EN"}, true, nullptr, nullptr, {"t", "-EN"}},
        {{"t", "--edition"}, false, nullptr, nullptr, {}},
        {{"t", "--edition", "Kiosk_A"}, false, nullptr, nullptr, {}},
        {{"t", "--edition", "Label_"}, false, nullptr, nullptr, {}},
        {{"t", "--edition", "Label_A;rm"}, false, nullptr, nullptr, {}},
        {{"t", "--edition", std::string(100, 'L')}, false, nullptr, nullptr, {}},
        {{"t", "--edition="}, false, nullptr, nullptr, {}},
    };
    for (const Case& c : cases) {
        SetEditionOverride(std::nullopt);
        std::vector<std::string> args = c.args;
        std::string error;
        EXPECT_EQ(TakeEditionSwitch(args, error), c.ok) << c.args.back();
        EXPECT_EQ(error.empty(), c.ok) << error;
        if (!c.ok) {
            EXPECT_EQ(error.rfind("--edition: ", 0), 0u) << error;
            continue;
        }
        EXPECT_EQ(args, c.rest);
        EXPECT_EQ(EditionOverride().has_value(), c.toolType != nullptr);
        if (c.toolType != nullptr) {
            EXPECT_EQ(EditionOverride()->ToolType, c.toolType);
            EXPECT_EQ(EditionOverride()->OemCo, c.oemCo);
        }
    }
    SetEditionOverride(std::nullopt);
}

TEST_F(CoreTest, TheCommandLineEditionReplacesTheOptionFile) {
    WriteFiles("Option.ini", "[Option]\nToolType=Label\nOemCo=Label_Lingua\n");
    ReadOptions();
    EXPECT_EQ(Globals().OemCo, "Label_Lingua");
    SetEditionOverride(TEditionChoice{"Mobile", "Mobile_Sorrel"});
    ReadOptions();
    EXPECT_EQ(Globals().ToolType, "Mobile");
    EXPECT_EQ(Globals().OemCo, "Mobile_Sorrel");
}

} // namespace
} // namespace tolvane
