#include "platform/Bitmap.h"
#include "widgets/TekstX.h"
#include <gtest/gtest.h>

// Text is measured with the fonts installed on the machine; expected pictures are drawn with
// the canvas's own text output at the positions the layout must choose.

namespace {
TFont Mono()
{
    TFont f;
    f.Name = QStringLiteral("Courier New");
    f.SetHeight(-13);
    return f;
}

TFont Sans()
{
    TFont f;
    f.Name = QStringLiteral("DejaVu Sans");
    f.SetHeight(-13);
    return f;
}

TBitmap Blank(int w, int h, TColor bg = clWhite)
{
    TBitmap b(w, h);
    if (bg != clWhite) {
        b.Canvas().Brush = {bg, bsSolid};
        b.Canvas().FillRect(b.BoundsRect());
    }
    return b;
}

int WidthOf(const TFont& f, const QString& s)
{
    TBitmap b(1, 1);
    b.Canvas().Font = f;
    return b.Canvas().TextWidth(s);
}

int HeightOf(const TFont& f)
{
    TBitmap b(1, 1);
    b.Canvas().Font = f;
    return b.Canvas().TextHeight(QStringLiteral("A"));
}

// The reference: text drawn without background at (x, y).
void Draw(TBitmap& b, TFont f, TColor colour, int x, int y, const QString& s, bool underline = false)
{
    TCanvas& c = b.Canvas();
    f.Color = colour;
    if (underline)
        f.Style.Include(fsUnderline);
    c.Font = f;
    c.Brush.Style = bsClear;
    c.TextOut(x, y, s);
    c.Brush.Style = bsSolid;
}

bool Same(const TBitmap& a, const TBitmap& b)
{
    return a.Image() == b.Image();
}

TRect Ink(const TBitmap& b, TColor bg = clWhite)
{
    TRect r{};
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Canvas().Pixels(x, y) != bg)
                r = UnionRect(r, Bounds(x, y, 1, 1));
    return r;
}

// Gives bog a canvas in font f and an inner width of bredde, as a write would.
void Prepare(TTekstX& bog, TBitmap& b, const TFont& f, int bredde)
{
    bog.SkrivTekst(b.Canvas(), Rect(0, 0, 1, 1), f, QStringLiteral("x"), 1);
    bog.BeregnRekt(Rect(0, 0, bredde, 20));
}
} // namespace

TEST(TekstGrundX, BeregnRektTakesOffTheMarginsAndSetsTheSize)
{
    TTekstX bog;
    bog.SetMargenVenstre(3);
    bog.SetMargenOppe(2);
    bog.SetMargenHojre(5);
    bog.SetMargenNede(7);
    EXPECT_EQ(bog.BeregnRekt(Rect(10, 20, 110, 70)), Rect(13, 22, 105, 63));
    EXPECT_EQ(bog.Bredde(), 92);
    EXPECT_EQ(bog.Hojde(), 41);
}

TEST(TekstGrundX, AfkortTekstInAFixedPitchFont)
{
    TTekstX bog;
    TBitmap b(10, 10);
    const TFont f = Mono();
    const int cw = WidthOf(f, QStringLiteral("M"));
    ASSERT_GT(cw, 0);
    ASSERT_EQ(WidthOf(f, QStringLiteral("iiiii")), 5 * cw);

    Prepare(bog, b, f, 10 * cw);
    EXPECT_EQ(bog.AfkortTekst(QStringLiteral("abcdefghij")), QStringLiteral("abcdefghij"));
    // Ten characters fit; three of them give way to the dots.
    EXPECT_EQ(bog.AfkortTekst(QStringLiteral("abcdefghijklmnop")), QStringLiteral("abcdefg..."));
    // Narrower than the first character: the dots alone.
    Prepare(bog, b, f, cw - 1);
    EXPECT_EQ(bog.AfkortTekst(QStringLiteral("abc")), QStringLiteral("..."));
    Prepare(bog, b, f, 4 * cw);
    EXPECT_EQ(bog.AfkortTekst(QStringLiteral("abcdef")), QStringLiteral("a..."));
    // Two characters fit, fewer than the three the dots replace: they give way all the same,
    // or the result would not fit.
    Prepare(bog, b, f, 2 * cw);
    EXPECT_EQ(bog.AfkortTekst(QStringLiteral("abcdef")), QStringLiteral("..."));
}

