#pragma once
// Request sizes of the commands whose request is fixed by the protocol.
// Callers pass DataLength loosely for these (0 for requests that carry a
// byte, nothing at all for some reads), so the protocol's size is sent.
namespace vendrix {

// The number of request bytes for `code`: its fixed size, or `dataLength`
// for commands of variable size (the table writes, unknown codes).
int RequestLength(int code, int dataLength);

}  // namespace vendrix
