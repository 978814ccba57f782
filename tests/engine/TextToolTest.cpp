#include "PicFixture.h"
#include "widgets/TekstX.h"

// The text tool is checked against pictures drawn with the canvas's own text output at the
// positions the layout must choose, with the fonts installed on the machine.

namespace {
TFont Courier(int px)
{
    TFont f;
    f.Name = QStringLiteral("Courier New");
    f.SetHeight(-px);
    f.Style.Include(fsBold);
    return f;
}

// A picture component set up as the document window sets it up for text.
struct TextPic {
    TTekstX bog;
    std::unique_ptr<TImagePic> pic;

    explicit TextPic(TBitmap picture)
    {
        bog.SetAlignVandret(avVenstre);
        bog.SetAlignLodret(alOppe);
        pic = std::make_unique<TImagePic>();
        pic->SetAutoDim(true);
        pic->SetPicture(picture);
        pic->SetTekstBog(&bog);
        pic->SetFont(Courier(13));
        pic->SetMerFont(Courier(11));
        pic->SetPenColor(clBlue);
        pic->SetBrushColor(clRed);
        pic->SetToolNr(40);
    }
    TImagePic* operator->() { return pic.get(); }

    int Width(const QString& s, bool mer = false) const { return Measure(mer).TextWidth(s); }
    int Height(bool mer = false) const { return Measure(mer).TextHeight(QStringLiteral("Fbjkgf")); }
    int Lh() const { return Height() + bog.LinieAfstand(); }

    void Drag(TPoint from, TPoint to)
    {
        pic->MouseDown(mbLeft, {}, from.X, from.Y);
        pic->MouseMove({}, (from.X + to.X) / 2, (from.Y + to.Y) / 2);
        pic->MouseMove({}, to.X, to.Y);
        pic->MouseUp(mbLeft, {}, to.X, to.Y);
    }

private:
    TCanvas& Measure(bool mer) const
    {
        static TBitmap b(1, 1);
        b.Canvas().Font = mer ? pic->MerFont() : pic->Font();
        return b.Canvas();
    }
};

void Draw(TBitmap& b, TFont f, TColor colour, int x, int y, const QString& s)
{
    TCanvas& c = b.Canvas();
    f.Color = colour;
    c.Font = f;
    c.Brush.Style = bsClear;
    c.TextOut(x, y, s);
    c.Brush.Style = bsSolid;
}

// True when the two rasters differ only inside r.
bool SameOutside(const TBitmap& a, const TBitmap& b, const TRect& r)
{
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (!r.Contains(x, y) && a.Canvas().Pixels(x, y) != b.Canvas().Pixels(x, y))
                return false;
    return true;
}

int CountOf(const TBitmap& b, TColor c)
{
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            n += b.Canvas().Pixels(x, y) == c;
    return n;
}
} // namespace

TEST(TextTool, DragWritesTheLinesAtTheCornerAndUndoRestores)
{
    TextPic t(PatternPicture(200, 100));
    t->SetTekstListe({QStringLiteral("Malvo"), QStringLiteral("tekst")});
    const TBitmap before = t->Picture();
    t.Drag({150, 80}, {20, 10}); // dragged up and to the left: the rectangle is ordered first

    TBitmap want = before;
    Draw(want, Courier(13), clBlue, 20, 10, QStringLiteral("Malvo"));
    Draw(want, Courier(13), clBlue, 20, 10 + t.Lh(), QStringLiteral("tekst"));
    EXPECT_TRUE(SamePixels(t->Picture(), want));
    EXPECT_TRUE(ViewShowsPicture(*t.pic));
    EXPECT_EQ(t->InfoString(), QStringLiteral("Annuller tekst"));
    EXPECT_TRUE(t->Modified());
    EXPECT_EQ(t->Canvas().Pen.Mode, pmCopy);
    EXPECT_EQ(t.bog.FarveNormal(), clBlue);
    EXPECT_EQ(t.bog.FarveSkygge(), clRed);

    // The focus reaches 2 pixels left of and above the text and 6 right of and below it.
    const TRect focus = Rect(18, 8, 20 + t.Width(QStringLiteral("Malvo")) + 6, 10 + 2 * t.Lh() + 6);
    EXPECT_EQ(t->FR, focus);
    EXPECT_EQ(Rect(t->X1, t->Y1, t->X2, t->Y2), focus);

    t->Undo();
    EXPECT_TRUE(SamePixels(t->Picture(), before));
    EXPECT_TRUE(ViewShowsPicture(*t.pic));
}