TEST(TekstGrundX, AfkortTekstAlwaysFitsInAProportionalFont)
{
    TTekstX bog;
    TBitmap b(10, 10);
    const TFont f = Sans();
    const QString s = QStringLiteral("Willkommen iiil WWWW ...mm æøå");
    const int dots = WidthOf(f, QStringLiteral("..."));
    for (int bredde = 0; bredde < WidthOf(f, s) + 5; bredde += 3) {
        Prepare(bog, b, f, bredde);
        const QString r = bog.AfkortTekst(s);
        if (WidthOf(f, s) <= bredde) {
            EXPECT_EQ(r, s);
            continue;
        }
        EXPECT_TRUE(r.endsWith(QStringLiteral("..."))) << bredde;
        EXPECT_TRUE(s.startsWith(r.chopped(3))) << bredde;
        if (bredde >= dots)
            EXPECT_LE(WidthOf(f, r), bredde) << qPrintable(r);
        else
            EXPECT_EQ(r, QStringLiteral("..."));
    }
}

TEST(TekstGrundX, AfkortTekstWithoutACanvasKeepsTheText)
{
    TTekstX bog;
    EXPECT_EQ(bog.AfkortTekst(QStringLiteral("abc")), QStringLiteral("abc"));
}

TEST(TekstX, AlignmentsPlaceTheTextByTheTable)
{
    const TFont f = Sans();
    const QString s = QStringLiteral("Hello");
    const int w = WidthOf(f, s), h = HeightOf(f);
    const TRect R = Rect(10, 5, 150, 55);
    const TRect inner = Rect(13, 7, 146, 54); // margins 3, 2, 4, 1
    for (TAlignVandretX av : {avCentrer, avVenstre, avHojre}) {
        for (TAlignLodretX al : {alCentrer, alOppe, alNede}) {
            TTekstX bog;
            bog.SetMargenVenstre(3);
            bog.SetMargenOppe(2);
            bog.SetMargenHojre(4);
            bog.SetMargenNede(1);
            bog.SetAlignVandret(av);
            bog.SetAlignLodret(al);
            bog.SetFarveNormal(clBlue);
            TBitmap got = Blank(170, 70);
            EXPECT_EQ(bog.SkrivTekst(got.Canvas(), R, f, s, 1), inner);
            const int x = av == avCentrer ? inner.Left + (inner.Width() - w) / 2
                          : av == avVenstre ? inner.Left
                                            : inner.Right - w;
            const int y = al == alCentrer ? inner.Top + (inner.Height() - h) / 2
                          : al == alOppe ? inner.Top
                                         : inner.Bottom - h;
            TBitmap want = Blank(170, 70);
            Draw(want, f, clBlue, x, y, s);
            EXPECT_TRUE(Same(got, want)) << av << " " << al;
        }
    }
}

TEST(TekstX, CentredTextWiderThanItsRectIsShortenedAndCentred)
{
    const TFont f = Mono();
    const int cw = WidthOf(f, QStringLiteral("M")), h = HeightOf(f);
    // Room for seven characters and one pixel: the odd spare pixel goes to the right.
    const TRect R = Bounds(20, 10, 7 * cw + 1, h + 6);
    TTekstX bog;
    TBitmap got = Blank(200, 40), want = Blank(200, 40);
    bog.SkrivTekst(got.Canvas(), R, f, QStringLiteral("Abcdefghijklmn"), 1);
    Draw(want, f, clBlack, R.Left, R.Top + 3, QStringLiteral("Abcd..."));
    EXPECT_TRUE(Same(got, want));
    const TRect ink = Ink(got);
    EXPECT_GE(ink.Left, R.Left);
    EXPECT_LE(ink.Right, R.Right);
}

TEST(TekstX, ShortenedTextStaysInsideItsRect)
{
    const TFont f = Sans();
    for (TAlignVandretX av : {avCentrer, avVenstre, avHojre}) {
        for (int bredde : {30, 47, 64, 81, 99}) {
            TTekstX bog;
            bog.SetAlignVandret(av);
            TBitmap got = Blank(160, 30);
            const TRect R = Bounds(30, 5, bredde, 20);
            bog.SkrivTekst(got.Canvas(), R, f, QStringLiteral("The quick brown fox jumps"), 1);
            const TRect ink = Ink(got);
            EXPECT_FALSE(ink.IsEmpty());
            EXPECT_GE(ink.Left, R.Left) << av << " " << bredde;
            EXPECT_LE(ink.Right, R.Right) << av << " " << bredde;
        }
    }
}

