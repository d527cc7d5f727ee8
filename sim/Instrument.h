#pragma once
// pyrosim: a whole simulated pyrometer. The state below is what the
// instrument knows about itself; the profile INI file gives its starting
// values, the commands of docs/protocol.md read and change it.
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace pyrosim {

struct GraphModeInfo {
    std::string title;
    int channels = 1;   // values streamed per measurement, channel 1 first
    // The level each channel's value moves around, channel 2 first; channel 1
    // is the measured temperature. Missing entries stream 100 x channel.
    std::vector<double> levels;
};

struct InstrumentState {
    // Signature.
    std::uint8_t typeNum = 0;
    std::uint8_t variant = 0;
    std::uint16_t plantNumber = 0;
    std::uint16_t waveLength1 = 0;
    std::uint16_t waveLength2 = 0;
    std::int32_t tempMin = 0;
    std::int32_t tempMax = 0;
    std::uint16_t aligningIndex = 0;
    std::uint8_t programVersion = 0;
    std::uint8_t regulationType = 0;

    std::vector<GraphModeInfo> graphModes{{"Температура", 1, {}}};
    int activeGraphMode = 0;            // index into graphModes
    std::uint8_t status = 0;            // the six status bits of every frame
    int blackOrder = 1000;              // correction coefficient x 1000, working value
    int blackOrderFlash = 1000;         // the value kept in flash memory
    std::array<std::uint8_t, 9> workMode{{3, 0, 0, 0, 0, 0, 0, 0, 0}};
    int aprocCodeNum = 1;               // 1 or 2 code columns
    std::vector<std::int32_t> aprocTemp;   // thousandths, one entry per row
    std::vector<std::int32_t> aprocCode;
    std::vector<std::int32_t> aprocCode2;
    // Clock: seconds, minutes, hours, day of week (1 = Monday), day, month,
    // year within the century, as last set; it runs on from clockSetAt.
    std::array<std::uint8_t, 7> clock{{0, 0, 12, 1, 1, 1, 26}};
    double bodyTemp = 25.0;             // degrees Celsius
    double thermostatTemp = 30.0;
    double temperature = 1000.0;        // the measured value streams around this
    int rate = 25;                      // measurements per second, one frame per channel each
    bool rateFollowsSpeed = true;       // a new speed code (command 81) sets the rate
    bool streaming = true;              // sends its measurement stream
    bool poweredOff = false;            // switched off by command 73, byte 3: silent
};

struct Faults {
    bool silent = false;                // answers nothing
    bool badChecksum = false;           // answers with a wrong checksum
    std::set<int> refused;              // answers these codes with "not supported"
    bool noise = false;                 // mixes stray bytes and bad frames into the stream
    int extraAnswerBytes = 0;           // pads every successful answer with this many data bytes
    int answerDelayMs = 0;              // answers this late (later than the host waits, if so set)
};

// Reads a profile (see sim/profiles/); throws std::runtime_error when the
// file cannot be read.
InstrumentState LoadProfile(const std::string& path);

// The instrument on one file descriptor of a serial line or pseudo-terminal.
// Run() serves until Stop() is called from any thread; state, faults and
// log are safe to use from other threads meanwhile.
class Instrument {
public:
    explicit Instrument(InstrumentState state);
    ~Instrument();
    Instrument(const Instrument&) = delete;
    Instrument& operator=(const Instrument&) = delete;

    // Creates a pseudo-terminal (raw, 8N1) and keeps its master side; returns
    // the slave device path. Throws std::runtime_error on failure.
    std::string OpenPty();
    // Opens a given device (raw, 19200 8N1). Throws std::runtime_error.
    void OpenDevice(const std::string& path);
    std::string DevicePath() const { return devicePath_; }

    // Serves commands and streams frames until Stop().
    void Run();
    void Stop();

    InstrumentState State() const;
    void ChangeState(const std::function<void(InstrumentState&)>& change);
    Faults CurrentFaults() const;
    void SetFaults(const Faults& faults);

    // One line per command received: the code in decimal, then each data byte
    // as two upper-case hex digits: "73 01", "67 01 03 B6".
    std::vector<std::string> Log() const;
    void ClearLog();
    // Also writes every log line to this file, flushed per line.
    void SetLogFile(const std::string& path);

    // Handles one complete request (the bytes between start and end marker
    // included) and returns the answer bytes to send; empty for no answer.
    // Public for tests of the instrument logic without a line.
    std::vector<std::uint8_t> HandleRequest(const std::vector<std::uint8_t>& request);
    // The frames of one measurement cycle: one per channel of the active mode.
    std::vector<std::uint8_t> NextFrames();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::string devicePath_;
};

}  // namespace pyrosim
