#include "engine/ImageProdu.h"
#include "util/Near.h"
#include <cmath>

namespace {
constexpr double kPi = 3.141592653589793;
} // namespace

TImageProdu::TImageProdu(QWidget* parent) : TImagePreProdu(parent) {}

// ---- Walkers ----

void TImageProdu::StartWalker(int walker)
{
    IsDoneX = IsDoneY = false;
    ValX = X2 - 1;
    ValY = Y2 - 1;
    switch (walker) {
    case 1: Fx1 = X1; Fy1 = Y1; Fx2 = X1; Fy2 = Y2; break;
    case 2: Fx1 = X1; Fy1 = Y1; Fx2 = X2; Fy2 = Y1; break;
    case 3: Fx1 = Fx2 = X1 - 1; Fy1 = Fy2 = Y1; break;
    case 4: Fx1 = Fx2 = X2; Fy1 = Fy2 = Y1; break;
    case 5: Fx1 = X1; Fy1 = Y1; Fx2 = X2; Fy2 = Y2; break;
    case 6: Fx1 = X1; Fy1 = Y1; Fx2 = FCentX; Fy2 = FCentY; break;
    case 7: {
        FVinkel = FStartGrad;
        const TPoint p = CirclePoint();
        Fx1 = p.X;
        Fy1 = p.Y;
        Fx2 = FCentX;
        Fy2 = FCentY;
        break;
    }
    case 8:
        Fx1 = Fx2 = FCentX;
        Fy1 = Fy2 = FCentY;
        SlutX1 = X1;
        SlutY1 = Y1;
        SlutX2 = X2;
        SlutY2 = Y2;
        break;
    default: break;
    }
}

void TImageProdu::AdvanceWalker(int walker)
{
    const int F = FFrekvens;
    switch (walker) {
    case 1: Fx1 += F; Fx2 += F; break;
    case 2: Fy1 += F; Fy2 += F; break;
    case 3:
        if (Fx1 >= ValX)
            IsDoneX = true;
        (IsDoneX ? Fy1 : Fx1) += F;
        if (Fy2 > ValY)
            IsDoneY = true;
        (IsDoneY ? Fx2 : Fy2) += F;
        break;
    case 4:
        if (Fx1 <= X1)
            IsDoneX = true;
        if (IsDoneX)
            Fy1 += F;
        else
            Fx1 -= F;
        if (Fy2 > ValY)
            IsDoneY = true;
        if (IsDoneY)
            Fx2 -= F;
        else
            Fy2 += F;
        break;
    case 5:
        Fx1 = std::min(Fx1 + F, FCentX);
        Fx2 = std::max(Fx2 - F, FCentX);
        Fy1 = std::min(Fy1 + F, FCentY);
        Fy2 = std::max(Fy2 - F, FCentY);
        break;
    case 6:
        if (Fy1 == Y1) {
            Fx1 += F;
            if (Fx1 > ValX) {
                Fx1 = ValX;
                Fy1 += F;
            }
        } else if (Fx1 == ValX) {
            Fy1 += F;
            if (Fy1 > ValY) {
                Fy1 = ValY;
                Fx1 -= F;
            }
        } else if (Fy1 == ValY) {
            Fx1 -= F;
            if (Fx1 < X1) {
                Fx1 = X1;
                Fy1 -= F;
            }
        } else if (Fx1 == X1) {
            Fy1 -= F;
            if (Fy1 == Y1)
                Fy1 -= F;
        } else {
            Fy1 = Y1 - 1; // off every edge: the walk is over
        }
        break;
    case 7: {
        FVinkel += F;
        const TPoint p = CirclePoint();
        Fx1 = p.X;
        Fy1 = p.Y;
        break;
    }
    case 8:
        Fx1 = std::max(Fx1 - F, SlutX1);
        Fy1 = std::max(Fy1 - F, SlutY1);
        Fx2 = std::min(Fx2 + F, SlutX2);
        Fy2 = std::min(Fy2 + F, SlutY2);
        break;
    default: break;
    }
}

