#include "engine/MetaImage.h"
#include "platform/Shapes.h"
#include <algorithm>

namespace {
// Tools that draw with the pen only, with pen and brush, and the special frames.
constexpr int kPenTools[] = {1, 2, 3, 5, 7, 9, 30, 33};
constexpr int kPenBrushTools[] = {4, 6, 8, 10, 22, 34, 40};
constexpr int kFrameTools[] = {31, 32};

template <size_t N>
bool In(const int (&tools)[N], int nr)
{
    return std::find(std::begin(tools), std::end(tools), nr) != std::end(tools);
}

// Visits the rows of r inside the raster with pointers to the same row of each raster.
template <typename RowFn>
void ForRows(const TRect& r, int width, int height, RowFn fn)
{
    const int l = std::max(r.Left, 0), t = std::max(r.Top, 0);
    const int rr = std::min(r.Right, width), b = std::min(r.Bottom, height);
    for (int y = t; y < b; ++y)
        fn(y, l, rr);
}
} // namespace

TMetaImage::TMetaImage(QWidget* parent) : TImagePreEdit(parent)
{
    FMetaMetode = mmNormal;
    FMetaFarve = clWhite;
    FTransFarve = clWhite;
}

void TMetaImage::StartFigure(bool ForTool)
{
    if (ForTool) {
        if (In(kPenTools, FToolNr))
            MetaTransFarve = GetTransCol2(FPenColor, FPenColor);
        else if (In(kPenBrushTools, FToolNr))
            MetaTransFarve = GetTransCol2(FPenColor, FBrushColor);
        else if (In(kFrameTools, FToolNr))
            MetaTransFarve = GetTransCol4(FPenColor, FBrushColor, FRamFarveLys, FRamFarveSkygge);
    } else {
        MetaTransFarve = FTransFarve;
    }
    ClearMetaBitmap(MetaTransFarve);
    ApplyMetaSettings();
    SetObjektState(true, FToolNr);
}

void TMetaImage::ClearMetaBitmap(TColor colour)
{
    // A new shape only for a new size: the sheet of the last figure keeps its lazy fill, so
    // what that figure held is given back by the fill rather than searched for.
    if (FMeta.Width() != FPicture.Width() || FMeta.Height() != FPicture.Height())
        FMeta.Reshape(FPicture.Width(), FPicture.Height());
    FMeta.FillLazily(ToQRgb(colour));
    FMeta.ResetTouched();
    FMeta.SetPixelFormat(pfDevice);
}

void TMetaImage::ApplyMetaSettings()
{
    ApplySettingsTo(FMeta.Canvas());
}

void TMetaImage::GrowToolRect()
{
    NormaliseFocus();
    X1 -= FPenWidth;
    Y1 -= FPenWidth;
    X2 += FPenWidth;
    Y2 += FPenWidth;
    FR = {X1, Y1, X2, Y2};
}

void TMetaImage::ShowChangedRect()
{
    Canvas().CopyRect(FR, FPicture.Canvas(), FR);
}

void TMetaImage::MergeFigure()
{
    FMetaTrans = true;
    GrowToolRect();
    const TBitmap& sheet = MetaBitmap();
    if (FMetaMetode != mmNormal && !sheet.Empty()) {
        const uint32_t meta = ToQRgb(FMetaFarve), trans = ToQRgb(MetaTransFarve);
        const bool onFarve = FMetaMetode == mmFarve;
        const int w = std::min(FPicture.Width(), sheet.Width());
        const int h = std::min(FPicture.Height(), sheet.Height());
        ForRows(FR, w, h, [&](int y, int l, int r) {
            uint32_t* p = FPicture.ScanLine(y);
            const uint32_t* m = sheet.ScanLine(y);
            for (int x = l; x < r; ++x)
                if (m[x] != trans && (p[x] == meta) == onFarve)
                    p[x] = m[x];
        });
    }
    ShowChangedRect();
}

void TMetaImage::PlaceFigure()
{
    NormaliseFocus();
    if (TempEllipse && FToolNr != 50 && FToolNr != 80) {
        PlaceInEllipse();
        ShowChangedRect();
        return;
    }
    GrowToolRect();
    const TBitmap& sheet = MetaBitmap();
    if (!sheet.Empty()) {
        const uint32_t meta = ToQRgb(FMetaFarve), trans = ToQRgb(MetaTransFarve);
        const int w = std::min(FPicture.Width(), sheet.Width());
        const int h = std::min(FPicture.Height(), sheet.Height());
        const TBitmap& view = View();
        if (FMetaMetode == mmNormal && !FMetaTrans) {
            FPicture.Canvas().CopyRect(FR, sheet.Canvas(), FR);
        } else {
            // v is the view's pixel, which shows the picture; outside the view there is none.
            const bool onFarve = FMetaMetode == mmFarve;
            ForRows(FR, w, h, [&](int y, int l, int r) {
                uint32_t* p = FPicture.ScanLine(y);
                const uint32_t* m = sheet.ScanLine(y);
                const uint32_t* v = y < view.Height() ? view.ScanLine(y) : nullptr;
                for (int x = l; x < r; ++x) {
                    if (FMetaTrans && m[x] == trans)
                        continue;
                    if (FMetaMetode != mmNormal) {
                        const bool isMeta = v && x < view.Width() && v[x] == meta;
                        if (isMeta != onFarve)
                            continue;
                    }
                    p[x] = m[x];
                }
            });
        }
    }
    ShowChangedRect();
}

// The meta bitmap is clipped to the ellipse in place: it keeps its pixels inside the ellipse
// and becomes MetaTransFarve everywhere else, so a later move carries the clipped figure.
void TMetaImage::PlaceInEllipse()
{
    const TRect ellipse{X1, Y1, X2, Y2};
    X1 = std::max(X1 - FPenWidth, 0);
    Y1 = std::max(Y1 - FPenWidth, 0);
    X2 = std::min(X2 + FPenWidth, FPicture.Width());
    Y2 = std::min(Y2 + FPenWidth, FPicture.Height());
    FR = {X1, Y1, X2, Y2};
    TBitmap& sheet = MetaBitmap();
    if (sheet.Empty())
        return;
    TCanvas& mc = sheet.Canvas();
    const TBrush saved = mc.Brush;
    mc.Brush = {MetaTransFarve, bsSolid};
    const int W = sheet.Width(), H = sheet.Height();
    mc.FillRect(Rect(0, 0, W, FR.Top));
    mc.FillRect(Rect(0, FR.Bottom, W, H));
    mc.FillRect(Rect(0, FR.Top, FR.Left, FR.Bottom));
    mc.FillRect(Rect(FR.Right, FR.Top, W, FR.Bottom));
    mc.Brush = saved;
    const uint32_t trans = ToQRgb(MetaTransFarve), meta = ToQRgb(FMetaFarve);
    const int w = std::min(W, FPicture.Width()), h = std::min(H, FPicture.Height());
    ForRows(FR, w, h, [&](int y, int l, int r) {
        uint32_t* m = sheet.ScanLine(y);
        uint32_t* p = FPicture.ScanLine(y);
        int e0 = r, e1 = r;
        if (!Shapes::EllipseRow(ellipse, y, e0, e1))
            e0 = e1 = r;
        for (int x = l; x < r; ++x) {
            if (x < e0 || x >= e1)
                m[x] = trans;
            if (m[x] == trans)
                continue;
            if (FMetaMetode == mmNotFarve && p[x] == meta)
                continue;
            if (FMetaMetode == mmFarve && p[x] != meta)
                continue;
            p[x] = m[x];
        }
    });
}
