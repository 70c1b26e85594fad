// TDevNewPrt: the selected printer's device object, port word, port kind and
// port address. The program has one instance, owned by its global state,
// which registers it with SetCurrentDevNewPrt.
#pragma once

#include "mdlDevBasePrt.h"

#include <memory>
#include <string>

namespace tolvane {

// Port kind numbers of the port words.
inline constexpr int kPortKindNone = 0;
inline constexpr int kPortKindUsb = 1;
inline constexpr int kPortKindCom = 2;
inline constexpr int kPortKindLpt = 3;
inline constexpr int kPortKindNet = 4;

class TDevNewPrt {
  public:
    // Frees the current device object and creates the one for a command
    // language: TDevBaseEscPrt for 0, TDevBaseCpclPrt for 3,
    // TDevBaseTsplTscPrt for any other.
    TDevBasePrt& NewDevice(int language);

    // "USB" 1, "COM" 2, "LPT" 3, "NET" 4, anything else 0.
    static int PortKindOf(const std::string& portWord);

    // What selecting a printer sets: the port word and kind, a new device
    // object for the language with its model names, the port address, and
    // the handle of the language's library.
    void Bind(const std::string& portWord, int language, const std::string& model,
              const std::string& libModel, const std::string& address);

    // The current device object, or nullptr.
    TDevBasePrt* Device() const { return device_.get(); }

    std::string PortWord = "USB";
    int PortKind = kPortKindUsb;
    std::string PortAddress;

  private:
    std::unique_ptr<TDevBasePrt> device_;
};

// The program's instance (not owned), or nullptr.
TDevNewPrt* CurrentDevNewPrt();
void SetCurrentDevNewPrt(TDevNewPrt* devices);

// The selected printer's port address; empty without an instance.
std::string CurrentPortAddress();

} // namespace tolvane
