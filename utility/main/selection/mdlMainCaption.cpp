#include "mdlMainCaption.h"

#include "mdlOemClass.h"

namespace tolvane {

std::string MainCaption(const TOemClass& edition, const std::string& title, const std::string& fileVersion) {
    const std::string version = edition.VersionMode == 1 ? edition.VersionText : fileVersion;
    if (edition.CaptionMode != 1) {
        return title + "  " + version;
    }
    std::string caption = edition.BrandText.empty() ? std::string() : edition.BrandText + " ";
    caption += title;
    caption += edition.CaptionSuffixText;
    return caption + "  " + version;
}

} // namespace tolvane
