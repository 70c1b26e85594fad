#include "mdlMessages.h"

#include <utility>

namespace tolvane {
namespace {

class SilentSink : public IMessageSink {
  public:
    void ShowInfo(const std::string&, const std::string&) override {}
    bool AskOkCancel(const std::string&, const std::string&) override { return false; }
    void ShowError(const std::string&, const std::string&) override {}
};

SilentSink g_silent;
IMessageSink* g_sink = &g_silent;
LangTextLookup g_lookup;

} // namespace

IMessageSink& MessageSink() {
    return *g_sink;
}

void SetMessageSink(IMessageSink* sink) {
    g_sink = sink != nullptr ? sink : &g_silent;
}

std::string LangText(const std::string& key) {
    return g_lookup ? g_lookup(key) : key;
}

void SetLangTextLookup(LangTextLookup lookup) {
    g_lookup = std::move(lookup);
}

} // namespace tolvane
