#include "plugins/settings/WorkMode.h"

#include "vendrix/Vendrix.h"

TWorkMode DecodeWorkMode(const unsigned char* bytes)
{
    TWorkMode mode;
    // Kept modulo 256 as the instrument sent it, so that an unknown code
    // goes back unchanged on the next write.
    mode.MeasurmentSpeed = static_cast<std::uint8_t>(bytes[0] - kFirstSpeedCode);
    mode.FilterNum = bytes[1];
    mode.TImin = BytesToVal(bytes[3], bytes[4], -1);
    mode.TImax = BytesToVal(bytes[5], bytes[6], -1);
    mode.CurrentMode = bytes[7];
    mode.OutPin = bytes[8] == 1;
    return mode;
}

void EncodeWorkMode(const TWorkMode& mode, unsigned char* bytes)
{
    bytes[0] = static_cast<unsigned char>(mode.MeasurmentSpeed + kFirstSpeedCode);
    bytes[1] = mode.FilterNum;
    bytes[2] = 0;
    ValTo2Bytes(bytes[3], bytes[4], mode.TImin);
    ValTo2Bytes(bytes[5], bytes[6], mode.TImax);
    bytes[7] = mode.CurrentMode;
    bytes[8] = mode.OutPin ? 1 : 0;
}

bool ReadWorkMode(TCommPortDriver& port, TWorkMode& mode)
{
    // Zeroed so that a short answer reads as zeros, never as stale memory.
    unsigned char buffer[kWorkModeBufferSize] = {};
    int dataLength = 0;
    const int code = Command(port, kReadWorkModeCode, buffer, kWorkModeCapacity, dataLength);
    if (code > 0) {
        ShowError(code);
        return false;
    }
    mode = DecodeWorkMode(buffer);
    return true;
}

bool SaveWorkMode(TCommPortDriver& port, const TWorkMode& mode)
{
    unsigned char buffer[kWorkModeBufferSize] = {};
    EncodeWorkMode(mode, buffer);
    int dataLength = 0;
    const int code = Command(port, kWriteWorkModeCode, buffer, kWorkModeCapacity, dataLength);
    if (code > 0) {
        ShowError(code);
        return false;
    }
    return true;
}
