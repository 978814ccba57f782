#include "widgets/CompoSeperator.h"
#include <algorithm>
#include <climits>
#include <cstdint>

TSeperator::TSeperator(QWidget* parent) : TPreRammeCompo(parent)
{
    resize(8, 22);
}

void TSeperator::Paint()
{
    TPreRammeCompo::Paint();
    if (FMedRille)
        DrawGroove();
}

void TSeperator::DrawGroove()
{
    const int W = width(), H = height();
    // Lines far outside the widget draw nothing visible: keep the numbers where they cannot
    // overflow and the pen no wider than the widget.
    const int limit = 4 * std::max(W, H) + 16;
    const int S = std::clamp(FRilleSpace, -limit, limit);
    const int B = std::clamp(FRilleBredde, 0, limit);
    TPoint first[2], second[2];
    switch (FOrientering) {
    case soLodret: {
        const int x = W / 2 - 1;
        first[0] = {x, S}, first[1] = {x, H - S};
        second[0] = {x + B, S}, second[1] = {x + B, H - S};
        break;
    }
    case soVandret: {
        const int y = H / 2 - 1;
        first[0] = {S, y}, first[1] = {W - S, y};
        second[0] = {S, y + B}, second[1] = {W - S, y + B};
        break;
    }
    case soOpHojre:
        first[0] = {S, H - S}, first[1] = {W - S, S};
        second[0] = {S, H - S + B}, second[1] = {W - S, S + B};
        break;
    case soNedHojre:
        first[0] = {S, S + B}, first[1] = {W - S, H - S + B};
        second[0] = {S, S}, second[1] = {W - S, H - S};
        break;
    }
    const bool sunken = FRetning == srInd;
    TCanvas& c = Canvas();
    c.Pen.Width = B;
    c.Pen.Style = psSolid;
    c.Pen.Mode = pmCopy;
    c.Pen.Color = sunken ? FFarveSkygge : FFarveLys;
    c.MoveTo(first[0].X, first[0].Y);
    c.LineTo(first[1].X, first[1].Y);
    c.Pen.Color = sunken ? FFarveLys : FFarveSkygge;
    c.MoveTo(second[0].X, second[0].Y);
    c.LineTo(second[1].X, second[1].Y);
    c.Pen.Width = 1;
}
