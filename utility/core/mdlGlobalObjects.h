// The four global state objects, created at start-up in the order
// TConstVar, TConstLangV, TGlobalVar, TOstrelVar and freed in reverse.
#pragma once

#include "mdlConstLangV.h"
#include "mdlConstVar.h"
#include "mdlGlobalVar.h"
#include "mdlOstrelVar.h"

#include <memory>
#include <string>
#include <vector>

namespace tolvane {

struct TGlobalObjects {
    std::unique_ptr<TConstVar> ConstVar;
    std::unique_ptr<TConstLangV> ConstLangV;
    std::unique_ptr<TGlobalVar> GlobalVar;
    std::unique_ptr<TOstrelVar> OstrelVar;
};

TGlobalObjects& GlobalObjects();

// Creates the four objects in order; TGlobalVar writes its start line.
void CreateGlobalObjects(const std::vector<std::string>& args);
// Frees TOstrelVar, TGlobalVar, TConstLangV and TConstVar, in this order.
void FreeGlobalObjects();

} // namespace tolvane
