#include "WalkFindings.h"

#include "mdlParaHelpers.h"

#include <algorithm>
#include <set>
#include <sstream>

namespace tolvane::test {

namespace {

// Keys whose setval is part of an exchange rather than a stored setting:
// the RFID read and write, and the position a stored image prints at, which
// the image print sends from its window's field before every print.
const std::set<std::string> kExchangeKeys = {"rfid_wr", "pic_start_pos"};

std::string Quoted(const std::string& text) {
    std::string shown = "\"";
    for (const unsigned char c : text) {
        if (c < 0x20 || c >= 0x7F) {
            static const char* digits = "0123456789ABCDEF";
            shown += std::string("\\x") + digits[c >> 4] + digits[c & 15];
        } else {
            shown += static_cast<char>(c);
        }
    }
    return shown + "\"";
}

std::string BytesText(const emulator::Bytes& bytes) {
    return Quoted(std::string(bytes.begin(), bytes.end()));
}

std::string KeyText(const emulator::NumberedKey& key) {
    return key.text();
}

} // namespace

std::string WindowsText(const std::string& button, const std::vector<WalkedWindow>& windows) {
    std::string text = button;
    for (const WalkedWindow& window : windows) {
        text += " > " + window.name + (window.action.empty() ? "" : " [" + window.action + "]");
    }
    return text;
}

void WalkFindings::Add(const std::string& where, const std::string& check, const std::string& detail) {
    lines_.push_back(printer_ + " | " + where + " | " + check + " | " + detail);
}

std::string WalkFindings::Text() const {
    std::ostringstream text;
    text << lines_.size() << " finding(s):\n";
    for (const std::string& line : lines_) {
        text << "  " << line << '\n';
    }
    return text.str();
}

void WalkFindings::CheckBoxes(const std::string& where, const std::vector<ShownBox>& boxes,
                              bool expectError) {
    bool error = false;
    for (const ShownBox& box : boxes) {
        if (box.kind == "error") {
            error = true;
            if (!expectError) {
                Add(where, "error box", Quoted(box.text));
            }
        } else if (box.kind == "info" && expectError) {
            Add(where, "success box under a fault", Quoted(box.text));
        }
    }
    if (expectError && !error) {
        Add(where, "no error box under a fault", boxes.empty() ? "no box at all" : "only other boxes");
    }
}

void WalkFindings::CheckTimeouts(const std::string& where, const std::vector<WalkedWindow>& windows) {
    for (const WalkedWindow& window : windows) {
        if (window.timedOut) {
            Add(where, "window did not settle",
                window.name + " was still busy after " + std::to_string(WalkDriver::kPhaseLimit.count()) +
                    " ms");
        }
    }
}

void WalkFindings::CheckDownloads(const std::string& where, const std::vector<WalkedWindow>& windows) {
    const std::string success = params::Txt("_DownloadSuccess");
    for (const WalkedWindow& window : windows) {
        const WalkedDownload& download = window.download;
        if (download.step == nullptr) {
            continue;
        }
        const std::string at = where + " | " + window.name;
        if (!download.missing.empty()) {
            Add(at, "download not offered", download.missing + " is not shown and enabled");
            continue;
        }
        bool succeeded = false;
        std::string shown;
        for (const ShownBox& box : download.boxes) {
            succeeded = succeeded || (box.kind == "info" && box.text.starts_with(success));
            shown += (shown.empty() ? "" : ", ") + box.kind + " " + Quoted(box.text);
        }
        if (download.step->ownsSuccess && !succeeded) {
            Add(at, "download without its success text", shown.empty() ? "no box" : shown);
        }
        if (download.step->fixture != WalkFixture::None && download.stored.empty()) {
            Add(at, succeeded ? "download reported as success with nothing stored" : "nothing stored",
                "the printer took no file");
        }
        if (download.printTried && !download.printMissing.empty()) {
            Add(at, "stored file not printable", download.printMissing);
        } else if (download.printTried && download.printed.empty()) {
            Add(at, "print without a complete job", "the printer received no whole job or print command");
        }
    }
}

void WalkFindings::CheckUnknown(const std::string& where, const std::vector<std::string>& unknown,
                                const std::vector<emulator::Record>& records) {
    for (const std::string& request : unknown) {
        std::string detail = request;
        // Unrecognised bytes: show the first of them.
        if (request == "raw") {
            for (const emulator::Record& record : records) {
                if (record.command == "raw") {
                    detail +=
                        " " + BytesText(emulator::Bytes(record.received.begin(),
                                                        record.received.begin() +
                                                            static_cast<std::ptrdiff_t>(std::min<std::size_t>(
                                                                record.received.size(), 60))));
                    break;
                }
            }
        }
        Add(where, "asked what the printer does not know", detail);
    }
}

void WalkFindings::CheckNothingWritten(const std::string& where,
                                       const std::vector<emulator::Record>& records) {
    static const std::set<std::string> kWrites = {"setval", "setkey", "block_write"};
    static const std::set<std::string> kSaves = {"save_param", "save_param_zone", "reset_printer"};
    for (const emulator::Record& record : records) {
        const bool write = kWrites.count(record.command) > 0 && kExchangeKeys.count(record.key) == 0;
        const bool save = record.command == "do" && kSaves.count(record.key) > 0;
        if (write || save) {
            Add(where, "wrote after a failed exchange", record.command + " " + record.key);
        }
    }
}

void WalkFindings::CheckWrites(const std::string& where, const std::vector<emulator::Record>& records,
                               const emulator::PrinterSettings& before,
                               const emulator::PrinterSettings& after) {
    std::set<std::string> read;
    bool blockRead = false;
    for (const emulator::Record& record : records) {
        const bool known = record.note.find("unknown") == std::string::npos;
        if ((record.command == "getval" || record.command == "getkey") && known) {
            read.insert(record.command.substr(3) + " " + record.key);
        } else if (record.command == "block_read") {
            blockRead = true;
        } else if ((record.command == "setval" || record.command == "setkey") &&
                   kExchangeKeys.count(record.key) == 0 &&
                   read.count(record.command.substr(3) + " " + record.key) == 0) {
            Add(where, "wrote a key it did not read",
                record.command + " " + record.key + " = " + Quoted(record.value));
        } else if (record.command == "block_write" && !blockRead) {
            Add(where, "wrote the block without reading it", record.key);
        }
    }
    for (const auto& [key, value] : after.values) {
        const auto was = before.values.find(key);
        if (was == before.values.end()) {
            if (kExchangeKeys.count(key) == 0) {
                Add(where, "value the printer never had", key + " = " + Quoted(value));
            }
        } else if (was->second != value) {
            Add(where, "value changed by an unchanged action",
                key + ": " + Quoted(was->second) + " -> " + Quoted(value));
        }
    }
    for (const auto& [key, bytes] : after.keys) {
        const auto was = before.keys.find(key);
        if (was == before.keys.end()) {
            Add(where, "numbered key the printer never had", KeyText(key) + " = " + BytesText(bytes));
        } else if (was->second != bytes) {
            Add(where, "numbered key changed by an unchanged action",
                KeyText(key) + ": " + BytesText(was->second) + " -> " + BytesText(bytes));
        }
    }
    for (std::size_t offset = 0; offset < after.block.size(); ++offset) {
        if (after.block[offset] != before.block[offset]) {
            Add(where, "block changed by an unchanged action",
                "offset " + std::to_string(offset) + ": " + std::to_string(before.block[offset]) + " -> " +
                    std::to_string(after.block[offset]));
        }
    }
}

} // namespace tolvane::test
