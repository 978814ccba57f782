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
    const uint64_t* bits = bits_.data();
    const auto kendt = [bits](uint32_t pixel) {
        const uint32_t rgb = pixel & 0xFFFFFF;
        return (bits[rgb >> 6] & (uint64_t(1) << (rgb & 63))) != 0;
    };
    constexpr int kBlok = 16;
    for (int y = 0; y < bitmap.Height(); ++y) {
        const uint32_t* line = bitmap.ScanLine(y);
        for (int x0 = 0; x0 < w; x0 += kBlok) {
            const int x1 = std::min(w, x0 + kBlok);
            // A block of one known colour costs a vector compare, a block of several known
            // colours a bit test per pixel without branches; only a block holding a new colour
            // is walked pixel by pixel.
            uint32_t forskel = 0;
            for (int x = x0; x < x1; ++x)
                forskel |= line[x] ^ line[x0];
            bool alleKendt = kendt(line[x0]);
            for (int x = x0 + 1; forskel != 0 && x < x1; ++x)
                alleKendt &= kendt(line[x]);
            if (alleKendt)
                continue;
            for (int x = x0; x < x1; ++x)
                if (Tilfoej(line[x]) && Fuld())
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
