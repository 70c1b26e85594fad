#include "mdlPrinterLib.h"

#include "mdlPrinterLibState.h"
#include "mdlPrinterLib_ESC.h"
#include "mdlPrinterLib_TSPL.h"
#include "mdlUtf16.h"

#include <array>

namespace tolvane {

int ProtocolKind = kLangTspl;

TPrtLibState& PrtLibState() {
    static TPrtLibState state;
    return state;
}

namespace {

constexpr int kBadParameter = -1;

// The handle and entry points of a library, or -6 when either is missing.
int boundHandle(TPrtLib lib, PrinterHandle& handle, const TPrtLibEntries*& entries) {
    handle = HandleSlot(lib);
    entries = PrtLib_Entries(lib);
    return handle != nullptr && entries != nullptr ? 0 : kNoHandleResult;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

TPrtLib PrtLib_ForLanguage(int language) {
    switch (language) {
    case kLangEsc:
        return TPrtLib::Escrix;
    case kLangCpcl:
        return TPrtLib::Cobrix;
    default:
        return TPrtLib::Tsprix;
    }
}

TPrtLib PrtLib_Current() {
    return PrtLib_ForLanguage(ProtocolKind);
}

std::string_view LanguageName(int language) {
    static constexpr std::array<std::string_view, 6> kNames = {"ESC", "TSPL", "STAR", "CPCL", "ZPL", "EPL"};
    return language >= 0 && language < static_cast<int>(kNames.size())
               ? kNames[static_cast<std::size_t>(language)]
               : std::string_view();
}

std::string ProtocolWord(int language) {
    // STAR and EPL are shown by their numbers.
    if (language == kLangStar || language == kLangEpl || LanguageName(language).empty()) {
        return std::to_string(language);
    }
    return std::string(LanguageName(language));
}

std::string ProtocolDescription(int language) {
    const std::string_view name = LanguageName(language);
    return "Desc:" + (name.empty() ? std::to_string(language) : std::string(name));
}

bool IsSerialAddress(std::string_view address) {
    if (address.find("COM") != std::string_view::npos) {
        return true;
    }
    const std::string_view first = address.substr(0, address.find(','));
    return startsWith(first, "/dev/tty") || startsWith(first, "/dev/pts/");
}

int PrtLib_Create(const std::string& model) {
    return PrtLib_Create(PrtLib_Current(), model);
}

int PrtLib_Create(TPrtLib lib, const std::string& model) {
    PrinterHandle& slot = HandleSlot(lib);
    const TPrtLibEntries* entries = PrtLib_Entries(lib);
    if (entries == nullptr) {
        slot = nullptr;
        return KeepResult(kLibraryNotBound);
    }
    if (slot != nullptr) {
        entries->PrinterDestroy(slot); // closes the port the old handle held
        slot = nullptr;
        if (lib == TPrtLib::Tsprix) {
            PrtLibState().SerialKeepOpen = false;
        }
    }
    PrinterHandle created = nullptr;
    const int result = entries->PrinterCreator(&created, Utf8ToUtf16(model).c_str());
    slot = result == 0 ? created : nullptr;
    return KeepResult(result);
}

PrinterHandle PrtLib_Handle() {
    return PrtLib_Handle(PrtLib_Current());
}

PrinterHandle PrtLib_Handle(TPrtLib lib) {
    return HandleSlot(lib);
}

int PrtLib_Release() {
    return PrtLib_Release(PrtLib_Current());
}

int PrtLib_Release(TPrtLib) {
    return KeepResult(0);
}

int PrtLib_Open(const std::string& address) {
    return PrtLib_Open(PrtLib_Current(), address);
}

int PrtLib_Open(TPrtLib lib, const std::string& address) {
    return lib == TPrtLib::Tsprix ? PrtLib_OpenTsprix(address) : PrtLib_OpenDirect(lib, address);
}

int PrtLib_Close() {
    return PrtLib_Close(PrtLib_Current());
}

int PrtLib_Close(TPrtLib lib) {
    if (lib == TPrtLib::Tsprix) {
        return PrtLib_CloseTsprix();
    }
    PrinterHandle handle = nullptr;
    const TPrtLibEntries* entries = nullptr;
    if (const int r = boundHandle(lib, handle, entries); r != 0) {
        return KeepResult(r);
    }
    return KeepResult(entries->PortClose(handle));
}

int PrtLib_Write(const uint8_t* data, int length) {
    return PrtLib_Write(PrtLib_Current(), data, length);
}

int PrtLib_Write(TPrtLib lib, const uint8_t* data, int length) {
    PrinterHandle handle = nullptr;
    const TPrtLibEntries* entries = nullptr;
    if (const int r = boundHandle(lib, handle, entries); r != 0) {
        return KeepResult(r);
    }
    return KeepResult(entries->WriteData(handle, data, length));
}

int PrtLib_Write(std::string_view bytes) {
    return PrtLib_Write(PrtLib_Current(), bytes);
}

int PrtLib_Write(TPrtLib lib, std::string_view bytes) {
    return PrtLib_Write(lib, reinterpret_cast<const uint8_t*>(bytes.data()), static_cast<int>(bytes.size()));
}

int PrtLib_Read(uint8_t* buffer, int length, int& count) {
    return PrtLib_Read(PrtLib_Current(), buffer, length, count);
}

int PrtLib_Read(TPrtLib lib, uint8_t* buffer, int length, int& count) {
    count = 0;
    PrinterHandle handle = nullptr;
    const TPrtLibEntries* entries = nullptr;
    if (const int r = boundHandle(lib, handle, entries); r != 0) {
        return KeepResult(r);
    }
    if (buffer == nullptr || length < 0) {
        return KeepResult(kBadParameter);
    }
    return KeepResult(entries->ReadData(handle, buffer, length, &count));
}

int PrtLib_ReadUntil(uint8_t* buffer, int start, int end, int& count, int endByte, int beginByte) {
    return PrtLib_ReadUntil(PrtLib_Current(), buffer, start, end, count, endByte, beginByte);
}

int PrtLib_ReadUntil(TPrtLib lib, uint8_t* buffer, int start, int end, int& count, int endByte,
                     int beginByte) {
    count = 0;
    PrinterHandle handle = nullptr;
    const TPrtLibEntries* entries = nullptr;
    if (const int r = boundHandle(lib, handle, entries); r != 0) {
        return KeepResult(r);
    }
    return KeepResult(entries->ReadDataEOF(handle, buffer, start, end,
                                           static_cast<unsigned char>(beginByte & 0xFF),
                                           static_cast<unsigned char>(endByte & 0xFF), &count));
}

int PrtLib_LastResult() {
    return PrtLibState().LastResult;
}

bool PrtLib_SerialKeptOpen() {
    return PrtLibState().SerialKeepOpen;
}

void PrtLib_DestroyHandles() {
    for (const TPrtLib lib : {TPrtLib::Escrix, TPrtLib::Cobrix, TPrtLib::Tsprix}) {
        PrinterHandle& slot = HandleSlot(lib);
        if (const TPrtLibEntries* entries = PrtLib_Entries(lib); slot != nullptr && entries != nullptr) {
            entries->PrinterDestroy(slot);
        }
        slot = nullptr;
    }
    PrtLibState().SerialKeepOpen = false;
    PrtLibState().ExchangeOpen = false;
}

} // namespace tolvane
