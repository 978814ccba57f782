#pragma once
#include "engine/ImagePic.h"
#include <gtest/gtest.h>
#include <memory>

// A picture component as a document window holds it: AutoDim set, a picture with a colour
// pattern so that every pixel is distinguishable.
inline TBitmap PatternPicture(int w, int h)
{
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y) {
        uint32_t* line = b.ScanLine(y);
        for (int x = 0; x < w; ++x)
            line[x] = ToQRgb(RGB(x * 7, y * 5, (x + y) * 3));
    }
    return b;
}

inline std::unique_ptr<TImagePic> MakePic(int w, int h)
{
    auto pic = std::make_unique<TImagePic>();
    pic->SetAutoDim(true);
    pic->SetPicture(PatternPicture(w, h));
    return pic;
}

inline bool SamePixels(const TBitmap& a, const TBitmap& b)
{
    return a.Image() == b.Image();
}

// The view shows exactly the picture.
inline bool ViewShowsPicture(const TImagePic& pic)
{
    return SamePixels(pic.View(), pic.Picture());
}

// A white picture in a component as a document window holds it.
inline std::unique_ptr<TImagePic> WhitePicture(int w, int h)
{
    auto pic = std::make_unique<TImagePic>();
    pic->SetAutoDim(true);
    pic->SetPicture(TBitmap(w, h));
    return pic;
}

// Bounding box of the pixels that are not white.
inline TRect InkBounds(const TBitmap& b)
{
    TRect r{};
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Canvas().Pixels(x, y) != clWhite)
                r = UnionRect(r, Bounds(x, y, 1, 1));
    return r;
}

inline int PixelCount(const TBitmap& b, TColor c)
{
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            n += b.Canvas().Pixels(x, y) == c;
    return n;
}
