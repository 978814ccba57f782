#include "platform/Random.h"
#include <chrono>
#include <random>

namespace {
std::mt19937& Generator()
{
    static std::mt19937 generator(5489u);
    return generator;
}
} // namespace

void Randomize()
{
    Generator().seed(static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

void RandSeed(uint32_t seed)
{
    Generator().seed(seed);
}

int Random(int k)
{
    if (k <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, k - 1)(Generator());
}

double RandomReal()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(Generator());
}
