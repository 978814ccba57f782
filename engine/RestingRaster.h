#pragma once
#include "platform/Bitmap.h"

// A raster of mostly one background colour that can rest: resting, it gives its pixel memory
// back and keeps only the part that differs from the background; woken, it is exactly as it
// was (pixels, size, format, touched part and canvas settings). A big picture's working sheet
// thus costs memory while it is used, not while the user looks at the picture.
class TRestingRaster {
public:
    // The raster, woken first.
    TBitmap& Bitmap()
    {
        Wake();
        return FBitmap;
    }
    // The raster as it is, resting or not: for its canvas settings, or to make it anew.
    TBitmap& Raw() { return FBitmap; }
    bool Resting() const { return FResting; }

    // Rests when the part that differs from Background is at most half of the raster; False
    // when the raster stays as it is. Outside its touched part (TBitmap::Touched) the raster
    // must be Background: only the touched part is searched.
    bool Rest(uint32_t Background);
    void Wake();
    // A resting raster stops resting without its pixels (empty): for a caller that makes it anew.
    void Forget();

private:
    TBitmap FBitmap;
    bool FResting = false;
    int FWidth = 0, FHeight = 0;
    TPixelFormat FFormat = pfDevice;
    uint32_t FBackground = 0;
    TRect FTouched;
    // Where the pixels differ from the background, and those pixels.
    TRect FPart;
    TBitmap FPartPixels;
};
