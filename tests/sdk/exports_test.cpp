// libcobrix.so exports exactly its documented entry points.
#include "elf_exports.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

const std::set<std::string> kPortAndHandleExports = {
    "ostrel_io_uri_from_str",
    "ostrel_io_uri_to_str",
    "ostrel_io_uri_get_str",
    "ostrel_io_uri_clear",
    "ostrel_io_uri_get_option",
    "PrinterCreator",
    "PrinterCreatorS",
    "PrinterDestroy",
    "PortOpen",
    "DriverPortOpen",
    "PortClose",
    "DirectIO",
    "WriteData",
    "ReadData",
    "ReadDataEOF",
    "FormatError",
};

TEST(Exports, ExactlyTheEntryPoints) {
    std::set<std::string> exported = testsupport::exportedSymbols(COBRIX_LIBRARY);
    std::set<std::string> label;
    for (const std::string& name : exported) {
        if (name.rfind("CPCL_", 0) == 0) {
            label.insert(name);
        }
    }
    for (const std::string& name : label) {
        exported.erase(name); // the label functions are checked with their own list
    }
    EXPECT_EQ(exported, kPortAndHandleExports);
}

} // namespace
