#include "platform/Bitmap.h"
#include <QPainter>
#include <cstdio>
#include <cstring>

TBitmap::TBitmap() : canvas_(std::make_unique<TCanvas>(*this)) {}

TBitmap::TBitmap(int width, int height) : canvas_(std::make_unique<TCanvas>(*this))
{
    makeBlank(width, height);
}

TBitmap::TBitmap(const TBitmap& other)
    : image_(other.image_), storage_(other.storage_), canvas_(std::make_unique<TCanvas>(*this)), format_(other.format_)
{
}

TBitmap::TBitmap(TBitmap&& other) noexcept
    : image_(std::move(other.image_)), storage_(std::move(other.storage_)), canvas_(std::make_unique<TCanvas>(*this)),
      format_(other.format_)
{
}

TBitmap& TBitmap::operator=(const TBitmap& other)
{
    if (this != &other) {
        copyPixels(other.image_);
        format_ = other.format_;
        canvas_->Changed(BoundsRect());
    }
    return *this;
}

TBitmap& TBitmap::operator=(TBitmap&& other) noexcept
{
    if (this != &other) {
        image_ = std::move(other.image_);
        storage_ = std::move(other.storage_);
        format_ = other.format_;
        canvas_->Changed(BoundsRect());
    }
    return *this;
}

TBitmap::~TBitmap() = default;

namespace {

std::function<qint64()>& FreeMemoryProbe()
{
    static std::function<qint64()> probe;
    return probe;
}

// MemAvailable of /proc/meminfo in bytes, or -1 where the kernel does not give it.
qint64 KernelFreeMemory()
{
    FILE* f = std::fopen("/proc/meminfo", "r");
    if (!f)
        return -1;
    char line[256];
    long long kb = -1;
    while (std::fgets(line, sizeof line, f))
        if (std::sscanf(line, "MemAvailable: %lld kB", &kb) == 1)
            break;
    std::fclose(f);
    return kb < 0 ? -1 : qint64(kb) * 1024;
}
// A Qt image over our pixel memory; the image keeps the memory alive while it exists.
QImage Wrap(const std::shared_ptr<uint32_t[]>& pixels, int w, int h)
{
    auto* keep = new std::shared_ptr<uint32_t[]>(pixels);
    return QImage(reinterpret_cast<uchar*>(pixels.get()), w, h, qsizetype(w) * 4, QImage::Format_RGB32,
                  [](void* p) { delete static_cast<std::shared_ptr<uint32_t[]>*>(p); }, keep);
}
} // namespace

void TBitmap::allocate(int w, int h)
{
    const qsizetype count = qsizetype(w) * h;
    std::shared_ptr<uint32_t[]> pixels(new (std::nothrow) uint32_t[size_t(count)]);
    if (!pixels) {
        image_ = QImage();
        storage_ = {};
        return;
    }
    storage_ = {pixels, count * 4};
    image_ = Wrap(pixels, w, h);
}

void TBitmap::makeBlank(int w, int h)
{
    if (!SizeAllowed(w, h)) {
        image_ = QImage();
        storage_ = {};
        return;
    }
    allocate(w, h);
    if (!image_.isNull())
        image_.fill(0xFFFFFFFFu);
}

// Copies reuse the raster's own pixel memory where it is large enough, so repeated copies
// (undo snapshots) cost one pass over the bytes and no fresh allocation.
void TBitmap::copyPixels(const QImage& from)
{
    if (from.isNull() || from.format() != QImage::Format_RGB32) {
        image_ = from.copy();
        storage_ = {};
        return;
    }
    Reshape(from.width(), from.height());
    if (image_.size() != from.size())
        return;
    const qsizetype bytes = qsizetype(from.width()) * 4;
    for (int y = 0; y < from.height(); ++y)
        std::memcpy(image_.scanLine(y), from.constScanLine(y), bytes);
}

void TBitmap::SetSize(int w, int h)
{
    if (w == Width() && h == Height())
        return;
    const QImage old = image_;
    const TStorage oldStorage = storage_;
    makeBlank(w, h);
    if (!image_.isNull() && !old.isNull()) {
        QPainter p(&image_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, old);
    }
    Touch(BoundsRect());
}

void TBitmap::Reshape(int w, int h)
{
    if (w == Width() && h == Height())
        return;
    if (!SizeAllowed(w, h)) {
        image_ = QImage();
        storage_ = {};
        return;
    }
    // The storage is reused when the image still lies on it alone and it is large enough.
    const bool onStorage = storage_.pixels && !image_.isNull() && image_.isDetached()
        && image_.constBits() == reinterpret_cast<const uchar*>(storage_.pixels.get());
    if (onStorage && storage_.bytes >= qsizetype(w) * h * 4)
        image_ = Wrap(storage_.pixels, w, h);
    else
        allocate(w, h);
    Touch(BoundsRect());
}

void TBitmap::SwapPixels(TBitmap& other)
{
    image_.swap(other.image_);
    std::swap(storage_, other.storage_);
    std::swap(format_, other.format_);
    Touch(BoundsRect());
    other.Touch(other.BoundsRect());
}

void TBitmap::Touch(const TRect& r)
{
    touched_ = UnionRect(touched_, IntersectRect(r, BoundsRect()));
}

void TBitmap::touchRow(int y)
{
    Touch(Rect(0, y, Width(), y + 1));
}

void TBitmap::SetImage(const QImage& image)
{
    storage_ = {};
    if (image.isNull() || !SizeAllowed(image.width(), image.height()))
        image_ = QImage();
    else
        image_ = image.convertToFormat(QImage::Format_RGB32);
    canvas_->Changed(BoundsRect());
}

bool TBitmap::MemoryAllows(qint64 Bytes)
{
    const qint64 free = FreeMemoryProbe() ? FreeMemoryProbe()() : KernelFreeMemory();
    return free < 0 || Bytes <= free;
}

void TBitmap::SetFreeMemoryProbe(std::function<qint64()> Probe)
{
    FreeMemoryProbe() = std::move(Probe);
}
