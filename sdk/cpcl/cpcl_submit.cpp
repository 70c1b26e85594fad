#include "cpcl_submit.h"

#include "code_page.h"
#include "cpcl_commands.h"
#include "result_codes.h"

#include <new>

namespace cobrix::cpcl {
namespace {

// Room made before a command is built: a fixed command, and a command with
// text beyond the text and its terminator.
constexpr size_t kFixedCommandRoom = 32;
constexpr size_t kTextCommandRoom = 31;

// A caller text longer than this many UTF-16 units cannot fit into any
// command, whatever the code page makes of it.
constexpr size_t kMaxTextUnits = 2 * kTextCommandLimit + 4;

int convertTexts(std::initializer_list<const char16_t*> texts, std::vector<std::string>& converted) {
    try {
        converted.reserve(texts.size());
        for (const char16_t* text : texts) {
            if (text == nullptr) {
                return kBadParameter;
            }
            std::string narrow;
            if (!utf16ToAnsi(text, kMaxTextUnits, narrow)) {
                return kNoBuffer;
            }
            converted.push_back(std::move(narrow));
        }
    } catch (const std::bad_alloc&) {
        return kNoMemory;
    }
    return kOk;
}

} // namespace

int openPrinter(PrinterHandle handle, CobrixPrinter*& printer) {
    printer = liveHandle(handle);
    if (printer == nullptr) {
        return kBadHandle;
    }
    if (!printer->portOpen || printer->port == nullptr || !printer->port->valid()) {
        return kIoNotOpen;
    }
    return kOk;
}

int checkCpclModel(const CobrixPrinter& printer) {
    return (printer.job.features & kFeatureCpcl) != 0 ? kOk : kWrongModelType;
}

int sendQueued(CobrixPrinter& printer) {
    const std::span<const uint8_t> queued = printer.job.pending();
    int written = 0;
    const int result = printer.port->ops->write(queued.data(), 0, static_cast<int>(queued.size()), &written);
    if (result == kOk) {
        printer.job.clear();
    }
    return result;
}

int submitCommand(PrinterHandle handle, std::initializer_list<const char16_t*> texts,
                  const CommandBuilder& build) {
    CobrixPrinter* printer = nullptr;
    if (const int r = openPrinter(handle, printer); r != kOk) {
        return r;
    }
    std::vector<std::string> converted;
    if (const int r = convertTexts(texts, converted); r != kOk) {
        return r;
    }
    size_t room = converted.empty() ? kFixedCommandRoom : kTextCommandRoom;
    for (const std::string& text : converted) {
        room += text.size() + 1;
    }
    if (const int r = printer->job.makeRoom(room); r != kOk) {
        return r;
    }
    if (const int r = checkCpclModel(*printer); r != kOk) {
        return r;
    }
    std::string command;
    try {
        if (const int r = build(converted, command); r != kOk) {
            return r;
        }
    } catch (const std::bad_alloc&) {
        return kNoMemory;
    }
    // Numbers can make a command longer than the estimate; the buffer grows
    // for the rest instead of refusing a command that is within its limit.
    if (const int r = printer->job.makeRoom(command.size()); r != kOk) {
        return r;
    }
    if (!printer->job.append(std::span<const char>(command.data(), command.size()))) {
        return kNoBuffer;
    }
    return sendQueued(*printer);
}

} // namespace cobrix::cpcl
