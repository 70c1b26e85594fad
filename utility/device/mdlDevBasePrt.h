// TDevBasePrt: what the device layer knows about the selected printer, and
// the port operations of the SDK library its command language uses.
//
// Instances are always of a subclass (TDevBaseCpclPrt, TDevBaseEscPrt,
// TDevBaseTsplTscPrt); the base class's operations do nothing.
#pragma once

#include "cobrix.h"
#include "mdlConstVar.h"
#include "mdlDevData.h"
#include "mdlPrinterLibLoad.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace tolvane {

class TDevBasePrt {
  public:
    virtual ~TDevBasePrt();
    TDevBasePrt(const TDevBasePrt&) = delete;
    TDevBasePrt& operator=(const TDevBasePrt&) = delete;

    // Slot 0: takes a text; no device class gives it behaviour.
    virtual void TakeText(const std::string& text);
    // Slot 1: stores the library printer handle.
    virtual void SetHandle(PrinterHandle handle);
    // Slot 2: PortClose on the handle.
    virtual int ClosePort();
    // Slot 3: -6 without a handle, else PortOpen(handle, address).
    virtual int OpenPort(const std::string& address);
    // Slot 4: WriteData.
    virtual int Write(const uint8_t* data, int length);
    // Slot 5: ReadData.
    virtual int Read(uint8_t* buffer, int length, int& count);
    // Slot 6: ReadDataEOF(handle, buffer, start, end, beginByte, endByte, count).
    virtual int ReadUntil(uint8_t* buffer, int start, int& count, uint8_t endByte, uint8_t beginByte,
                          int end);

    // The printer's catalogue model name, and the name passed to PrinterCreator.
    std::string ModelName;
    std::string LibModelName;
    // 3 CPCL, 0 ESC, 1 TSPL.
    const int Language;
    PrinterHandle Handle = nullptr;

    std::string CommandPrefix = std::string("\x1b\x1c& V1 ");
    std::string LineEnd = "\r\n";
    std::string GetKeyVerb = "getkey";
    std::string SetKeyVerb = "setkey";

    // Numbered key identifiers, the quoted key of the Wi-Fi name, and more
    // numbered key identifiers, in their fixed order.
    std::array<uint16_t, 15> KeyIds = {104, 105, 106, 107, 115, 116, 118, 119,
                                       120, 121, 121, 121, 122, 123, 124};
    std::string WifiNameKey = "\"wifi_name\"";
    std::array<uint16_t, 21> MoreKeyIds = {125, 128, 129, 130, 133, 134, 136, 138, 151, 202, 206,
                                           203, 207, 208, 215, 230, 234, 301, 312, 400, 401};
    std::array<std::string, 9> ActionKeys = {"\"reset_printer\"", "\"reset_wifi\"",      "\"bt_para_reset\"",
                                             "\"reset_bt\"",      "\"save_param_zone\"", "\"unlock_para\"",
                                             "R-SELFPRINT",       "R-REST_WIFI",         "R-REST_BT"};

    std::unique_ptr<TDevData> DataA = std::make_unique<TDevData>();
    std::unique_ptr<TDevData> DataB = std::make_unique<TDevData>();
    const int NoHandleResult = -6;

    // Copies of the fourth, ninth and nineteenth codes of TConstVar.
    int Code4 = TConstVar::Nth(4);
    int Code9 = TConstVar::Nth(9);
    int Code19 = TConstVar::Nth(19);

  protected:
    explicit TDevBasePrt(int language);
};

} // namespace tolvane
