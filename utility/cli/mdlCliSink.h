// The message interface of tolvane-cli: what a window would show in an
// error box goes to standard error, information to standard output (as
// "; " comment lines, so that a parameter text stays readable), and
// questions are answered with Cancel.
#pragma once

#include "mdlMessages.h"

#include <iosfwd>

namespace tolvane::cli {

class TCliSink final : public IMessageSink {
  public:
    TCliSink(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
    void ShowInfo(const std::string& text, const std::string& title) override;
    bool AskOkCancel(const std::string& text, const std::string& title) override;
    void ShowError(const std::string& text, const std::string& title) override;

    int Errors() const { return errors_; }

  private:
    std::ostream& out_;
    std::ostream& err_;
    int errors_ = 0;
};

} // namespace tolvane::cli
