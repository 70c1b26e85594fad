// Every font the shipped language files name must be installed (as the
// set-up script installs them) and of a usable size.
#include "mdlIniFile.h"

#include <QFontDatabase>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tolvane {
namespace {

const std::string kSourceDir = TOLVANE_SOURCE_DIR;
const std::vector<std::string> kShippedLanguages = {"2052", "1033", "1028"};

TEST(ShippedLanguageFiles, NameInstalledFontsOfUsableSizes) {
    const auto doc = IniLoad(kSourceDir + "/files/UtilityForLabelLanguage.ini");
    for (const std::string& language : kShippedLanguages) {
        const std::string family = std::string(doc->Find(language, "_FontName").value_or(""));
        EXPECT_TRUE(QFontDatabase::hasFamily(QString::fromStdString(family)))
            << "[" << language << "] font \"" << family << "\" is not installed (scripts/packages.txt)";
        const int size = std::stoi(std::string(doc->Find(language, "_FontSize").value_or("0")));
        EXPECT_TRUE(size >= 6 && size <= 24) << language;
    }
}

} // namespace
} // namespace tolvane
