#include "widgets/Rulskakt.h"
#include <algorithm>
#include <climits>
#include <cmath>

namespace {
int ClampToInt(int64_t v)
{
    return int(std::clamp<int64_t>(v, INT_MIN, INT_MAX));
}

// Nearest-pixel stretch of src into dest (right and bottom exclusive), leaving out the pixels
// of src that are white.
void StretchTransparent(TCanvas& c, const TRect& dest, const TBitmap& src)
{
    TBitmap& view = c.Bitmap();
    const TRect d = IntersectRect(dest, view.BoundsRect());
    if (d.IsEmpty() || src.Empty() || dest.IsEmpty())
        return;
    const uint32_t white = ToQRgb(clWhite);
    const int64_t dw = dest.Width(), dh = dest.Height(), sw = src.Width(), sh = src.Height();
    for (int y = d.Top; y < d.Bottom; ++y) {
        const uint32_t* s = src.ScanLine(int((y - dest.Top) * sh / dh));
        uint32_t* line = view.ScanLine(y);
        for (int x = d.Left; x < d.Right; ++x) {
            const uint32_t p = s[(x - dest.Left) * sw / dw];
            if ((p | 0xFF000000u) != white)
                line[x] = p | 0xFF000000u;
        }
    }
    c.Changed(d);
}

// The rectangle r one pixel larger to the right and the bottom: the pixels an inclusive
// rectangle covers.
TRect Covered(const TRect& r)
{
    return Rect(r.Left, r.Top, ClampToInt(int64_t(r.Right) + 1), ClampToInt(int64_t(r.Bottom) + 1));
}
} // namespace

TPreRulskakt::TPreRulskakt(QWidget* parent) : TPreRammeCompo(parent)
{
    resize(17, 160);
    setMouseTracking(true);
    FTimer.setInterval(FTimerDelay);
    QObject::connect(&FTimer, &QTimer::timeout, this, [this] { TimerTick(); });
}

TPreRulskakt::~TPreRulskakt()
{
    Rebind<TDimLinier>(FIntervalLin, nullptr);
}

// ---------------------------------------------------------------------------------------------
// Properties

void TPreRulskakt::SetOrientering(TCompoOrientering value)
{
    FOrientering = value;
    SkaktBeregnet = false;
    Repaint();
}

void TPreRulskakt::SetRangeEnd(int& field, int value)
{
    if (value == field)
        return;
    field = value;
    FPosition = Limit(FPosition);
    SkaktBeregnet = false;
    Repaint();
}

void TPreRulskakt::SetPosition(int value)
{
    const int a = Limit(value);
    if (a == FPosition)
        return;
    FPosition = a;
    ShowPosition(true, false);
}

void TPreRulskakt::SetPosVisible(int value)
{
    FPosVisible = std::max(1, value);
    Repaint();
}

void TPreRulskakt::SetTimerDelay(int value)
{
    FTimerDelay = std::max(1, value);
    FTimer.setInterval(FTimerDelay);
}

void TPreRulskakt::SetIntervalLin(TDimLinier* value)
{
    Rebind(FIntervalLin, value);
}

void TPreRulskakt::NyPosition(int NyPos)
{
    if (NyPos == FPosition || NyPos < FPosMin || NyPos > FPosMax)
        return;
    FPosition = NyPos;
    ShowPosition(false, false);
}

void TPreRulskakt::NyePos(int PosVis, int PosMaximum, int NyPos)
{
    FPosVisible = PosVis;
    FPosition = NyPos;
    FPosMax = PosMaximum;
    SkaktBeregnet = false;
    Repaint();
}

int TPreRulskakt::Limit(int64_t v) const
{
    return int(std::max<int64_t>(FPosMin, std::min<int64_t>(v, FPosMax)));
}

// ---------------------------------------------------------------------------------------------
// Geometry and drawing

void TPreRulskakt::BeregnSkakt()
{
    RulRekt = CompoRekt;
    if (FRammeIndre) {
        const int64_t lodret = int64_t(FRammeIndre->Bredde()) + FRammeIndre->AfstandLodret();
        const int64_t vandret = int64_t(FRammeIndre->Bredde()) + FRammeIndre->AfstandVandret();
        RulRekt = Rect(ClampToInt(RulRekt.Left + lodret), ClampToInt(RulRekt.Top + vandret),
                       ClampToInt(RulRekt.Right - lodret), ClampToInt(RulRekt.Bottom - vandret));
    }
    TRect& r = RulRekt;
    // The buttons are square, as wide as the bar is across.
    if (Vertical()) {
        const int w = std::max(0, r.Right - r.Left);
        DecR = Rect(r.Left, r.Top, r.Right, r.Top + w);
        IncR = Rect(r.Left, r.Bottom - w, r.Right, r.Bottom);
        r.Top += w + 1;
        r.Bottom -= w + 1;
    } else {
        const int h = std::max(0, r.Bottom - r.Top);
        DecR = Rect(r.Left, r.Top, r.Left + h, r.Bottom);
        IncR = Rect(r.Right - h, r.Top, r.Right, r.Bottom);
        r.Left += h + 1;
        r.Right -= h + 1;
    }
    const int shaft = std::max(0, Vertical() ? r.Bottom - r.Top : r.Right - r.Left);

    // The thumb shows the visible share of the values; a bar too short for its shortest thumb
    // gets a thumb filling the shaft.
    const int64_t span = int64_t(FPosMax) - FPosMin;
    int64_t knap;
    if (FPosKnapDim) {
        knap = FPosKnapMin;
    } else {
        const double visible = std::max(1, FPosVisible);
        const double ratio = std::min(1.0, span > 0 ? visible / (double(span) + visible) : visible);
        knap = int64_t(std::trunc(shaft * ratio));
    }
    KnapH = int(std::clamp<int64_t>(std::max<int64_t>(knap, FPosKnapMin), 0, shaft));
    FIntDim = shaft - KnapH;
    Interval = span > 1 ? double(FIntDim) / double(span) : double(FIntDim);

    PosRekt = Vertical() ? Rect(r.Left, r.Top, r.Right, r.Top + KnapH) : Rect(r.Left, r.Top, r.Left + KnapH, r.Bottom);
    PosBit.SetSize(std::max(0, PosRekt.Width() + 1), std::max(0, PosRekt.Height() + 1));
    BitMade = false;
    YdreForandret = false;
    SkaktBeregnet = RammeYdre() && !RammeYdre()->TilpasAlign();
    FSkaktValid = true;
}

