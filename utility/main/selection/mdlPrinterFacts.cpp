#include "mdlPrinterFacts.h"

#include "mdlCatalogueOverlay.h"
#include "mdlFeatureRecord.h"
#include "mdlFunction_Permission.h"
#include "mdlGlobalObjects.h"
#include "mdlGlobal_Permission.h"
#include "mdlModelList.h"
#include "mdlModelLists.h"
#include "mdlPrinterIdentity.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_TSPL.h"
#include "mdlProtocolLists.h"

namespace tolvane {

bool EditionHasFeature(std::string_view key) {
    const TOstrelVar* state = GlobalObjects().OstrelVar.get();
    return state != nullptr && state->HasFeature(std::string(key));
}

TPrinterFacts SelectedPrinterFacts() {
    const TPrinterIdentity& identity = PrinterIdentity();
    TPrinterFacts facts;
    facts.listName = identity.ListName;
    facts.model = identity.Model;
    facts.inCatalogue = [](std::string_view key, const std::string& name) {
        return IsModelInList(name, ReadCatalogue(std::string(key)));
    };
    facts.inBuiltIn = [](std::string_view list, const std::string& name) {
        return InBuiltInList(list, name);
    };
    facts.permission = [](std::string_view number) { return Permission(number); };
    facts.hasFeature = EditionHasFeature;
    facts.usbIdentity = [] { return PrtLib_VidPid(); };
    facts.rfidList = ReadCatalogue("FTN_RfidSet_0");
    facts.commandTestRule = CurrentFeatureRecord().CommandTestRule;
    facts.frontLearnRule = CurrentFeatureRecord().FrontLearnRule;
    facts.debugMode = DebugMode();
    facts.protocolKind = ProtocolKind;
    const TCatalogueProtocols protocols;
    if (!IsModelInList(facts.model, protocols.ParameterSetList("HaveTwoProtocol"))) {
        facts.knownProtocol = protocols.ModelProtocol(facts.model);
    }
    return facts;
}

} // namespace tolvane
