#include "mdlPrinterLib_TSPL.h"

#include "mdlPrinterLib.h"
#include "mdlPrinterLibState.h"
#include "mdlPrtExchange.h"
#include "mdlUtf16.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace tolvane {
int PrtLib_OpenTsprix(const std::string& address) {
    TPrtLibState& state = PrtLibState();
    const bool serial = IsSerialAddress(address);
    if (serial && state.SerialKeepOpen) {
        return KeepResult(0);
    }
    const PrinterHandle handle = HandleSlot(TPrtLib::Tsprix);
    const TPrtLibEntries* entries = PrtLib_Entries(TPrtLib::Tsprix);
    if (handle == nullptr || entries == nullptr) {
        return KeepResult(kNoHandleResult);
    }
    const std::u16string wide = Utf8ToUtf16(address);
    int result = entries->PortOpen(handle, wide.c_str());
    if (result == kAlreadyOpenResult) {
        entries->PortClose(handle);
        result = entries->PortOpen(handle, wide.c_str());
    }
    if (serial) {
        state.SerialKeepOpen = result == 0;
    }
    return KeepResult(result);
}

int PrtLib_CloseTsprix() {
    // Whatever port was kept open is closed now: the next open must open again.
    PrtLibState().SerialKeepOpen = false;
    const PrinterHandle handle = HandleSlot(TPrtLib::Tsprix);
    const TPrtLibEntries* entries = PrtLib_Entries(TPrtLib::Tsprix);
    if (handle == nullptr || entries == nullptr) {
        return KeepResult(kNoHandleResult);
    }
    return KeepResult(entries->PortClose(handle));
}

int PrtLib_ReadRepeated(uint8_t* buffer, int length, int& count, int pauseMs, int passes) {
    count = 0;
    if (buffer == nullptr || length <= 0) {
        return KeepResult(length == 0 ? 0 : -1);
    }
    std::vector<uint8_t> scratch(static_cast<size_t>(length));
    int result = 0;
    for (int pass = 0; pass < passes && count < length; ++pass) {
        if (pass > 0) {
            PauseMs(pauseMs); // the windows keep painting
        }
        int got = 0;
        result = PrtLib_Read(TPrtLib::Tsprix, scratch.data(), length - count, got);
        got = std::clamp(got, 0, length - count);
        std::memcpy(buffer + count, scratch.data(), static_cast<size_t>(got));
        count += got;
    }
    return KeepResult(result);
}

int PrtLib_SerialNumber(std::string& serial) {
    serial.clear();
    const PrinterHandle handle = HandleSlot(TPrtLib::Tsprix);
    const TPrtLibEntries* entries = PrtLib_Entries(TPrtLib::Tsprix);
    if (handle == nullptr || entries == nullptr || entries->TSPL_GetSN == nullptr) {
        return KeepResult(kNoHandleResult);
    }
    std::array<char, TSPRIX_TEXT_SIZE + 1> buffer{};
    const int result = entries->TSPL_GetSN(handle, buffer.data());
    serial.assign(buffer.data(), ::strnlen(buffer.data(), TSPRIX_TEXT_SIZE));
    return KeepResult(result);
}

std::string PrtLib_VidPid() {
    const TPrtLibEntries* entries = PrtLib_Entries(TPrtLib::Tsprix);
    if (entries == nullptr || entries->GetVidPid == nullptr) {
        return {};
    }
    std::array<char, TSPRIX_TEXT_SIZE + 1> buffer{};
    if (entries->GetVidPid(buffer.data()) != 0) {
        return {};
    }
    std::string text;
    for (size_t i = 0; i < TSPRIX_TEXT_SIZE; ++i) {
        if (buffer[i] != 0) {
            text.push_back(buffer[i]);
        }
    }
    return text;
}

} // namespace tolvane