TEST(TekstX, DisabledCaptionGetsAWhiteShadowAndGreyText)
{
    const TFont f = Sans();
    const QString s = QStringLiteral("Gem");
    TTekstX bog;
    bog.SetAlignVandret(avVenstre);
    bog.SetAlignLodret(alOppe);
    TBitmap got = Blank(80, 30, clBlue), want = Blank(80, 30, clBlue);
    const TRect used = bog.SkrivTekst(got.Canvas(), Rect(5, 4, 70, 26), f, s, 0);
    EXPECT_EQ(used, Rect(6, 5, 71, 27)); // the shadow's rectangle
    Draw(want, f, clWhite, 6, 5, s);
    Draw(want, f, clGray, 5, 4, s);
    EXPECT_TRUE(Same(got, want));
    EXPECT_FALSE(bog.SkyggeTekst()); // only for that call

    // Without SkyggeInaktiv a disabled caption is plain grey.
    bog.SetSkyggeInaktiv(false);
    TBitmap plain = Blank(80, 30, clBlue), plainWant = Blank(80, 30, clBlue);
    EXPECT_EQ(bog.SkrivTekst(plain.Canvas(), Rect(5, 4, 70, 26), f, s, 0), Rect(5, 4, 70, 26));
    Draw(plainWant, f, clGray, 5, 4, s);
    EXPECT_TRUE(Same(plain, plainWant));
}

TEST(TekstX, StatesPickTheirColourAndPressedStatesShiftTheText)
{
    const TFont f = Sans();
    const QString s = QStringLiteral("Ok");
    TTekstX bog;
    bog.SetFarveNormal(clBlack);
    bog.SetFarveAktiv(clRed);
    bog.SetFarveOver(clGreen);
    const TRect R = Rect(10, 10, 60, 40);
    for (int state : {1, 2, 3, 4}) {
        TBitmap got = Blank(80, 60);
        const TRect used = bog.SkrivTekst(got.Canvas(), R, f, s, state);
        const bool pressed = state == 2 || state == 4;
        const TRect inner = pressed ? OffsetRect(R, 1, 1) : R;
        EXPECT_EQ(used, inner);
        const TColor colour = state == 1 ? clBlack : pressed ? clRed : clGreen;
        TBitmap want = Blank(80, 60);
        Draw(want, f, colour, inner.Left + (50 - WidthOf(f, s)) / 2, inner.Top + (30 - HeightOf(f)) / 2, s);
        EXPECT_TRUE(Same(got, want)) << state;
    }
}

TEST(TekstX, VerticalTextStacksCharactersAndHalvesSpaces)
{
    const TFont f = Mono();
    const int ch = HeightOf(f), aw = WidthOf(f, QStringLiteral("A"));
    TTekstX bog;
    bog.SetLodretTekst(true);
    bog.SetAlignLodret(alOppe);
    const TRect R = Rect(10, 5, 40, 5 + 6 * ch);
    TBitmap got = Blank(60, 7 * ch + 10), want = Blank(60, 7 * ch + 10);
    bog.SkrivTekst(got.Canvas(), R, f, QStringLiteral("AB CD"), 1);
    const int x = 10 + (30 - aw) / 2;
    Draw(want, f, clBlack, x, 5, QStringLiteral("A"));
    Draw(want, f, clBlack, x, 5 + ch, QStringLiteral("B"));
    Draw(want, f, clBlack, x, 5 + 2 * ch + ch / 2, QStringLiteral("C"));
    Draw(want, f, clBlack, x, 5 + 3 * ch + ch / 2, QStringLiteral("D"));
    EXPECT_TRUE(Same(got, want));

    // Centred vertically on the stack height; bottom-aligned, the stack ends at the bottom.
    for (TAlignLodretX al : {alCentrer, alNede}) {
        bog.SetAlignLodret(al);
        bog.SetAlignVandret(avVenstre);
        TBitmap g = Blank(60, 7 * ch + 10), w = Blank(60, 7 * ch + 10);
        bog.SkrivTekst(g.Canvas(), R, f, QStringLiteral("A B"), 1);
        const int stack = 2 * ch + ch / 2;
        const int y = al == alCentrer ? R.Top + (R.Height() - stack) / 2 : R.Bottom - stack;
        Draw(w, f, clBlack, 10, y, QStringLiteral("A"));
        Draw(w, f, clBlack, 10, y + ch + ch / 2, QStringLiteral("B"));
        EXPECT_TRUE(Same(g, w)) << al;
    }
}

