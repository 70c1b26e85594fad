// libcobrix.so exports every label function by name; the sibling libraries,
// built on the same port code, export none of them.
#include "elf_exports.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

const std::set<std::string> kLabelExports = {
    "CPCL_AddLabel",       "CPCL_SetAlign",         "CPCL_AddText",        "CPCL_AddBarCode",
    "CPCL_AddBarCodeText", "CPCL_AddQRCode",        "CPCL_AddPDF417",      "CPCL_AddBox",
    "CPCL_AddLine",        "CPCL_AddImage",         "CPCL_AddImageData",   "CPCL_SetFontSize",
    "CPCL_SetDensity",     "CPCL_SetSpeed",         "CPCL_SetTextSpacing", "CPCL_SetLeftMargin",
    "CPCL_SetTextBold",    "CPCL_SetTextUnderline", "CPCL_Abort",          "CPCL_Print",
    "CPCL_NextLabelPos",   "CPCL_PreFeed",          "CPCL_PostFeed",
};

std::set<std::string> labelExportsOf(const char* library) {
    std::set<std::string> label;
    for (const std::string& name : testsupport::exportedSymbols(library)) {
        if (name.rfind("CPCL_", 0) == 0) {
            label.insert(name);
        }
    }
    return label;
}

TEST(CpclExports, CobrixExportsEveryLabelFunction) {
    EXPECT_EQ(labelExportsOf(COBRIX_LIBRARY), kLabelExports);
}

TEST(CpclExports, SiblingLibrariesExportNone) {
    const std::vector<std::string> siblings = SIBLING_LIBRARIES;
    for (const std::string& sibling : siblings) {
        SCOPED_TRACE(sibling);
        EXPECT_TRUE(labelExportsOf(sibling.c_str()).empty());
    }
}

} // namespace
