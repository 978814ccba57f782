#include "platform/Bitmap.h"
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>

TBitmap::TBitmap() : canvas_(std::make_unique<TCanvas>(*this)) {}

TBitmap::TBitmap(int width, int height) : canvas_(std::make_unique<TCanvas>(*this))
{
    makeBlank(width, height);
}

TBitmap::TBitmap(const TBitmap& other)
    : image_(other.Image()), storage_(other.storage_), canvas_(std::make_unique<TCanvas>(*this)), format_(other.format_)
{
}

TBitmap::TBitmap(TBitmap&& other) noexcept
    : image_(std::move(other.image_)), storage_(std::move(other.storage_)), canvas_(std::make_unique<TCanvas>(*this)),
      format_(other.format_), lazy_(std::exchange(other.lazy_, {}))
{
}

TBitmap& TBitmap::operator=(const TBitmap& other)
{
    if (this != &other) {
        copyPixels(other.Image());
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
        lazy_ = std::exchange(other.lazy_, {});
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
    forgetPending();
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
        forgetPending();
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
        forgetPending();
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
    const QImage old = std::as_const(*this).Image();
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
    forgetPending();
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
    std::swap(lazy_, other.lazy_);
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
    forgetPending();
    storage_ = {};
    if (image.isNull() || !SizeAllowed(image.width(), image.height()))
        image_ = QImage();
    else
        image_ = image.convertToFormat(QImage::Format_RGB32);
    canvas_->Changed(BoundsRect());
}

void TBitmap::FillLazily(uint32_t Colour)
{
    const int w = Width(), h = Height();
    if (image_.isNull())
        return;
    const qsizetype stride = image_.bytesPerLine();
    if (!image_.isDetached()) {
        // Shared pixels stay with the other holder; fresh memory costs nothing until written.
        allocate(w, h);
        if (image_.isNull())
            return;
    } else if (!lazy_.active) {
        releasePages(0, stride * h);
    } else {
        // The memory under the filled spans is held until it adds up to kHeldBytes, so a small
        // figure after a small figure costs no giving back and taking again of its pages.
        constexpr qsizetype kHeldBytes = qsizetype(4) << 20;
        for (int y : lazy_.rows) {
            const auto [l, r] = lazy_.spans[size_t(y)];
            lazy_.held.push_back({stride * y + qsizetype(l) * 4, stride * y + qsizetype(r) * 4});
            lazy_.heldBytes += qsizetype(r - l) * 4;
            lazy_.spans[size_t(y)] = {0, 0};
        }
        if (lazy_.heldBytes > kHeldBytes) {
            // Every pixel becomes pending, so all pages under the spans can go, even where they
            // reach into a neighbouring row.
            // Ranges less than a page apart are given back as one.
            const auto page = qsizetype(sysconf(_SC_PAGESIZE));
            std::sort(lazy_.held.begin(), lazy_.held.end());
            qsizetype from = 0, to = 0;
            for (const auto [a, b] : lazy_.held) {
                if (a > to + page) {
                    releasePages(from, to);
                    from = a;
                }
                to = std::max(to, b);
            }
            releasePages(from, to);
            lazy_.held.clear();
            lazy_.heldBytes = 0;
        }
    }
    if (lazy_.spans.size() != size_t(h) || !lazy_.active) {
        lazy_.spans.assign(size_t(h), {0, 0});
        lazy_.held.clear();
        lazy_.heldBytes = 0;
    }
    lazy_.rows.clear();
    lazy_.active = true;
    lazy_.colour = Colour;
}

void TBitmap::releasePages(qsizetype from, qsizetype to)
{
    // Pages that reach outside the pixel memory are kept: they may hold other data.
    const auto page = qsizetype(sysconf(_SC_PAGESIZE));
    const auto base = qsizetype(reinterpret_cast<uintptr_t>(image_.constBits()));
    const qsizetype end = base + image_.bytesPerLine() * image_.height();
    const qsizetype first = std::max((base + from) / page * page, (base + page - 1) / page * page);
    const qsizetype last = std::min((base + to + page - 1) / page * page, end / page * page);
    if (last > first)
        madvise(reinterpret_cast<void*>(first), size_t(last - first), MADV_DONTNEED);
}

void TBitmap::fillPending(const TRect& area) const
{
    if (!lazy_.active)
        return;
    const int left = std::max(area.Left, 0), right = std::min(area.Right, Width());
    const int top = std::max(area.Top, 0), bottom = std::min(area.Bottom, Height());
    if (left >= right)
        return;
    // The pixels are not shared while the fill is active (a copy fills them all first), so
    // writing through the image changes no other holder's pixels.
    QImage& image = const_cast<QImage&>(image_);
    for (int y = top; y < bottom; ++y) {
        auto& [l, r] = lazy_.spans[size_t(y)];
        if (l <= left && r >= right)
            continue;
        auto* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
        if (l >= r) {
            std::fill(row + left, row + right, lazy_.colour);
            l = left;
            r = right;
            lazy_.rows.push_back(y);
            continue;
        }
        // The span grows to hold both, gaps included.
        if (left < l) {
            std::fill(row + left, row + l, lazy_.colour);
            l = left;
        }
        if (right > r) {
            std::fill(row + r, row + right, lazy_.colour);
            r = right;
        }
    }
}

void TBitmap::forgetPending()
{
    lazy_ = {};
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