TEST(TekstX, VerticalTextStopsAtTheBottom)
{
    const TFont f = Mono();
    const int ch = HeightOf(f);
    TTekstX bog;
    bog.SetLodretTekst(true);
    bog.SetAlignLodret(alOppe);
    bog.SetAlignVandret(avVenstre);
    TBitmap got = Blank(40, 8 * ch), want = Blank(40, 8 * ch);
    bog.SkrivTekst(got.Canvas(), Rect(5, 0, 35, 2 * ch + ch / 2), f, QStringLiteral("ABCDE"), 1);
    Draw(want, f, clBlack, 5, 0, QStringLiteral("A"));
    Draw(want, f, clBlack, 5, ch, QStringLiteral("B"));
    EXPECT_TRUE(Same(got, want));
}

TEST(TekstX, WordWrapBreaksAtSpacesAndLeavesOutLinesBelowTheBottom)
{
    const TFont f = Mono();
    const int cw = WidthOf(f, QStringLiteral("M")), h = HeightOf(f);
    TTekstX bog;
    bog.SetOpdelTekst(true);
    bog.SetLinieAfstand(2);
    // Room for five characters: the space is dropped and the second word goes down.
    const TRect R = Bounds(4, 3, 5 * cw, 2 * h + 2);
    TBitmap got = Blank(100, 5 * h), want = Blank(100, 5 * h);
    bog.SkrivTekst(got.Canvas(), R, f, QStringLiteral("abc def ghi"), 1);
    Draw(want, f, clBlack, 4, 3, QStringLiteral("abc"));
    Draw(want, f, clBlack, 4, 3 + h + 2, QStringLiteral("def"));
    EXPECT_TRUE(Same(got, want)); // "ghi" would end below R

    // A text that fits is written at the top-left corner whatever the alignment.
    bog.SetAlignVandret(avHojre);
    bog.SetAlignLodret(alNede);
    TBitmap fits = Blank(100, 5 * h), fitsWant = Blank(100, 5 * h);
    bog.SkrivTekst(fits.Canvas(), R, f, QStringLiteral("ab cd"), 1);
    Draw(fitsWant, f, clBlack, 4, 3, QStringLiteral("ab cd"));
    EXPECT_TRUE(Same(fits, fitsWant));
}

TEST(TekstX, WordWrapOfAWordWiderThanTheLineEnds)
{
    const TFont f = Mono();
    const int cw = WidthOf(f, QStringLiteral("M")), h = HeightOf(f);
    TTekstX bog;
    bog.SetOpdelTekst(true);
    bog.SetLinieAfstand(-h); // lines that do not advance must not loop forever
    TBitmap got = Blank(100, 40);
    bog.SkrivTekst(got.Canvas(), Bounds(0, 0, 3 * cw, 30), f, QStringLiteral("abcdefghij"), 1);
    bog.SkrivTekst(got.Canvas(), Bounds(0, 0, 2, 30), f, QStringLiteral("abc def"), 1);
    EXPECT_FALSE(Ink(got).IsEmpty());

    // Without the negative space the long word is broken into lines of three.
    bog.SetLinieAfstand(0);
    TBitmap g = Blank(100, 5 * h), w = Blank(100, 5 * h);
    bog.SkrivTekst(g.Canvas(), Bounds(0, 0, 3 * cw, 4 * h), f, QStringLiteral("abcdefghij"), 1);
    Draw(w, f, clBlack, 0, 0, QStringLiteral("abc"));
    Draw(w, f, clBlack, 0, h, QStringLiteral("def"));
    Draw(w, f, clBlack, 0, 2 * h, QStringLiteral("ghi"));
    Draw(w, f, clBlack, 0, 3 * h, QStringLiteral("j"));
    EXPECT_TRUE(Same(g, w));
}

TEST(TekstX, AcceleratorMarkIsLeftOutAndUnderlinesTheNextCharacter)
{
    const TFont f = Sans();
    TTekstX bog;
    bog.SetGenkey(true);
    bog.SetAlignVandret(avVenstre);
    bog.SetAlignLodret(alOppe);
    TBitmap got = Blank(100, 30), want = Blank(100, 30);
    TCanvas& c = got.Canvas();
    bog.SkrivTekst(c, Rect(5, 5, 95, 25), f, QStringLiteral("&Filer"), 1);
    const int x = 5 + WidthOf(f, QStringLiteral("&")) / 2;
    Draw(want, f, clBlack, x, 5, QStringLiteral("F"), true);
    int cx = x + WidthOf(f, QStringLiteral("F"));
    for (QChar ch : QStringLiteral("iler")) {
        Draw(want, f, clBlack, cx, 5, QString(ch));
        cx += WidthOf(f, QString(ch));
    }
    EXPECT_TRUE(Same(got, want));
    EXPECT_FALSE(c.Font.Style.Contains(fsUnderline));
}

