#pragma once
// The instrument's work mode as the settings form edits it, its 9-byte wire
// image (the same for reading with command 13 and writing with command 81),
// and the two exchanges.
#include <cstdint>

class TCommPortDriver;

struct TWorkMode {
    std::uint8_t MeasurmentSpeed = 0;  // index into the four speeds, 0 to 3
    std::uint8_t FilterNum = 0;        // filter coefficient, 0 to 255
    std::int32_t TImin = 0;            // degrees Celsius at the current output's lower end
    std::int32_t TImax = 0;            // degrees Celsius at its upper end
    std::uint8_t CurrentMode = 0;      // index into the four current-output modes, 0 to 3
    bool OutPin = false;               // regulation keys on
};

constexpr int kReadWorkModeCode = 13;
constexpr int kWriteWorkModeCode = 81;
constexpr int kWorkModeBytes = 9;
// The exchange buffer. Capacity is the highest index an answer may fill, so
// it is one less than the buffer's size: an answer can never run past it.
constexpr int kWorkModeBufferSize = 12;
constexpr int kWorkModeCapacity = kWorkModeBufferSize - 1;
// The instrument's speed code of index 0 ("25 изм./сек.").
constexpr int kFirstSpeedCode = 3;

// `bytes` holds at least kWorkModeBytes bytes.
TWorkMode DecodeWorkMode(const unsigned char* bytes);
void EncodeWorkMode(const TWorkMode& mode, unsigned char* bytes);

// Command 13. A positive code shows the command library's error text and
// returns false with `mode` untouched; any other code counts as success.
bool ReadWorkMode(TCommPortDriver& port, TWorkMode& mode);
// Command 81 with the whole record. A positive code shows the error text and
// returns false.
bool SaveWorkMode(TCommPortDriver& port, const TWorkMode& mode);
