// Fuzz entry for the parameter block of every block family: the first byte
// picks the family, the next 256 bytes are the block as read (missing bytes
// are zero). Unpacking and packing it again without a change must give the
// same block; after every control was changed, the bytes that no field of
// the family's layout holds must still be as they came.
#include "mdlParaSetBlock.h"

#include <cstdint>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tolvane::params;
    if (size == 0) {
        return 0;
    }
    const TBlockFamily family = AllBlockFamilies()[data[0] % kBlockFamilyCount];
    tolvane::TConfigBlock block{};
    for (std::size_t i = 1; i < size && i <= block.size(); ++i) {
        block[i - 1] = data[i];
    }
    TParaSetBlock dialog(family, {"Fuzz", "Fuzz"});
    dialog.FormCreate();
    dialog.FormShow();
    dialog.StopTimer("ReadTimer");
    dialog.Block = block;
    dialog.BlockRead = true;
    dialog.SplitSetting();
    if (!dialog.ReplacePrintSetting() || dialog.Block != block) {
        __builtin_trap(); // an unchanged dialog changed the block
    }

    std::set<std::size_t> held;
    TFormModel& form = dialog.Form();
    for (const TBlockField& field : dialog.Fields) {
        for (std::size_t i = 0; i < field.width; ++i) {
            held.insert(field.offset + i);
        }
        TControl& control = form[field.control];
        switch (field.codec) {
        case TBlockCodec::Number:
        case TBlockCodec::Length:
            control.text = "1";
            break;
        case TBlockCodec::Voltage:
            control.text = "1.0";
            break;
        case TBlockCodec::Text:
            control.text = "AB";
            break;
        case TBlockCodec::Tick:
            control.index = control.index == 1 ? 0 : 1;
            break;
        default:
            if (!control.items.empty()) {
                control.index = (control.index + 1) % static_cast<int>(control.items.size());
            }
            break;
        }
    }
    if (!dialog.ReplacePrintSetting()) {
        __builtin_trap(); // a value the dialog offers could not be stored
    }
    for (std::size_t i = 0; i < block.size(); ++i) {
        if (!held.contains(i) && dialog.Block[i] != block[i]) {
            __builtin_trap(); // a byte the family does not show was changed
        }
    }
    return 0;
}
