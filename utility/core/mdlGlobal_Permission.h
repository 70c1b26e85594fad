// The operating modes: developer debug mode, factory mode, the factory
// switch, the command-line roles and the test-data mode.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

struct TRoleFlags {
    bool Dealer = false;          // "-SwitchDealer"
    bool Technical = false;       // "-SwitchTechnical"
    bool CustomerService = false; // "-SwitchCustomerServicePeople"
    bool Programmer = false;      // "-SwitchProgrammer"
};

// True when debug mode was accepted at start-up, or when both debug markers
// exist at the time of the call; once true it stays true.
bool DebugMode();
void SetDebugMode(bool on);

bool FactoryMode();
// 1 normally, 0 only in factory mode; passed with parameter commands.
int NormalUser();
bool FactorySwitch();
const TRoleFlags& Roles();

// Whether the test-data marker exists now.
bool IsTestDataMode();
bool FirstDebugMarkerExists();

// The start-up decision: with the first debug marker present the user is
// asked "Ener DMode?" (OK turns debug mode on) and then, whatever the first
// answer, "Ener Factory Mode?" (OK: factory mode, NormalUser 0). Every
// argument, the program path included, is compared exactly with the four
// role switches.
void DecideModes(const std::vector<std::string>& args);

// "-Factory" as argument 1, or as argument 2 when argument 1 is not.
void DecideFactorySwitch(const std::vector<std::string>& args);

// Every mode back to off (end of a run; tests start afresh).
void ResetModes();

} // namespace tolvane
