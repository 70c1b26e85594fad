#include "mdlBlockCodecs.h"

#include "mdlEscCodePages.h"
#include "mdlParaHelpers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace tolvane::params {
namespace {

constexpr double kVoltageFullScale = 3.3;
constexpr double kVoltageSteps = 4096.0;
constexpr long kLongestLengthMm = 0xFFFF / 8;

// Paper list position to the sensing byte.
constexpr std::array<uint8_t, 4> kPelsoSense = {0, 1, 0, 2}; // auto, label, continuous, black mark
constexpr std::array<uint8_t, 3> kDovrinSense = {1, 0, 2};   // label, continuous, black mark

int Entries(const TFormModel& form, std::string_view control) {
    return static_cast<int>(form[control].items.size());
}

uint16_t Word(const TConfigBlock& block, std::size_t offset) {
    return static_cast<uint16_t>(block[offset] | (block[offset + 1] << 8));
}

void PutWord(TConfigBlock& block, std::size_t offset, unsigned word) {
    block[offset] = static_cast<uint8_t>(word & 0xFF);
    block[offset + 1] = static_cast<uint8_t>((word >> 8) & 0xFF);
}

// A byte of a name: Latin-1, so that any byte shows as one character and
// goes back as the same byte.
void AppendLatin1(std::string& text, uint8_t byte) {
    if (byte < 0x80) {
        text.push_back(static_cast<char>(byte));
    } else {
        text.push_back(static_cast<char>(0xC0 | (byte >> 6)));
        text.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
    }
}

// The bytes of a text whose characters are all Latin-1; false otherwise.
bool Latin1Bytes(std::string_view text, std::string& bytes) {
    bytes.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            bytes.push_back(static_cast<char>(c));
        } else if ((c == 0xC2 || c == 0xC3) && i + 1 < text.size() &&
                   (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
            bytes.push_back(
                static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F)));
            ++i;
        } else {
            return false;
        }
    }
    return true;
}

uint8_t Derived(TBlockCodec codec, int position, uint8_t current) {
    if (codec == TBlockCodec::PelsoPaperSense) {
        return position >= 0 && position < static_cast<int>(kPelsoSense.size()) ? kPelsoSense[position]
                                                                                : current;
    }
    return position >= 0 && position < static_cast<int>(kDovrinSense.size()) ? kDovrinSense[position]
                                                                             : current;
}

} // namespace

bool ParseBlockNumber(std::string_view text, long low, long high, long& value) {
    const std::string trimmed = Trim(text);
    std::size_t i = 0;
    const bool negative = !trimmed.empty() && trimmed[0] == '-';
    if (negative) {
        i = 1;
    }
    if (i >= trimmed.size() || trimmed.size() - i > 9) {
        return false;
    }
    long parsed = 0;
    for (; i < trimmed.size(); ++i) {
        if (trimmed[i] < '0' || trimmed[i] > '9') {
            return false;
        }
        parsed = parsed * 10 + (trimmed[i] - '0');
    }
    value = negative ? -parsed : parsed;
    return value >= low && value <= high;
}

