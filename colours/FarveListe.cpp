#include "colours/FarveListe.h"
#include <algorithm>
#include <cstddef>

void TFarveListe::Resize(int n, TColor fill)
{
    colours_.resize(size_t(std::clamp(n, 0, kMaxLength)), fill);
}

void TFarveListe::Assign(const std::vector<TColor>& colours, int length)
{
    colours_.assign(colours.begin(), colours.begin() + std::min<std::ptrdiff_t>(std::ptrdiff_t(colours.size()), kMaxLength));
    Grow(length, clNone);
}

bool TFarveListe::Append(TColor c)
{
    if (Length() >= kMaxLength)
        return false;
    colours_.push_back(c);
    return true;
}

int TFarveListe::FirstEmpty(int limit) const
{
    for (int i = 0; i < limit; ++i)
        if (At(i) == clNone)
            return i;
    return -1;
}

int TFarveListe::FilledPrefix(int limit) const
{
    const int n = std::min(limit, Length());
    int i = 0;
    while (i < n && colours_[size_t(i)] != clNone)
        ++i;
    return std::max(i, 0);
}

bool TFarveListe::Contains(TColor c, int limit) const
{
    const int n = std::min(limit, Length());
    for (int i = 0; i < n; ++i)
        if (colours_[size_t(i)] == c)
            return true;
    // Fields past the end are empty.
    return c == clNone && limit > Length();
}

std::vector<TColor> TFarveListe::Prefix(int n) const
{
    std::vector<TColor> out(size_t(std::clamp(n, 0, kMaxLength)), clNone);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = At(int(i));
    return out;
}

void TFarveListe::PutPrefix(const std::vector<TColor>& colours)
{
    for (size_t i = 0; i < colours.size(); ++i)
        Put(int(i), colours[i]);
}
