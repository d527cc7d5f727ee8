#include "sim/InstrumentWire.h"

#include <cmath>

namespace pyrosim {

namespace {
constexpr std::uint8_t kRequestStart = 0x21;
constexpr std::uint8_t kAnswerStart = 0x23;
constexpr std::uint8_t kEnd = 0x0D;
constexpr std::uint8_t kNibble = 0x30;
// Start marker, code, length, 255 data bytes and checksum as nibble pairs, end marker.
constexpr std::size_t kLongestRequest = 2 + 2 * (3 + 255);

void PutNibbles(std::vector<std::uint8_t>& out, std::uint8_t b)
{
    out.push_back(std::uint8_t(kNibble + (b >> 4)));
    out.push_back(std::uint8_t(kNibble + (b & 0x0F)));
}
}  // namespace

std::array<std::uint8_t, 7> EncodeFrame(std::uint8_t status, int channel, double value)
{
    const bool negative = std::signbit(value);
    double magnitude = std::round(std::fabs(value) * 1000.0);
    if (!(magnitude <= 8388607.0))
        magnitude = 8388607.0;
    const auto m = std::uint32_t(magnitude);
    std::array<std::uint8_t, 7> f{};
    f[0] = std::uint8_t(0x40 | (status & 0x3F));
    f[1] = std::uint8_t(0x80 | (((channel - 1) & 0x03) << 3) | (negative ? 0x04 : 0) | ((m >> 21) & 0x03));
    f[2] = std::uint8_t(0x80 | ((m >> 14) & 0x7F));
    f[3] = std::uint8_t(0x80 | ((m >> 7) & 0x7F));
    f[4] = std::uint8_t(0x80 | (m & 0x7F));
    const unsigned sum = unsigned(f[0]) + f[1] + f[2] + f[3] + f[4];
    const unsigned check = 16382 - sum;
    f[5] = std::uint8_t(0x80 | ((check >> 7) & 0x7F));
    f[6] = std::uint8_t(0x80 | (check & 0x7F));
    return f;
}

bool RequestParser::Add(std::uint8_t b)
{
    if (b == kRequestStart) {
        inRequest_ = true;
        bytes_.assign(1, b);
        return false;
    }
    if (!inRequest_)
        return false;
    bytes_.push_back(b);
    if (b == kEnd) {
        complete_.swap(bytes_);
        bytes_.clear();
        inRequest_ = false;
        return true;
    }
    if (bytes_.size() > kLongestRequest) {
        inRequest_ = false;
        bytes_.clear();
    }
    return false;
}

bool DecodeRequest(const std::vector<std::uint8_t>& request, int& code, std::vector<std::uint8_t>& data)
{
    if (request.size() < 2 || request.front() != kRequestStart || request.back() != kEnd)
        return false;
    const std::size_t nibbles = request.size() - 2;
    if (nibbles % 2 != 0)
        return false;
    std::vector<std::uint8_t> fields;
    for (std::size_t i = 1; i + 1 < request.size(); i += 2) {
        const std::uint8_t hi = request[i], lo = request[i + 1];
        if (hi < kNibble || hi > kNibble + 15 || lo < kNibble || lo > kNibble + 15)
            return false;
        fields.push_back(std::uint8_t(((hi - kNibble) << 4) | (lo - kNibble)));
    }
    if (fields.size() < 3 || fields.size() != std::size_t(fields[1]) + 3)
        return false;
    unsigned sum = 0;
    for (std::uint8_t f : fields)
        sum += f;
    if ((sum & 0xFF) != 0)
        return false;
    code = fields[0];
    data.assign(fields.begin() + 2, fields.end() - 1);
    return true;
}

std::vector<std::uint8_t> EncodeAnswer(int code, std::uint8_t result, const std::vector<std::uint8_t>& data,
                                       bool corruptChecksum)
{
    std::vector<std::uint8_t> fields{std::uint8_t(code), result, std::uint8_t(data.size())};
    fields.insert(fields.end(), data.begin(), data.end());
    unsigned sum = 0;
    for (std::uint8_t f : fields)
        sum += f;
    std::uint8_t check = std::uint8_t((0x100 - (sum & 0xFF)) & 0xFF);
    if (corruptChecksum)
        check = std::uint8_t(check + 1);
    fields.push_back(check);

    std::vector<std::uint8_t> out{kAnswerStart};
    for (std::uint8_t f : fields)
        PutNibbles(out, f);
    out.push_back(kEnd);
    return out;
}

}  // namespace pyrosim
