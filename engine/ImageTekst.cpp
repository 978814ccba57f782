#include "engine/ImageTekst.h"
#include "platform/Cursors.h"
#include "widgets/TekstX.h"

namespace {
int WidthIn(TCanvas& c, const TFont& font, const QString& s)
{
    c.Font = font;
    return c.TextWidth(s);
}

int HeightIn(TCanvas& c, const TFont& font, const QString& s)
{
    c.Font = font;
    return c.TextHeight(s);
}
} // namespace

TImageTekst::TImageTekst(QWidget* parent) : TImageDraw(parent)
{
    FMerFont = FFont;
}

void TImageTekst::WriteText()
{
    if (!FTekstBog || FTekstListe.isEmpty())
        return;
    TWaitCursor wait;
    NormaliseFocus();
    const TRect tool{X1, Y1, X2, Y2};
    const bool metaTrans = FMetaTrans;
    FMetaTrans = true;
    StartFigure(true);
    TTekstX& bog = *FTekstBog;
    bog.SetFarveNormal(FPenColor);
    bog.SetFarveSkygge(FBrushColor);

    // The text is written once, on the meta bitmap; every pixel it changed is collected so
    // that only those are carried into the picture.
    TCanvas& mc = MetaBitmap.Canvas();
    TRect changed{};
    auto savedOnChange = mc.OnChange;
    mc.OnChange = [&changed](const TRect& r) { changed = UnionRect(changed, r); };
    std::vector<TextPiece> pieces = LayOut(mc);
    WritePieces(mc, pieces);
    mc.OnChange = savedOnChange;

    if (bog.SkyggeTekst()) {
        if (bog.AktivVandret() < 1)
            X1 -= bog.AktivVandret();
        else
            X2 += bog.AktivVandret();
    }
    const TRect focus{X1 - 2, Y1 - 2, X2 + 6, Y2 + 6};

    // Nothing reaches outside the tool rectangle.
    ClearMetaOutside(tool, changed);
    const TRect inside = IntersectRect(IntersectRect(tool, changed), FPicture.BoundsRect());
    if (!inside.IsEmpty() && FMetaMetode != mmNormal) {
        X1 = inside.Left;
        Y1 = inside.Top;
        X2 = inside.Right;
        Y2 = inside.Bottom;
        MergeFigure();
    } else if (!inside.IsEmpty()) {
        CopyFigure(inside);
    }
    DefFocusRect(focus.Left, focus.Top, focus.Right, focus.Bottom);
    FModified = true;
    FMetaTrans = metaTrans;
}

std::vector<TImageTekst::TextPiece> TImageTekst::LayOut(TCanvas& c)
{
    const TTekstX& bog = *FTekstBog;
    const int H = Y2 - Y1;
    const int n = int(FTekstListe.size());
    const bool oneLine = FAnvendMerFont && FSomEnLinie;
    int L = oneLine ? 1 : n;
    int lh = 0;
    int top = Y1;
    if (FAutolinier) {
        const int th = HeightIn(c, FFont, QStringLiteral("Fbjkgf"));
        // A negative line space may not make the lines collapse onto each other.
        lh = std::max(th + bog.LinieAfstand(), 1);
        const int total = lh * n;
        if (total < H) {
            switch (bog.AlignLodret()) {
            case alCentrer: top = Y1 + (H - total) / 2; break;
            case alOppe: top = Y1; break;
            case alNede: top = Y2 - total; break;
            }
        } else {
            L = H / lh;
        }
    } else {
        lh = H / L;
    }
    L = std::clamp(L, 0, n);
    if (FMerTekst.size() < L)
        while (FMerTekst.size() < L + 1)
            FMerTekst.append(QString());
    return oneLine ? LayOutOneLine(c, top, lh) : LayOutLines(c, L, top, lh);
}

std::vector<TImageTekst::TextPiece> TImageTekst::LayOutLines(TCanvas& c, int L, int top, int lh)
{
    const TAlignVandretX align = FTekstBog->AlignVandret();
    const int right = X2;
    std::vector<TextPiece> pieces;
    for (int k = 0; k < L; ++k) {
        const int y = top + k * lh;
        const QString& tekst = FTekstListe[k];
        const QString mer = k < FMerTekst.size() ? FMerTekst[k] : QString();
        const int w = WidthIn(c, FFont, tekst);
        // A line wider than the rectangle is shortened to it and has no room for an extra text.
        const bool fits = X1 + w <= right;
        TRect main{X1, y, std::min(X1 + w, right), y + lh};
        if (!FAnvendMerFont || mer.isEmpty() || !fits) {
            pieces.push_back({main, tekst, false});
            continue;
        }
        const int mw = WidthIn(c, FMerFont, mer);
        const int extraTop = y + FMerForskydning;
        TRect extra{0, extraTop, 0, extraTop + HeightIn(c, FMerFont, mer)};
        // Centred, the pair is centred on the main text's own extent; otherwise the extra
        // text follows the main text directly.
        if (align == avCentrer)
            main.Left -= mw;
        extra.Left = main.Left + w;
        extra.Right = main.Right + mw;
        // A centred pair that would start left of the rectangle is moved into it.
        if (main.Left < X1) {
            const int d = X1 - main.Left;
            main = OffsetRect(main, d, 0);
            extra = OffsetRect(extra, d, 0);
        }
        pieces.push_back({main, tekst, false});
        pieces.push_back({extra, mer, true});
    }
    for (TextPiece& p : pieces)
        p.R.Right = std::min(p.R.Right, right);
    return pieces;
}

