#include "platform/Bitmap.h"
#include <QPainter>
#include <cstring>

TBitmap::TBitmap() : canvas_(std::make_unique<TCanvas>(*this)) {}

TBitmap::TBitmap(int width, int height) : image_(makeImage(width, height)), canvas_(std::make_unique<TCanvas>(*this)) {}

TBitmap::TBitmap(const TBitmap& other)
    : image_(other.image_), canvas_(std::make_unique<TCanvas>(*this)), format_(other.format_)
{
}

TBitmap::TBitmap(TBitmap&& other) noexcept
    : image_(std::move(other.image_)), canvas_(std::make_unique<TCanvas>(*this)), format_(other.format_)
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
        format_ = other.format_;
        canvas_->Changed(BoundsRect());
    }
    return *this;
}

TBitmap::~TBitmap() = default;

// A raster of the same size reuses its own pixel memory, so repeated copies (undo snapshots)
// cost one pass over the bytes and no fresh allocation.
void TBitmap::copyPixels(const QImage& from)
{
    if (from.isNull() || image_.size() != from.size() || !image_.isDetached() || from.format() != image_.format()) {
        image_ = from.copy();
        return;
    }
    const qsizetype bytes = qsizetype(from.width()) * 4;
    for (int y = 0; y < from.height(); ++y)
        std::memcpy(image_.scanLine(y), from.constScanLine(y), bytes);
}

QImage TBitmap::makeImage(int w, int h)
{
    if (!SizeAllowed(w, h))
        return {};
    QImage img(w, h, QImage::Format_RGB32);
    if (img.isNull())
        return {};
    img.fill(0xFFFFFFFFu);
    return img;
}

void TBitmap::SetSize(int w, int h)
{
    if (w == Width() && h == Height())
        return;
    QImage next = makeImage(w, h);
    if (!next.isNull() && !image_.isNull()) {
        QPainter p(&next);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, image_);
    }
    image_ = std::move(next);
}

void TBitmap::Reshape(int w, int h)
{
    if (w == Width() && h == Height())
        return;
    if (!SizeAllowed(w, h)) {
        image_ = QImage();
        return;
    }
    const qsizetype needed = qsizetype(w) * h * 4;
    if (!image_.isNull() && image_.isDetached() && image_.sizeInBytes() >= needed) {
        // The old image stays alive inside the new one, which uses its memory with other sizes.
        auto* holder = new QImage(std::move(image_));
        image_ = QImage(holder->bits(), w, h, qsizetype(w) * 4, QImage::Format_RGB32,
                        [](void* old) { delete static_cast<QImage*>(old); }, holder);
        return;
    }
    image_ = QImage(w, h, QImage::Format_RGB32);
}

void TBitmap::SwapPixels(TBitmap& other)
{
    image_.swap(other.image_);
    std::swap(format_, other.format_);
}

void TBitmap::SetImage(const QImage& image)
{
    if (image.isNull() || !SizeAllowed(image.width(), image.height()))
        image_ = QImage();
    else
        image_ = image.convertToFormat(QImage::Format_RGB32);
    canvas_->Changed(BoundsRect());
}
