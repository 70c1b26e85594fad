// Address strings: the canonical grammar, printing, building, option lookup,
// the comma form, and the errors that opening an address reports.
#include "cobrix.h"
#include "comma_form.h"
#include "sdk_test_helpers.h"

#include <gtest/gtest.h>
#include <string>

using sdktest::Printer;

namespace {

struct ParseCase {
    const char* text;
    int result;
    const char* bus;
    const char* device;
    int options;
};

TEST(AddressParse, GrammarTable) {
    const ParseCase cases[] = {
        {"ostrel:/dev/bus/USB/DEVICE", 0, "USB", "DEVICE", 0},
        {"ostrel:/dev/bus/USB/", -1, nullptr, nullptr, 0},
        {"ostrel:/dev/bus/USB", -1, nullptr, nullptr, 0},
        {"ostrel:/dev/bus/", -1, nullptr, nullptr, 0},
        {"ostrel:/dev/bus/NET/?ip=1.2.3.4", -1, nullptr, nullptr, 0},
        {"ostrel:/dev/bus//DEVICE", 0, "", "DEVICE", 0},
        {"ostrel:/dev/buS/USB/DEVICE", -1, nullptr, nullptr, 0},
        {"", -1, nullptr, nullptr, 0},
        {"ostrel:/dev/bus/NET/DEVICE?ip=10.0.0.1+port=9100", 0, "NET", "DEVICE", 2},
        {"ostrel:/dev/bus/NET/DEVICE?ip=10.0.0.1+", -1, nullptr, nullptr, 0},
        {"ostrel:/dev/bus/NET/DEVICE?ip=", -1, nullptr, nullptr, 0},
        {"ostrel:/dev/bus/NET/DEVICE?", -1, nullptr, nullptr, 0},
        {"ostrel:/dev/bus/NET/DEVICE?ip=+port=1", 0, "NET", "DEVICE", 2},
        {"ostrel:/dev/bus/NET/DEVICE?justakey", 0, "NET", "DEVICE", 0},
        {"ostrel:/dev/bus/NET/DEVICE?a=1+tail", 0, "NET", "DEVICE", 1},
        {"ostrel:/dev/bus/NET/DEVICE?a=x=y?z", 0, "NET", "DEVICE", 1},
        {"ostrel:/dev/bus/COM//dev/ttyUSB0?baudrate=9600", 0, "COM", "/dev/ttyUSB0", 1},
        {"ostrel:/dev/bus/X/D?a=1+b=2+c=3+d=4+e=5+f=6+g=7+h=8", 0, "X", "D", 8},
        {"ostrel:/dev/bus/X/D?a=1+b=2+c=3+d=4+e=5+f=6+g=7+h=8+i=9", -1, nullptr, nullptr, 0},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.text);
        ostrel_io_uri uri;
        ASSERT_EQ(ostrel_io_uri_from_str(&uri, c.text), c.result);
        if (c.result == 0) {
            EXPECT_STREQ(uri.bus, c.bus);
            EXPECT_STREQ(uri.device, c.device);
            EXPECT_EQ(uri.option_count, c.options);
        }
    }
}

TEST(AddressParse, ValuesKeepEqualsAndEmptyValues) {
    ostrel_io_uri uri;
    ASSERT_EQ(ostrel_io_uri_from_str(&uri, "ostrel:/dev/bus/NET/DEVICE?ip=+port=1+x=a=b?c"), 0);
    EXPECT_STREQ(ostrel_io_uri_get_option(&uri, "ip"), "");
    EXPECT_STREQ(ostrel_io_uri_get_option(&uri, "port"), "1");
    EXPECT_STREQ(ostrel_io_uri_get_option(&uri, "x"), "a=b?c");
    EXPECT_EQ(ostrel_io_uri_get_option(&uri, "IP"), nullptr) << "keys compare with case";
    EXPECT_EQ(ostrel_io_uri_get_option(&uri, "missing"), nullptr);
}

TEST(AddressParse, LengthLimitAndBadArguments) {
    const std::string longest = "ostrel:/dev/bus/NET/" + std::string(255 - 20, 'D');
    ostrel_io_uri uri;
    EXPECT_EQ(ostrel_io_uri_from_str(&uri, longest.c_str()), 0);
    EXPECT_EQ(ostrel_io_uri_from_str(&uri, (longest + "D").c_str()), -301);
    EXPECT_EQ(uri.option_count, 0) << "a failed parse leaves a cleared record";
    EXPECT_EQ(ostrel_io_uri_from_str(&uri, nullptr), -1);
    EXPECT_EQ(ostrel_io_uri_from_str(nullptr, "ostrel:/dev/bus/USB/DEVICE"), -1);
    EXPECT_EQ(ostrel_io_uri_get_option(nullptr, "ip"), nullptr);
    EXPECT_EQ(ostrel_io_uri_get_option(&uri, nullptr), nullptr);
    ostrel_io_uri_clear(nullptr);
}

