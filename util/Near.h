#pragma once
#include <cmath>

// A real value taken to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline int Near(double v)
{
    return static_cast<int>(std::nearbyint(v));
}
