#include "emulator/cpcl/cpcl_job_recorder.h"

#include <algorithm>

namespace emulator::cpcl {

std::string Command::text() const {
    if (graphic) {
        return std::string(bytes.begin(),
                           bytes.begin() + static_cast<std::ptrdiff_t>(graphic->header.length));
    }
    return std::string(bytes.begin(), bytes.end());
}

void JobRecorder::feed(ByteSpan bytes) {
    // Recorded bytes are dropped in one go, not command by command.
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(head_));
    head_ = 0;
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    process();
}

void JobRecorder::finish() {
    process();
    if (waitingBytes() > 0) {
        record(waitingBytes(), false);
    }
}

void JobRecorder::record(size_t length, bool recognised) {
    Command command;
    const ByteSpan bytes = waiting().first(length);
    command.bytes.assign(bytes.begin(), bytes.end());
    if (recognised) {
        command.keyword = cpclKeyword(command.bytes);
        if (command.keyword == "COMPRESSED-GRAPHICS" || command.keyword == "VCOMPRESSED-GRAPHICS") {
            command.graphic = decodeGraphics(command.bytes);
        }
    }
    commands_.push_back(std::move(command));
    head_ += length;
}

void JobRecorder::process() {
    while (waitingBytes() > 0) {
        const ByteSpan waitingNow = waiting();
        const FrameScan scan = scanCpclFrame(waitingNow);
        if (scan.verdict == FrameScan::Verdict::NeedMore) {
            return;
        }
        if (scan.verdict == FrameScan::Verdict::Complete) {
            record(scan.length, true);
            continue;
        }
        // Unrecognised: up to and including the next line feed.
        const auto newline = std::find(waitingNow.begin(), waitingNow.end(), uint8_t{'\n'});
        if (newline == waitingNow.end()) {
            if (waitingNow.size() > kMaxCommandLine) {
                record(waitingNow.size(), false);
            }
            return;
        }
        record(static_cast<size_t>(newline - waitingNow.begin()) + 1, false);
    }
}

std::vector<Graphic> JobRecorder::graphics() const {
    std::vector<Graphic> out;
    for (const Command& command : commands_) {
        if (command.graphic) {
            out.push_back(*command.graphic);
        }
    }
    return out;
}

std::vector<Label> JobRecorder::labels() const {
    std::vector<Label> out;
    bool open = false;
    for (const Command& command : commands_) {
        if (command.keyword == "!") {
            std::string header = command.text();
            header.erase(header.find_last_not_of("\r\n") + 1);
            out.push_back(Label{std::move(header), {}, {}});
            open = true;
            continue;
        }
        if (!open) {
            out.push_back(Label{});
            open = true;
        }
        if (command.keyword == "PRINT" || command.keyword == "FORM" || command.keyword == "ABORT") {
            out.back().end = command.keyword;
            open = false;
            continue;
        }
        out.back().commands.push_back(command);
    }
    return out;
}

} // namespace emulator::cpcl