void TPreRulskakt::Paint()
{
    const bool wasPainting = FPainting;
    FPainting = true;
    BitMade = false;
    TPreRammeCompo::Paint();
    TilDec = TilInc = EnabledState();
    OldPos = int64_t(FPosMin) - 1;
    if (!SkaktBeregnet || YdreForandret)
        BeregnSkakt();
    if (FRammeIndre)
        FRammeIndre->MakeRamme(Canvas(), CompoRekt, EnabledState(), Focus);
    DrawButton(false);
    DrawButton(true);
    if (!FUpdateBg)
        DrawRuler();
    ShowPosition(true, true);
    FPainting = wasPainting;
}

void TPreRulskakt::DrawButton(bool increment)
{
    const TRect& r = increment ? IncR : DecR;
    const int state = increment ? TilInc : TilDec;
    if (FRammeKnap)
        FRammeKnap->MakeRamme(Canvas(), r, state, Focus && state > 1);
    if (FMedMark)
        DrawMark(r, increment, state == 2);
}

void TPreRulskakt::DrawMark(const TRect& r, bool increment, bool pressed)
{
    // Wide arithmetic: an absurd margin must not overflow; the canvas clips what is off it.
    const int64_t M = int64_t(std::clamp(FMarkMargen, -65536, 65536)) + (pressed ? 1 : 0);
    const int L = ClampToInt(r.Left + M), T = ClampToInt(r.Top + M);
    const int R = ClampToInt(r.Right - M), B = ClampToInt(r.Bottom - M);
    const int m = ClampToInt(L + (int64_t(R) - L) / 2), n = ClampToInt(T + (int64_t(B) - T) / 2);
    TPoint p[3];
    if (Vertical()) {
        if (!increment)
            p[0] = {m, T}, p[1] = {L, B}, p[2] = {R, B};
        else
            p[0] = {m, B}, p[1] = {L, T}, p[2] = {R, T};
    } else {
        if (!increment)
            p[0] = {L, n}, p[1] = {R, T}, p[2] = {R, B};
        else
            p[0] = {R, n}, p[1] = {L, T}, p[2] = {L, B};
    }
    TCanvas& c = Canvas();
    c.Pen = {FMarkFarve, 1, psSolid, pmCopy};
    c.Brush = {FMarkFarve, bsSolid};
    c.Polygon(p, 3);
}

void TPreRulskakt::DrawRuler()
{
    TCanvas& c = Canvas();
    if (FUpdateBg) {
        // The shaft is cleared even without a ruler, so the old thumb never stays behind.
        c.Pen = {Color(), 1, psSolid, pmCopy};
        c.Brush = {Color(), bsSolid};
        const TRect shaft = Covered(RulRekt);
        c.Rectangle(shaft.Left, shaft.Top, shaft.Right, shaft.Bottom);
    }
    if (!FIntervalLin)
        return;
    // Shortened by half a thumb at each end: each value's tick lies under the thumb's centre.
    TRect r = RulRekt;
    const int half = KnapH / 2;
    if (Vertical()) {
        r.Top += half;
        r.Bottom -= half;
    } else {
        r.Left += half;
        r.Right -= half;
    }
    c.Pen = {clBlack, 1, psSolid, pmCopy};
    FIntervalLin->MakeLinier(c, r, Interval);
}

void TPreRulskakt::DrawThumb()
{
    const TBitmap& picture = MnPos ? FBitmapPosA : FBitmapPos;
    if (!picture.Empty())
        StretchTransparent(Canvas(), PosR, picture);
    if (FRammePos)
        FRammePos->MakeRamme(Canvas(), PosR, EnabledState(), Focus);
}

void TPreRulskakt::ShowPosition(bool Notify, bool Force)
{
    FPosition = Limit(FPosition);
    if (FPosition == OldPos && !Force)
        return;
    OldPos = FPosition;
    if (CanDraw()) {
        TCanvas& c = Canvas();
        // Erase the old thumb.
        if (FUpdateBg)
            DrawRuler();
        else if (BitMade)
            c.CopyRect(Covered(PosR), PosBit.Canvas(), PosBit.BoundsRect());
        // Place the thumb and keep what it covers.
        const int offset = int(std::trunc((double(FPosition) - FPosMin) * Interval));
        PosR = Vertical() ? Rect(PosRekt.Left, PosRekt.Top + offset, PosRekt.Right, PosRekt.Top + offset + KnapH)
                          : Rect(PosRekt.Left + offset, PosRekt.Top, PosRekt.Left + offset + KnapH, PosRekt.Bottom);
        if (!FUpdateBg && !PosBit.Empty()) {
            PosBit.Canvas().CopyRect(PosBit.BoundsRect(), c, Covered(PosR));
            BitMade = true;
        }
        DrawThumb();
    }
    if (!Notify)
        return;
    if (FComponent && FCompoFunktion && FComponentStartNr)
        FComponentStartNr(FPosition);
    else if (OnPosition)
        OnPosition(this, FPosition);
}