TEST(TextTool, ChangesPixelsOnlyInsideTheChangedRectangleWhichCoversAllItWrote)
{
    // Long lines, an extra text raised above the first line, a shadow, and a font whose
    // height does not fit the rectangle: the text reaches beyond the dragged rectangle, and
    // the changed rectangle (the focus that the release reports) covers every pixel.
    TextPic t(PatternPicture(260, 90));
    t->SetTekstListe({QStringLiteral("A very long first line of text"), QStringLiteral("Wide WWWWWWWWWWWWWWW"),
                      QStringLiteral("third")});
    t->SetAnvendMerFont(true);
    t->SetMerTekst({QStringLiteral("2"), QStringLiteral("x"), QStringLiteral("yyyyyyyyyyyyyyyyyy")});
    t.bog.SetSkyggeTekst(true);
    t->SetAutolinier(false);
    TPoint reported{-1000, -1000};
    t->OnPosition = [&](TObject*, int x, int y) { reported = {x, y}; };
    const TRect tool = Rect(30, 20, 110, 45);
    for (TAlignVandretX av : {avCentrer, avVenstre, avHojre}) {
        for (bool oneLine : {false, true}) {
            t.bog.SetAlignVandret(av);
            t->SetSomEnLinie(oneLine);
            const TBitmap before = t->Picture();
            t.Drag({tool.Left, tool.Top}, {tool.Right, tool.Bottom});
            EXPECT_FALSE(SamePixels(t->Picture(), before));
            EXPECT_FALSE(SameOutside(t->Picture(), before, tool)) << av << " " << oneLine;
            EXPECT_TRUE(SameOutside(t->Picture(), before, t->FR)) << av << " " << oneLine;
            EXPECT_EQ(reported, Point(t->FR.Left, t->FR.Top));
            EXPECT_TRUE(ViewShowsPicture(*t.pic));
            t->Undo();
            EXPECT_TRUE(SamePixels(t->Picture(), before));
            EXPECT_TRUE(ViewShowsPicture(*t.pic));
        }
    }
}

TEST(TextTool, ASuperscriptOnTheFirstLineIsWrittenWhole)
{
    // "E=mc" with the extra text "2" four pixels above the line's top (the default offset).
    for (int top : {10, 0, 2}) {
        TextPic t(PatternPicture(160, 60));
        t->SetAnvendMerFont(true);
        t->SetTekstListe({QStringLiteral("E=mc")});
        t->SetMerTekst({QStringLiteral("2")});
        EXPECT_EQ(t->MerForskydning(), -4);
        const TBitmap before = t->Picture();
        t.Drag({10, top}, {150, top + 40});
        TBitmap want = before;
        Draw(want, Courier(13), clBlue, 10, top, QStringLiteral("E=mc"));
        Draw(want, Courier(11), clBlue, 10 + t.Width(QStringLiteral("E=mc")), top - 4, QStringLiteral("2"));
        EXPECT_TRUE(SamePixels(t->Picture(), want)) << top; // above the picture's top the raster clips
        EXPECT_TRUE(ViewShowsPicture(*t.pic));
        EXPECT_TRUE(SameOutside(t->Picture(), before, t->FR));
        EXPECT_LE(t->FR.Top, top - 2);
        t->Undo();
        EXPECT_TRUE(SamePixels(t->Picture(), before));
        EXPECT_TRUE(ViewShowsPicture(*t.pic));
    }
}

TEST(TextTool, ALineWiderThanTheRectangleIsWrittenInFullWithItsExtraText)
{
    TextPic t(TBitmap(240, 60));
    t->SetAnvendMerFont(true);
    t->SetTekstListe({QStringLiteral("abcdefghijklmnop"), QStringLiteral("abc")});
    t->SetMerTekst({QStringLiteral("2"), QString()});
    const int cw = t.Width(QStringLiteral("M"));
    const TRect tool = Bounds(10, 5, 8 * cw + 3, 40);
    t.Drag({tool.Left, tool.Top}, {tool.Right, tool.Bottom});
    const int w = t.Width(QStringLiteral("abcdefghijklmnop")), mw = t.Width(QStringLiteral("2"), true);
    ASSERT_GT(10 + w, tool.Right);
    TBitmap want(240, 60);
    Draw(want, Courier(13), clBlue, 10, 5, QStringLiteral("abcdefghijklmnop"));
    Draw(want, Courier(11), clBlue, 10 + w, 1, QStringLiteral("2"));
    Draw(want, Courier(13), clBlue, 10, 5 + t.Lh(), QStringLiteral("abc"));
    EXPECT_TRUE(SamePixels(t->Picture(), want));
    EXPECT_TRUE(ViewShowsPicture(*t.pic));
    EXPECT_EQ(t->FR.Right, 10 + w + mw + 6); // the extra text's end, far beyond the rectangle
    t->Undo();
    EXPECT_TRUE(SamePixels(t->Picture(), TBitmap(240, 60)));
    EXPECT_TRUE(ViewShowsPicture(*t.pic));
}

