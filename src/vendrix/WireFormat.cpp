#include "vendrix/WireFormat.h"

namespace vendrix::wire {

std::uint8_t Checksum(const std::uint8_t* bytes, int count)
{
    unsigned sum = 0;
    for (int i = 0; i < count; ++i)
        sum += bytes[i];
    return std::uint8_t((0x100 - (sum & 0xFF)) & 0xFF);
}

QByteArray EncodeRequest(int code, const std::uint8_t* data, int length)
{
    std::vector<std::uint8_t> fields;
    fields.reserve(std::size_t(length) + 3);
    fields.push_back(std::uint8_t(code));
    fields.push_back(std::uint8_t(length));
    fields.insert(fields.end(), data, data + length);
    fields.push_back(Checksum(fields.data(), int(fields.size())));

    QByteArray out;
    out.reserve(int(fields.size()) * 2 + 2);
    out.append(char(kRequestStart));
    for (std::uint8_t f : fields) {
        out.append(char(kNibbleBase + (f >> 4)));
        out.append(char(kNibbleBase + (f & 0x0F)));
    }
    out.append(char(kEnd));
    return out;
}

void AnswerParser::Reset()
{
    inAnswer_ = false;
    nibbles_.clear();
}

AnswerParser::Outcome AnswerParser::Add(std::uint8_t b)
{
    if (b == kAnswerStart) {
        inAnswer_ = true;
        nibbles_.clear();
        return Outcome::Pending;
    }
    if (!inAnswer_)
        return Outcome::Pending;
    if (b >= kNibbleBase && b < kNibbleBase + 16) {
        // code, result, length, data, checksum: never more than this.
        if (nibbles_.size() >= std::size_t(2 * (kMaxData + 4))) {
            Reset();
            return Outcome::Malformed;
        }
        nibbles_.push_back(std::uint8_t(b - kNibbleBase));
        return Outcome::Pending;
    }
    if (b == kEnd)
        return Finish();
    Reset();
    return Outcome::Malformed;
}

AnswerParser::Outcome AnswerParser::Finish()
{
    std::vector<std::uint8_t> fields;
    const bool even = nibbles_.size() % 2 == 0;
    for (std::size_t i = 0; even && i < nibbles_.size(); i += 2)
        fields.push_back(std::uint8_t((nibbles_[i] << 4) | nibbles_[i + 1]));
    Reset();
    if (!even || fields.size() < 4 || fields.size() != std::size_t(fields[2]) + 4)
        return Outcome::Malformed;
    unsigned sum = 0;
    for (std::uint8_t f : fields)
        sum += f;
    if ((sum & 0xFF) != 0)
        return Outcome::BadChecksum;
    answer_.code = fields[0];
    answer_.result = fields[1];
    answer_.data.assign(fields.begin() + 3, fields.end() - 1);
    return Outcome::Complete;
}

}  // namespace vendrix::wire
