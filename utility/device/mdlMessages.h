// How the layers below the windows talk to the user: information boxes,
// OK/Cancel questions and error boxes, and the language texts they show.
//
// The program installs a sink that shows Qt message boxes; tests install one
// that records every message and answers questions from a script. Nothing
// here depends on widgets.
#pragma once

#include <functional>
#include <string>

namespace tolvane {

class IMessageSink {
  public:
    virtual ~IMessageSink() = default;
    // An information box with an OK button.
    virtual void ShowInfo(const std::string& text, const std::string& title) = 0;
    // A question with OK and Cancel; true for OK.
    virtual bool AskOkCancel(const std::string& text, const std::string& title) = 0;
    // An error box.
    virtual void ShowError(const std::string& text, const std::string& title) = 0;
};

// The sink in use; a sink that shows nothing and answers Cancel until one is set.
IMessageSink& MessageSink();
// Installs a sink (not owned); nullptr restores the silent one.
void SetMessageSink(IMessageSink* sink);

// Language text of a key (such as "_Err_OpenPort" or "_MSG_Title_Error").
// Until the language system installs its lookup, the key itself is returned.
using LangTextLookup = std::function<std::string(const std::string& key)>;
std::string LangText(const std::string& key);
void SetLangTextLookup(LangTextLookup lookup);

} // namespace tolvane
