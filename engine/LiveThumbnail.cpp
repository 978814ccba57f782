#include "engine/LiveThumbnail.h"
#include <algorithm>

void TLiveThumbnail::Update(const TBitmap& Picture, const TRect& r)
{
    const int w = Picture.Width(), h = Picture.Height();
    TRect area = r;
    if (w != FWidth || h != FHeight || FImage.isNull()) {
        FWidth = w;
        FHeight = h;
        if (Picture.Empty()) {
            FImage = QImage();
            return;
        }
        const double scale = std::min(1.0, double(FSide) / std::max(w, h));
        const int tw = std::max(1, int(w * scale)), th = std::max(1, int(h * scale));
        FImage = QImage(tw, th, QImage::Format_RGB32);
        FColumns.resize(size_t(tw));
        FRows.resize(size_t(th));
        for (int x = 0; x < tw; ++x)
            FColumns[size_t(x)] = int((x + 0.5) * w / tw);
        for (int y = 0; y < th; ++y)
            FRows[size_t(y)] = int((y + 0.5) * h / th);
        area = Picture.BoundsRect();
    }
    const auto first = [](const std::vector<int>& at, int from) {
        return int(std::lower_bound(at.begin(), at.end(), from) - at.begin());
    };
    const int x0 = first(FColumns, area.Left), x1 = first(FColumns, area.Right);
    const int y0 = first(FRows, area.Top), y1 = first(FRows, area.Bottom);
    for (int y = y0; y < y1; ++y) {
        const uint32_t* src = Picture.ScanLine(FRows[size_t(y)]);
        auto* dst = reinterpret_cast<uint32_t*>(FImage.scanLine(y));
        for (int x = x0; x < x1; ++x)
            dst[x] = src[FColumns[size_t(x)]];
    }
}
