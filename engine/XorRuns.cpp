#include "engine/XorRuns.h"
#include <algorithm>
#include <cstring>

namespace XorRuns {

// Branch-free within blocks of 64 pixels, so the common case costs no more than reading the
// rows (the compiler vectorises the block, with AVX2 where the processor has it); a block that
// differs ends the test.
__attribute__((target_clones("avx2", "default"))) bool OneValue(const uint32_t* a, const uint32_t* b, int n,
                                                                 uint32_t& value)
{
    constexpr int kBlock = 64;
    value = n > 0 ? a[0] ^ b[0] : 0;
    const uint32_t first = value;
    for (int i = 0; i < n; i += kBlock) {
        const int end = std::min(n, i + kBlock);
        uint32_t other = 0;
        for (int j = i; j < end; ++j)
            other |= a[j] ^ b[j] ^ first;
        if (other != 0)
            return false;
    }
    return true;
}

void Append(const uint32_t* a, const uint32_t* b, int n, std::vector<uint32_t>& out)
{
    // A row that changed by one value throughout (untouched, filled, inverted) is one run.
    uint32_t first = 0;
    if (OneValue(a, b, n, first)) {
        out.push_back(uint32_t(n));
        out.push_back(first);
        return;
    }
    int i = 0;
    while (i < n) {
        const uint32_t v = a[i] ^ b[i];
        int j = i + 1;
        while (j < n && (a[j] ^ b[j]) == v)
            ++j;
        out.push_back(uint32_t(j - i));
        out.push_back(v);
        i = j;
    }
}

const uint32_t* ApplyRuns(const uint32_t* runs, uint32_t* row, int n)
{
    for (int x = 0; x < n; runs += 2) {
        const int count = int(runs[0]);
        if (const uint32_t v = runs[1])
            for (int k = 0; k < count; ++k)
                row[x + k] ^= v;
        x += count;
    }
    return runs;
}

void ApplyValue(uint32_t value, uint32_t* row, int n)
{
    for (int x = 0; x < n; ++x)
        row[x] ^= value;
}

bool OneValueThroughout(const std::vector<uint32_t>& runs, int rows)
{
    if (runs.size() != size_t(2) * size_t(rows))
        return false;
    for (size_t i = 3; i < runs.size(); i += 2)
        if (runs[i] != runs[1])
            return false;
    return true;
}

const uint32_t* ApplyValues(const uint32_t* values, uint32_t* row, int n)
{
    for (int x = 0; x < n; ++x)
        row[x] ^= values[x];
    return values + n;
}

bool AnyChange(const uint32_t* runs, const uint32_t* end)
{
    for (runs += 1; runs < end; runs += 2)
        if (*runs != 0)
            return true;
    return false;
}

std::vector<uint32_t> Expand(const std::vector<uint32_t>& runs)
{
    std::vector<uint32_t> values;
    for (size_t i = 0; i + 1 < runs.size(); i += 2)
        values.insert(values.end(), runs[i], runs[i + 1]);
    return values;
}

} // namespace XorRuns
