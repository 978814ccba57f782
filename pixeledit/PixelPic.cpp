#include "pixeledit/PixelPic.h"
#include "platform/MouseInput.h"
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cstdint>

namespace {
// The most cells a layout holds (64 MB of colours); larger grids lay out empty.
constexpr int64_t kMaxCells = int64_t(1) << 24;

int ClampToInt(int64_t v)
{
    return int(std::clamp<int64_t>(v, INT_MIN, INT_MAX));
}
} // namespace

TPrePixelPic::TPrePixelPic(QWidget* parent)
    : QWidget(parent), FOwnFelter(std::make_unique<TPixFelt>()), FView(128, 128)
{
    FFelter = FOwnFelter.get();
    FFelter->OnChange = [this](TObject*) { FelterChanged(); };
    FView.Canvas().OnChange = [this](const TRect& r) { ShowChanged(r); };
    resize(128, 128);
}

TPrePixelPic::~TPrePixelPic()
{
    // Settings that outlive the control must not call back into it.
    if (FFelter != FOwnFelter.get())
        FFelter->OnChange = nullptr;
    FreeDim();
}

void TPrePixelPic::ShowChanged(const TRect& r)
{
    if (!FBulk)
        update(ToQRect(r));
}

void TPrePixelPic::SetFelter(TPixFelt* value)
{
    if (!value)
        value = FOwnFelter.get();
    if (value == FFelter)
        return;
    if (FFelter != FOwnFelter.get())
        FFelter->OnChange = nullptr;
    FFelter = value;
    FFelter->OnChange = [this](TObject*) { FelterChanged(); };
    FelterChanged();
}

void TPrePixelPic::FelterChanged()
{
    CompoBeregnet = false;
    Paint();
}

void TPrePixelPic::SetMalvok(TImagePic* value)
{
    FMalvok = value;
    if (value)
        SetCursor(value->ToolCursor());
    CompoBeregnet = false;
    Paint();
}

void TPrePixelPic::SetNulX(int value)
{
    if (value == FNulX)
        return;
    FNulX = value;
    if (CompoBeregnet)
        Transfer();
}

void TPrePixelPic::SetNulY(int value)
{
    if (value == FNulY)
        return;
    FNulY = value;
    if (CompoBeregnet)
        Transfer();
}

void TPrePixelPic::SetCursor(TCursor value)
{
    FCursor = value;
    setCursor(TCursors::Get(value));
}

int TPrePixelPic::GetWidth() const
{
    int64_t w = (int64_t(FFelter->AntalV()) + 2) * FFelter->FeltDim();
    if (FRamme)
        w += 2 * (int64_t(FRamme->Bredde()) + FRamme->AfstandLodret());
    return ClampToInt(w);
}

int TPrePixelPic::GetHeight() const
{
    int64_t h = (int64_t(FFelter->AntalL()) + 2) * FFelter->FeltDim();
    if (FRamme)
        h += 2 * (int64_t(FRamme->Bredde()) + FRamme->AfstandVandret());
    return ClampToInt(h);
}

void TPrePixelPic::BeregnCompo()
{
    // Negative settings count as zero: a grid of no cells is just the ring, a cell size of
    // zero an empty control.
    const int d = std::max(0, FFelter->FeltDim());
    int64_t cols = int64_t(std::max(0, FFelter->AntalV())) + 2;
    int64_t rows = int64_t(std::max(0, FFelter->AntalL())) + 2;
    int64_t x0 = 0, y0 = 0, extraW = 0, extraH = 0;
    if (FRamme) {
        x0 = int64_t(FRamme->Bredde()) + FRamme->AfstandLodret();
        y0 = int64_t(FRamme->Bredde()) + FRamme->AfstandVandret();
        extraW = 2 * x0;
        extraH = 2 * y0;
    }
    int64_t w = cols * d + extraW, h = rows * d + extraH;
    // A grid beyond what a raster can show lays out empty rather than exhausting memory.
    if (cols * rows > kMaxCells || (w > 0 && h > 0 && !TBitmap::SizeAllowed(w, h))) {
        cols = rows = 0;
        x0 = y0 = w = h = 0;
    }
    w = std::max<int64_t>(w, 0);
    h = std::max<int64_t>(h, 0);

    FCols = int(cols);
    FRows = int(rows);
    FCellDim = d;
    FX0 = int(x0);
    FY0 = int(y0);
    FCells.assign(size_t(cols * rows), ColorToRGB(FFelter->Farve()));
    FeltRekt = Rect(FX0, FY0, FX0 + FCols * d, FY0 + FRows * d);

    resize(int(w), int(h));
    FView.Reshape(int(w), int(h));
    CompoBeregnet = true;
}

TRect TPrePixelPic::CellRect(int V, int L) const
{
    if (V < 0 || L < 0 || V >= FCols || L >= FRows)
        return {};
    return Bounds(FX0 + V * FCellDim, FY0 + L * FCellDim, FCellDim, FCellDim);
}

