// The company printer list: the file's lines, the edition's models, or both.
#include "CatalogueFixture.h"
#include "mdlCompanyPrinterList.h"
#include "mdlOemClass.h"

namespace tolvane::test {
namespace {

using CompanyListTest = CatalogueTest;

TEST_F(CompanyListTest, EditionListModeDecidesTheSources) {
    const std::string file = WriteFiles(kCompanyPrinterListFileName, "Vorlan\n\n  \nKavo-300\n");
    struct Case {
        int mode;
        std::vector<std::string> expected;
    } const cases[] = {
        {0, {"Vorlan", "Kavo-300"}},
        {1, {"Brand-1", "Brand-2"}},
        {2, {"Vorlan", "Kavo-300", "Brand-1", "Brand-2"}},
        {5, {"Vorlan", "Kavo-300"}},
    };
    for (const Case& c : cases) {
        TOemClass edition;
        edition.ModelListMode = c.mode;
        edition.ModelList = {"Brand-1", "Brand-2"};
        EXPECT_EQ(CompanyPrinterListFor(&edition, file), c.expected) << "mode " << c.mode;
    }
    EXPECT_EQ(CompanyPrinterListFor(nullptr, file), (std::vector<std::string>{"Vorlan", "Kavo-300"}));
}

TEST_F(CompanyListTest, MissingFileOffersOnlyTheEditionModels) {
    TOemClass edition;
    edition.ModelListMode = 2;
    edition.ModelList = {"Brand-1"};
    EXPECT_EQ(CompanyPrinterListFor(&edition, app / "files/missing.txt"),
              (std::vector<std::string>{"Brand-1"}));
    edition.ModelListMode = 0;
    EXPECT_TRUE(CompanyPrinterListFor(&edition, app / "files/missing.txt").empty());
}

TEST_F(CompanyListTest, FillReplacesTheListAndShowsItInDebugMode) {
    WriteFiles(kCompanyPrinterListFileName, "Vorlan\nKavo-300\n");
    FillCompanyPrinterList();
    EXPECT_EQ(CompanyPrinterList(), (std::vector<std::string>{"Vorlan", "Kavo-300"}));
    EXPECT_TRUE(messages.shown.empty());

    WriteFiles(kCompanyPrinterListFileName, "Corla\n");
    SetDebugMode(true);
    FillCompanyPrinterList();
    EXPECT_EQ(CompanyPrinterList(), (std::vector<std::string>{"Corla"}));
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"Test_PrtList____x:,Corla"}));
}

} // namespace
} // namespace tolvane::test
