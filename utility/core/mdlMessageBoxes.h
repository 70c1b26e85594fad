// The program's information box and OK/Cancel question. Both go through the
// message interface of the device layer, so a test can answer them; the
// titles are language texts (empty before the texts are loaded).
#pragma once

#include <string>

namespace tolvane {

// A modal information box titled with the language text "_MSG_Title_Message".
void ShowInfo(const std::string& text);
// A modal OK/Cancel question (Cancel is the default button) titled with the
// language text "_MSG_Title_Warn"; true only for OK.
bool AskOkCancel(const std::string& text);
// A modal error box titled with the language text "_MSG_Title_Error".
void ShowErrorBox(const std::string& text);

} // namespace tolvane
