// Profiles and state files: the shipped profiles, the format's errors, and
// settings that survive a round trip through a state file.

#include "emulator_fixture.h"

#include "emulator/core/profile.h"
#include "emulator/core/state_file.h"

#include <fstream>
#include <iterator>
#include <map>
#include <vector>

namespace emutest {
namespace {

using emulator::Profile;

TEST(Profile, ShippedProfilesLoad) {
    const Profile kavo = shippedProfile("kavo_tspl.profile");
    EXPECT_EQ(kavo.model, "Kavo");
    EXPECT_EQ(kavo.language, 1);
    EXPECT_EQ(kavo.factory.values.at("ppl"), "tsc");
    EXPECT_EQ(kavo.factory.values.at("bt_name"), "Kavo-ABCD");
    EXPECT_EQ(kavo.factory.keys.at({1, 312}), Bytes{3});

    const Profile gulvo = shippedProfile("gulvo_esc.profile");
    EXPECT_EQ(gulvo.language, 0);
    EXPECT_EQ(gulvo.version, (Bytes{1, 2, 0}));
    EXPECT_EQ(emulator::blockFault(gulvo.factory.block), "");
    EXPECT_EQ(gulvo.factory.block[68], 0xE0);
    EXPECT_EQ(gulvo.factory.block[91], 120);

    const Profile corla = shippedProfile("corla_cpcl.profile");
    EXPECT_EQ(corla.language, 3);
    EXPECT_EQ(corla.factory.keys.at({1, 104}), (Bytes{'C', 'o', 'r', 'l', 'a', '-', '4', '4', '1', '1', 0}));
    EXPECT_EQ(corla.factory.keys.at({1, 208}), (Bytes{0x28, 0x00}));

    const Profile ardel = shippedProfile("ardel_tspl.profile");
    EXPECT_EQ(ardel.model, "Ardel");
    EXPECT_EQ(ardel.language, 1);
    EXPECT_EQ(ardel.factory.values.at("dpi"), "300");
    EXPECT_EQ(ardel.factory.values.at("print_width"), "944"); // 80 mm at 11.8 dots per mm
    EXPECT_NE(ardel.factory.values.at("stickers_times"), "0");
}

// The named keys the key-value parameter dialog reads from every printer of
// the family. The lid-close positioning is read under "platenin_locat" when
// the firmware version begins with "1.00", else under "platenin_enter_pause";
// only the Ardel keeps its print area in dots.
const char* const kParameterDialogKeys[] = {
    "dpi",
    "ppl",
    "version",
    "bt_mac",
    "bt_name",
    "bt_pwd",
    "media_power_up",
    "sw_ribbon",
    "reprint_after_error",
    "media_sensor",
    "density",
    "eth_dhcp",
    "eth_ip",
    "eth_mask",
    "eth_gateway",
    "heat_adj",
    "speed",
    "code_page",
    "com_baud",
    "com_wordlength",
    "com_stopbits",
    "com_parity",
    "print_mode",
    "tear_off",
    "sensor_select",
    "stickers_times",
};
const char* const kPrintAreaKeys[] = {"print_width", "print_height", "demo_star_y", "demo_star_x"};

struct KeyValueProfile {
    const char* file;
    bool printArea;
};

TEST(Profile, KeyValueProfilesAnswerEveryKeyTheParameterDialogReads) {
    const KeyValueProfile cases[] = {{"kavo_tspl.profile", false}, {"ardel_tspl.profile", true}};
    for (const KeyValueProfile& c : cases) {
        const Profile profile = shippedProfile(c.file);
        const std::map<std::string, std::string>& values = profile.factory.values;
        std::vector<std::string> keys(std::begin(kParameterDialogKeys), std::end(kParameterDialogKeys));
        const auto version = values.find("version");
        ASSERT_NE(version, values.end()) << c.file;
        keys.push_back(version->second.rfind("1.00", 0) == 0 ? "platenin_locat" : "platenin_enter_pause");
        if (c.printArea) {
            keys.insert(keys.end(), std::begin(kPrintAreaKeys), std::end(kPrintAreaKeys));
        }
        for (const std::string& key : keys) {
            const auto value = values.find(key);
            EXPECT_TRUE(value != values.end() && !value->second.empty()) << c.file << ": " << key;
        }
    }
}

TEST(Profile, TheArdelAnswersItsPrintAreaAndNotTheOtherLidKey) {
    PrinterConnection connection(shippedProfile("ardel_tspl.profile"));
    connection.open(Transport::Tcp);
    EXPECT_EQ(connection.getval("print_width"), (Bytes{'9', '4', '4', 0}));
    EXPECT_EQ(connection.getval("demo_star_x"), (Bytes{'-', '1', '2', 0}));
    EXPECT_EQ(connection.getval("platenin_enter_pause"), (Bytes{0}));
    const auto unknown = connection.printer().waitForCommand("getval", "platenin_enter_pause");
    ASSERT_TRUE(unknown);
    EXPECT_EQ(unknown->note, "unknown key");
}

TEST(Profile, FormatDetails) {
    std::string error;
    const auto profile = emulator::parseProfile("\xEF\xBB\xBF# comment\r\n"
                                                "[printer]\r\n"
                                                "model = \"Test #1\"   # a comment after a value\n"
                                                "language = 0x04\n"
                                                "[values]\n"
                                                "ppl = zpl\n"
                                                "spaced = \"  two  \"\n"
                                                "control = hex: 41 0D 42\n"
                                                "[block]\n"
                                                "0 = 0x11\n"
                                                "9 = \"BT\" 0 7\n",
                                                "test", error);
    ASSERT_TRUE(profile) << error;
    EXPECT_EQ(profile->model, "Test #1");
    EXPECT_EQ(profile->language, 4);
    EXPECT_EQ(profile->factory.values.at("ppl"), "zpl");
    EXPECT_EQ(profile->factory.values.at("spaced"), "  two  ");
    EXPECT_EQ(profile->factory.values.at("control"), "A\rB");
    EXPECT_EQ(profile->factory.block[0], 0x78); // the marker always
    EXPECT_EQ(profile->factory.block[9], 'B');
    EXPECT_EQ(profile->factory.block[12], 7);
    EXPECT_EQ(emulator::blockFault(profile->factory.block), "");
}

struct BadProfile {
    const char* text;
    const char* message; // part of the error
};

TEST(Profile, ErrorsNameTheLine) {
    const BadProfile cases[] = {
        {"[printer]\nmodle = X\n", "line 2: unknown entry \"modle\""},
        {"[printers]\n", "line 1: unknown section [printers]"},
        {"model = X\n", "line 1: an entry before the first [section]"},
        {"[printer]\nlanguage = 256\n", "line 2: language is one byte"},
        {"[printer]\nversion =\n", "line 2: version is 1 to 16 bytes"},
        {"[keys]\n1.70000 = 1\n", "line 2: \"1.70000\" is not a numbered key"},
        {"[keys]\n1.2 = 1 x\n", "line 2: \"x\" is not a byte"},
        {"[block]\n250 = 1 2 3 4 5 6 7\n", "line 2: the bytes run past the end"},
        {"[block]\n256 = 1\n", "line 2: \"256\" is not a block offset"},
        {"[values]\nbad key = 1\n", "line 2: \"bad key\" is not a key name"},
        {"[values]\nx = hex:4\n", "line 2: hex: is followed by two-digit"},
        {"[values]\nx = 1\nx = 2\n", "line 3: \"x\" is given twice"},
        {"[values]\n[values]\n", "line 2: section [values] is given twice"},
        {"[keys]\n1.2 = \"open\n", "line 2: a quoted text has no closing quote"},
        {"[printer\n", "line 1: a section line looks like [name]"},
        {"[values]\njust text\n", "line 2: expected name = value"},
    };
    for (const BadProfile& c : cases) {
        std::string error;
        EXPECT_FALSE(emulator::parseProfile(c.text, "bad.profile", error)) << c.text;
        EXPECT_NE(error.find(std::string("bad.profile: ") + c.message), std::string::npos) << error;
    }
    std::string error;
    EXPECT_FALSE(emulator::loadProfile("/nonexistent/x.profile", error));
    EXPECT_NE(error.find("cannot open /nonexistent/x.profile"), std::string::npos) << error;
    EXPECT_FALSE(emulator::parseProfile("[values]\nx = " + std::string(5000, 'a') + "\n", "long", error));
    EXPECT_NE(error.find("line 2: longer than 4096"), std::string::npos) << error;
}

TEST(StateFile, SettingsSurviveARoundTrip) {
    TempFolder folder;
    emulator::PrinterSettings settings = shippedProfile("corla_cpcl.profile").factory;
    settings.values["odd"] = "quote\" hash # and \x01 control \xE4";
    settings.values["empty"] = "";
    settings.keys[{0, 0}] = {};
    settings.block[200] = 0xAB;
    emulator::sealBlock(settings.block);
    std::string error;
    ASSERT_TRUE(emulator::saveState(folder.path("state"), settings, error)) << error;
    emulator::PrinterSettings loaded;
    ASSERT_EQ(emulator::loadState(folder.path("state"), loaded, error), emulator::StateLoad::Loaded) << error;
    EXPECT_EQ(loaded.values, settings.values);
    EXPECT_EQ(loaded.keys, settings.keys);
    EXPECT_EQ(loaded.block, settings.block);
    EXPECT_EQ(emulator::loadState(folder.path("missing"), loaded, error), emulator::StateLoad::Missing);
}

TEST(StateFile, AMalformedStateFileStopsTheStart) {
    TempFolder folder;
    std::ofstream(folder.path("state")) << "[values]\nbroken line\n";
    emulator::Emulator printer(shippedProfile("kavo_tspl.profile"), {folder.path("state"), {}, {}});
    std::string error;
    EXPECT_FALSE(printer.start(error));
    EXPECT_NE(error.find("line 2: expected name = value"), std::string::npos) << error;
    std::string text;
    std::getline(std::ifstream(folder.path("state")), text);
    EXPECT_EQ(text, "[values]"); // left as it was
}

TEST(StateFile, StateIsKeptAcrossARestart) {
    TempFolder folder;
    const emulator::EmulatorOptions options{folder.path("state"), folder.path("log"), {}};
    {
        PrinterConnection connection(shippedProfile("kavo_tspl.profile"), options);
        connection.open(Transport::Tcp);
        connection.write(privateFrame("setval ", "\"density\" \"14\""));
        connection.write(keyFrame("setkey", 1, 400, 2, {5, 6}));
        ASSERT_TRUE(connection.printer().waitForCommand("setkey"));
    } // stopping writes the state
    PrinterConnection connection(shippedProfile("kavo_tspl.profile"), options);
    connection.open(Transport::Pty);
    EXPECT_EQ(connection.getval("density"), (Bytes{'1', '4', 0}));
    connection.write(keyFrame("getkey", 1, 400, 2));
    EXPECT_EQ(connection.read(2), (Bytes{5, 6}));
    connection.write(privateFrame("do ", "\"factory_default\"")); // the profile is still the factory
    EXPECT_EQ(connection.getval("density"), (Bytes{'8', 0}));
}

} // namespace
} // namespace emutest
