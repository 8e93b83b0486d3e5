#pragma once

namespace kelvaro {

// A byte inside a UTF-8 character: it does not start one.
inline bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace kelvaro
