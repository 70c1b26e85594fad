// The main window's caption for the edition in use.
#pragma once

#include <string>

namespace tolvane {

class TOemClass;

// version = the edition's version text in version mode 1, else fileVersion
// (the language file's "_Version"). Caption mode 1: the brand text and a
// blank (when there is a brand), the window title, the caption suffix (when
// not empty), two blanks and the version; otherwise the title, two blanks
// and the version.
std::string MainCaption(const TOemClass& edition, const std::string& title, const std::string& fileVersion);

} // namespace tolvane
