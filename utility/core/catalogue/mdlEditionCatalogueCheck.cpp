#include "mdlEditionCatalogueCheck.h"

#include "mdlCatalogueOverlay.h"
#include "mdlGlobalObjects.h"
#include "mdlModelListNames.h"
#include "mdlModelLists.h"
#include "mdlOemClass.h"

#include <array>
#include <string_view>

namespace tolvane {
namespace {

struct TCheck {
    std::string_view catalogueKey;
    std::string_view builtInList;
    std::string_view message;
};

constexpr std::array<TCheck, 4> kChecks = {{
    {"IsbtnSetArabic", lists::MobileCheckSetArabicModels,
     "配置信息不一致:设置阿拉伯字符变形(ERRNO:20191101_102601)"},
    {"IsbtnDownloadImages", lists::MobileCheckDownloadImagesModels,
     "配置信息不一致:图片下载(ERRNO:20191101_102602)"},
    {"Sorrel_ParameterSetting", lists::MobileCheckSorrelModels,
     "配置信息不一致:参数设置(ERRNO:20191101_103801)"},
    {"Pimm_ParameterSetting", lists::MobileCheckPimmModels, "配置信息不一致:参数设置(ERRNO:20191101_104401)"},
}};

} // namespace

std::vector<std::string> EditionCatalogueMismatches(const TOemClass& edition) {
    std::vector<std::string> messages;
    if (!edition.CatalogueCheck) {
        return messages;
    }
    for (const TCheck& check : kChecks) {
        if (ReadCatalogue(std::string(check.catalogueKey)) != BuiltInList(check.builtInList)) {
            messages.emplace_back(check.message);
        }
    }
    return messages;
}

void CheckEditionCatalogue() {
    const TGlobalObjects& objects = GlobalObjects();
    if (!objects.OstrelVar || !objects.OstrelVar->Oem || !objects.GlobalVar) {
        return;
    }
    for (const std::string& message : EditionCatalogueMismatches(*objects.OstrelVar->Oem)) {
        objects.GlobalVar->ShowMsgBox(message);
    }
}

} // namespace tolvane
