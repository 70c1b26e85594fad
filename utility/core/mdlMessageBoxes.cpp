#include "mdlMessageBoxes.h"

#include "mdlMessages.h"

namespace tolvane {

void ShowInfo(const std::string& text) {
    MessageSink().ShowInfo(text, LangText("_MSG_Title_Message"));
}

bool AskOkCancel(const std::string& text) {
    return MessageSink().AskOkCancel(text, LangText("_MSG_Title_Warn"));
}

void ShowErrorBox(const std::string& text) {
    MessageSink().ShowError(text, LangText("_MSG_Title_Error"));
}

} // namespace tolvane
