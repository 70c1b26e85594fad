#include "emulator/core/exchange.h"

namespace emulator {

Exchange::Exchange(Printer& printer, std::string link, ByteView frame) : printer_(printer) {
    record_.link = std::move(link);
    record_.received.assign(frame.begin(), frame.end());
}

void Exchange::describe(std::string command, std::string key, std::string value) {
    record_.command = std::move(command);
    record_.key = std::move(key);
    record_.value = std::move(value);
}

void Exchange::addNote(std::string_view text) {
    if (!record_.note.empty()) {
        record_.note += "; ";
    }
    record_.note += text;
}

void Exchange::reply(Bytes bytes) {
    reply_ = std::move(bytes);
    sumOffset_.reset();
}

void Exchange::replyWithSum(Bytes bytes, size_t sumOffset) {
    reply_ = std::move(bytes);
    sumOffset_ = sumOffset + 2 <= reply_->size() ? std::optional<size_t>(sumOffset) : std::nullopt;
}

} // namespace emulator
