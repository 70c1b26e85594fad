#include "mdlCompanyPrinterList.h"

#include "mdlGlobal.h"
#include "mdlGlobalObjects.h"
#include "mdlGlobal_Permission.h"
#include "mdlMessageBoxes.h"
#include "mdlOemClass.h"
#include "mdlPaths.h"
#include "mdlTextLines.h"

#include <mutex>

namespace tolvane {
namespace {

constexpr int kListModeEditionOnly = 1;
constexpr int kListModeFileThenEdition = 2;

std::mutex g_mutex;
std::vector<std::string> g_list;

} // namespace

std::vector<std::string> CompanyPrinterListFor(const TOemClass* edition, const std::string& filePath) {
    const int mode = edition != nullptr ? edition->ModelListMode : 0;
    std::vector<std::string> list;
    if (mode != kListModeEditionOnly) {
        list = ReadTextLines(filePath);
    }
    if (mode == kListModeEditionOnly || mode == kListModeFileThenEdition) {
        list.insert(list.end(), edition->ModelList.begin(), edition->ModelList.end());
    }
    return list;
}

void FillCompanyPrinterList() {
    const TOstrelVar* state = GlobalObjects().OstrelVar.get();
    const std::string fileName = Globals().CompanyPrinterListName.empty() ? kCompanyPrinterListFileName
                                                                          : Globals().CompanyPrinterListName;
    std::vector<std::string> list =
        CompanyPrinterListFor(state != nullptr ? state->Oem.get() : nullptr, FilesFolder() + fileName);
    if (DebugMode()) {
        std::string names;
        for (const std::string& name : list) {
            names += "," + name;
        }
        ShowInfo("Test_PrtList____x:" + names);
    }
    std::lock_guard lock(g_mutex);
    g_list = std::move(list);
}

std::vector<std::string> CompanyPrinterList() {
    std::lock_guard lock(g_mutex);
    return g_list;
}

} // namespace tolvane
