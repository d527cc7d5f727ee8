#pragma once
// Request sizes of the commands whose request is fixed by the protocol.
// Callers pass DataLength loosely for these (0 for requests that carry a
// byte, nothing at all for some reads), so the protocol's size is sent.
namespace vendrix {

// The number of request bytes for `code`: its fixed size, or `dataLength`
// for commands of variable size (the table writes, unknown codes).
int RequestLength(int code, int dataLength);

// Whether an answer of `length` data bytes is what the protocol gives for
// `code`. Some callers pass a Capacity larger than their buffer (127 for the
// 7-byte clock), so an answer of the wrong size for a known command must not
// be trusted to fit. Unknown codes accept any length.
bool AnswerLengthValid(int code, int length);

}  // namespace vendrix
