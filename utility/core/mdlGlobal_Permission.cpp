#include "mdlGlobal_Permission.h"

#include "mdlFileUtil.h"
#include "mdlMessageBoxes.h"
#include "mdlPaths.h"

#include <atomic>

namespace tolvane {
namespace {

std::atomic<bool> g_debugMode{false};
bool g_factoryMode = false;
int g_normalUser = 1;
bool g_factorySwitch = false;
TRoleFlags g_roles;

} // namespace

bool DebugMode() {
    if (!g_debugMode && FileExists(FirstDebugMarker()) && FileExists(SecondDebugMarker())) {
        g_debugMode = true;
    }
    return g_debugMode;
}

void SetDebugMode(bool on) {
    g_debugMode = on;
}
bool FactoryMode() {
    return g_factoryMode;
}
int NormalUser() {
    return g_normalUser;
}
bool FactorySwitch() {
    return g_factorySwitch;
}
const TRoleFlags& Roles() {
    return g_roles;
}

bool IsTestDataMode() {
    return FileExists(TestDataMarker());
}
bool FirstDebugMarkerExists() {
    return FileExists(FirstDebugMarker());
}

void DecideModes(const std::vector<std::string>& args) {
    if (FirstDebugMarkerExists()) {
        if (AskOkCancel("Ener DMode?")) {
            g_debugMode = true;
        }
        g_factoryMode = AskOkCancel("Ener Factory Mode?");
        g_normalUser = g_factoryMode ? 0 : 1;
    }
    for (const std::string& arg : args) {
        g_roles.Dealer = g_roles.Dealer || arg == "-SwitchDealer";
        g_roles.Technical = g_roles.Technical || arg == "-SwitchTechnical";
        g_roles.CustomerService = g_roles.CustomerService || arg == "-SwitchCustomerServicePeople";
        g_roles.Programmer = g_roles.Programmer || arg == "-SwitchProgrammer";
    }
}

void DecideFactorySwitch(const std::vector<std::string>& args) {
    const auto arg = [&](std::size_t n) { return n < args.size() ? args[n] : std::string(); };
    g_factorySwitch = arg(1) == "-Factory" || (arg(2) == "-Factory" && arg(1) != "-Factory");
}

void ResetModes() {
    g_debugMode = false;
    g_factoryMode = false;
    g_normalUser = 1;
    g_factorySwitch = false;
    g_roles = TRoleFlags{};
}

} // namespace tolvane
