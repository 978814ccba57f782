#include "widgets/CompoProgress.h"
#include "util/Near.h"
#include <algorithm>
#include <cstdint>

// ---------------------------------------------------------------------------------------------
// TPreTekst

TPreTekst::TPreTekst(QWidget* parent) : TPreRammeCompo(parent) {}

TPreTekst::~TPreTekst()
{
    Rebind<TTekstX>(FTekstBog, nullptr);
}

void TPreTekst::SetTekstBog(TTekstX* value)
{
    Rebind(FTekstBog, value);
}

void TPreTekst::WriteText(const QString& S, int Tilstand)
{
    if (!FTekstBog)
        return;
    // The layout reports every write as a change; that must not repaint the text away.
    TQuietBinding quiet(*this);
    FTekstBog->SkrivTekst(Canvas(), CompoRekt, Font(), S, Tilstand);
}

void TPreTekst::UdskrivTekst(const QString& S)
{
    OpfriskGrund();
    WriteText(S, EnabledState());
    if (OnChange)
        OnChange(this, S);
}

// ---------------------------------------------------------------------------------------------
// TProgressCompo

TProgressCompo::TProgressCompo(QWidget* parent) : TPreTekst(parent)
{
    resize(110, 30);
}

void TProgressCompo::SetPosition(int value)
{
    if (value == FPosition && FComponentMade)
        return;
    int64_t a = std::clamp(value, std::min(FMin, FMax), std::max(FMin, FMax));
    if (a == FPosition)
        return;
    const bool growing = a > FPosition;
    FPosition = value;
    // The bar shows Min plus whole steps.
    auto whole = [this](int64_t v) { return FMin + (v - FMin) / FTrin * FTrin; };
    if (growing) {
        if (a < int64_t(FStepPos) + FTrin)
            return;
        a = whole(a);
        if (FOpfrisk && FComponentMade)
            OpfriskGrund();
    } else {
        if (a > int64_t(FStepPos) - FTrin)
            return;
        a = whole(a);
        if (FComponentMade)
            OpfriskGrund();
    }
    FStepPos = int(a);
    if (FComponentMade)
        DrawBar();
}

void TProgressCompo::DrawBar()
{
    if (FMax == FMin)
        return;
    const double span = double(FMax) - FMin;
    const double r = std::clamp((double(FStepPos) - FMin) / span, 0.0, 1.0);
    const TRect& c = CompoRekt;
    const TRect bar = FOrientering == coVandret
                          ? Rect(c.Left, c.Top, c.Left + Near(r * (double(c.Right) - c.Left)), c.Bottom)
                          : Rect(c.Left, c.Bottom - Near(r * (double(c.Bottom) - c.Top)), c.Right, c.Bottom);
    TCanvas& can = Canvas();
    if (FStepBitmap.Empty()) {
        can.Brush = {FColorStep, bsSolid};
        can.FillRect(bar);
    } else if (!bar.IsEmpty()) {
        can.StretchDraw(bar, FStepBitmap);
    }
    if (OnProgress) {
        const int procent = Near((double(FPosition) - FMin) * 100.0 / span);
        OnProgress(this, uint8_t(std::clamp(procent, 0, 100)));
    }
}

void TProgressCompo::Paint()
{
    TPreTekst::Paint();
    if (!FComponentMade) {
        SetPosition(FPosition);
        FComponentMade = true;
    }
    DrawBar();
}

void TProgressCompo::SetRange(int& field, int value)
{
    if (field == value)
        return;
    field = value;
    FStepPos = FMin;
    FPosition = FMin;
    Repaint();
}

void TProgressCompo::SetTekst(const QString& value)
{
    if (value == FTekst)
        return;
    FTekst = value;
    if (FComponentMade)
        WriteText(FTekst, 1);
}