TEST(AddressPrint, RoundTripAndCapacity) {
    const char* text = "ostrel:/dev/bus/COM/COM1?baudrate=9600+parity=n+bytesize=8+stopbits=1+flowcontrol=n";
    ostrel_io_uri uri;
    ASSERT_EQ(ostrel_io_uri_from_str(&uri, text), 0);
    char buffer[256];
    ASSERT_EQ(ostrel_io_uri_to_str(&uri, buffer, sizeof(buffer)), 0);
    EXPECT_STREQ(buffer, text);

    const int exact = static_cast<int>(std::string(text).size()) + 1;
    EXPECT_EQ(ostrel_io_uri_to_str(&uri, buffer, exact), 0);
    EXPECT_EQ(ostrel_io_uri_to_str(&uri, buffer, exact - 1), -2);
    EXPECT_EQ(std::string(buffer).size(), 0u) << "a text that does not fit is not left half written";
    EXPECT_EQ(ostrel_io_uri_to_str(&uri, buffer, 0), -1);
    EXPECT_EQ(ostrel_io_uri_to_str(&uri, nullptr, 10), -1);

    ostrel_io_uri cleared;
    ostrel_io_uri_clear(&cleared);
    EXPECT_EQ(ostrel_io_uri_to_str(&cleared, buffer, sizeof(buffer)), -1) << "an empty record has no bus";
}

