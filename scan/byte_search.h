#pragma once
#include <cstdint>

// The first byte `value` in [begin, end), or `end` when there is none.
// The scan's own search, 16 bytes at a time where the processor has SSE2,
// else a word at a time: its speed does not depend on the C runtime's memchr
// (the one a Windows program meets under Wine compares byte by byte, four
// times slower on random data).
const uint8_t* FindByte(const uint8_t* begin, const uint8_t* end, uint8_t value);
