#include "comma_form.h"

#include "result_codes.h"
#include "uri.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

namespace cobrix {
namespace {

constexpr size_t kMaxFields = 10;

std::string trimSpaces(std::string_view field) {
    size_t first = 0;
    size_t last = field.size();
    while (first < last && field[first] == ' ') {
        ++first;
    }
    while (last > first && field[last - 1] == ' ') {
        --last;
    }
    return std::string(field.substr(first, last - first));
}

std::vector<std::string> splitFields(std::string_view text) {
    std::vector<std::string> fields;
    if (!text.empty() && text.front() == ',') {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return fields;
    }
    size_t start = 0;
    while (fields.size() < kMaxFields) {
        const size_t comma = text.find(',', start);
        if (start == text.size() && !fields.empty()) {
            break; // a trailing comma ends the list; it opens no further field
        }
        fields.push_back(
            trimSpaces(text.substr(start, comma == std::string_view::npos ? text.npos : comma - start)));
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    return fields;
}

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// Kind word of the first field; device paths name their kind by their folder.
std::string kindWord(const std::string& first) {
    if (startsWith(first, "/dev/tty") || startsWith(first, "/dev/pts/")) {
        return "COM";
    }
    if (startsWith(first, "/dev/lp") || startsWith(first, "/dev/usb/lp")) {
        return "LPT";
    }
    std::string word = upper(first.substr(0, 3));
    if (!word.empty() && word[0] == 'F') {
        word += 'E';
    }
    return word;
}

struct Draft {
    std::string device;
    bool hasDevice = false;
    std::vector<std::pair<std::string, std::string>> options;
};

int draftSerial(const std::vector<std::string>& f, Draft& d) {
    if (f.size() < 2) {
        return kIoInvalidSetting;
    }
    d.device = f[0];
    d.hasDevice = true;
    std::string baud = upper(f[1]);
    const size_t marker = baud.find("BAUDRATE_");
    if (marker != std::string::npos) {
        baud = baud.substr(marker + std::strlen("BAUDRATE_"));
    }
    auto fieldOr = [&f](size_t index, const char* fallback) {
        return (index < f.size() && !f[index].empty()) ? f[index] : std::string(fallback);
    };
    d.options = {{"baudrate", baud},
                 {"parity", fieldOr(2, "n")},
                 {"bytesize", fieldOr(3, "8")},
                 {"stopbits", fieldOr(4, "1")},
                 {"flowcontrol", fieldOr(5, "n")}};
    return kOk;
}

int draftUsb(const std::vector<std::string>& f, Draft& d) {
    for (size_t i = 1; i < 4 && i < f.size(); ++i) {
        const std::string field = upper(f[i]);
        if (startsWith(field, "USB")) {
            d.options.emplace_back("portnum", field);
        } else if (startsWith(field, "PORT")) {
            d.options.emplace_back("location", field);
        } else {
            d.device = f[1];
            d.hasDevice = true;
        }
    }
    return kOk;
}

int draftFor(const std::string& word, const std::vector<std::string>& f, Draft& d) {
    if (word == "COM" || word == "BSP") {
        return draftSerial(f, d);
    }
    if (word == "NET") {
        if (f.size() < 2) {
            return kIoInvalidSetting;
        }
        d.options = {{"ip", f[1]}, {"port", f.size() > 2 ? f[2] : std::string("9100")}};
        return kOk;
    }
    if (word == "BT") {
        if (f.size() < 2) {
            return kIoInvalidSetting;
        }
        d.options = {{"address", f[1]}, {"pin", f.size() > 2 ? f[2] : std::string("4719")}};
        return kOk;
    }
    if (word == "USB") {
        return draftUsb(f, d);
    }
    if (word == "LPT") {
        d.device = f[0];
        d.hasDevice = true;
        return kOk;
    }
    if (word == "FILE") {
        if (f.size() < 2) {
            return kIoInvalidSetting;
        }
        d.options = {{"filename", f[1]}};
        return kOk;
    }
    return kUnsupported;
}

} // namespace

int convertCommaForm(const char* text, std::string& canonical) {
    canonical.clear();
    if (text == nullptr) {
        return kIoInvalidSetting;
    }
    const std::vector<std::string> fields = splitFields(text);
    if (fields.empty()) {
        return kIoInvalidSetting;
    }
    const std::string word = kindWord(fields[0]);
    Draft draft;
    const int drafted = draftFor(word, fields, draft);
    if (drafted != kOk) {
        return drafted;
    }

    std::vector<const char*> keys;
    std::vector<const char*> values;
    for (const auto& [key, value] : draft.options) {
        keys.push_back(key.c_str());
        values.push_back(value.c_str());
    }
    // The bus name is the kind word; "BT" already is one ("BLU..." is not a kind word).
    char printed[uri::kMaxTextLength + 1];
    if (uri::build(printed, sizeof(printed) - 1, word.c_str(),
                   draft.hasDevice ? draft.device.c_str() : nullptr, keys.data(), values.data(),
                   static_cast<int>(keys.size())) != kOk) {
        return kIoInvalidSetting;
    }
    ostrel_io_uri check;
    if (uri::parse(&check, printed) != kOk) {
        return kIoInvalidSetting;
    }
    canonical = printed;
    return kOk;
}

} // namespace cobrix