TEST(AddressBuild, NullValuesAndDevice) {
    const char* keys[] = {"ip", "port", "x"};
    char buffer[128];
    struct Case {
        const char* values[3];
        const char* device;
        const char* expected;
    };
    const Case cases[] = {
        {{nullptr, nullptr, nullptr}, nullptr, "ostrel:/dev/bus/NET/DEVICE"},
        {{nullptr, "9100", nullptr}, "P1", "ostrel:/dev/bus/NET/P1?port=9100"},
        {{"1.2.3.4", nullptr, "y"}, nullptr, "ostrel:/dev/bus/NET/DEVICE?ip=1.2.3.4+x=y"},
        {{"1.2.3.4", "", "y"}, nullptr, "ostrel:/dev/bus/NET/DEVICE?ip=1.2.3.4+port=+x=y"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        ASSERT_EQ(ostrel_io_uri_get_str(buffer, sizeof(buffer), "NET", c.device, keys, c.values, 3), 0);
        EXPECT_STREQ(buffer, c.expected);
    }
    const char* values[] = {"1.2.3.4", "9100", "z"};
    EXPECT_EQ(ostrel_io_uri_get_str(buffer, 20, "NET", nullptr, keys, values, 3), -2);
    EXPECT_EQ(ostrel_io_uri_get_str(buffer, sizeof(buffer), nullptr, nullptr, keys, values, 3), -1);
    EXPECT_EQ(ostrel_io_uri_get_str(buffer, sizeof(buffer), "NET", nullptr, nullptr, nullptr, 3), -1);
    EXPECT_EQ(ostrel_io_uri_get_str(buffer, sizeof(buffer), "NET", nullptr, keys, values, -1), -1);
}

struct CommaCase {
    const char* comma;
    int result;
    const char* canonical;
};

TEST(CommaForm, ConversionTable) {
    const CommaCase cases[] = {
        {"COM1,9600", 0,
         "ostrel:/dev/bus/COM/COM1?baudrate=9600+parity=n+bytesize=8+stopbits=1+flowcontrol=n"},
        {"COM2,BAUDRATE_115200,e,7,2,x", 0,
         "ostrel:/dev/bus/COM/COM2?baudrate=115200+parity=e+bytesize=7+stopbits=2+flowcontrol=x"},
        {"com3,baudrate_19200", 0,
         "ostrel:/dev/bus/COM/com3?baudrate=19200+parity=n+bytesize=8+stopbits=1+flowcontrol=n"},
        {" COM4 , 9600 , , 7 ", 0,
         "ostrel:/dev/bus/COM/COM4?baudrate=9600+parity=n+bytesize=7+stopbits=1+flowcontrol=n"},
        {",BSP1,2400", 0,
         "ostrel:/dev/bus/BSP/BSP1?baudrate=2400+parity=n+bytesize=8+stopbits=1+flowcontrol=n"},
        {"/dev/ttyUSB0,BAUDRATE_9600", 0,
         "ostrel:/dev/bus/COM//dev/ttyUSB0?baudrate=9600+parity=n+bytesize=8+stopbits=1+flowcontrol=n"},
        {"/dev/pts/7,9600", 0,
         "ostrel:/dev/bus/COM//dev/pts/7?baudrate=9600+parity=n+bytesize=8+stopbits=1+flowcontrol=n"},
        {"NET,192.168.0.33", 0, "ostrel:/dev/bus/NET/DEVICE?ip=192.168.0.33+port=9100"},
        {"net,10.0.0.5,0x238C", 0, "ostrel:/dev/bus/NET/DEVICE?ip=10.0.0.5+port=0x238C"},
        {"BT,001122334455", 0, "ostrel:/dev/bus/BT/DEVICE?address=001122334455+pin=4719"},
        {"BT,001122334455,1234", 0, "ostrel:/dev/bus/BT/DEVICE?address=001122334455+pin=1234"},
        {"USB", 0, "ostrel:/dev/bus/USB/DEVICE"},
        {"usb,port_#0001.hub_#0002", 0, "ostrel:/dev/bus/USB/DEVICE?location=PORT_#0001.HUB_#0002"},
        {"USB,USB001", 0, "ostrel:/dev/bus/USB/DEVICE?portnum=USB001"},
        {"USB,lp0", 0, "ostrel:/dev/bus/USB/lp0"},
        {"LPT1", 0, "ostrel:/dev/bus/LPT/LPT1"},
        {"/dev/usb/lp0", 0, "ostrel:/dev/bus/LPT//dev/usb/lp0"},
        {"FILE,out.prn", 0, "ostrel:/dev/bus/FILE/DEVICE?filename=out.prn"},
        {"COM1", -301, ""},
        {"NET,", -301, ""},
        {"NET,,9100", 0, "ostrel:/dev/bus/NET/DEVICE?ip=+port=9100"},
        {"NET", -301, ""},
        {"BT", -301, ""},
        {"FILE", -301, ""},
        {"", -301, ""},
        {",", -301, ""},
        {"XYZ,1", -4, ""},
        {"Bluetooth,001122334455", -4, ""},
    };
    for (const CommaCase& c : cases) {
        SCOPED_TRACE(c.comma);
        std::string canonical;
        EXPECT_EQ(cobrix::convertCommaForm(c.comma, canonical), c.result);
        EXPECT_EQ(canonical, c.canonical);
    }
}

TEST(CommaForm, AtMostTenFieldsAndBoundedLength) {
    std::string canonical;
    EXPECT_EQ(cobrix::convertCommaForm("COM1,9600,n,8,1,n,a,b,c,d,e,f,g", canonical), 0);
    const std::string huge = "NET," + std::string(300, '1');
    EXPECT_EQ(cobrix::convertCommaForm(huge.c_str(), canonical), -301) << "a result over 255 characters";
    EXPECT_EQ(cobrix::convertCommaForm(nullptr, canonical), -301);
}

struct OpenCase {
    std::string address;
    int result;
};

// Errors found before any device is touched.
TEST(AddressOpen, ErrorsTable) {
    const std::string longName(32, 'N');
    const OpenCase cases[] = {
        {"COM1", -301},
        {"NET", -301},
        {"ab", -301},
        {"", -301},
        {"XYZ,1", -4},
        {"Bluetooth,001122334455", -4},
        {"FILE,out.prn", -4},
        {"ostrel:/dev/bus/XYZ/DEVICE", -4},
        {"ostrel:/dev/bus/com/COM1?baudrate=9600", -4},
        {"COM1,9601", -351},
        {"COM1,9600,q", -353},
        {"COM1,9600,nn", -353},
        {"COM1,9600,n,9", -354},
        {"COM1,9600,n,x", -354},
        {"COM1,9600,n,8,3", -355},
        {"COM1,9600,n,8,1.50", -355},
        {"COM1,9600,n,8,1,z", -356},
        {"ostrel:/dev/bus/COM/COM1?parity=n", -351},
        {"ostrel:/dev/bus/NET/DEVICE?port=9100", -301},
        {"ostrel:/dev/bus/BT/DEVICE?address=11", -301},
        {"ostrel:/dev/bus/BT/DEVICE?pin=11", -301},
        {"ostrel:/dev/bus/NET/" + longName + "?ip=127.0.0.1", -302},
        {"ostrel:/dev/bus/BT/" + longName + "?address=1+pin=2", -302},
        {"NET,not-an-address", -301},
        {std::string(300, 'x'), -1},
    };
    Printer printer;
    for (const OpenCase& c : cases) {
        SCOPED_TRACE(c.address);
        EXPECT_EQ(printer.open(c.address), c.result);
        EXPECT_EQ(PortClose(printer.get()), -309) << "a failed open leaves no open port";
    }
}

} // namespace
