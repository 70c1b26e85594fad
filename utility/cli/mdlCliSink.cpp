#include "mdlCliSink.h"

#include <ostream>
#include <sstream>

namespace tolvane::cli {
namespace {

void PrintLines(std::ostream& stream, const std::string& prefix, const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        stream << prefix << line << '\n';
    }
    stream.flush();
}

} // namespace

void TCliSink::ShowInfo(const std::string& text, const std::string&) {
    PrintLines(out_, "; ", text);
}

bool TCliSink::AskOkCancel(const std::string& text, const std::string&) {
    PrintLines(err_, "", text);
    return false;
}

void TCliSink::ShowError(const std::string& text, const std::string&) {
    ++errors_;
    PrintLines(err_, "tolvane-cli: ", text);
}

} // namespace tolvane::cli