std::vector<TImageTekst::TextPiece> TImageTekst::LayOutOneLine(TCanvas& c, int top, int lh)
{
    const TTekstX& bog = *FTekstBog;
    std::vector<TextPiece> pieces;
    int x = X1;
    Y1 = top;
    Y2 = top + lh;
    for (qsizetype k = 0; k < FTekstListe.size(); ++k) {
        const QString& tekst = FTekstListe[k];
        const QString mer = k < FMerTekst.size() ? FMerTekst[k] : QString();
        const TRect main{x, top, x + WidthIn(c, FFont, tekst), Y2};
        x = main.Right;
        const int extraTop = top + FMerForskydning;
        const TRect extra{x, extraTop, x + WidthIn(c, FMerFont, mer), extraTop + HeightIn(c, FMerFont, mer)};
        x = extra.Right;
        x += bog.LinieAfstand();
        pieces.push_back({main, tekst, false});
        pieces.push_back({extra, mer, true});
    }
    if (x < X2 && bog.AlignVandret() != avVenstre) {
        int d = X2 - x;
        if (bog.AlignVandret() == avCentrer)
            d /= 2;
        for (TextPiece& p : pieces)
            p.R = OffsetRect(p.R, d, 0);
        X1 += d;
        FR.Left = X1;
    }
    for (TextPiece& p : pieces)
        p.R.Right = std::min(p.R.Right, X2);
    return pieces;
}

void TImageTekst::WritePieces(TCanvas& c, std::vector<TextPiece>& pieces)
{
    const int right = X2;
    int farRight = X1, farBottom = Y1;
    bool any = false;
    for (TextPiece& p : pieces) {
        // A piece that starts beyond the rectangle's right edge has no room at all.
        if (p.R.Left >= right)
            continue;
        p.R = FTekstBog->SkrivTekst(c, p.R, p.Extra ? FMerFont : FFont, p.Tekst, 1);
        farRight = any ? std::max(farRight, p.R.Right) : p.R.Right;
        farBottom = any ? std::max(farBottom, p.R.Bottom) : p.R.Bottom;
        any = true;
    }
    c.Font = FFont;
    X2 = farRight;
    Y2 = farBottom;
}

void TImageTekst::ClearMetaOutside(const TRect& keep, const TRect& area)
{
    if (area.IsEmpty())
        return;
    TCanvas& mc = MetaBitmap.Canvas();
    const TBrush saved = mc.Brush;
    mc.Brush = {MetaTransFarve, bsSolid};
    const TRect k = IntersectRect(keep, area);
    if (k.IsEmpty()) {
        mc.FillRect(area);
    } else {
        mc.FillRect(Rect(area.Left, area.Top, area.Right, k.Top));
        mc.FillRect(Rect(area.Left, k.Bottom, area.Right, area.Bottom));
        mc.FillRect(Rect(area.Left, k.Top, k.Left, k.Bottom));
        mc.FillRect(Rect(k.Right, k.Top, area.Right, k.Bottom));
    }
    mc.Brush = saved;
}

void TImageTekst::CopyFigure(const TRect& r)
{
    if (r.IsEmpty() || MetaBitmap.Empty())
        return;
    const uint32_t trans = ToQRgb(MetaTransFarve);
    const int right = std::min({r.Right, FPicture.Width(), MetaBitmap.Width()});
    const int bottom = std::min({r.Bottom, FPicture.Height(), MetaBitmap.Height()});
    for (int y = std::max(r.Top, 0); y < bottom; ++y) {
        uint32_t* p = FPicture.ScanLine(y);
        const uint32_t* m = std::as_const(MetaBitmap).ScanLine(y);
        for (int x = std::max(r.Left, 0); x < right; ++x)
            if (m[x] != trans)
                p[x] = m[x];
    }
    Canvas().CopyRect(r, FPicture.Canvas(), r);
}