TEST(TextTool, AutolinierLeavesOutLinesBelowTheRectangle)
{
    TextPic t(TBitmap(120, 200));
    QStringList lines;
    for (int k = 0; k < 10; ++k)
        lines << QStringLiteral("L%1").arg(k);
    t->SetTekstListe(lines);
    const int lh = t.Lh();
    const TRect tool = Bounds(5, 7, 100, 6 * lh + lh / 2);
    t.Drag({tool.Left, tool.Top}, {tool.Right, tool.Bottom});
    TBitmap want(120, 200);
    for (int k = 0; k < 6; ++k)
        Draw(want, Courier(13), clBlue, 5, 7 + k * lh, lines[k]);
    EXPECT_TRUE(SamePixels(t->Picture(), want));
    EXPECT_EQ(t->FR.Bottom, 7 + 6 * lh + 6);
}

TEST(TextTool, AutolinierPlacesTheBlockByTheVerticalAlignment)
{
    for (TAlignLodretX al : {alCentrer, alOppe, alNede}) {
        TextPic t(TBitmap(120, 140));
        t.bog.SetAlignLodret(al);
        t.bog.SetLinieAfstand(3);
        t->SetTekstListe({QStringLiteral("one"), QStringLiteral("two")});
        const int lh = t.Lh();
        const TRect tool = Rect(10, 20, 110, 120);
        t.Drag({tool.Left, tool.Top}, {tool.Right, tool.Bottom});
        const int top = al == alCentrer ? 20 + (100 - 2 * lh) / 2 : al == alOppe ? 20 : 120 - 2 * lh;
        // Each line's rectangle is lh high; the text sits in it by the same alignment.
        const int in = al == alCentrer ? (lh - t.Height()) / 2 : al == alOppe ? 0 : lh - t.Height();
        TBitmap want(120, 140);
        Draw(want, Courier(13), clBlue, 10, top + in, QStringLiteral("one"));
        Draw(want, Courier(13), clBlue, 10, top + lh + in, QStringLiteral("two"));
        EXPECT_TRUE(SamePixels(t->Picture(), want)) << al;
        // Separate lines keep the rectangle's top for the focus.
        EXPECT_EQ(t->FR.Top, 18);
        EXPECT_EQ(t->FR.Bottom, top + 2 * lh + 6);
    }
}

