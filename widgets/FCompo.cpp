// TFCompo (the grid), TBFCompo (an image per field) and TBTFCompo (a text per field).
#include "widgets/BitmapX.h"
#include "widgets/PreFelter.h"
#include "widgets/TekstX.h"
#include <QEvent>
#include <algorithm>
#include <cstdint>

namespace {
// Gaps and frame widths from painters are clamped to the raster size limit, so the layout's
// arithmetic never overflows.
int Lim(int v)
{
    return std::clamp(v, -TBitmap::kMaxSide, TBitmap::kMaxSide);
}

int ToInt(int64_t v)
{
    return int(std::clamp<int64_t>(v, -(int64_t(1) << 30), int64_t(1) << 30));
}
} // namespace

// ---- TFCompo ----

TFCompo::TFCompo(QWidget* parent) : TPreFelter(parent) {}

void TFCompo::NulstilBeregning()
{
    TPreFelter::NulstilBeregning();
    FBeregnet = false;
}

void TFCompo::SetRammeFelt(TRammeFeltX* value)
{
    FRammeFelt = value;
    FBeregnet = false;
    Repaint();
}

void TFCompo::SetAutoDim(bool value)
{
    FAutoDim = value;
    FBeregnet = false;
    Repaint();
}

void TFCompo::SetNumLodret(bool value)
{
    FNumLodret = value;
    FBeregnet = false;
    Repaint();
}

void TFCompo::SetFeltBredde(int value)
{
    if (FAutoDim)
        return;
    FFeltBredde = value;
    FBeregnet = false;
    Repaint();
}

void TFCompo::SetFeltHojde(int value)
{
    if (FAutoDim)
        return;
    FFeltHojde = value;
    FBeregnet = false;
    Repaint();
}

void TFCompo::RetAntal()
{
    FAntal = std::max(0, std::min(FAntalVandret * FAntalLodret, FAntalIalt));
    FStartNr = std::clamp(FStartNr, 0, MaxStartNr());
    FSlutNr = FStartNr + FAntal - 1;
}

void TFCompo::SetAntalVandret(int value)
{
    FAntalVandret = std::clamp(value, 1, kMaxAkse);
    RetAntal();
    FBeregnet = false;
}

void TFCompo::SetAntalLodret(int value)
{
    FAntalLodret = std::clamp(value, 1, kMaxAkse);
    RetAntal();
    FBeregnet = false;
}

void TFCompo::SetAntal(int value)
{
    FAntal = std::clamp(value, 0, FAntalVandret * FAntalLodret);
    FAntalIalt = std::max(FAntalIalt, FAntal);
    FStartNr = std::clamp(FStartNr, 0, MaxStartNr());
    FSlutNr = FStartNr + FAntal - 1;
    Repaint();
}

void TFCompo::SetAntalIalt(int value)
{
    FAntalIalt = std::max(0, value);
    RetAntal();
    Repaint();
    if (CompoPainted && OnAntalIalt)
        OnAntalIalt(this, FAntalIalt);
}

bool TFCompo::LayoutKept() const
{
    TRammeFeltX* felt = FRammeFelt.data();
    return FAutoDim && felt && !felt->TilpasAlign();
}

