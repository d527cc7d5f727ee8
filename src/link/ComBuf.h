#pragma once
// The measurement frame decoder. The instrument streams 7-byte frames on its
// own; only a frame's first byte has bit 7 clear, so a sliding window over
// the last bytes finds the frame boundaries in an unframed byte stream.
//
// Frame layout (byte 0 first):
//   0: 0 1 S5..S0            status bits
//   1: 1 x x C1 C0 sign M22 M21   channel code, sign, magnitude bits 22..21
//   2: 1 M20..M14
//   3: 1 M13..M7
//   4: 1 M6..M0
//   5: 1 K13..K7             checksum: K = 16382 - (byte0 + ... + byte4)
//   6: 1 K6..K0
// The value is the magnitude / 1000, negated when the sign bit is set.
//
// Single-threaded: AddByte runs on the window thread, and the handlers run
// inside it, synchronously, before it returns.
#include "platform/DateTime.h"

#include <cstdint>
#include <functional>
#include <vector>

class TComBuf {
public:
    // Handlers receive the decoder itself as Sender. An empty function is an
    // unassigned event; the owner may set or clear any of them at any time,
    // also from inside a handler.
    using TValueEvent = std::function<void(TComBuf* Sender, std::uint8_t Channel, double Value)>;
    using TStatusEvent = std::function<void(TComBuf* Sender, std::uint8_t Status)>;
    using TExtremeEvent = std::function<void(TComBuf* Sender, double Value)>;

    static constexpr double MinResetValue = 5000.0;
    static constexpr double MaxResetValue = -5000.0;

    explicit TComBuf(std::uint32_t frameLength);
    virtual ~TComBuf();
    TComBuf(const TComBuf&) = delete;
    TComBuf& operator=(const TComBuf&) = delete;

    // The only input: every received byte, one at a time, in arrival order.
    void AddByte(std::uint8_t b);

    std::uint32_t Count() const { return count_; }
    std::uint32_t FrameLength() const { return frameLength_; }
    // The window's byte i, 0 being the oldest; i < Count().
    std::uint8_t WindowByte(std::uint32_t i) const { return window()[i]; }

    // The window's checksum field matches its first five bytes.
    virtual bool CheckSumValid() const;
    // The window holds 7 bytes of which only the first has bit 7 clear, and
    // that one has bit 6 set.
    virtual bool IsFrame() const;
    // Channel 1 to 4 from the window's byte 1; 0 while there is no byte 1.
    std::uint8_t Channel() const;

    void ResetCounters();
    void ResetMinMax();
    void ResetMax();
    void ResetMin();

    std::uint8_t LastStatus() const { return lastStatus_; }
    double Min() const { return min_; }
    double Max() const { return max_; }
    std::int32_t GoodCount() const { return goodCount_; }
    std::int32_t BadCount() const { return badCount_; }
    // Arrival of the first byte since the last counter reset; 0 = none yet.
    TDateTime FirstTime() const { return firstTime_; }
    TDateTime LastTime() const { return lastTime_; }

    TValueEvent OnValue;
    TStatusEvent OnStatus;
    TExtremeEvent OnMin;
    TExtremeEvent OnMax;

protected:
    virtual void DoValue(std::uint8_t channel, double value);
    virtual void DoStatus(std::uint8_t status);
    // Min and Max follow the values only while their handler is assigned.
    virtual void DoMin(double value);
    virtual void DoMax(double value);

private:
    // The window is a ring stored twice over, so that the bytes from the
    // oldest on always lie contiguous in memory without moving any byte.
    const std::uint8_t* window() const { return ring_.data() + start_; }

    std::uint32_t frameLength_;
    std::vector<std::uint8_t> ring_;
    std::uint32_t next_ = 0;   // ring slot of the next byte
    std::uint32_t start_ = 0;  // ring slot of the oldest byte
    std::uint32_t count_ = 0;
    std::uint8_t lastStatus_ = 0;
    double min_ = MinResetValue;
    double max_ = MaxResetValue;
    std::int32_t goodCount_ = 0;
    std::int32_t badCount_ = 0;
    TDateTime firstTime_ = 0;
    TDateTime lastTime_ = 0;
};
