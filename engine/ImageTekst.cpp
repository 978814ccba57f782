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
    const bool metaTrans = FMetaTrans;
    FMetaTrans = true;
    StartFigure(true);
    TTekstX& bog = *FTekstBog;
    bog.SetFarveNormal(FPenColor);
    bog.SetFarveSkygge(FBrushColor);

    // The text is written once, on the meta bitmap; the area every drawing reported is
    // collected so that only the pixels written there are carried into the picture.
    TCanvas& mc = MetaBitmap().Canvas();
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
    TRect focus{X1 - 2, Y1 - 2, X2 + 6, Y2 + 6};

    // Each text is written at its own extent, so it may reach beyond the dragged
    // rectangle: above it (a raised extra text), to its right (a long line and its extra
    // text) or to its left (a centred pair). The raster clips what lies outside the picture.
    const TRect written = WrittenPixels(changed);
    if (!written.IsEmpty() && FMetaMetode != mmNormal) {
        X1 = written.Left;
        Y1 = written.Top;
        X2 = written.Right;
        Y2 = written.Bottom;
        MergeFigure();
    } else if (!written.IsEmpty()) {
        CopyFigure(written);
    }
    // The changed rectangle covers every pixel the text wrote.
    if (!written.IsEmpty())
        focus = UnionRect(focus, written);
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
    std::vector<TextPiece> pieces;
    for (int k = 0; k < L; ++k) {
        const int y = top + k * lh;
        const QString& tekst = FTekstListe[k];
        const QString mer = k < FMerTekst.size() ? FMerTekst[k] : QString();
        // The main rectangle is the text's own width, however wide the dragged rectangle is.
        const int w = WidthIn(c, FFont, tekst);
        TRect main{X1, y, X1 + w, y + lh};
        if (!FAnvendMerFont || mer.isEmpty()) {
            pieces.push_back({main, tekst, false});
            continue;
        }
        const int mw = WidthIn(c, FMerFont, mer);
        const int extraTop = y + FMerForskydning;
        TRect extra{0, extraTop, 0, extraTop + HeightIn(c, FMerFont, mer)};
        // Centred, the pair is centred on the main text's own extent (it may start left of the
        // dragged rectangle); otherwise the extra text follows the main text directly.
        if (align == avCentrer)
            main.Left -= mw;
        extra.Left = main.Left + w;
        extra.Right = main.Right + mw;
        pieces.push_back({main, tekst, false});
        pieces.push_back({extra, mer, true});
    }
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
    return pieces;
}

void TImageTekst::WritePieces(TCanvas& c, std::vector<TextPiece>& pieces)
{
    int farRight = X1, farBottom = Y1;
    bool any = false;
    for (TextPiece& p : pieces) {
        p.R = FTekstBog->SkrivTekst(c, p.R, p.Extra ? FMerFont : FFont, p.Tekst, 1);
        farRight = any ? std::max(farRight, p.R.Right) : p.R.Right;
        farBottom = any ? std::max(farBottom, p.R.Bottom) : p.R.Bottom;
        any = true;
    }
    c.Font = FFont;
    X2 = farRight;
    Y2 = farBottom;
}

TRect TImageTekst::WrittenPixels(const TRect& area) const
{
    const TRect r = IntersectRect(IntersectRect(area, MetaBitmap().BoundsRect()), FPicture.BoundsRect());
    const uint32_t trans = ToQRgb(MetaTransFarve);
    int left = r.Right, right = r.Left, top = r.Bottom, bottom = r.Top;
    for (int y = r.Top; y < r.Bottom; ++y) {
        const uint32_t* m = MetaBitmap().ScanLine(y);
        int x0 = r.Left;
        while (x0 < r.Right && m[x0] == trans)
            ++x0;
        if (x0 == r.Right)
            continue;
        int x1 = r.Right;
        while (m[x1 - 1] == trans)
            --x1;
        left = std::min(left, x0);
        right = std::max(right, x1);
        top = std::min(top, y);
        bottom = y + 1;
    }
    return left < right ? TRect{left, top, right, bottom} : TRect{};
}

void TImageTekst::CopyFigure(const TRect& r)
{
    if (r.IsEmpty() || MetaBitmap().Empty())
        return;
    const uint32_t trans = ToQRgb(MetaTransFarve);
    const int right = std::min({r.Right, FPicture.Width(), MetaBitmap().Width()});
    const int bottom = std::min({r.Bottom, FPicture.Height(), MetaBitmap().Height()});
    for (int y = std::max(r.Top, 0); y < bottom; ++y) {
        uint32_t* p = FPicture.ScanLine(y);
        const uint32_t* m = std::as_const(MetaBitmap()).ScanLine(y);
        for (int x = std::max(r.Left, 0); x < right; ++x)
            if (m[x] != trans)
                p[x] = m[x];
    }
    Canvas().CopyRect(r, FPicture.Canvas(), r);
}