TEST(TekstX, SettersThatRepaintFireOnChange)
{
    TTekstX bog;
    int changes = 0;
    bog.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &bog);
        ++changes;
    };
    bog.SetMargenVenstre(1);
    bog.SetMargenOppe(1);
    bog.SetMargenHojre(1);
    bog.SetMargenNede(1);
    bog.SetAlignVandret(avHojre);
    bog.SetAlignLodret(alNede);
    bog.SetLinieAfstand(2);
    bog.SetGenkey(true);
    bog.SetLodretTekst(false);
    bog.SetOpdelTekst(false);
    bog.SetFarveNormal(1);
    bog.SetFarveAktiv(2);
    bog.SetFarveOver(3);
    bog.SetFarveInaktiv(4);
    bog.SetFarveSkygge(5);
    bog.SetSkyggeTekst(true);
    bog.SetSkyggeDybdeL(2);
    bog.SetSkyggeDybdeV(2);
    EXPECT_EQ(changes, 18);
    bog.SetAktivVandret(3);
    bog.SetAktivLodret(3);
    bog.SetSkyggeInaktiv(false);
    EXPECT_EQ(changes, 18);

    TBitmap b = Blank(50, 20);
    bog.SkrivTekst(b.Canvas(), Rect(0, 0, 50, 20), Sans(), QStringLiteral("x"), 1);
    EXPECT_EQ(changes, 19);
    // An empty text draws nothing, fires nothing and returns the rectangle.
    const TBitmap before = b;
    EXPECT_EQ(bog.SkrivTekst(b.Canvas(), Rect(3, 4, 50, 20), Sans(), QString(), 1), Rect(3, 4, 50, 20));
    EXPECT_EQ(changes, 19);
    EXPECT_TRUE(Same(b, before));
}

TEST(TekstX, WritingKeepsTheCallersBrush)
{
    TTekstX bog;
    TBitmap b = Blank(60, 20);
    b.Canvas().Brush = {clRed, bsCross};
    for (bool lodret : {false, true}) {
        for (bool opdel : {false, true}) {
            bog.SetLodretTekst(lodret);
            bog.SetOpdelTekst(opdel);
            bog.SkrivTekst(b.Canvas(), Rect(0, 0, 60, 20), Sans(), QStringLiteral("ab cd ef"), 1);
            EXPECT_EQ(b.Canvas().Brush.Style, bsCross);
            EXPECT_EQ(b.Canvas().Brush.Color, clRed);
        }
    }
}

TEST(TekstX, DegenerateRectanglesAndMissingFontsAreHarmless)
{
    TTekstX plain;
    plain.SkrivNormalTekst(QStringLiteral("no canvas yet"));
    plain.SkrivLodretTekst(QStringLiteral("no canvas yet"));
    plain.SkrivOpdelTekst(QStringLiteral("no canvas yet"));
    TFont missing;
    missing.Name = QStringLiteral("No Such Font Family 123");
    TBitmap b = Blank(40, 40);
    for (bool lodret : {false, true}) {
        for (bool opdel : {false, true}) {
            TTekstX bog;
            bog.SetLodretTekst(lodret);
            bog.SetOpdelTekst(opdel);
            bog.SetMargenVenstre(30);
            for (const TRect& R : {Rect(10, 10, 10, 10), Rect(30, 30, 5, 5), Rect(-20, -20, -5, -5)}) {
                bog.SkrivTekst(b.Canvas(), R, Sans(), QStringLiteral("a b c"), 1);
                bog.SkrivTekst(b.Canvas(), R, missing, QStringLiteral("a b c"), 1);
            }
        }
    }
    // An unknown family falls back to an installed font and still measures.
    EXPECT_GT(WidthOf(missing, QStringLiteral("abc")), 0);
}

TEST(TekstXCanvas, ForgetsACanvasThatNoLongerExists)
{
    TTekstX layout;
    {
        TBitmap b(100, 30);
        TFont f;
        layout.SkrivTekst(b.Canvas(), Rect(0, 0, 100, 30), f, QStringLiteral("Malvo"), 1);
        EXPECT_EQ(layout.Canvas(), &b.Canvas());
    }
    // The bitmap is gone: the layout must not measure or draw with its canvas.
    EXPECT_EQ(layout.Canvas(), nullptr);
    EXPECT_EQ(layout.AfkortTekst(QStringLiteral("a long text that would need shortening")),
              QStringLiteral("a long text that would need shortening"));
}
