#include "colours/PictureColours.h"
#include "colours/FarveListe.h"
#include "platform/Random.h"
#include <algorithm>

TFarveSamler::TFarveSamler(int limit)
    : limit_(std::clamp(limit, 0, TFarveListe::kMaxLength)), bits_(limit_ > 0 ? (size_t(1) << 24) / 64 : 0)
{
}

bool TFarveSamler::Tilfoej(uint32_t pixel)
{
    if (Fuld())
        return false;
    const uint32_t rgb = pixel & 0xFFFFFF;
    uint64_t& word = bits_[rgb >> 6];
    const uint64_t bit = uint64_t(1) << (rgb & 63);
    if (word & bit)
        return false;
    word |= bit;
    farver_.push_back(FromQRgb(rgb));
    return true;
}

void TFarveSamler::Scan(const TBitmap& bitmap)
{
    if (Fuld() || bitmap.Empty())
        return;
    const int w = bitmap.Width();
    for (int y = 0; y < bitmap.Height(); ++y) {
        const uint32_t* line = bitmap.ScanLine(y);
        // A pixel like its left neighbour cannot be new: runs of one colour cost one compare.
        uint32_t last = ~line[0];
        for (int x = 0; x < w; ++x) {
            const uint32_t p = line[x];
            if (p == last)
                continue;
            last = p;
            if (Tilfoej(p) && Fuld())
                return;
        }
    }
}

bool TFarveSamler::Traek(const TBitmap& bitmap)
{
    if (bitmap.Empty())
        return false;
    const int x = Random(bitmap.Width() - 1);
    const int y = Random(bitmap.Height() - 1);
    Tilfoej(bitmap.ScanLine(y)[x]);
    return true;
}

namespace PictureColours {

std::vector<TColor> Dynamisk(const TBitmap& bitmap, int MaxAntal)
{
    TFarveSamler samler(MaxAntal);
    if (samler.Fuld() || bitmap.Empty())
        return {};
    const int64_t draws = 4 * int64_t(samler.Graense()) + 1;
    for (int64_t d = 0; d < draws && !samler.Fuld(); ++d)
        samler.Traek(bitmap);
    samler.Scan(bitmap);
    return samler.Farver();
}

std::vector<TColor> Stikproeve(const TBitmap& bitmap, int Antal, const std::function<void(int)>& Fundet)
{
    int maal = 0;
    {
        TFarveSamler optaelling(Antal);
        optaelling.Scan(bitmap);
        maal = optaelling.Antal();
    }
    TFarveSamler samler(maal);
    constexpr int kMaxTraek = 500000;
    for (int d = 0; d < kMaxTraek && !samler.Fuld(); ++d) {
        const int before = samler.Antal();
        if (!samler.Traek(bitmap))
            break;
        if (samler.Antal() > before && Fundet)
            Fundet(samler.Antal());
    }
    return samler.Farver();
}

} // namespace PictureColours