TPoint TImageProdu::CirclePoint() const
{
    const double a = double(FVinkel * 2) * kPi / FGrader;
    return {RCentX + Near(std::cos(a) * FRadius), RCentY - Near(std::sin(a) * FRadius)};
}

int TImageProdu::ZoomCount() const
{
    const int dL = FCentX - X1 + 1, dR = Bredde - dL, dT = FCentY - Y1 + 1, dB = Hojde - dT;
    return FMinColDim ? std::min({dL, dR, dT, dB}) : std::max({dL, dR, dT, dB});
}

void TImageProdu::ForDirections(const int (&walkers)[2], bool raiseSecond, const std::function<void(int)>& run)
{
    const int saved = FFrekvens;
    run(walkers[0]);
    if (walkers[1]) {
        if (raiseSecond && FFrekvens == 1)
            FFrekvens = 2;
        run(walkers[1]);
    }
    FFrekvens = saved;
}

namespace {
// The walkers of each direction of repetition for points and lines; 0: none.
void WalkersOf(TRepRet r, int (&w)[2])
{
    switch (r) {
    case rrVandret: w[0] = 2; w[1] = 0; break;
    case rrLodret: w[0] = 1; w[1] = 0; break;
    case rrKryds: w[0] = 1; w[1] = 2; break;
    case rrDia1: w[0] = 3; w[1] = 0; break;
    case rrDia2: w[0] = 4; w[1] = 0; break;
    case rrDiaKryds: w[0] = 3; w[1] = 4; break;
    }
}
} // namespace

// ---- Generators ----

void TImageProdu::DotsAlong(int a, int b, int c, int d)
{
    const int F = FFrekvens;
    if (a == c) {
        for (int y = b; y <= d; y += F)
            FCan->SetPixels(a, y, NextColour());
    } else if (b == d) {
        for (int x = a; x <= c; x += F)
            FCan->SetPixels(x, b, NextColour());
    } else {
        const int dx = c < a ? -F : F;
        for (; b <= d; a += dx, b += F)
            FCan->SetPixels(a, b, NextColour());
    }
}

void TImageProdu::AreaPoints()
{
    int walkers[2];
    WalkersOf(FRepRetning, walkers);
    ForDirections(walkers, true, [this](int walker) {
        InitColours(Bredde * Hojde);
        StartWalker(walker);
        while (walker == 1 ? Fx1 <= ValX : Fy1 <= ValY) {
            DotsAlong(Fx1, Fy1, Fx2, Fy2);
            AdvanceWalker(walker);
        }
    });
}

void TImageProdu::AreaLines()
{
    int walkers[2];
    WalkersOf(FRepRetning, walkers);
    ForDirections(walkers, false, [this](int walker) {
        InitColours(walker == 1 ? Bredde : walker == 2 ? Hojde : Bredde + Hojde);
        StartWalker(walker);
        while (walker == 1 ? Fx1 < X2 : Fy1 < Y2) {
            FCan->Pen.Color = NextColour();
            FCan->MoveTo(Fx1, Fy1);
            FCan->LineTo(Fx2, Fy2);
            AdvanceWalker(walker);
        }
    });
}

void TImageProdu::AreaFigures(bool ellipses)
{
    InitColours(ZoomCount());
    StartWalker(5);
    while (Fx1 < Fx2 && Fy1 < Fy2) {
        FCan->Pen.Color = NextColour();
        FCan->Brush.Color = NextColour();
        if (ellipses)
            FCan->Ellipse(Fx1, Fy1, Fx2, Fy2);
        else
            FCan->Rectangle(Fx1, Fy1, Fx2, Fy2);
        AdvanceWalker(5);
    }
}

