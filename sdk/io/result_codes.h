// Library result codes shared by every part of the SDK.
#pragma once

namespace cobrix {

enum Result : int {
    kOk = 0,
    kBadParameter = -1,
    kNoBuffer = -2,
    kWrongModelType = -3,
    kUnsupported = -4,
    kBadHandle = -6,
    kNotImplemented = -7,
    kUnknownModel = -8,
    kNoMemory = -9,
    kNotTargetPrinter = -10,
    kLoadImage = -21,
    kIoError = -300,
    kIoInvalidSetting = -301,
    kIoNameTooLong = -302,
    kIoInvalidHandle = -308,
    kIoNotOpen = -309,
    kIoAlreadyOpen = -310,
    kIoOpenFailed = -311,
    kIoGetAttributes = -312,
    kIoSetAttributes = -313,
    kIoWriteTimeout = -322,
    kIoReadTimeout = -332,
    kSerialBaudrate = -351,
    kSerialParity = -353,
    kSerialByteSize = -354,
    kSerialStopBits = -355,
    kSerialFlowControl = -356,
    kPeerClosed = -361,
    kUsbNotFound = -372,
};

} // namespace cobrix