TRect TPrePixelPic::InnerRect(int j, int i) const
{
    const TRect r = CellRect(j, i);
    return FFelter->Grids() ? InflateRect(r, -1, -1) : r;
}

TColor TPrePixelPic::CellColour(int V, int L) const
{
    if (V < 0 || L < 0 || V >= FCols || L >= FRows)
        return -1;
    return FCells[size_t(L) * FCols + V];
}

TPoint TPrePixelPic::CellPixel(int j, int i) const
{
    return {ClampToInt(int64_t(FNulX) + j - 1), ClampToInt(int64_t(FNulY) + i - 1)};
}

void TPrePixelPic::LoadCells()
{
    const TColor ring = ColorToRGB(FFelter->RammeFarve());
    const TColor none = ColorToRGB(FFelter->Farve());
    std::fill(FCells.begin(), FCells.end(), ring);
    const TImagePic* pic = FMalvok;
    const TBitmap* picture = pic ? &pic->Picture() : nullptr;
    // Cells outside the picture show the colour of an empty magnifier.
    for (int i = 1; i < FRows - 1; ++i) {
        const int64_t y = int64_t(FNulY) + i - 1;
        const bool rowInside = picture && y >= 0 && y < picture->Height();
        const uint32_t* line = rowInside ? picture->ScanLine(int(y)) : nullptr;
        TColor* cell = &FCells[size_t(i) * FCols];
        for (int j = 1; j < FCols - 1; ++j) {
            const int64_t x = int64_t(FNulX) + j - 1;
            cell[j] = line && x >= 0 && x < picture->Width() ? FromQRgb(line[x]) : none;
        }
    }
}

void TPrePixelPic::PixelFelt(int V, int L, TColor Farve)
{
    if (V < 0 || L < 0 || V >= FCols || L >= FRows)
        return;
    const TColor c = ColorToRGB(Farve);
    FCells[size_t(L) * FCols + V] = c;
    TCanvas& can = FView.Canvas();
    can.Pen.Color = c;
    can.Brush.Color = c;
    can.Brush.Style = bsSolid;
    can.FillRect(InnerRect(V, L));
}

void TPrePixelPic::Transfer()
{
    const TImagePic* pic = FMalvok;
    if (!pic || !CompoBeregnet || FCells.empty())
        return;
    const TBitmap& view = pic->View();
    const TColor none = ColorToRGB(FFelter->Farve());
    // Only the cells whose colour changed are filled, and the screen gets one update for all.
    TRect changed{};
    FBulk = true;
    for (int i = 1; i < FRows - 1; ++i) {
        const int64_t y = int64_t(FNulY) + i - 1;
        const uint32_t* line = y >= 0 && y < view.Height() ? view.ScanLine(int(y)) : nullptr;
        const TColor* cell = &FCells[size_t(i) * FCols];
        for (int j = 1; j < FCols - 1; ++j) {
            const int64_t x = int64_t(FNulX) + j - 1;
            const TColor c = line && x >= 0 && x < view.Width() ? FromQRgb(line[x]) : none;
            if (c != cell[j]) {
                PixelFelt(j, i, c);
                changed = UnionRect(changed, CellRect(j, i));
            }
        }
    }
    FBulk = false;
    ShowChanged(changed);
}

void TPrePixelPic::SetFeltDim(int Dim)
{
    FFelter->FFeltDim = Dim;
    CompoBeregnet = false;
    Paint();
}

void TPrePixelPic::FornyGrid(TColor Farve)
{
    if (!FFelter->Grids())
        return;
    FFelter->FGridFarve = Farve;
    if (!CompoBeregnet || !IsCreated) {
        Paint();
        return;
    }
    FBulk = true;
    DrawGrid();
    FBulk = false;
    ShowChanged(FeltRekt);
}

void TPrePixelPic::FornyRamme(TColor Farve)
{
    FFelter->FRammeFarve = Farve;
    if (!CompoBeregnet || !IsCreated) {
        Paint();
        return;
    }
    FBulk = true;
    DrawRing();
    FBulk = false;
    ShowChanged(FeltRekt);
}

void TPrePixelPic::FreeDim()
{
    IsCreated = false;
    // Without cells the layout is gone too: the next repaint lays out again.
    CompoBeregnet = false;
    FCells.clear();
    FCells.shrink_to_fit();
    FCols = FRows = 0;
}

void TPrePixelPic::Paint()
{
    TImagePic* pic = FMalvok;
    // The picture component's focus timer pauses while the cells are drawn.
    const bool painting = pic && pic->Painting();
    if (pic)
        pic->SetPainting(true);
    IsCreated = false;
    if (!CompoBeregnet) {
        BeregnCompo();
        LoadCells();
    }
    DrawAll();
    IsCreated = true;
    if (pic)
        pic->SetPainting(painting);
}

