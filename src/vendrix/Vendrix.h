#pragma once
// Vendrix, the instrument's command library: one command and its answer
// per call, the error texts, and the instrument's value encodings. The wire
// protocol is written down in docs/protocol.md.
//
// Every call runs on the window thread and blocks it until the answer has
// arrived or the time-out has passed. Measurement frames that arrive during
// an exchange go to the port's receive handler as it was before the call;
// the handler is put back before the call returns.
#include "platform/CommPortDriver.h"

// The 20-byte signature record is the device model's (device/PiroSignature.h);
// it is declared here only so that ReadSignature can take it by reference
// without the library depending on the device model. ReadSignature writes
// exactly its 20 bytes, in the record's little-endian layout.
struct TPiroSignature;

namespace vendrix {
// Result codes of Command. Positive codes are errors; each has a text for
// ShowError.
enum ErrorCode : int {
    Ok = 0,
    ErrNoAnswer = 1,         // nothing, or only part of an answer, in time
    ErrChecksum = 2,         // the answer's checksum does not match
    ErrNotSupported = 3,     // the instrument does not know the command
    ErrPortClosed = 4,
    ErrAnswerTooLong = 5,    // more answer bytes than Capacity allows
    ErrBadAnswer = 6,        // malformed answer, or the answer to another command
    ErrBadRequest = 7,       // request longer than the buffer or the protocol allows
    ErrWriteFailed = 8,
    ErrBadData = 9,          // the instrument refused the request's data
    ErrNotNow = 10,          // the instrument cannot run the command in its current state
    ErrAccessDenied = 11,    // the instrument requires the factory mode
    ErrRefused = 12,         // the instrument refused for a reason of its own
    ErrBusy = 13,            // another exchange is running on this port
};

// The command that reads the signature.
constexpr int kSignatureCode = 1;
constexpr int kSignatureSize = 20;

// The text ShowError shows for a code; empty for 0 and negative codes.
QString ErrorText(int code);
}  // namespace vendrix

// Sends command `code` with its request bytes from `data` and puts the
// answer bytes at the start of `data`. `capacity` is the highest index of
// `data` that may be used (buffer size minus 1). `dataLength` on entry is
// the number of request bytes for commands whose request size varies (the
// table writes and codes the library does not know); commands of fixed size
// always send their size. On return `dataLength` is the number of answer
// bytes (0 after an error). On an error nothing is written into `data`.
int Command(TCommPortDriver& port, int code, unsigned char* data, int capacity, int& dataLength);

// Shows the text of `code` as an error message box; nothing for 0 and
// negative codes.
void ShowError(int code);

// Fills the signature; writes type number 0 (and zeros throughout) when the
// instrument does not answer or answers wrongly.
void ReadSignature(TCommPortDriver& port, TPiroSignature& signature);

// Signed values as the instrument sends them, most significant byte first,
// sign and magnitude: b3 = -1 for two bytes (15-bit magnitude, -32767 to
// 32767), else the third byte (23-bit magnitude, -8388607 to 8388607).
int BytesToVal(unsigned char b1, unsigned char b2, int b3);
// Round to the nearest whole number and clamp to the form's range.
void ValTo2Bytes(unsigned char& b1, unsigned char& b2, double value);
void ValTo3Bytes(unsigned char& b1, unsigned char& b2, unsigned char& b3, double value);
