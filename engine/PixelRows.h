#pragma once
#include <array>
#include <cstdint>

// Per-pixel rules over runs of Qt pixels (0xffRRGGBB), from src to dst (which may be the same).
// Built for the baseline and for AVX2 processors; the best one is chosen at run time.
namespace PixelRows {

void Xor(const uint32_t* src, uint32_t* dst, int n, uint32_t mask);
void Replace(const uint32_t* src, uint32_t* dst, int n, uint32_t from, uint32_t to);
// Grey (3 R + 5 G + 2 B) / 10 in all three channels.
void Grey(const uint32_t* src, uint32_t* dst, int n);
// A table per channel.
struct TTables {
    std::array<uint8_t, 256> r{}, g{}, b{};
};
void Tables(const uint32_t* src, uint32_t* dst, int n, const TTables& t);
void Reverse(const uint32_t* src, uint32_t* dst, int n);

} // namespace PixelRows
