#include "device_test_support.h"

#include "mdlPrinterLib_Call.h"
#include "mdlQueryEmulation.h"

#include <algorithm>

namespace devicetest {

std::vector<uint8_t> bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

void RecordingSink::ShowInfo(const std::string& text, const std::string& title) {
    messages.push_back({"info", text, title});
}

bool RecordingSink::AskOkCancel(const std::string& text, const std::string& title) {
    messages.push_back({"ask", text, title});
    return answerOk;
}

void RecordingSink::ShowError(const std::string& text, const std::string& title) {
    messages.push_back({"error", text, title});
}

ScriptedPrinter::ScriptedPrinter(std::vector<Rule> rules)
    : rules_(std::move(rules)), server_([this](const std::vector<uint8_t>& b) { return respond(b); }) {}

std::vector<uint8_t> ScriptedPrinter::respond(const std::vector<uint8_t>& connectionBytes) {
    std::lock_guard<std::mutex> guard(mutex_);
    if (server_.connections() != connection_) {
        connection_ = server_.connections();
        consumed_ = 0;
    }
    std::vector<uint8_t> reply;
    for (bool matched = true; matched;) {
        matched = false;
        for (const Rule& rule : rules_) {
            const auto from = connectionBytes.begin() + static_cast<std::ptrdiff_t>(consumed_);
            const auto found =
                std::search(from, connectionBytes.end(), rule.trigger.begin(), rule.trigger.end());
            if (!rule.trigger.empty() && found != connectionBytes.end()) {
                consumed_ = static_cast<size_t>(found - connectionBytes.begin()) + rule.trigger.size();
                reply.insert(reply.end(), rule.reply.begin(), rule.reply.end());
                matched = true;
                break;
            }
        }
    }
    return reply;
}

void DeviceTest::SetUp() {
    static const bool loaded = [] {
        std::string error;
        const bool ok = tolvane::PrtLib_LoadLibraries(error);
        EXPECT_TRUE(ok) << error;
        return ok;
    }();
    ASSERT_TRUE(loaded);
    tolvane::SetMessageSink(&sink);
    tolvane::SetCurrentDevNewPrt(&devices);
    tolvane::ProtocolKind = tolvane::kLangTspl;
}

void DeviceTest::TearDown() {
    tolvane::PrtLib_DestroyHandles();
    tolvane::SetProtocolCatalogue(nullptr);
    tolvane::SetCurrentDevNewPrt(nullptr);
    tolvane::SetMessageSink(nullptr);
}

void DeviceTest::select(int language, const std::string& address, const std::string& model) {
    tolvane::ProtocolKind = language;
    ASSERT_EQ(tolvane::PrtLib_Create(model), 0);
    if (tolvane::PrtLib_Current() != tolvane::TPrtLib::Tsprix) {
        ASSERT_EQ(tolvane::PrtLib_Create(tolvane::TPrtLib::Tsprix, model), 0);
    }
    const std::string word = address.substr(0, 3) == "NET" ? "NET" : "COM";
    devices.Bind(word, language, model, model, address);
}

} // namespace devicetest