TEST(TextTool, WithoutAutolinierTheHeightIsSharedAmongTheLines)
{
    TextPic t(TBitmap(120, 140));
    t->SetAutolinier(false);
    const QStringList lines{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
    t->SetTekstListe(lines);
    t.Drag({10, 20}, {110, 120});
    TBitmap want(120, 140);
    for (int k = 0; k < 4; ++k)
        Draw(want, Courier(13), clBlue, 10, 20 + 25 * k, lines[k]);
    EXPECT_TRUE(SamePixels(t->Picture(), want));
}

TEST(TextTool, ExtraTextsFollowTheirLinesRaisedByTheOffset)
{
    TextPic t(TBitmap(160, 120));
    t.bog.SetAlignLodret(alNede);
    t->SetAnvendMerFont(true);
    t->SetTekstListe({QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("E=mc")});
    t->SetMerTekst({QStringLiteral("2"), QString(), QStringLiteral("2")});
    t.Drag({10, 10}, {150, 110});
    const int lh = t.Lh(), top = 110 - 3 * lh;
    TBitmap want(160, 120);
    Draw(want, Courier(13), clBlue, 10, top, QStringLiteral("x"));
    Draw(want, Courier(11), clBlue, 10 + t.Width(QStringLiteral("x")), top - 4, QStringLiteral("2"));
    Draw(want, Courier(13), clBlue, 10, top + lh, QStringLiteral("y")); // no extra text
    Draw(want, Courier(13), clBlue, 10, top + 2 * lh, QStringLiteral("E=mc"));
    Draw(want, Courier(11), clBlue, 10 + t.Width(QStringLiteral("E=mc")), top + 2 * lh - 4, QStringLiteral("2"));
    EXPECT_TRUE(SamePixels(t->Picture(), want));
}

TEST(TextTool, CentredPairsAreCentredOnTheMainText)
{
    TextPic t(TBitmap(160, 80));
    t.bog.SetAlignVandret(avCentrer);
    t->SetAnvendMerFont(true);
    t->SetMerForskydning(3);
    t->SetTekstListe({QStringLiteral("---"), QStringLiteral("abc")});
    t->SetMerTekst({QString(), QStringLiteral("22")});
    t.Drag({30, 10}, {150, 70});
    // The main rectangle of the second line moves left by the extra text's width, so the
    // pair starts left of the dragged rectangle, centred on the main text's own extent.
    const int w = t.Width(QStringLiteral("abc")), mw = t.Width(QStringLiteral("22"), true);
    const int y = 10 + t.Lh();
    TBitmap want(160, 80);
    Draw(want, Courier(13), clBlue, 30, 10, QStringLiteral("---"));
    Draw(want, Courier(13), clBlue, 30 - mw + mw / 2, y, QStringLiteral("abc"));
    Draw(want, Courier(11), clBlue, 30 - mw + w + mw / 2, y + 3, QStringLiteral("22"));
    EXPECT_TRUE(SamePixels(t->Picture(), want));
    EXPECT_TRUE(ViewShowsPicture(*t.pic));
    EXPECT_LE(t->FR.Left, InkBounds(t->Picture()).Left);
}

TEST(TextTool, MerTekstGrowsToTheLinesWritten)
{
    TextPic t(TBitmap(100, 100));
    t->SetTekstListe({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    t->SetAnvendMerFont(true);
    t.Drag({5, 5}, {95, 95});
    EXPECT_EQ(t->MerTekst(), QStringList(4, QString()));
    // An empty extra text adds nothing: the picture holds the main texts in the pen colour.
    EXPECT_EQ(CountOf(t->Picture(), clBlue) + CountOf(t->Picture(), clWhite), 100 * 100);
}

TEST(TextTool, OneLineCountsAllLinesVerticallyAndAlignsHorizontally)
{
    for (TAlignVandretX av : {avVenstre, avCentrer, avHojre}) {
        TextPic t(TBitmap(220, 120));
        t.bog.SetAlignLodret(alCentrer);
        t.bog.SetAlignVandret(av);
        t.bog.SetLinieAfstand(4);
        t->SetAnvendMerFont(true);
        t->SetSomEnLinie(true);
        const QStringList main{QStringLiteral("a"), QStringLiteral("bb"), QStringLiteral("c")};
        const QStringList mer{QStringLiteral("1"), QString(), QStringLiteral("3")};
        t->SetTekstListe(main);
        t->SetMerTekst(mer);
        t.Drag({10, 10}, {210, 110});
        const int lh = t.Lh();
        const int top = 10 + (100 - 3 * lh) / 2;
        int end = 10;
        for (int k = 0; k < 3; ++k)
            end += t.Width(main[k]) + t.Width(mer[k], true) + 4;
        const int d = av == avVenstre ? 0 : av == avCentrer ? (210 - end) / 2 : 210 - end;
        TBitmap want(220, 120);
        int x = 10 + d;
        for (int k = 0; k < 3; ++k) {
            Draw(want, Courier(13), clBlue, x, top + (lh - t.Height()) / 2, main[k]);
            x += t.Width(main[k]);
            Draw(want, Courier(11), clBlue, x, top - 4, mer[k]);
            x += t.Width(mer[k], true) + 4;
        }
        EXPECT_TRUE(SamePixels(t->Picture(), want)) << av;
        EXPECT_EQ(t->FR.Left, 10 + d - 2);
        EXPECT_EQ(t->FR.Top, top - 2);
        EXPECT_EQ(t->FR.Bottom, top + lh + 6);
    }
}

TEST(TextTool, ShadowInTheBrushColourWidensTheFocus)
{
    TextPic t(TBitmap(120, 60));
    t.bog.SetSkyggeTekst(true);
    t->SetTekstListe({QStringLiteral("Hej")});
    t.Drag({10, 10}, {110, 50});
    TBitmap want(120, 60);
    Draw(want, Courier(13), clRed, 11, 11, QStringLiteral("Hej"));
    Draw(want, Courier(13), clBlue, 10, 10, QStringLiteral("Hej"));
    EXPECT_TRUE(SamePixels(t->Picture(), want));
    // The shadow's rectangle reaches one pixel further; AktivVandret adds one more.
    EXPECT_EQ(t->FR, Rect(8, 8, 10 + t.Width(QStringLiteral("Hej")) + 1 + 1 + 6, 10 + t.Lh() + 1 + 6));
}

TEST(TextTool, MetaRuleWritesOnlyOnTheMetaColour)
{
    TBitmap half(120, 40);
    half.Canvas().Brush = {clGreen, bsSolid};
    half.Canvas().FillRect(Rect(0, 0, 60, 40));
    TextPic t(half);
    t->SetMetaMetode(mmFarve);
    t->SetMetaFarve(clWhite);
    t->SetTekstListe({QStringLiteral("MMMMMMMMMMMM")});
    t.Drag({5, 5}, {115, 35});
    TBitmap all(120, 40);
    Draw(all, Courier(13), clBlue, 5, 5, QStringLiteral("MMMMMMMMMMMM"));
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) {
            const TColor got = t->Picture().Canvas().Pixels(x, y);
            const bool ink = all.Canvas().Pixels(x, y) == clBlue;
            if (x < 60)
                ASSERT_EQ(got, clGreen) << x << "," << y;
            else
                ASSERT_EQ(got, ink ? clBlue : clWhite) << x << "," << y;
        }
    EXPECT_TRUE(ViewShowsPicture(*t.pic));
}

TEST(TextTool, MakeToolWritesIntoTheFocusWithItsOwnCaption)
{
    for (TSprogtype sprog : {stDansk, stEngelsk}) {
        TextPic t(PatternPicture(120, 60));
        t->SetSprog(sprog);
        t->SetTekstListe({QStringLiteral("Fokus")});
        const TBitmap before = t->Picture();
        t->NewFocusRect(15, 12, 110, 50);
        t->MakeTool(40, true);
        EXPECT_EQ(t->InfoString(), sprog == stDansk ? QStringLiteral("Annuller tekst") : QStringLiteral("Undo text"));
        TBitmap want = before;
        Draw(want, Courier(13), clBlue, 15, 12, QStringLiteral("Fokus"));
        EXPECT_TRUE(SamePixels(t->Picture(), want));
        EXPECT_TRUE(ViewShowsPicture(*t.pic));
        t->Undo();
        EXPECT_TRUE(SamePixels(t->Picture(), before));
    }
}

TEST(TextTool, NothingToWriteLeavesPictureAndRectangle)
{
    // An empty list, and a component without a layout object.
    for (bool withBog : {true, false}) {
        TextPic t(PatternPicture(80, 50));
        if (withBog)
            t->SetTekstListe({});
        else {
            t->SetTekstListe({QStringLiteral("x")});
            t->SetTekstBog(nullptr);
        }
        const TBitmap before = t->Picture();
        t.Drag({60, 40}, {10, 5});
        EXPECT_TRUE(SamePixels(t->Picture(), before));
        EXPECT_EQ(Rect(t->X1, t->Y1, t->X2, t->Y2), Rect(60, 40, 10, 5));
        // Nothing to write: the press takes no undo step.
        EXPECT_FALSE(t->CanUndo());
        EXPECT_NE(t->InfoString(), QStringLiteral("Annuller tekst"));
    }
}

TEST(TextTool, EmptyAndTinyRectanglesWriteNothingOutsideTheChangedRectangle)
{
    TextPic t(PatternPicture(80, 50));
    t->SetTekstListe({QStringLiteral("abc"), QStringLiteral("def")});
    t.bog.SetLinieAfstand(-40); // a line space that would make the lines collapse
    for (const TRect& r : {Rect(20, 20, 20, 20), Rect(20, 20, 23, 21), Rect(70, 40, 90, 60)}) {
        for (bool autolinier : {true, false}) {
            t->SetAutolinier(autolinier);
            const TBitmap before = t->Picture();
            t.Drag({r.Left, r.Top}, {r.Right, r.Bottom});
            EXPECT_TRUE(SameOutside(t->Picture(), before, t->FR));
            EXPECT_TRUE(ViewShowsPicture(*t.pic));
            t->Undo();
            EXPECT_TRUE(SamePixels(t->Picture(), before));
        }
    }
}
