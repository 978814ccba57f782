#pragma once
#include <cstdint>

// The program's one pseudo-random generator.
// Randomize seeds it from the clock; RandSeed seeds it with a fixed value (tests).
void Randomize();
void RandSeed(uint32_t seed);
// A uniformly distributed integer from 0 to k - 1 (0 when k <= 0).
int Random(int k);
// A uniformly distributed real in [0, 1).
double RandomReal();
