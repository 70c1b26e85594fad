#include "mdlDevBasePrt.h"

namespace tolvane {

TDevBasePrt::TDevBasePrt(int language) : Language(language) {}

TDevBasePrt::~TDevBasePrt() = default;

void TDevBasePrt::TakeText(const std::string&) {}

void TDevBasePrt::SetHandle(PrinterHandle handle) {
    Handle = handle;
}

int TDevBasePrt::ClosePort() {
    return 0;
}

int TDevBasePrt::OpenPort(const std::string&) {
    return 0;
}

int TDevBasePrt::Write(const uint8_t*, int) {
    return 0;
}

int TDevBasePrt::Read(uint8_t*, int, int& count) {
    count = 0;
    return 0;
}

int TDevBasePrt::ReadUntil(uint8_t*, int, int& count, uint8_t, uint8_t, int) {
    count = 0;
    return 0;
}

} // namespace tolvane