void TPrePixelPic::DrawAll()
{
    TCanvas& c = FView.Canvas();
    FBulk = true;
    if (FRamme) {
        // The gap between the frame and the cells shows the control's face.
        c.Brush = {clBtnFace, bsSolid};
        c.FillRect(FView.BoundsRect());
        FRamme->KunRamme(c, Rect(0, 0, width() - 1, height() - 1));
    }
    DrawRing();
    c.Brush.Style = bsSolid;
    for (int i = 1; i < FRows - 1; ++i)
        for (int j = 1; j < FCols - 1; ++j) {
            const TColor colour = FCells[size_t(i) * FCols + j];
            c.Pen.Color = colour;
            c.Brush.Color = colour;
            c.FillRect(CellRect(j, i));
        }
    if (FFelter->Grids())
        DrawGrid();
    FBulk = false;
    update();
}

void TPrePixelPic::DrawRing()
{
    if (FCols == 0 || FRows == 0)
        return;
    TCanvas& c = FView.Canvas();
    const TColor ring = FFelter->RammeFarve();
    c.Pen.Color = ring;
    c.Brush = {ring, bsSolid};
    const int d = FCellDim;
    const TRect& r = FeltRekt;
    c.FillRect(Rect(r.Left, r.Top, r.Right, r.Top + d));
    c.FillRect(Rect(r.Left, r.Bottom - d, r.Right, r.Bottom));
    c.FillRect(Rect(r.Left, r.Top + d, r.Left + d, r.Bottom - d));
    c.FillRect(Rect(r.Right - d, r.Top + d, r.Right, r.Bottom - d));
    for (int i = 0; i < FRows; ++i) {
        FCells[size_t(i) * FCols] = ColorToRGB(ring);
        FCells[size_t(i) * FCols + FCols - 1] = ColorToRGB(ring);
    }
    for (int j = 0; j < FCols; ++j) {
        FCells[size_t(j)] = ColorToRGB(ring);
        FCells[size_t(FRows - 1) * FCols + j] = ColorToRGB(ring);
    }
}

void TPrePixelPic::DrawGrid()
{
    TCanvas& c = FView.Canvas();
    c.Pen = {FFelter->GridFarve(), 1, psSolid, pmCopy};
    c.Brush.Style = bsClear;
    for (int i = 1; i < FRows - 1; ++i)
        for (int j = 1; j < FCols - 1; ++j)
            c.Rectangle(CellRect(j, i));
    c.Brush.Style = bsSolid;
}

bool TPrePixelPic::HitCell(int X, int Y, int& j, int& i) const
{
    if (!CompoBeregnet || FCellDim <= 0 || FCols == 0)
        return false;
    // Cells own their right and bottom edges: left < X <= right, top < Y <= bottom.
    const int64_t dx = int64_t(X) - FX0, dy = int64_t(Y) - FY0;
    if (dx < 1 || dy < 1)
        return false;
    const int64_t cj = (dx - 1) / FCellDim, ci = (dy - 1) / FCellDim;
    if (cj >= FCols || ci >= FRows)
        return false;
    j = int(cj);
    i = int(ci);
    return true;
}

void TPrePixelPic::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect r = event->rect().intersected(FView.Image().rect());
    if (!r.isEmpty())
        painter.drawImage(r, FView.Image(), r);
}

void TPrePixelPic::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!CompoBeregnet)
        Paint();
}

TPixelPic::TPixelPic(QWidget* parent) : TPrePixelPic(parent)
{
    setMouseTracking(true);
}

void TPixelPic::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    MusNede = true;
    FHasLastPixel = false;
    int j, i;
    if (!HitCell(X, Y, j, i))
        return;
    const TPoint p = CellPixel(j, i);
    FLastPixel = p;
    FHasLastPixel = true;
    if (TImagePic* pic = Malvok()) {
        pic->MouseDown(Button, Shift, p.X, p.Y);
        Transfer();
    }
}

void TPixelPic::MouseMove(TShiftState Shift, int X, int Y)
{
    int j, i;
    if (!HitCell(X, Y, j, i))
        return;
    const TPoint p = CellPixel(j, i);
    if (MusNede) {
        FLastPixel = p;
        FHasLastPixel = true;
        if (TImagePic* pic = Malvok()) {
            pic->MouseMove(Shift, p.X, p.Y);
            Transfer();
        }
    } else if (!IsCreated) {
        return;
    }
    if (OnMus)
        OnMus(p.X, p.Y);
}

void TPixelPic::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (!MusNede) {
        Transfer();
        return;
    }
    MusNede = false;
    int j, i;
    TPoint p;
    if (HitCell(X, Y, j, i))
        p = CellPixel(j, i);
    else if (FHasLastPixel)
        p = FLastPixel; // released beside the cells: the drag still ends
    else
        return;
    FHasLastPixel = false;
    if (TImagePic* pic = Malvok()) {
        pic->MouseUp(Button, Shift, p.X, p.Y);
        Transfer();
    }
}

void TPixelPic::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    MouseDown(ButtonOf(event->button()), ShiftOf(event), p.x(), p.y());
}

void TPixelPic::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    MouseMove(ShiftOf(event), p.x(), p.y());
}

void TPixelPic::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    MouseUp(ButtonOf(event->button()), ShiftOf(event), p.x(), p.y());
}
