// The main window's caption for the edition in use.
#pragma once

#include <string>

namespace tolvane {

class TOemClass;

// version = the edition's version text in version mode 1, else fileVersion
// (the language file's "_Version"). Caption mode 1: the brand text and a
// blank (when there is a brand), the window title, the edition's caption
// suffix as it reads now (when not empty), two blanks and the version;
// otherwise the title, two blanks and the version.
std::string MainCaption(const TOemClass& edition, const std::string& title, const std::string& fileVersion);

// The language key of the window title: the edition's own title key in
// caption mode 1 when it has one, else "FormMain_Label_Caption".
std::string MainCaptionTitleKey(const TOemClass& edition);

} // namespace tolvane
