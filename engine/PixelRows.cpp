#include "engine/PixelRows.h"
#include <algorithm>

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define MALVO_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define MALVO_CLONES
#endif

namespace PixelRows {

MALVO_CLONES void Xor(const uint32_t* src, uint32_t* dst, int n, uint32_t mask)
{
    for (int i = 0; i < n; ++i)
        dst[i] = src[i] ^ mask;
}

MALVO_CLONES void Replace(const uint32_t* src, uint32_t* dst, int n, uint32_t from, uint32_t to)
{
    for (int i = 0; i < n; ++i)
        dst[i] = src[i] == from ? to : src[i];
}

MALVO_CLONES void Grey(const uint32_t* src, uint32_t* dst, int n)
{
    for (int i = 0; i < n; ++i) {
        const uint32_t p = src[i];
        const uint32_t sum = 3 * ((p >> 16) & 0xFF) + 5 * ((p >> 8) & 0xFF) + 2 * (p & 0xFF);
        // sum / 10 for sum <= 2550, as a multiply and a shift.
        const uint32_t g = (sum * 6554u) >> 16;
        dst[i] = 0xFF000000u | (g << 16) | (g << 8) | g;
    }
}

void Tables(const uint32_t* src, uint32_t* dst, int n, const TTables& t)
{
    for (int i = 0; i < n; ++i) {
        const uint32_t p = src[i];
        dst[i] = 0xFF000000u | (uint32_t(t.r[(p >> 16) & 0xFF]) << 16) | (uint32_t(t.g[(p >> 8) & 0xFF]) << 8)
                 | t.b[p & 0xFF];
    }
}

MALVO_CLONES void Reverse(const uint32_t* src, uint32_t* dst, int n)
{
    if (src == dst) {
        std::reverse(dst, dst + n);
        return;
    }
    for (int i = 0; i < n; ++i)
        dst[i] = src[n - 1 - i];
}

} // namespace PixelRows
