#include "colours/ColourSort.h"
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include "platform/Random.h"

namespace {

using ColourSort::TFarveKlasse;
using ColourSort::fkBlaa;
using ColourSort::fkGraa;
using ColourSort::fkGroen;
using ColourSort::fkRoed;

enum TKanal { kR, kG, kB };
struct TKanalOrden {
    TKanal P, S, T;
};
constexpr TKanalOrden kGRB{kG, kR, kB};
constexpr TKanalOrden kRGB{kR, kG, kB};
constexpr TKanalOrden kBGR{kB, kG, kR};

int Kanal(const TKanaler& k, TKanal which)
{
    return which == kR ? k.R : which == kG ? k.G : k.B;
}

// key = 16 P + 8 S + T for the channel order (P, S, T).
int Noegle(TColor c, TKanalOrden orden)
{
    const TKanaler k = Kanaler(c);
    return 16 * Kanal(k, orden.P) + 8 * Kanal(k, orden.S) + Kanal(k, orden.T);
}

// The selection sort of the palette (descending; at each position the first element with
// the greatest key among the remaining ones is exchanged into place), computed with a
// tournament tree so that large palettes take n log n steps and get the same order.
void SelectionSort(std::vector<TColor>& farver, TKanalOrden orden)
{
    const size_t n = farver.size();
    if (n < 2)
        return;
    std::vector<int> key(n);
    for (size_t i = 0; i < n; ++i)
        key[i] = Noegle(farver[i], orden);
    size_t leaves = 1;
    while (leaves < n)
        leaves *= 2;
    // tree[node] is the position of the best remaining element below node, or n for none.
    std::vector<size_t> tree(2 * leaves, n);
    const auto better = [&](size_t a, size_t b) {
        if (a == n || b == n)
            return a == n ? b : a;
        return key[b] > key[a] ? b : a; // equal keys: the earlier position wins
    };
    const auto update = [&](size_t pos, bool present) {
        size_t node = leaves + pos;
        tree[node] = present ? pos : n;
        for (node /= 2; node >= 1; node /= 2)
            tree[node] = better(tree[2 * node], tree[2 * node + 1]);
    };
    for (size_t i = 0; i < n; ++i)
        tree[leaves + i] = i;
    for (size_t node = leaves - 1; node >= 1; --node)
        tree[node] = better(tree[2 * node], tree[2 * node + 1]);
    for (size_t i = 0; i + 1 < n; ++i) {
        const size_t j = tree[1];
        if (j != i) {
            std::swap(farver[i], farver[j]);
            std::swap(key[i], key[j]);
            update(j, true);
        }
        update(i, false);
    }
}

} // namespace

namespace ColourSort {

TFarveKlasse Klasse(TColor c, int grayInterval)
{
    const TKanaler k = Kanaler(c);
    if (k.G == k.R && std::abs(k.R - k.B) <= grayInterval)
        return fkGraa;
    if (k.G >= k.R && k.G >= k.B)
        return fkGroen;
    if (k.R > k.G && k.R >= k.B)
        return fkRoed;
    return fkBlaa;
}

std::vector<TColor> EfterMetode(const std::vector<TColor>& farver, TColorSor metode, int grayInterval)
{
    std::vector<TColor> result = farver;
    if (metode == csNone)
        return result;
    if (metode == csRandom)
        return Tilfaeldig(farver);
    if (metode == csIntens) {
        SelectionSort(result, kGRB);
        return result;
    }
    std::array<std::vector<TColor>, 4> klasser;
    for (TColor c : farver)
        klasser[Klasse(c, grayInterval)].push_back(c);
    SelectionSort(klasser[fkGraa], kGRB);
    SelectionSort(klasser[fkGroen], kGRB);
    SelectionSort(klasser[fkRoed], kRGB);
    SelectionSort(klasser[fkBlaa], kBGR);
    std::array<TFarveKlasse, 4> orden{fkGraa, fkGroen, fkRoed, fkBlaa};
    if (metode == csRed)
        orden = {fkRoed, fkGroen, fkBlaa, fkGraa};
    else if (metode == csGreen)
        orden = {fkGroen, fkRoed, fkBlaa, fkGraa};
    else if (metode == csBlue)
        orden = {fkBlaa, fkRoed, fkGroen, fkGraa};
    result.clear();
    for (TFarveKlasse k : orden)
        result.insert(result.end(), klasser[k].begin(), klasser[k].end());
    return result;
}

std::vector<TColor> Tilfaeldig(const std::vector<TColor>& farver)
{
    const int n = int(farver.size());
    std::vector<bool> brugt(size_t(n), false);
    std::vector<TColor> result;
    result.reserve(size_t(n));
    for (int pos = 0; pos < n; ++pos) {
        int i = Random(n);
        while (brugt[size_t(i)])
            i = Random(n);
        brugt[size_t(i)] = true;
        result.push_back(farver[size_t(i)]);
    }
    return result;
}

std::vector<TColor> Vaegtet(const std::vector<TColor>& farver, int Rval, int Gval, int Bval)
{
    const auto weight = [&](TColor c) {
        const TKanaler k = Kanaler(c);
        return int64_t(k.R) * Rval + int64_t(k.G) * Gval + int64_t(k.B) * Bval;
    };
    std::vector<TColor> result = farver;
    std::stable_sort(result.begin(), result.end(), [&](TColor a, TColor b) { return weight(a) > weight(b); });
    return result;
}

} // namespace ColourSort
