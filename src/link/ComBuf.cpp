#include "link/ComBuf.h"

#include <limits>
#include <utility>

namespace {

constexpr std::uint32_t FrameBytes = 7;
constexpr int CheckSumBase = 16382;

// The counters saturate instead of overflowing: a counter that wrapped to a
// negative number would be worse for the connection quality figures than one
// that stops at its largest value.
void Increment(std::int32_t& counter)
{
    if (counter < std::numeric_limits<std::int32_t>::max())
        ++counter;
}

} // namespace

TComBuf::TComBuf(std::uint32_t frameLength)
    : frameLength_(frameLength)
    , ring_(std::size_t(frameLength) * 2)
{
}

TComBuf::~TComBuf() = default;

void TComBuf::AddByte(std::uint8_t b)
{
    const TDateTime now = Now();
    if (firstTime_ == 0)
        firstTime_ = now;
    lastTime_ = now;

    if (frameLength_ == 0)
        return;
    ring_[next_] = b;
    ring_[next_ + frameLength_] = b;
    next_ = next_ + 1 == frameLength_ ? 0 : next_ + 1;
    if (count_ < frameLength_) {
        ++count_;
        if (count_ < frameLength_)
            return;
    }
    start_ = next_;

    if (!IsFrame())
        return;
    if (!CheckSumValid()) {
        Increment(badCount_);
        return;
    }
    Increment(goodCount_);

    const std::uint8_t* w = window();
    const std::uint8_t status = w[0] & 0x3F;
    const std::uint8_t channel = Channel();
    const std::uint32_t magnitude = (std::uint32_t(w[1] & 0x03) << 21) | (std::uint32_t(w[2] & 0x7F) << 14)
        | (std::uint32_t(w[3] & 0x7F) << 7) | std::uint32_t(w[4] & 0x7F);
    // Negating rather than multiplying by the sign keeps a signed zero.
    const double unsignedValue = magnitude / 1000.0;
    const double value = (w[1] & 0x04) ? -unsignedValue : unsignedValue;

    DoValue(channel, value);
    if (status != lastStatus_) {
        lastStatus_ = status;
        DoStatus(status);
    }
    if (channel == 1) {
        if (value < min_)
            DoMin(value);
        if (value > max_)
            DoMax(value);
    }
}

bool TComBuf::CheckSumValid() const
{
    if (count_ < FrameBytes)
        return false;
    const std::uint8_t* w = window();
    const int sum = w[0] + w[1] + w[2] + w[3] + w[4];
    const int check = (w[5] & 0x7F) * 128 + (w[6] & 0x7F);
    return check == CheckSumBase - sum;
}

bool TComBuf::IsFrame() const
{
    if (count_ != FrameBytes)
        return false;
    const std::uint8_t* w = window();
    if ((w[0] & 0xC0) != 0x40)
        return false;
    for (std::uint32_t i = 1; i < FrameBytes; ++i)
        if (!(w[i] & 0x80))
            return false;
    return true;
}

std::uint8_t TComBuf::Channel() const
{
    if (count_ < 2)
        return 0;
    return std::uint8_t(((window()[1] & 0x18) >> 3) + 1);
}

void TComBuf::ResetCounters()
{
    goodCount_ = 0;
    badCount_ = 0;
    firstTime_ = 0;
    lastTime_ = 0;
}

void TComBuf::ResetMinMax()
{
    min_ = MinResetValue;
    max_ = MaxResetValue;
}

void TComBuf::ResetMax() { max_ = MaxResetValue; }

void TComBuf::ResetMin() { min_ = MinResetValue; }

// Each dispatcher calls a copy of its handler, so that a handler may clear
// or replace its own event while it runs.
void TComBuf::DoValue(std::uint8_t channel, double value)
{
    if (OnValue) {
        const TValueEvent handler = OnValue;
        handler(this, channel, value);
    }
}

void TComBuf::DoStatus(std::uint8_t status)
{
    if (OnStatus) {
        const TStatusEvent handler = OnStatus;
        handler(this, status);
    }
}

void TComBuf::DoMin(double value)
{
    if (OnMin) {
        min_ = value;
        const TExtremeEvent handler = OnMin;
        handler(this, value);
    }
}

void TComBuf::DoMax(double value)
{
    if (OnMax) {
        max_ = value;
        const TExtremeEvent handler = OnMax;
        handler(this, value);
    }
}
