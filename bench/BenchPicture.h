#pragma once
// Picture components for the benchmarks, sized like a document window's.
#include "engine/ImagePic.h"
#include <memory>

// A w x h picture with smooth ramps, as a photo compresses.
inline TBitmap PhotoLikeBitmap(int w, int h)
{
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y) {
        uint32_t* line = b.ScanLine(y);
        for (int x = 0; x < w; ++x)
            line[x] = ToQRgb(RGB((x / 7) & 0xFF, (y / 5) & 0xFF, (x + y) & 0xFF));
    }
    return b;
}

// A component holding a w x h picture (white, or with a pattern that every pixel differs in).
inline std::unique_ptr<TImagePic> MakePic(int w, int h, bool pattern = false)
{
    auto pic = std::make_unique<TImagePic>();
    pic->SetAutoDim(true);
    TBitmap b(w, h);
    for (int y = 0; pattern && y < h; ++y) {
        uint32_t* line = b.ScanLine(y);
        for (int x = 0; x < w; ++x)
            line[x] = ToQRgb(RGB(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
    }
    pic->SetPicture(b);
    return pic;
}
