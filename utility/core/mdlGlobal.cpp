#include "mdlGlobal.h"

namespace tolvane {
namespace {
TGlobals g_globals;
} // namespace

TGlobals& Globals() {
    return g_globals;
}

void ResetGlobals() {
    g_globals = TGlobals{};
}

std::string Argument(std::size_t n) {
    return n < g_globals.Args.size() ? g_globals.Args[n] : std::string();
}

} // namespace tolvane