void TFCompo::BeregnFelter()
{
    const TRect& R = FeltRekt;
    const int64_t W = int64_t(R.Right) - R.Left, H = int64_t(R.Bottom) - R.Top;
    TRammeFeltX* felt = FRammeFelt.data();
    const int64_t gx = felt ? Lim(felt->AfstandLodret()) : 0;
    const int64_t gy = felt ? Lim(felt->AfstandVandret()) : 0;
    const int64_t V = std::max(1, FAntalVandret);
    int64_t L = std::max(1, FAntalLodret);
    FSlutNr = FStartNr + FAntal - 1;

    const int64_t wv = W - (V - 1) * gx;
    FFeltBredde = ToInt(wv / V);
    const int64_t x0 = R.Left + (wv % V) / 2;
    int64_t y0;
    if (FAutoDim) {
        const int64_t hv = H - (L - 1) * gy;
        FFeltHojde = ToInt(hv / L);
        y0 = R.Top + (hv % L) / 2;
    } else {
        // A height below 1 counts as 1, and a gap that would make the step 0 or less too.
        FFeltHojde = std::clamp(FFeltHojde, 1, TBitmap::kMaxSide);
        const int64_t step = std::max<int64_t>(1, FFeltHojde + gy);
        L = std::clamp<int64_t>((H - gy) / step, 0, kMaxAkse);
        FAntalLodret = int(L);
        y0 = R.Top + (H - (L - 1) * gy - int64_t(FFeltHojde) * L) / 2;
        RetAntal();
    }

    // Records that did not exist before start normal (inactive on a disabled panel), existing
    // ones keep their state.
    const size_t n = size_t(V * L);
    const uint8_t fresh = isEnabled() ? 1 : 0;
    if (F.size() > n)
        F.resize(n);
    while (F.size() < n) {
        TFeltRec r;
        r.Sit = fresh;
        F.push_back(r);
    }

    const int f = felt ? Lim(felt->Bredde()) + Lim(felt->Margen()) : 0;
    const int fb = FFeltBredde, fh = FFeltHojde;
    int64_t x = x0, y = y0;
    for (size_t i = 0; i < n; ++i) {
        TFeltRec& r = F[i];
        const int X = ToInt(x), Y = ToInt(y);
        r.Nummer = int(i);
        r.YR = Rect(X, Y, X + fb, Y + fh);
        r.IR = felt ? Rect(X + f, Y + f, X + fb - f + 1, Y + fh - f + 1) : r.YR;
        if (!FNumLodret) {
            if ((int64_t(i) + 1) % V == 0) {
                x = x0;
                y += fh + gy;
            } else {
                x += fb + gx;
            }
        } else {
            if ((int64_t(i) + 1) % L == 0) {
                y = y0;
                x += fb + gx;
            } else {
                y += fh + gy;
            }
        }
    }
    FBeregnet = LayoutKept();
}

void TFCompo::Beregn()
{
    TPreFelter::Beregn();
    if (!FBeregnet)
        BeregnFelter();
}

bool TFCompo::Synlig(int k) const
{
    return k >= 0 && k < FAntal && k < int(F.size()) && FFeltBredde >= 1 && FFeltHojde >= 1;
}

int TFCompo::FeltVed(int X, int Y) const
{
    if (!CompoPainted)
        return -1;
    const int n = std::min<int>(FAntal, int(F.size()));
    for (int k = 0; k < n; ++k)
        if (Synlig(k) && F[k].IR.Contains(X, Y))
            return k;
    return -1;
}

void TFCompo::PaintFeltRamme(int k)
{
    if (TRammeFeltX* felt = FRammeFelt.data())
        felt->MakeRamme(Canvas(), F[k].YR, F[k].Sit, F[k].Fokus && F[k].Sit > 1);
}

void TFCompo::PaintFeltIndhold(int) {}

void TFCompo::PaintFelt(int k)
{
    if (!Synlig(k))
        return;
    PaintFeltRamme(k);
    PaintFeltIndhold(k);
}

void TFCompo::PaintFelter()
{
    for (int k = 0; k < FAntal; ++k)
        PaintFelt(k);
}

void TFCompo::Paint()
{
    TPaintGuard guard;
    Beregn();
    PaintGrund();
    CompoPainted = true;
    PaintFelter();
    PaintEfter();
}

void TFCompo::RepaintFelt(int k, bool KunRamme)
{
    if (!CompoPainted || !Synlig(k))
        return;
    if (View().Width() != width() || View().Height() != height()) {
        // The control changed size since the last paint: the layout is stale.
        Paint();
        return;
    }
    TPaintGuard guard;
    PaintFeltRamme(k);
    if (!KunRamme)
        PaintFeltIndhold(k);
}