std::string VoltageText(uint16_t word) {
    const long tenths = std::lround(word * kVoltageFullScale * 10.0 / kVoltageSteps);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

bool VoltageWord(std::string_view text, uint16_t& word) {
    const std::string trimmed = Trim(text);
    if (trimmed.empty() || trimmed.size() > 8) {
        return false;
    }
    double value = 0;
    double scale = 0;
    for (const char c : trimmed) {
        if (c == '.' && scale == 0) {
            scale = 1;
        } else if (c >= '0' && c <= '9') {
            if (scale == 0) {
                value = value * 10 + (c - '0');
            } else {
                scale /= 10;
                value += (c - '0') * scale;
            }
        } else {
            return false;
        }
    }
    if (trimmed == "." || value > kVoltageFullScale + 1e-9) {
        return false;
    }
    word = static_cast<uint16_t>(std::lround(value * kVoltageSteps / kVoltageFullScale));
    return true;
}

void UnpackField(const TBlockField& field, const TConfigBlock& block, TFormModel& form,
                 const std::vector<std::string>& names) {
    const std::size_t at = field.offset;
    const uint8_t byte = block[at];
    const std::string_view name = field.control;
    switch (field.codec) {
    case TBlockCodec::Position:
    case TBlockCodec::CharSet:
    case TBlockCodec::Radio: {
        const int n = Entries(form, name);
        form.SetIndex(name, byte < n ? byte : (n > 0 ? 0 : -1));
        break;
    }
    case TBlockCodec::PositionUpTo: {
        const int n = Entries(form, name);
        form.SetIndex(name, byte < n ? byte : byte == n ? -1 : 0);
        break;
    }
    case TBlockCodec::PositionPlusOne: {
        const int n = Entries(form, name);
        // A byte 0 stands for no selection, and goes back as 0.
        form.SetIndex(name, byte < n + 1 ? byte - 1 : 0);
        break;
    }
    case TBlockCodec::Protocol: {
        int index = -1;
        if (names.empty()) {
            index = byte < Entries(form, name) ? byte : -1;
        } else {
            const auto found = std::find(names.begin(), names.end(), std::to_string(byte));
            index = found != names.end() && found - names.begin() < Entries(form, name)
                        ? static_cast<int>(found - names.begin())
                        : -1;
        }
        form.SetIndex(name, index);
        break;
    }
    case TBlockCodec::Tick:
        form.SetIndex(name, byte != 0 ? 1 : 0);
        break;
    case TBlockCodec::Number:
        form.SetText(name, std::to_string(byte));
        break;
    case TBlockCodec::Length:
        form.SetText(name, std::to_string(Word(block, at) / 8));
        break;
    case TBlockCodec::Voltage:
        form.SetText(name, VoltageText(Word(block, at)));
        break;
    case TBlockCodec::Heat: {
        const int value = block[at + 1] != 0 ? byte - 256 : byte;
        SelectItemByText(form, name, std::to_string(value));
        break;
    }
    case TBlockCodec::Speed: {
        const int n = Entries(form, name);
        // Speeds start at 2: a byte below that selects nothing and goes back
        // as it came.
        form.SetIndex(name, byte < 2 ? -1 : byte < n + 2 ? byte - 2 : 0);
        break;
    }
    case TBlockCodec::CodePage:
        SelectItemByText(form, name, EscCodePageName(byte));
        break;
    case TBlockCodec::Text: {
        std::string text;
        for (std::size_t i = at; i < at + field.width && block[i] >= 33; ++i) {
            AppendLatin1(text, block[i]);
        }
        form.SetText(name, text);
        break;
    }
    case TBlockCodec::PelsoPaperSense:
    case TBlockCodec::DovrinPaperSense:
        break;
    }
}

bool PackField(const TBlockField& field, const TFormModel& form, TConfigBlock& block,
               const std::vector<std::string>& names) {
    const std::size_t at = field.offset;
    const TControl& control = form[field.control];
    switch (field.codec) {
    case TBlockCodec::Protocol:
        if (control.index >= 0 && !names.empty()) {
            long number = 0;
            if (static_cast<std::size_t>(control.index) >= names.size() ||
                !ParseBlockNumber(names[static_cast<std::size_t>(control.index)], 0, 255, number)) {
                return false;
            }
            block[at] = static_cast<uint8_t>(number);
            return true;
        }
        [[fallthrough]];
    case TBlockCodec::Position:
    case TBlockCodec::PositionUpTo:
    case TBlockCodec::CharSet:
    case TBlockCodec::Radio:
        if (control.index >= 0) {
            if (control.index > 255) {
                return false;
            }
            block[at] = static_cast<uint8_t>(control.index);
        }
        return true;
    case TBlockCodec::PositionPlusOne:
        if (control.index >= 0) {
            if (control.index > 254) {
                return false;
            }
            block[at] = static_cast<uint8_t>(control.index + 1);
        }
        return true;
    case TBlockCodec::Tick:
        block[at] = control.index == 1 ? 1 : 0;
        return true;
    case TBlockCodec::Number: {
        long value = 0;
        if (!ParseBlockNumber(control.text, 0, 255, value)) {
            return false;
        }
        block[at] = static_cast<uint8_t>(value);
        return true;
    }
    case TBlockCodec::Length: {
        long mm = 0;
        if (!ParseBlockNumber(control.text, 0, kLongestLengthMm, mm)) {
            return false;
        }
        PutWord(block, at, static_cast<unsigned>(mm * 8));
        return true;
    }
    case TBlockCodec::Voltage: {
        uint16_t word = 0;
        if (!VoltageWord(control.text, word)) {
            return false;
        }
        PutWord(block, at, word);
        return true;
    }
    case TBlockCodec::Heat: {
        if (control.index < 0) {
            return true;
        }
        long value = 0;
        if (!ParseBlockNumber(control.SelectedText(), -255, 255, value)) {
            return false;
        }
        block[at] = static_cast<uint8_t>(value & 0xFF);
        block[at + 1] = value < 0 ? 255 : 0;
        return true;
    }
    case TBlockCodec::Speed: {
        if (control.index < 0) {
            return true;
        }
        long value = 0;
        if (!ParseBlockNumber(control.SelectedText(), 0, 255, value)) {
            return false;
        }
        block[at] = static_cast<uint8_t>(value);
        return true;
    }
    case TBlockCodec::CodePage:
        if (control.index >= 0) {
            block[at] = EscCodePageNumber(control.SelectedText());
        }
        return true;
    case TBlockCodec::Text: {
        std::string bytes;
        const std::string text = Trim(control.text);
        if (!Latin1Bytes(text, bytes) || bytes.size() > field.width) {
            return false;
        }
        for (const char c : bytes) {
            if (static_cast<unsigned char>(c) < 33) {
                return false;
            }
        }
        for (std::size_t i = 0; i < field.width; ++i) {
            block[at + i] = i < bytes.size() ? static_cast<uint8_t>(bytes[i]) : 0;
        }
        return true;
    }
    case TBlockCodec::PelsoPaperSense:
    case TBlockCodec::DovrinPaperSense:
        block[at] = Derived(field.codec, control.index, block[at]);
        return true;
    }
    return false;
}

} // namespace tolvane::params
