#pragma once
#include <functional>
#include "platform/Canvas.h"
#include "platform/Types.h"
#include <QImage>
#include <cstdint>
#include <memory>
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
        if (pendingRows_)
            fillPending(y, y + 1);
        if (y < touched_.Top || y >= touched_.Bottom || touched_.Left > 0 || touched_.Right < Width())
            touchRow(y);
        return reinterpret_cast<uint32_t*>(image_.scanLine(y));
    }
    const uint32_t* ScanLine(int y) const
    {
        if (pendingRows_)
            fillPending(y, y + 1);
        return reinterpret_cast<const uint32_t*>(image_.constScanLine(y));
    }
    // The image handed out for writing makes the whole raster touched.
    QImage& Image()
    {
        fillPending(0, Height());
        Touch(BoundsRect());
        return image_;
    }
    const QImage& Image() const
    {
        fillPending(0, Height());
        return image_;
    }
    // Makes every pixel Colour without writing it yet: each row takes the colour when it is
    // first asked for (by ScanLine, the canvas, a copy), and the memory of the rows written
    // before is given back to the system. A working sheet of a big picture's size thus holds
    // memory only for the rows that are drawn on. Does not count as touching the raster.
    void FillLazily(uint32_t Colour);
    // Whether row y still waits for the colour of FillLazily (holds no memory of its own).
    bool RowPending(int y) const { return pendingRows_ && y >= 0 && y < Height() && pending_[size_t(y)]; }
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
    // The image for the canvas, which reports what it changes itself; rows [top, bottom) are
    // the ones it will read or write.
    QImage& canvasImage(int top, int bottom)
    {
        fillPending(top, bottom);
        return image_;
    }
    // Rows [top, bottom) that wait for the lazy fill take its colour; the rest are left alone.
    void fillPending(int top, int bottom) const;
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
    // The lazy fill: per row, whether it still waits for pendingColour_; pendingRows_ of them do.
    mutable std::vector<uint8_t> pending_;
    mutable int pendingRows_ = 0;
    uint32_t pendingColour_ = 0;
};
