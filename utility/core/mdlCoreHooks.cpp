#include "mdlCoreHooks.h"

namespace tolvane {

TCoreHooks& CoreHooks() {
    static TCoreHooks hooks;
    return hooks;
}

} // namespace tolvane