void TFCompo::SetSit(int k, uint8_t Sit)
{
    if (k < 0 || k >= int(F.size()))
        return;
    F[k].Sit = std::min<uint8_t>(Sit, 4);
    RepaintFelt(k);
}

void TFCompo::SetDown(int k, bool Down)
{
    if (k < 0 || k >= int(F.size()))
        return;
    F[k].Down = Down;
    if (!F[k].Fokus && F[k].Sit != 0)
        F[k].Sit = Down ? 2 : 1;
    RepaintFelt(k);
}

void TFCompo::changeEvent(QEvent* event)
{
    TPreFelter::changeEvent(event);
    if (event->type() != QEvent::EnabledChange)
        return;
    // Every laid-out cell follows, not only the visible ones: cells laid out while the panel
    // was disabled start inactive, and a larger AntalIalt shows them later.
    const bool enabled = isEnabled();
    for (TFeltRec& r : F) {
        r.Sit = enabled ? (r.Down ? 2 : 1) : 0;
        r.Fokus = false;
    }
    Repaint();
}

// ---- TBFCompo ----

TBFCompo::TBFCompo(QWidget* parent) : TFCompo(parent) {}

TBFCompo::~TBFCompo()
{
    if (FBitmapFelt)
        UnbindPainter(FBitmapFelt.data());
}

void TBFCompo::SetBitmapFelt(TBitmapX* value)
{
    if (FBitmapFelt == value)
        return;
    if (FBitmapFelt)
        UnbindPainter(FBitmapFelt.data());
    FBitmapFelt = value;
    if (value)
        BindPainter(value, &value->OnChange);
    Repaint();
}

void TBFCompo::SetBitmapIndex(int value)
{
    FBitmapIndex = value;
    Repaint();
}

void TBFCompo::PaintFeltIndhold(int k)
{
    TFCompo::PaintFeltIndhold(k);
    if (TBitmapX* b = FBitmapFelt.data()) {
        b->SetStartIndex(FBitmapIndex);
        b->PutBitmap(k + FStartNr, Canvas(), F[k].IR, F[k].Sit);
    }
}

// ---- TBTFCompo ----

TBTFCompo::TBTFCompo(QWidget* parent) : TBFCompo(parent) {}

TBTFCompo::~TBTFCompo()
{
    if (FTekstFelt)
        UnbindPainter(FTekstFelt.data());
}

void TBTFCompo::SetTekst(const QStringList& value)
{
    FTekst = value;
    Repaint();
}

void TBTFCompo::SetTekstFelt(TTekstX* value)
{
    if (FTekstFelt == value)
        return;
    if (FTekstFelt)
        UnbindPainter(FTekstFelt.data());
    FTekstFelt = value;
    if (value)
        BindPainter(value, &value->OnChange);
    Repaint();
}

void TBTFCompo::SetTekstUdskriv(TTekstUdskriv value)
{
    FTekstUdskriv = value;
    Repaint();
}

void TBTFCompo::SetFont(const TFont& value)
{
    FFont = value;
    Repaint();
}

QString TBTFCompo::FeltTekst(int FeltNr) const
{
    if (FeltNr < 0 || FeltNr >= FTekst.size())
        return QString();
    const QString& line = FTekst[FeltNr];
    switch (FTekstUdskriv) {
    case tuExtractFilename:
        return ExtractFilename(line);
    case tuFilecaption:
        return FilCaption(line);
    default:
        return line;
    }
}

void TBTFCompo::PaintFeltIndhold(int k)
{
    TBFCompo::PaintFeltIndhold(k);
    TTekstX* t = FTekstFelt.data();
    const int item = k + FStartNr;
    if (t && item >= 0 && item < FTekst.size())
        t->SkrivTekst(Canvas(), F[k].IR, FFont, FeltTekst(item), F[k].Sit);
}
