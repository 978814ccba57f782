#pragma once
#include <functional>
#include "platform/Canvas.h"
#include "platform/Types.h"
#include <QImage>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };

// A raster of 32-bit pixels with a canvas of its own. A new raster is white; a raster of
// width or height 0 is empty, and so is one whose size is negative or beyond the size limits.
// Copying a TBitmap copies its pixels (the copy gets a canvas of its own with default settings;
// assignment keeps the target's canvas settings and, for an equal size, its pixel memory).
class TBitmap {
public:
    TBitmap();
    TBitmap(int width, int height);
    TBitmap(const TBitmap& other);
    TBitmap(TBitmap&& other) noexcept;
    TBitmap& operator=(const TBitmap& other);
    TBitmap& operator=(TBitmap&& other) noexcept;
    ~TBitmap();

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    bool Empty() const { return image_.isNull(); }
    TRect BoundsRect() const { return Rect(0, 0, Width(), Height()); }
    // Resizing keeps the top-left part of the pixels; new pixels are white.
    void SetWidth(int w) { SetSize(w, Height()); }
    void SetHeight(int h) { SetSize(Width(), h); }
    void SetSize(int w, int h);
    // Gives the raster a new size whose pixels the caller will all overwrite: the pixel memory
    // is reused when it is large enough (no fresh allocation), the contents are undefined.
    void Reshape(int w, int h);
    // Exchanges the pixels (not the canvases) of two rasters.
    void SwapPixels(TBitmap& other);

    TCanvas& Canvas() const { return *canvas_; }
    void Assign(const TBitmap& other) { *this = other; }

    // The pixel format the raster was created or loaded with; pixels are stored as 32 bits.
    TPixelFormat PixelFormat() const { return format_; }
    void SetPixelFormat(TPixelFormat f) { format_ = f; }

    // A row handed out for writing counts as touched (see Touched).
    uint32_t* ScanLine(int y)
    {
        if (lazy_.active)
            fillPending(Rect(0, y, Width(), y + 1));
        if (y < touched_.Top || y >= touched_.Bottom || touched_.Left > 0 || touched_.Right < Width())
            touchRow(y);
        return reinterpret_cast<uint32_t*>(image_.scanLine(y));
    }
    const uint32_t* ScanLine(int y) const
    {
        if (lazy_.active)
            fillPending(Rect(0, y, Width(), y + 1));
        return reinterpret_cast<const uint32_t*>(image_.constScanLine(y));
    }
    // The image handed out for writing makes the whole raster touched.
    QImage& Image()
    {
        fillPending(BoundsRect());
        Touch(BoundsRect());
        return image_;
    }
    const QImage& Image() const
    {
        fillPending(BoundsRect());
        return image_;
    }
    // Makes every pixel Colour without writing it yet: pixels take the colour when they are
    // first asked for (a row by ScanLine, a rectangle by the canvas, all by a copy), and the
    // memory of the pixels written before is given back to the system (once it adds up to a
    // few megabytes). A working sheet of a big picture's size thus holds memory only where it
    // is drawn on. Does not count as touching the raster.
    void FillLazily(uint32_t Colour);
    // Whether no pixel of row y was asked for since the last lazy fill.
    bool RowPending(int y) const
    {
        return lazy_.active && y >= 0 && y < Height() && lazy_.spans[size_t(y)].first >= lazy_.spans[size_t(y)].second;
    }
    // Takes any Qt image, converted to the raster's format.
    void SetImage(const QImage& image);

    // The part of the raster that may have been written since ResetTouched: what the canvas
    // reported, rows handed out by ScanLine for writing, and all of it after new pixels or a new
    // size. Outside it the pixels are as they were (the undo history compares only inside).
    TRect Touched() const { return touched_; }
    void ResetTouched() { touched_ = TRect(); }
    void Touch(const TRect& r);

    // The size limits of every raster: at most kMaxSide pixels a side and kMaxBytes of pixels.
    static constexpr int kMaxSide = 32767;
    static constexpr qint64 kMaxBytes = qint64(1) << 30;
    static bool SizeAllowed(qint64 w, qint64 h)
    {
        return w > 0 && h > 0 && w <= kMaxSide && h <= kMaxSide && w * h * 4 <= kMaxBytes;
    }
    // Whether the machine has Bytes of memory free for new rasters (the kernel's estimate of
    // available memory; True where it gives none), so a large operation is refused before it
    // allocates rather than pushing the machine into swap or the out-of-memory killer.
    static bool MemoryAllows(qint64 Bytes);
    // Replaces the free-memory estimate (tests); an empty function restores the kernel's.
    static void SetFreeMemoryProbe(std::function<qint64()> Probe);

private:
    friend class TCanvas;
    // The image for the canvas, which reports what it changes itself; area is the part it
    // will read or write.
    QImage& canvasImage(const TRect& area)
    {
        fillPending(area);
        return image_;
    }
    // The pixels of area that wait for the lazy fill take its colour.
    void fillPending(const TRect& area) const;
    // Gives back the pages that hold bytes [from, to) of the pixel memory (their contents are
    // lost), except pages that reach outside the pixel memory.
    void releasePages(qsizetype from, qsizetype to);
    // No row waits for the lazy fill any more (all pixels are about to be written).
    void forgetPending();
    void touchRow(int y);
    // Pixel memory of our own that the image uses; it may be larger than the image, so that a
    // raster that shrinks and grows again (the view, undo) keeps its memory.
    struct TStorage {
        std::shared_ptr<uint32_t[]> pixels;
        qsizetype bytes = 0;
    };
    // image_ becomes a w x h raster on fresh storage; its contents are undefined.
    void allocate(int w, int h);
    // image_ becomes a white w x h raster (empty for sizes beyond the limits).
    void makeBlank(int w, int h);
    void copyPixels(const QImage& from);
    QImage image_;
    TStorage storage_;
    std::unique_ptr<TCanvas> canvas_;
    TPixelFormat format_ = pfDevice;
    TRect touched_;
    // The lazy fill: while active, every pixel outside the filled span of its row is colour.
    struct TLazyFill {
        bool active = false;
        uint32_t colour = 0;
        // Per row, the columns [first, second) filled since the fill began (none when first
        // >= second), and the rows that have a span.
        std::vector<std::pair<int, int>> spans;
        std::vector<int> rows;
        // Byte ranges of spans of earlier fills whose memory is not given back yet.
        std::vector<std::pair<qsizetype, qsizetype>> held;
        qsizetype heldBytes = 0;
    };
    mutable TLazyFill lazy_;
};
