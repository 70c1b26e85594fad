// Where the units above and beside the core plug into its start-up and
// shut-down. The program installs the hooks before it starts the core (see
// mdlStartup.h); a hook left empty is skipped.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace tolvane {

class TFTNVar; // the catalogue's feature-list object

struct TCoreHooks {
    // Process start, module initialisation, in this order.
    std::function<void()> BuildModelLists;     // the built-in feature model lists
    std::function<void()> SetDeviceDefaults;   // the device-state defaults
    std::function<void()> StartImageSubsystem; // image decoding for downloads
    std::function<void()> CreateUsbNotifier;   // the USB enumeration object

    // Process start: the feature base object and the feature assigner are
    // created; after the message loop they are freed.
    std::function<void()> CreateFeatureObjects;
    std::function<void()> FreeFeatureObjects;

    // TOstrelVar's feature-list object, made when TOstrelVar is created and
    // freed with it.
    std::function<std::shared_ptr<TFTNVar>()> CreateFeatureList;
    // The built-in model list of a feature number key ("" when unknown);
    // TOstrelVar::HasFeature tests the current model against it.
    std::function<std::string(const std::string& featureKey)> FeatureModelList;
    // A built-in model list by its name (such as "ReleasePaper255Models");
    // "" when unknown.
    std::function<std::string(const std::string& listName)> BuiltInModelList;

    // First show: the catalogue file name is handed to the feature-list
    // unit (which reads through ReadFilesIni) ...
    std::function<void(const std::string& catalogueFileName)> SetCatalogueFile;
    // ... the feature lists are built ...
    std::function<void()> BuildFeatureLists;
    // ... the company printer list is filled ...
    std::function<void()> FillCompanyPrinterList;
    // ... and the protocol model lists and catalogue feature keys are loaded;
    // then the edition checks the catalogue when its record asks for it.
    std::function<void()> LoadProtocolLists;
    std::function<void()> CheckEditionCatalogue;
};

TCoreHooks& CoreHooks();

} // namespace tolvane
