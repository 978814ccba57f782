#pragma once
#include "platform/Bitmap.h"
#include <QImage>
#include <QRegion>

// Where the tools invert an outline (a focus, a rubber band) into the view, the view holds
// the exact inverse of the picture. Copies n view pixels of a row into out with such pixels
// replaced by the picture's (picture may be null beyond the picture) and marks them in marks
// (1 for an outline pixel); True when any was found.
bool TakeOutlines(const uint32_t* view, const uint32_t* picture, int n, uint32_t* out, uint8_t* marks);

// The view reduced below 1:1 by area averaging (each reduced pixel the mean of the view
// pixels it covers), kept between repaints: a change recomputes only the reduced pixels its
// rectangle touches. An outline in the view is averaged from the picture beneath it and its
// reduced pixels show black or white against the mean, so it stays one screen pixel thin and
// never fades.
class TViewOverview {
public:
    // The zoom (below 1) and the view's size; the whole raster is recomputed at its next use
    // (changes made while the zoom was 1 or above were not followed).
    void SetShape(double zoom, int viewWidth, int viewHeight);
    // Marks a rectangle of the view as changed.
    void Invalidate(const TRect& r);
    // The reduced raster, brought up to date from the view and the picture.
    const QImage& Image(const TBitmap& view, const TBitmap& picture);
    // The reduced size of a view size at the zoom (at least one pixel).
    static int Reduced(int size, double zoom);

private:
    void Recompute(const QRect& dest, const TBitmap& view, const TBitmap& picture);
    // The first view column or row that reduced column or row d covers.
    int SourceStart(int d, int size, int reduced) const;

    QImage FImage;
    double FZoom = 0;
    int FWidth = 0, FHeight = 0;
    QRegion FDirty; // in view pixels
};