void TImageProdu::ZoomFigures(bool ellipses)
{
    const TBrushStyle brush = FCan->Brush.Style;
    const int width = FCan->Pen.Width;
    FCan->Brush.Style = bsClear;
    if (ellipses && FCan->Pen.Width < 2)
        FCan->Pen.Width = 2;
    InitColours(ZoomCount() + (ellipses ? 2 : 0));
    StartWalker(8);
    auto outline = [&] {
        FCan->Pen.Color = NextColour();
        if (ellipses)
            FCan->Ellipse(Fx1, Fy1, Fx2, Fy2);
        else
            FCan->Rectangle(Fx1, Fy1, Fx2, Fy2);
    };
    while (Fx1 > SlutX1 || Fy1 > SlutY1 || Fx2 < SlutX2 || Fy2 < SlutY2) {
        outline();
        AdvanceWalker(8);
    }
    outline();
    FCan->Brush.Style = brush;
    FCan->Pen.Width = width;
}

void TImageProdu::RectangleFan()
{
    InitColours(2 * Bredde + 2 * Hojde - 4);
    StartWalker(6);
    // Each step moves along the border, so the rays cannot outnumber its pixels.
    for (qint64 guard = 2 * qint64(Bredde + Hojde) + 8; Fy1 >= Y1 && guard > 0; --guard) {
        FCan->Pen.Color = NextColour();
        FCan->MoveTo(Fx1, Fy1);
        FCan->LineTo(Fx2, Fy2);
        AdvanceWalker(6);
    }
}

void TImageProdu::CircleFan()
{
    const int width = FCan->Pen.Width;
    if (FCan->Pen.Width < 2)
        FCan->Pen.Width = 2;
    InitColours(FGrader);
    StartWalker(7);
    while (FVinkel <= FSlutGrad) {
        FCan->Pen.Color = NextColour();
        FCan->MoveTo(Fx1, Fy1);
        FCan->LineTo(Fx2, Fy2);
        AdvanceWalker(7);
    }
    FCan->Pen.Width = width;
}

void TImageProdu::FunctionRun(bool horizontal)
{
    const int F = FFrekvens;
    const int lo = horizontal ? Y1 : X1;             // first coordinate across the curves
    const int hi = horizontal ? Y2 - 1 : X2 - 1;
    const int alongFrom = horizontal ? X1 : Y1;      // running coordinate u
    const int alongTo = horizontal ? X2 : Y2;
    const int span = 2 * FFunkHojde + hi - lo;
    const int passes = span / F + 8;
    const int base = lo - 8;
    // v(u), or false where tangent and cotangent are undefined.
    auto value = [this](int u, int& v) {
        const double t = u * 3.141592653589793 / FFunkBredde;
        switch (FFunktion) {
        case ftSinus: v = Near(std::sin(t) * FFunkHojde); return true;
        case ftCosinus: v = Near(std::cos(t) * FFunkHojde); return true;
        case ftTangens:
        case ftCotangens: {
            const int s = Near(std::sin(t) * 100000), c = Near(std::cos(t) * 100000);
            const int num = FFunktion == ftTangens ? s : c, den = FFunktion == ftTangens ? c : s;
            if (den == 0)
                return false;
            v = Near(double(num) / den * FFunkHojde);
            return true;
        }
        }
        return false;
    };
    InitColours(span + FFunkHojde);
    int h = lo;
    for (int i = 1; i <= passes; ++i) {
        PixelFarve = NextColour();
        for (int u = alongFrom; u < alongTo; ++u) {
            const int x = horizontal ? u : h - FFunkHojde;
            const int y = horizontal ? h - FFunkHojde : u;
            if (x >= X1 && x < X2 && y >= Y1 && y < Y2)
                FCan->SetPixels(x, y, PixelFarve);
            int v;
            if (value(u, v))
                h = (base + i * F) - v;
        }
    }
}

void TImageProdu::Functions()
{
    const int saved = FFrekvens;
    auto raise = [this] {
        if (FFrekvens == 1)
            FFrekvens = 2;
    };
    switch (FRepRetning) {
    case rrVandret:
    case rrDia2: FunctionRun(true); break;
    case rrLodret:
    case rrDia1: FunctionRun(false); break;
    case rrKryds:
        FunctionRun(false);
        raise();
        FunctionRun(true);
        break;
    case rrDiaKryds:
        FunctionRun(true);
        raise();
        FunctionRun(false);
        break;
    }
    FFrekvens = saved;
}
