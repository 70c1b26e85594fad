// The dispatcher on its own: whatever the split of the input, the same
// records come out, and together they hold every byte received, in order.

#include "emulator_fixture.h"

#include "emulator/core/dispatcher.h"
#include "emulator/handlers/standard_handlers.h"

#include <random>

namespace emutest {
namespace {

using emulator::bytesOf;

class Collector : public emulator::DispatchSink {
  public:
    explicit Collector(emulator::Profile profile) : printer_(std::move(profile)) {}
    emulator::Printer& printer() override { return printer_; }
    bool finished(emulator::Exchange& exchange) override {
        records.push_back(exchange.record());
        const Bytes reply = exchange.replyBytes().value_or(Bytes());
        replies.insert(replies.end(), reply.begin(), reply.end());
        return true;
    }
    std::vector<emulator::Record> records;
    Bytes replies;

  private:
    emulator::Printer printer_;
};

struct Outcome {
    std::vector<std::string> commands;
    Bytes covered;
    Bytes replies;
};

// Feeds `input` in pieces whose lengths come from `split`, then ends the link.
template <typename Split>
Outcome dispatch(const Bytes& input, Split split) {
    const emulator::Profile profile = shippedProfile("corla_cpcl.profile");
    emulator::HandlerSet handlers;
    emulator::addStandardHandlers(handlers, profile);
    Collector sink(profile);
    emulator::Dispatcher dispatcher(handlers, sink, "test");
    const auto now = std::chrono::steady_clock::now();
    for (size_t at = 0; at < input.size();) {
        const size_t n = std::min(split(), input.size() - at);
        dispatcher.receive(emulator::ByteView(input).subspan(at, n), now);
        at += n;
    }
    dispatcher.reset("end of test");
    Outcome outcome;
    for (const emulator::Record& r : sink.records) {
        outcome.commands.push_back(r.command + " " + r.key);
        outcome.covered.insert(outcome.covered.end(), r.received.begin(), r.received.end());
    }
    outcome.replies = sink.replies;
    return outcome;
}

Bytes sampleStream() {
    Bytes all;
    for (const Bytes& part : {privateFrame("setval ", "\"density\" \"3\""), bytesOf("junk\x1B\x1C&"),
                              privateFrame("getval ", "\"density\""), keyFrame("setkey", 1, 9, 3, {1, 2, 3}),
                              Bytes{0x12}, keyFrame("getkey", 1, 9, 5), bytesOf("ZZZCW "), Bytes(256, 0x78),
                              Bytes{0x1B, 0x1B, 0x08}, bytesOf("! 0 200 200 210 1\r\nPRINT\r\nZZZ"),
                              privateFrame("do ", "\"print_test_page\""), bytesOf("SELF")}) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

TEST(Dispatcher, AnySplitGivesTheSameRecordsAndLosesNothing) {
    const Bytes input = sampleStream();
    const Outcome whole = dispatch(input, [] { return size_t{1} << 20; });
    EXPECT_EQ(whole.covered, input);
    EXPECT_EQ(whole.commands,
              (std::vector<std::string>{"setval density", "raw ", "getval density", "setkey 1.9", "raw ",
                                        "getkey 1.9", "block_write ZZZCW", "query_language ", "cpcl !",
                                        "cpcl PRINT", "job TEXT", "do print_test_page", "discarded plain"}));
    EXPECT_EQ(whole.replies, (Bytes{'3', 0, 1, 2, 3, 0, 0, 3}));

    const Outcome single = dispatch(input, [] { return size_t{1}; });
    EXPECT_EQ(single.commands, whole.commands);
    EXPECT_EQ(single.covered, input);
    EXPECT_EQ(single.replies, whole.replies);

    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        const Outcome split = dispatch(input, [&] { return size_t{1} + random() % 40; });
        ASSERT_EQ(split.commands, whole.commands) << round;
        ASSERT_EQ(split.covered, input) << round;
    }
}

TEST(Dispatcher, RandomBytesAreAllAccountedFor) {
    std::mt19937 random(11);
    const Bytes alphabet = {0x1B, 0x1C, 0x26, 0x20, 0x56, 0x31, 0x12, 0x62, 0x63, '\r', '\n', 'Z',
                            'C',  'R',  'g',  'e',  't',  'k',  'y',  '"',  0x00, 0xFF, '!',  'P'};
    for (int round = 0; round < 200; ++round) {
        Bytes input(1 + random() % 300);
        for (uint8_t& byte : input) {
            byte = random() % 4 == 0 ? static_cast<uint8_t>(random()) : alphabet[random() % alphabet.size()];
        }
        const Outcome outcome = dispatch(input, [&] { return size_t{1} + random() % 17; });
        ASSERT_EQ(outcome.covered, input) << round;
    }
}

} // namespace
} // namespace emutest
