#include "mdlDevNewPrt.h"

#include "mdlDevBaseCpclPrt.h"
#include "mdlDevBaseEscPrt.h"
#include "mdlDevBaseTsplTscPrt.h"
#include "mdlPrinterLib.h"

namespace tolvane {
namespace {

TDevNewPrt* g_current = nullptr;

} // namespace

TDevBasePrt& TDevNewPrt::NewDevice(int language) {
    device_.reset();
    switch (language) {
    case kLangEsc:
        device_ = std::make_unique<TDevBaseEscPrt>();
        break;
    case kLangCpcl:
        device_ = std::make_unique<TDevBaseCpclPrt>();
        break;
    default:
        device_ = std::make_unique<TDevBaseTsplTscPrt>();
        break;
    }
    return *device_;
}

int TDevNewPrt::PortKindOf(const std::string& portWord) {
    if (portWord == "USB") {
        return kPortKindUsb;
    }
    if (portWord == "COM") {
        return kPortKindCom;
    }
    if (portWord == "LPT") {
        return kPortKindLpt;
    }
    if (portWord == "NET") {
        return kPortKindNet;
    }
    return kPortKindNone;
}

void TDevNewPrt::Bind(const std::string& portWord, int language, const std::string& model,
                      const std::string& libModel, const std::string& address) {
    PortWord = portWord;
    PortKind = PortKindOf(portWord);
    TDevBasePrt& device = NewDevice(language);
    device.ModelName = model;
    device.LibModelName = libModel;
    PortAddress = address;
    device.SetHandle(PrtLib_Handle(PrtLib_ForLanguage(language)));
}

TDevNewPrt* CurrentDevNewPrt() {
    return g_current;
}

void SetCurrentDevNewPrt(TDevNewPrt* devices) {
    g_current = devices;
}

std::string CurrentPortAddress() {
    return g_current != nullptr ? g_current->PortAddress : std::string();
}

} // namespace tolvane
