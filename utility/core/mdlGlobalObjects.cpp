#include "mdlGlobalObjects.h"

namespace tolvane {

TGlobalObjects& GlobalObjects() {
    static TGlobalObjects objects;
    return objects;
}

void CreateGlobalObjects(const std::vector<std::string>& args) {
    TGlobalObjects& g = GlobalObjects();
    g.ConstVar = std::make_unique<TConstVar>();
    g.ConstLangV = std::make_unique<TConstLangV>(args);
    g.GlobalVar = std::make_unique<TGlobalVar>();
    g.GlobalVar->WriteStartLine();
    g.OstrelVar = std::make_unique<TOstrelVar>();
}

void FreeGlobalObjects() {
    TGlobalObjects& g = GlobalObjects();
    g.OstrelVar.reset();
    g.GlobalVar.reset();
    g.ConstLangV.reset();
    g.ConstVar.reset();
}

} // namespace tolvane
