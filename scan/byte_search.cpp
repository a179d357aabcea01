#include "scan/byte_search.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

#if defined(__SSE2__)

// Bit i set: byte i of the 16 at `p` is the wanted one.
inline uint32_t Matches(const uint8_t* p, __m128i wanted) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    return static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted)));
}

const uint8_t* FindWide(const uint8_t* p, const uint8_t* end, uint8_t value) {
    const __m128i wanted = _mm_set1_epi8(static_cast<char>(value));
    if (end - p < 16) return p;
    // The first 16 bytes as they lie, then aligned loads: a hit is usually
    // a few hundred bytes away.
    if (const uint32_t first = Matches(p, wanted)) return p + __builtin_ctz(first);
    p += 16 - (reinterpret_cast<uintptr_t>(p) & 15);
    while (end - p >= 64) {
        const auto* v = reinterpret_cast<const __m128i*>(p);
        const __m128i a = _mm_cmpeq_epi8(_mm_load_si128(v), wanted);
        const __m128i b = _mm_cmpeq_epi8(_mm_load_si128(v + 1), wanted);
        const __m128i c = _mm_cmpeq_epi8(_mm_load_si128(v + 2), wanted);
        const __m128i d = _mm_cmpeq_epi8(_mm_load_si128(v + 3), wanted);
        if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d))) != 0) {
            const uint64_t low = static_cast<uint32_t>(_mm_movemask_epi8(a)) | static_cast<uint32_t>(_mm_movemask_epi8(b)) << 16;
            const uint64_t high = static_cast<uint32_t>(_mm_movemask_epi8(c)) | static_cast<uint32_t>(_mm_movemask_epi8(d)) << 16;
            return p + __builtin_ctzll(low | high << 32);
        }
        p += 64;
    }
    for (; end - p >= 16; p += 16) {
        if (const uint32_t hits = Matches(p, wanted)) return p + __builtin_ctz(hits);
    }
    return p;
}

#else

// Eight bytes at a time: a word holds the value when one of its bytes XOR
// the value is zero.
const uint8_t* FindWide(const uint8_t* p, const uint8_t* end, uint8_t value) {
    constexpr uint64_t kOnes = UINT64_C(0x0101010101010101);
    constexpr uint64_t kHighs = UINT64_C(0x8080808080808080);
    const uint64_t pattern = kOnes * value;
    for (; end - p >= 8; p += 8) {
        uint64_t word;
        std::memcpy(&word, p, sizeof word);  // one load; no call
        const uint64_t x = word ^ pattern;
        if (((x - kOnes) & ~x & kHighs) != 0) return p;  // the byte loop below finds it
    }
    return p;
}

#endif

}  // namespace

const uint8_t* FindByte(const uint8_t* begin, const uint8_t* end, uint8_t value) {
    const uint8_t* p = FindWide(begin, end, value);
    while (p < end && *p != value) ++p;
    return p;
}
