// What a printer keeps of a named key it is given: its own suffix after a
// Bluetooth name, an address without the "." that follows its fourth number.

#include "emulator_fixture.h"

namespace emutest {
namespace {

TEST(NamedKeyWrites, KeepWhatThePrinterWouldStore) {
    struct Case {
        const char* key;
        const char* sent;
        const char* stored;
    } cases[] = {
        {"bt_name", "Kavo", "Kavo-ABCD"},      // the printer's "-ABCD" follows the name
        {"bt_name", "Shop-ABCD", "Shop-ABCD"}, // already there: not twice
        {"bt_name", "", ""},
        {"eth_ip", "192.168.1.171.", "192.168.1.171"},
        {"eth_gateway", "10.0.0.1", "10.0.0.1"},
        {"eth_mask", "255.255.255.0..", "255.255.255.0.."}, // not an address with one "."
        {"eth_ip", "1.2.3.", "1.2.3."},
        {"eth_ip", "300.1.1.1.", "300.1.1.1."},
        {"density", "8.", "8."},
    };
    for (const Case& c : cases) {
        PrinterConnection connection(shippedProfile("kavo_tspl.profile"));
        connection.open(Transport::Tcp);
        connection.write(privateFrame("setval ", "\"" + std::string(c.key) + "\" \"" + c.sent + "\""));
        const auto record = connection.printer().waitForCommand("setval", c.key);
        ASSERT_TRUE(record) << c.key;
        EXPECT_EQ(record->value, c.sent) << "the record shows what was sent";
        EXPECT_EQ(connection.printer().settings().values.at(c.key), c.stored) << c.key << " " << c.sent;
    }
    // A name without a suffix of its own is stored as given.
    emulator::Profile profile = shippedProfile("kavo_tspl.profile");
    profile.factory.values["bt_name"] = "Plain";
    PrinterConnection connection(profile);
    connection.open(Transport::Tcp);
    connection.write(privateFrame("setval ", "\"bt_name\" \"Other\""));
    ASSERT_TRUE(connection.printer().waitForCommand("setval", "bt_name"));
    EXPECT_EQ(connection.printer().settings().values.at("bt_name"), "Other");
}

} // namespace
} // namespace emutest
