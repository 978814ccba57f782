#pragma once
#include "platform/Bitmap.h"
#include <cstdint>
#include <functional>
#include <vector>

// Collects distinct colours of a picture in the order they are found, up to a limit, with a
// bit set over all 2^24 colours so that each test is one bit.
class TFarveSamler {
public:
    explicit TFarveSamler(int limit);

    int Graense() const { return limit_; }
    bool Fuld() const { return int(farver_.size()) >= limit_; }
    int Antal() const { return int(farver_.size()); }
    // Takes a raster pixel (Qt's 0xAARRGGBB); True if its colour was new and is now collected.
    bool Tilfoej(uint32_t pixel);
    // Every pixel row by row from the top, left to right, until the collector is full.
    void Scan(const TBitmap& bitmap);
    // One pixel drawn at random, never from the last column or row; False for an empty picture.
    bool Traek(const TBitmap& bitmap);
    // The colours found, as 0x00BBGGRR.
    const std::vector<TColor>& Farver() const { return farver_; }

private:
    int limit_;
    std::vector<uint64_t> bits_;
    std::vector<TColor> farver_;
};

namespace PictureColours {

// Up to MaxAntal colours: 4 MaxAntal + 1 random pixels first (so colours covering much of the
// picture are the likely ones), then a scan of every pixel if fewer were found.
std::vector<TColor> Dynamisk(const TBitmap& bitmap, int MaxAntal);
// As many colours as the picture has, up to Antal, drawn at random (at most 500000 draws, the
// last column and row never drawn); Fundet gets the number found after each new colour.
std::vector<TColor> Stikproeve(const TBitmap& bitmap, int Antal, const std::function<void(int)>& Fundet);

} // namespace PictureColours
