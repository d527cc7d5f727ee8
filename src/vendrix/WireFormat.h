#pragma once
// The host side of the command protocol (docs/protocol.md): request
// encoding and the answer parser. Every byte of a request or an answer is
// below 0x40, every byte of a measurement frame is 0x40 or above, so each
// received byte belongs to one of the two by its value alone.
#include <QByteArray>
#include <cstdint>
#include <vector>

namespace vendrix::wire {

constexpr std::uint8_t kRequestStart = 0x21;  // '!'
constexpr std::uint8_t kAnswerStart = 0x23;   // '#'
constexpr std::uint8_t kEnd = 0x0D;           // CR
constexpr std::uint8_t kNibbleBase = 0x30;    // '0'..'?' carry 0..15
constexpr int kMaxData = 255;

inline bool IsFrameByte(std::uint8_t b) { return b >= 0x40; }

// The byte that makes the sum of all decoded bytes 0 modulo 256.
std::uint8_t Checksum(const std::uint8_t* bytes, int count);

QByteArray EncodeRequest(int code, const std::uint8_t* data, int length);

// Answer fields after a successful parse.
struct Answer {
    int code = 0;
    int result = 0;                  // the instrument's result: 0 done, else refused
    std::vector<std::uint8_t> data;
};

// Takes the answer-side bytes one by one. Bytes before a start marker are
// ignored; a start marker inside an answer starts it afresh.
class AnswerParser {
public:
    enum class Outcome { Pending, Complete, Malformed, BadChecksum };

    Outcome Add(std::uint8_t b);
    // Valid after Complete.
    const Answer& Result() const { return answer_; }
    void Reset();

private:
    Outcome Finish();

    bool inAnswer_ = false;
    std::vector<std::uint8_t> nibbles_;
    Answer answer_;
};

}  // namespace vendrix::wire
