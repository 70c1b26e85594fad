#include "mdlProtocolLists.h"

#include "mdlCatalogueOverlay.h"
#include "mdlModelList.h"
#include "mdlOemClass.h"
#include "mdlPaths.h"
#include "mdlPrinterLib.h"
#include "mdlReadFilesIni.h"

#include <mutex>

namespace tolvane {
namespace {

constexpr int kModeReplace = 2;
constexpr int kModeAppend = 3;

std::mutex g_mutex;
TProtocolLists g_lists;

std::string ReadProtocolList(const char* key, int mode, const std::string& editionList) {
    if (mode == kModeReplace) {
        return editionList;
    }
    std::string value = ReadFilesIni(kProtocolFileName, "Protocol", key);
    return mode == kModeAppend ? value + "," + editionList : value;
}

} // namespace

TProtocolLists ReadProtocolLists(const TOemClass* edition) {
    const TOemClass base;
    const TOemClass& e = edition != nullptr ? *edition : base;
    TProtocolLists lists;
    lists.Tspl = ReadProtocolList("TSPL", e.TsplListMode, e.TsplList);
    lists.Esc = ReadProtocolList("ESC", e.EscListMode, e.EscList);
    lists.Cpcl = ReadProtocolList("CPCL", e.CpclListMode, e.CpclList);
    lists.Zpl = ReadProtocolList("ZPL", e.ZplListMode, e.ZplList);
    return lists;
}

int ProtocolOfModel(const TProtocolLists& lists, std::string_view model) {
    if (IsModelInList(model, lists.Cpcl)) {
        return kLangCpcl;
    }
    if (IsModelInList(model, lists.Tspl)) {
        return kLangTspl;
    }
    if (IsModelInList(model, lists.Esc)) {
        return kLangEsc;
    }
    if (IsModelInList(model, lists.Zpl)) {
        return kLangZpl;
    }
    return kLangTspl;
}

void SetProtocolLists(TProtocolLists lists) {
    std::lock_guard lock(g_mutex);
    g_lists = std::move(lists);
}

TProtocolLists CurrentProtocolLists() {
    std::lock_guard lock(g_mutex);
    return g_lists;
}

int ProtocolOfModel(std::string_view model) {
    return ProtocolOfModel(CurrentProtocolLists(), model);
}

std::string TCatalogueProtocols::ParameterSetList(const std::string& key) const {
    return ReadCatalogue(key);
}

int TCatalogueProtocols::ModelProtocol(const std::string& model) const {
    return ProtocolOfModel(model);
}

} // namespace tolvane
