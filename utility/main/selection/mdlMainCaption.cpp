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
    caption += edition.CaptionSuffix();
    return caption + "  " + version;
}

std::string MainCaptionTitleKey(const TOemClass& edition) {
    return edition.CaptionMode == 1 && !edition.CaptionTitleKey.empty() ? edition.CaptionTitleKey
                                                                        : "FormMain_Label_Caption";
}

} // namespace tolvane
