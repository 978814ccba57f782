#include "engine/ImagePreProdu.h"
#include "platform/Random.h"
#include "util/Near.h"
#include <cmath>

namespace {
int Clamp255(int v)
{
    return v < 0 ? 0 : v > 255 ? 255 : v;
}

void Split(TColor c, int (&ch)[3])
{
    ch[0] = c & 0xFF;
    ch[1] = (c >> 8) & 0xFF;
    ch[2] = (c >> 16) & 0xFF;
}

double Whole(const int (&ch)[3])
{
    return ch[0] + 256.0 * ch[1] + 65536.0 * ch[2];
}
} // namespace

TImagePreProdu::TImagePreProdu(QWidget* parent) : TImageFile(parent) {}

void TImagePreProdu::ComputeSteps()
{
    const double D = RepAntal >= 2 ? RepAntal - 1 : 1;
    switch (FFarveMetode) {
    case fmInterval:
    case fmRanInt:
        for (int c = 0; c < 3; ++c) {
            ss[c] = (Slut[c] - Start[c]) / D;
            if (FUseMellem) {
                sm[c] = (Mel[c] - Start[c]) / D;
                ms[c] = (Slut[c] - Mel[c]) / D;
            }
        }
        break;
    case fmCol:
        if (FUseMellem) {
            smR = (Whole(Mel) - Whole(Start)) / RepAntal;
            smG = (Whole(Slut) - Whole(Mel)) / RepAntal;
        } else {
            ssR = (Whole(Slut) - Whole(Start)) / RepAntal;
        }
        break;
    case fmRandom:
        break;
    }
}

void TImagePreProdu::InitColours(int Count)
{
    const int divisor = FProduAntal * FFrekvens * (FUseMellem ? 2 : 1);
    RepAntal = divisor > 0 ? Count / divisor : 1;
    ProdAntal = FProduAntal * (FUseMellem ? 2 : 1);
    if (RepAntal <= 0)
        RepAntal = 1;
    RepCount = -1;
    IntCount = 0;
    Split(StartFarve, Start);
    Split(SlutFarve, Slut);
    Split(FMellemFarve, Mel);
    ComputeSteps();
    if (FAnvendDybde) {
        auto drift = [this](int a, int b, int depth) {
            return int(std::trunc(double(a - b) * depth / (double(ProdAntal) * 100)));
        };
        for (int c = 0; c < 3; ++c) {
            if (FUseMellem) {
                DStart[c] = drift(Mel[c], Start[c], FStartDybde);
                DSlut[c] = drift(Start[c], Slut[c], FSlutDybde);
                DMel1[c] = drift(Start[c], Mel[c], FMelDybde);
                DMel2[c] = drift(Slut[c], Mel[c], FMelDybde);
            } else {
                DStart[c] = drift(Slut[c], Start[c], FStartDybde);
                DSlut[c] = drift(Start[c], Slut[c], FSlutDybde);
            }
        }
    }
    NextPhase();
}

void TImagePreProdu::NextPhase()
{
    if (FAnvendDybde && IntCount != 0) {
        for (int c = 0; c < 3; ++c) {
            Start[c] = Clamp255(Start[c] + DStart[c]);
            Slut[c] = Clamp255(Slut[c] + DSlut[c]);
        }
        if (FUseMellem) {
            for (int c = 0; c < 3; ++c)
                Mel[c] = Clamp255(Mel[c] + (IntCount % 2 ? DMel1[c] : DMel2[c]));
        } else {
            Split(FMellemFarve, Mel);
        }
        ComputeSteps();
    }
    IntCount = IntCount % 4 + 1;
    const bool odd = IntCount % 2 == 1;
    switch (FFarveMetode) {
    case fmInterval:
    case fmRanInt: {
        const int* P;
        const double* d;
        double sign = 1;
        if (!FUseMellem) {
            P = odd ? Start : Slut;
            d = ss;
            sign = odd ? 1 : -1;
        } else {
            switch (IntCount) {
            case 1: P = Start; d = sm; break;
            case 2: P = Mel; d = ms; break;
            case 3: P = Slut; d = ms; sign = -1; break;
            default: P = Mel; d = sm; sign = -1; break;
            }
        }
        for (int c = 0; c < 3; ++c) {
            Pos[c] = P[c];
            PosExact[c] = P[c];
            If[c] = sign * d[c];
        }
        break;
    }
    case fmCol:
        if (!FUseMellem) {
            posR = odd ? Whole(Start) : Whole(Slut);
            Rif = odd ? ssR : -ssR;
        } else {
            switch (IntCount) {
            case 1: posR = Whole(Start); Rif = smR; break;
            case 2: posR = Whole(Mel); Rif = smG; break;
            case 3: posR = Whole(Slut); Rif = -smG; break;
            default: posR = Whole(Mel); Rif = -smR; break;
            }
        }
        break;
    case fmRandom: {
        const int* a = Start;
        const int* b = Slut;
        if (FUseMellem) {
            const bool firstHalf = IntCount == 1 || IntCount == 4;
            a = firstHalf ? Start : Mel;
            b = firstHalf ? Mel : Slut;
        }
        for (int c = 0; c < 3; ++c) {
            IntC[c] = std::abs(a[c] - b[c]);
            MinC[c] = std::min(a[c], b[c]);
        }
        break;
    }
    }
}

TColor TImagePreProdu::NextColour()
{
    if (++RepCount == RepAntal) {
        NextPhase();
        RepCount = 0;
    }
    switch (FFarveMetode) {
    case fmRandom: {
        const int r = MinC[0] + Random(IntC[0]);
        const int g = MinC[1] + Random(IntC[1]);
        const int b = MinC[2] + Random(IntC[2]);
        return RGB(r, g, b);
    }
    case fmInterval: {
        const TColor colour = RGB(Pos[0], Pos[1], Pos[2]);
        for (int c = 0; c < 3; ++c) {
            PosExact[c] += If[c];
            Pos[c] = Clamp255(int(std::trunc(PosExact[c])));
        }
        return colour;
    }
    case fmRanInt: {
        int v[3];
        for (int c = 0; c < 3; ++c) {
            PosExact[c] += If[c];
            IntC[c] = Clamp255(int(std::trunc(PosExact[c])));
        }
        for (int c = 0; c < 3; ++c)
            v[c] = Random(IntC[c]);
        return RGB(v[0], v[1], v[2]);
    }
    case fmCol:
        posR += Rif;
        return Near(posR) & 0xFFFFFF;
    }
    return clBlack;
}
