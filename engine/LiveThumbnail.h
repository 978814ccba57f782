#pragma once
#include "platform/Bitmap.h"
#include <QImage>
#include <vector>

// A small picture of a picture, one sampled pixel per thumbnail pixel, kept up to date over the
// rectangles that change: following a big picture costs what changed, not the picture.
class TLiveThumbnail {
public:
    explicit TLiveThumbnail(int Side) : FSide(Side) {}

    // Samples the pixels of the picture inside r again (all of them after a change of size).
    void Update(const TBitmap& Picture, const TRect& r);
    // The thumbnail as of the last update (null for an empty picture).
    const QImage& Image() const { return FImage; }

private:
    int FSide;
    QImage FImage;
    // The picture's column of each thumbnail column, its row of each thumbnail row.
    std::vector<int> FColumns, FRows;
    int FWidth = 0, FHeight = 0;
};
