#include "mdlDevLibraryPrt.h"

#include "mdlPrinterLib.h"
#include "mdlUtf16.h"

namespace tolvane {
TDevLibraryPrt::TDevLibraryPrt(int language, TPrtLib library, bool retryWhenAlreadyOpen)
    : TDevBasePrt(language), library_(library), retryWhenAlreadyOpen_(retryWhenAlreadyOpen) {}

int TDevLibraryPrt::ClosePort() {
    const TPrtLibEntries* entries = PrtLib_Entries(library_);
    return entries != nullptr ? entries->PortClose(Handle) : NoHandleResult;
}

int TDevLibraryPrt::OpenPort(const std::string& address) {
    const TPrtLibEntries* entries = PrtLib_Entries(library_);
    if (Handle == nullptr || entries == nullptr) {
        return NoHandleResult;
    }
    const std::u16string wide = Utf8ToUtf16(address);
    int result = entries->PortOpen(Handle, wide.c_str());
    if (retryWhenAlreadyOpen_ && result == kAlreadyOpenResult) {
        entries->PortClose(Handle);
        result = entries->PortOpen(Handle, wide.c_str());
    }
    return result;
}

int TDevLibraryPrt::Write(const uint8_t* data, int length) {
    const TPrtLibEntries* entries = PrtLib_Entries(library_);
    return entries != nullptr ? entries->WriteData(Handle, data, length) : NoHandleResult;
}

int TDevLibraryPrt::Read(uint8_t* buffer, int length, int& count) {
    count = 0;
    const TPrtLibEntries* entries = PrtLib_Entries(library_);
    return entries != nullptr ? entries->ReadData(Handle, buffer, length, &count) : NoHandleResult;
}

int TDevLibraryPrt::ReadUntil(uint8_t* buffer, int start, int& count, uint8_t endByte, uint8_t beginByte,
                              int end) {
    count = 0;
    const TPrtLibEntries* entries = PrtLib_Entries(library_);
    return entries != nullptr ? entries->ReadDataEOF(Handle, buffer, start, end, beginByte, endByte, &count)
                              : NoHandleResult;
}

} // namespace tolvane
