// Plugs the catalogue into the core's start-up (mdlCoreHooks.h). The
// program calls InstallCatalogueHooks() before StartupInitModules().
#pragma once

namespace tolvane {

// Sets the hooks: the built-in lists and the catalogue overlay at process
// start, the feature record and assigner, TOstrelVar's TFTNVar, the
// catalogue file name, the feature lists, the company printer list, the
// protocol lists and catalogue feature numbers at first show; and gives the
// device layer's language detection its catalogue.
void InstallCatalogueHooks();

} // namespace tolvane
