#pragma once
// The instrument side of the line: measurement frames and the command
// protocol of docs/protocol.md, written from that document alone so that the
// simulator checks the host's implementation instead of sharing it.
#include <array>
#include <cstdint>
#include <vector>

namespace pyrosim {

// One 7-byte measurement frame: status bits, channel 1 to 4, value rounded
// to thousandths and limited to +-8388.607.
std::array<std::uint8_t, 7> EncodeFrame(std::uint8_t status, int channel, double value);

// Collects the host's bytes; Add returns true when a request from its start
// marker to its end marker is complete, then Request() holds it whole.
class RequestParser {
public:
    bool Add(std::uint8_t b);
    const std::vector<std::uint8_t>& Request() const { return complete_; }

private:
    bool inRequest_ = false;
    std::vector<std::uint8_t> bytes_;
    std::vector<std::uint8_t> complete_;
};

// False when the request is garbled (framing, length or checksum).
bool DecodeRequest(const std::vector<std::uint8_t>& request, int& code, std::vector<std::uint8_t>& data);

// A complete answer; `corruptChecksum` sends a checksum that does not match.
std::vector<std::uint8_t> EncodeAnswer(int code, std::uint8_t result, const std::vector<std::uint8_t>& data,
                                       bool corruptChecksum);

}  // namespace pyrosim
