#include "emulator/core/faults.h"

#include <algorithm>
#include <charconv>

namespace emulator {
namespace {

struct KindName {
    FaultKind kind;
    const char* name;
};

constexpr KindName kKinds[] = {
    {FaultKind::Silent, "silent"},   {FaultKind::Delay, "delay"},        {FaultKind::Short, "short"},
    {FaultKind::Corrupt, "corrupt"}, {FaultKind::WrongSum, "wrong_sum"}, {FaultKind::Drop, "drop"},
    {FaultKind::Cut, "cut"},
};

constexpr int kMaxDelayMs = 600000;

const char* kindName(FaultKind kind) {
    for (const KindName& k : kKinds) {
        if (k.kind == kind) {
            return k.name;
        }
    }
    return "?";
}

bool parseCount(std::string_view text, int limit, int& value) {
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && status == std::errc() && end == text.data() + text.size() && value >= 0 &&
           value <= limit;
}

// Records and leftovers that are not commands: "*" leaves them alone.
bool isCommand(const std::string& command) {
    return command != "raw" && command != "incomplete" && command != "discarded";
}

bool canShow(const FaultRule& rule, const std::optional<Bytes>& reply, std::optional<size_t> sumOffset) {
    switch (rule.kind) {
    case FaultKind::Delay:
    case FaultKind::Drop:
        return true;
    case FaultKind::WrongSum:
        return reply.has_value() && sumOffset.has_value();
    default:
        return reply.has_value() && !reply->empty();
    }
}

} // namespace

std::string FaultRule::text() const {
    std::string text = command + (key.empty() ? "" : ":" + key) + "=" + kindName(kind);
    if (amount >= 0) {
        text += ":" + std::to_string(amount);
    }
    if (times >= 0) {
        text += "/" + std::to_string(times);
    }
    return text;
}

bool parseFaultRule(std::string_view text, FaultRule& rule, std::string& error) {
    const std::string quoted = "fault \"" + std::string(text) + "\": ";
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos || equals == 0) {
        error = quoted + "expected TARGET=KIND[:AMOUNT][/TIMES]";
        return false;
    }
    FaultRule parsed;
    const std::string_view target = text.substr(0, equals);
    const size_t colon = target.find(':');
    parsed.command = std::string(target.substr(0, colon));
    if (colon != std::string_view::npos) {
        parsed.key = std::string(target.substr(colon + 1));
    }
    if (parsed.command.empty() || (colon != std::string_view::npos && parsed.key.empty())) {
        error = quoted + "the target is *, a command, or command:key";
        return false;
    }
    std::string_view ruleText = text.substr(equals + 1);
    if (const size_t slash = ruleText.find('/'); slash != std::string_view::npos) {
        if (!parseCount(ruleText.substr(slash + 1), 1000000, parsed.times) || parsed.times == 0) {
            error = quoted + "TIMES is a number from 1 to 1000000";
            return false;
        }
        ruleText = ruleText.substr(0, slash);
    }
    std::string_view amount;
    if (const size_t amountAt = ruleText.find(':'); amountAt != std::string_view::npos) {
        amount = ruleText.substr(amountAt + 1);
        ruleText = ruleText.substr(0, amountAt);
    }
    bool known = false;
    for (const KindName& k : kKinds) {
        if (ruleText == k.name) {
            parsed.kind = k.kind;
            known = true;
        }
    }
    if (!known) {
        error = quoted +
                "unknown kind; use silent, delay:MS, short[:BYTES], corrupt, wrong_sum, drop or cut[:BYTES]";
        return false;
    }
    const bool takesAmount =
        parsed.kind == FaultKind::Delay || parsed.kind == FaultKind::Short || parsed.kind == FaultKind::Cut;
    if (!amount.empty() || parsed.kind == FaultKind::Delay) {
        if (!takesAmount || !parseCount(amount, kMaxDelayMs, parsed.amount)) {
            error = quoted + (takesAmount
                                  ? "the amount is a number (delay: 0 to 600000 ms; short, cut: bytes kept)"
                                  : "this kind takes no amount");
            return false;
        }
    }
    rule = std::move(parsed);
    return true;
}

ShapedReply FaultBook::shape(const std::string& command, const std::string& key, std::optional<Bytes> reply,
                             std::optional<size_t> sumOffset) {
    ShapedReply shaped;
    bool silent = false;
    bool corrupt = false;
    bool wrongSum = false;
    bool dropped = false;
    std::optional<size_t> keep;
    for (FaultRule& rule : rules_) {
        const bool targets = rule.command == "*"
                                 ? isCommand(command)
                                 : rule.command == command && (rule.key.empty() || rule.key == key);
        if (rule.times == 0 || !targets || !canShow(rule, reply, sumOffset)) {
            continue;
        }
        shaped.applied.push_back(rule.text());
        if (rule.times > 0) {
            --rule.times;
        }
        switch (rule.kind) {
        case FaultKind::Silent:
            silent = true;
            break;
        case FaultKind::Delay:
            shaped.delay += std::chrono::milliseconds(rule.amount);
            break;
        case FaultKind::Short:
            keep = rule.amount >= 0 ? static_cast<size_t>(rule.amount) : reply->size() / 2;
            break;
        case FaultKind::Corrupt:
            corrupt = true;
            break;
        case FaultKind::WrongSum:
            wrongSum = true;
            break;
        case FaultKind::Drop:
            shaped.drop = true;
            dropped = true;
            break;
        case FaultKind::Cut:
            // The printer goes away in the middle of its reply.
            keep = rule.amount >= 0 ? static_cast<size_t>(rule.amount) : reply->size() / 2;
            shaped.drop = true;
            break;
        }
    }
    std::erase_if(rules_, [](const FaultRule& rule) { return rule.times == 0; });
    if (reply && wrongSum) {
        Bytes& bytes = *reply;
        const uint16_t sum = static_cast<uint16_t>(readWordLe(bytes, *sumOffset) + 1);
        bytes[*sumOffset] = static_cast<uint8_t>(sum & 0xFF);
        bytes[*sumOffset + 1] = static_cast<uint8_t>(sum >> 8);
    }
    if (reply && keep && *keep < reply->size()) {
        reply->resize(*keep);
    }
    if (reply && corrupt) {
        for (uint8_t& byte : *reply) {
            byte ^= 0xFF;
        }
    }
    if (!silent && !dropped) {
        shaped.reply = std::move(reply);
    }
    return shaped;
}

} // namespace emulator
