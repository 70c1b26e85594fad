// The encodings of the parameter block: each codec unpacks a few bytes of
// the block into a named control and packs the control back into the same
// bytes. A field is one row of a family's layout: where the bytes are, which
// control shows them, how they are encoded and which families have it.
#pragma once

#include "mdlBlockFamilies.h"
#include "mdlConfigBlock.h"
#include "mdlFormModel.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::params {

enum class TBlockCodec : uint8_t {
    Position,        // list position; shown when below the number of entries, else entry 0
    PositionUpTo,    // list position; a byte equal to the number of entries selects nothing, above it entry 0
    PositionPlusOne, // list position + 1; shown as byte - 1 when below the number of entries + 1, else entry
                     // 0
    Protocol,        // the number that names the selected entry (see `names`); others select nothing
    CharSet,         // position in the 16 international character sets
    Radio,           // selected item of a radio group; shown when below the number of items, else item 0
    Tick,            // 1 ticked, 0 not
    Number,          // decimal number of an edit, 0 to 255
    Length,          // word, low byte first: millimetres x 8; shown as word / 8
    Voltage,         // word, low byte first: volts x 4096 / 3.3 rounded; shown to one decimal
    Heat,            // value byte and sign byte (255 negative, 0 otherwise)
    Speed,           // speed number 2 to N; shown at position byte - 2
    CodePage,        // number of the ESC code page named by the selected entry
    Text,            // characters one byte each up to the first byte below 33; the rest 0 when written
    PelsoPaperSense, // derived from the paper list of the Pelso family; not shown
    DovrinPaperSense // derived from the paper list of the Dovrin families; not shown
};

struct TBlockField {
    uint8_t offset;
    std::string_view control;
    TBlockCodec codec;
    uint8_t width; // bytes the field occupies
    TFamilySet families;
};

// `names`: for the Protocol encoding, the number each list entry stands
// for (a name=value list shows the values); empty: the entry's position.

// Fills the control from the field's bytes. Any byte values are accepted.
void UnpackField(const TBlockField& field, const TConfigBlock& block, TFormModel& form,
                 const std::vector<std::string>& names = {});

// Writes the control's value into the field's bytes. False, with the block
// unchanged, when the value cannot be encoded (a field that holds no number,
// a number out of range, a text with characters a byte cannot hold or longer
// than the field). A list without selection leaves its bytes as they are.
bool PackField(const TBlockField& field, const TFormModel& form, TConfigBlock& block,
               const std::vector<std::string>& names = {});

// The texts the two word encodings show, and their inverses (nothing for a
// text that is no value in range). Exposed for the input checks.
std::string VoltageText(uint16_t word);
bool VoltageWord(std::string_view text, uint16_t& word);
bool ParseBlockNumber(std::string_view text, long low, long high, long& value);

} // namespace tolvane::params
