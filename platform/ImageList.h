#pragma once
#include "platform/Bitmap.h"
#include "platform/Color.h"
#include "platform/Types.h"
#include <vector>

// A list of equal-sized images (the platform's image list), each a raster of the list's size,
// with the disabled look: every pixel halfway to the system selection colour (clHighlight).
// Sizes below 1 become 1. Every change fires OnChange.
class TImageList : public TObject {
public:
    explicit TImageList(int width = 16, int height = 16, TObject* owner = nullptr);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // A new image size; the list is emptied when the size changes.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, FHeight); }
    void SetHeight(int height) { SetSize(FWidth, height); }
    int Count() const { return int(FImages.size()); }

    // Adds the images of Image: a raster wider than the list is cut from the left into pieces
    // of the list's width (as many as fit, at least one); a piece is taken from the top-left
    // of its place, and what the raster does not cover is white. Returns the index of the
    // first image added, -1 for an empty raster.
    int Add(const TBitmap& Image);
    // Replaces image Index with the top-left part of Image; False for an index out of range.
    bool Replace(int Index, const TBitmap& Image);
    // Removes image Index (nothing for an index out of range).
    void Delete(int Index);
    void Clear();

    // Image Index, nullptr out of range.
    const TBitmap* Image(int Index) const;
    // Copies image Index into Out, in the disabled look when Disabled (pixels of the colour
    // Keep, when it is not clNone, stay as they are, so a transparent colour stays transparent).
    // False, Out unchanged, for an index out of range.
    bool GetBitmap(int Index, TBitmap& Out, bool Disabled = false, TColor Keep = clNone) const;
    // Draws image Index unscaled with its top-left corner at (X, Y), plain or disabled.
    void Draw(TCanvas& Can, int X, int Y, int Index, bool Enabled = true) const;

    // The disabled look of one colour: each channel halfway to clHighlight's, rounded down.
    static TColor DisabledColour(TColor c);
    // The disabled look of one raster pixel (0xAARRGGBB).
    static uint32_t DisabledPixel(uint32_t rgb);

    TNotifyEvent OnChange;

private:
    void Change();
    // The top-left part of Source at (sx, 0), the list's size, white where Source ends.
    TBitmap Piece(const TBitmap& Source, int sx) const;

    int FWidth = 16;
    int FHeight = 16;
    std::vector<TBitmap> FImages;
};
