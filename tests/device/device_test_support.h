// Shared pieces of the device-layer tests: a message sink that records, a
// scripted printer on a loopback TCP port, and a fixture that binds the SDK
// libraries from the bundle folder and selects a printer.
#pragma once

#include "loopback_server.h"
#include "mdlDevNewPrt.h"
#include "mdlMessages.h"
#include "mdlPrinterLib.h"

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

namespace devicetest {

std::vector<uint8_t> bytes(std::string_view text);

struct TRecordedMessage {
    std::string kind; // "info", "ask" or "error"
    std::string text;
    std::string title;
};

class RecordingSink : public tolvane::IMessageSink {
  public:
    void ShowInfo(const std::string& text, const std::string& title) override;
    bool AskOkCancel(const std::string& text, const std::string& title) override;
    void ShowError(const std::string& text, const std::string& title) override;

    bool answerOk = true;
    std::vector<TRecordedMessage> messages;
};

// A printer on 127.0.0.1 that answers frames by rule: whenever the bytes of a
// rule's trigger arrive (after what earlier rules consumed), its reply is sent.
class ScriptedPrinter {
  public:
    struct Rule {
        std::vector<uint8_t> trigger;
        std::vector<uint8_t> reply;
    };

    explicit ScriptedPrinter(std::vector<Rule> rules = {});

    std::string address() const { return server_.commaAddress(); }
    std::vector<uint8_t> received() const { return server_.received(); }
    testsupport::LoopbackServer& server() { return server_; }

  private:
    std::vector<uint8_t> respond(const std::vector<uint8_t>& connectionBytes);

    std::mutex mutex_;
    std::vector<Rule> rules_;
    size_t consumed_ = 0; // bytes of the current connection already answered
    int connection_ = 0;
    testsupport::LoopbackServer server_;
};

// Binds the libraries (once per process), installs a recording sink and a
// selected printer whose language is TSPL and whose address is set with
// select(); creates the Tsprix handle. Everything is undone after the test.
class DeviceTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Selects a printer: language, address; creates the handle of the
    // language's library (and Tsprix's) for the model.
    void select(int language, const std::string& address, const std::string& model = "Vorlan");

    RecordingSink sink;
    tolvane::TDevNewPrt devices;
};

} // namespace devicetest
