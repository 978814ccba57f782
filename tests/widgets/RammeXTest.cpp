#include "platform/Bitmap.h"
#include "widgets/RammeX.h"
#include <gtest/gtest.h>
#include <climits>
#include <vector>

namespace {
constexpr TColor kLys = clYellow;
constexpr TColor kSkygge = clBlue;
constexpr TColor kRamme = clRed;
constexpr TColor kAktiv = clLime;
constexpr TColor kOver = clFuchsia;
constexpr TColor kUaktiv = clTeal;
constexpr TColor kFelt = clSilver;
constexpr TColor kOmrids = clBlack;

// A painter with a distinct colour for every role.
template <typename T = TRammeX>
void Colour(T& f)
{
    f.SetFarveLys(kLys);
    f.SetFarveSkygge(kSkygge);
    f.SetFarveRamme(kRamme);
    f.SetFarveAktiv(kAktiv);
    f.SetFarveOver(kOver);
    f.SetFarveUaktiv(kUaktiv);
    f.SetFarveFelt(kFelt);
    f.SetFarveOmrids(kOmrids);
}

struct Ring {
    TColor A, B;
    bool operator==(const Ring&) const = default;
};
const Ring Raised{kLys, kSkygge};
const Ring Sunken{kSkygge, kLys};
const Ring Flat{kRamme, kRamme};

std::ostream& operator<<(std::ostream& os, const Ring& r)
{
    return os << "{" << std::hex << r.A << ", " << r.B << "}";
}

// Ring k (0 at the outside) of a frame painted on the inclusive rectangle R: colour A on the
// left and top edges and the bottom-left corner, colour B on the right and bottom edges and
// the top-right corner. A ring whose sides disagree reads as {-2, -2}.
Ring RingAt(const TBitmap& b, const TRect& R, int k)
{
    const TCanvas& c = b.Canvas();
    const int L = R.Left + k, T = R.Top + k, Ri = R.Right - k, B = R.Bottom - k;
    const int mx = (R.Left + R.Right) / 2, my = (R.Top + R.Bottom) / 2;
    const TColor a = c.Pixels(L, my), bb = c.Pixels(Ri, my);
    const bool same = c.Pixels(mx, T) == a && c.Pixels(L, B) == a && c.Pixels(L, T) == a &&
                      c.Pixels(mx, B) == bb && c.Pixels(Ri, T) == bb && c.Pixels(Ri, B) == bb;
    return same ? Ring{a, bb} : Ring{-2, -2};
}

bool SamePixels(const TBitmap& a, const TBitmap& b)
{
    return a.Image() == b.Image();
}

std::vector<Ring> Rings(const TBitmap& b, const TRect& R, int n)
{
    std::vector<Ring> rings;
    for (int k = 0; k < n; ++k)
        rings.push_back(RingAt(b, R, k));
    return rings;
}

const TRect kR = Rect(2, 3, 21, 18); // inclusive: 20 x 16 pixels

TBitmap Paint(TRammeX& f, int tilstand = 1, bool focus = false, TRect R = kR)
{
    TBitmap b(24, 22);
    f.MakeRamme(b.Canvas(), R, tilstand, focus);
    return b;
}
} // namespace

TEST(RammeX, SystemColoursOfTheDefaultBevelResolve)
{
    TRammeX f;
    f.SetArt(rtUd);
    const TBitmap b = Paint(f);
    EXPECT_EQ(RingAt(b, kR, 0), (Ring{ColorToRGB(clBtnHighlight), ColorToRGB(clBtnShadow)}));
    EXPECT_EQ(b.Canvas().Pixels(10, 10), ColorToRGB(clBtnFace));
}

TEST(RammeX, RingsOfTheFlatRaisedAndSunkenKinds)
{
    struct Case {
        TRammeXType art;
        int bredde, dybde;
        std::vector<Ring> rings;
    };
    const Case cases[] = {
        {rtIngen, 3, 0, {Flat, Flat, Flat}},
        {rtIngen, 3, 1, {Flat, Flat, Flat}},
        {rtUd, 2, 0, {Raised, Raised}},
        {rtInd, 2, 0, {Sunken, Sunken}},
        {rtUd, 4, 1, {Raised, Flat, Flat, Sunken}},
        {rtInd, 4, 1, {Sunken, Flat, Flat, Raised}},
        {rtUd, 5, 2, {Raised, Raised, Flat, Sunken, Sunken}},
        // Depth beyond half the width: the outer rule wins where both apply.
        {rtUd, 3, 2, {Raised, Raised, Sunken}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Art " << c.art << " Bredde " << c.bredde << " Dybde " << c.dybde);
        TRammeX f;
        Colour(f);
        f.SetArt(c.art);
        f.SetBredde(c.bredde);
        f.SetBreddeDybde(c.dybde);
        const TBitmap b = Paint(f);
        EXPECT_EQ(Rings(b, kR, c.bredde), c.rings);
        // Inside the rings the background; outside R nothing.
        EXPECT_EQ(RingAt(b, kR, c.bredde), (Ring{kFelt, kFelt}));
        EXPECT_EQ(b.Canvas().Pixels(kR.Left - 1, 10), clWhite);
        EXPECT_EQ(b.Canvas().Pixels(kR.Right + 1, 10), clWhite);
        EXPECT_EQ(b.Canvas().Pixels(10, kR.Bottom + 1), clWhite);
    }
}

TEST(RammeX, RibbedKindsDrawWholeRibs)
{
    struct Case {
        TRammeXType art;
        int bredde, rifler, dybde;
        std::vector<Ring> rings;
    };
    const Case cases[] = {
        // The last rib passes the width: four rings for a width of three.
        {rtRifletUd, 3, 1, 1, {Raised, Sunken, Raised, Sunken}},
        {rtRifletInd, 3, 1, 1, {Sunken, Raised, Sunken, Raised}},
        {rtRifletUd, 4, 4, 1, {Raised, Flat, Flat, Sunken}},
        {rtRifletInd, 5, 3, 1, {Sunken, Flat, Raised, Sunken, Flat, Raised}},
        // No depth or no rib width: n flat rings.
        {rtRifletUd, 3, 2, 0, {Flat, Flat, Flat}},
        {rtRifletInd, 2, 0, 1, {Sunken, Flat, Flat, Raised}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Art " << c.art << " Bredde " << c.bredde << " Rifler " << c.rifler
                                        << " Dybde " << c.dybde);
        TRammeX f;
        Colour(f);
        f.SetArt(c.art);
        f.SetBredde(c.bredde);
        f.SetBreddeRifler(c.rifler);
        f.SetBreddeDybde(c.dybde);
        const TBitmap b = Paint(f);
        const int n = int(c.rings.size());
        EXPECT_EQ(Rings(b, kR, n), c.rings);
        EXPECT_EQ(RingAt(b, kR, n), (Ring{kFelt, kFelt}));
    }
}

TEST(RammeX, StateChoosesKindAndFlatColour)
{
    TRammeX f;
    Colour(f);
    f.SetArt(rtIngen);
    f.SetArtUaktiv(rtIngen);
    f.SetReaktionNede(rtIngen);
    f.SetReaktionOver(rtIngen);
    const std::pair<int, TColor> flats[] = {{1, kRamme}, {2, kAktiv}, {4, kAktiv}, {3, kOver},
                                            {0, kUaktiv}, {5, kUaktiv}, {-1, kUaktiv}};
    for (const auto& [tilstand, colour] : flats) {
        SCOPED_TRACE(tilstand);
        EXPECT_EQ(RingAt(Paint(f, tilstand), kR, 0), (Ring{colour, colour}));
    }

    // Pressed shows the press reaction although the normal kind is raised.
    f.SetArt(rtUd);
    f.SetReaktionNede(rtInd);
    f.SetReaktionOver(rtRifletUd);
    f.SetArtUaktiv(rtInd);
    f.SetBreddeDybde(1);
    f.SetBreddeRifler(1);
    EXPECT_EQ(RingAt(Paint(f, 1), kR, 0), Raised);
    EXPECT_EQ(RingAt(Paint(f, 2), kR, 0), Sunken);
    EXPECT_EQ(RingAt(Paint(f, 4), kR, 0), Sunken);
    EXPECT_EQ(Rings(Paint(f, 3), kR, 2), (std::vector<Ring>{Raised, Sunken}));
    EXPECT_EQ(RingAt(Paint(f, 0), kR, 0), Sunken);
}

TEST(RammeX, FocusAddsARingAndTheOutlineOnlyWithFocusRamme)
{
    TRammeX f;
    Colour(f);
    f.SetArt(rtUd);
    f.SetBredde(2);
    // Without FocusRamme the focus changes nothing.
    EXPECT_TRUE(SamePixels(Paint(f, 1, true), Paint(f, 1, false)));

    f.SetFocusRamme(true);
    const TBitmap plain = Paint(f, 1, false);
    EXPECT_EQ(Rings(plain, kR, 3), (std::vector<Ring>{Raised, Raised, Ring{kFelt, kFelt}}));

    // Focused: three raised rings, the outermost covered by the outline around R.
    const TBitmap focused = Paint(f, 1, true);
    EXPECT_EQ(Rings(focused, kR, 4), (std::vector<Ring>{Ring{kOmrids, kOmrids}, Raised, Raised, Ring{kFelt, kFelt}}));
    EXPECT_EQ(focused.Canvas().Pixels(kR.Right + 1, 10), clWhite);
    EXPECT_EQ(focused.Canvas().Pixels(10, kR.Bottom + 1), clWhite);
}

TEST(RammeX, BackgroundFillAndOutline)
{
    TRammeX f;
    Colour(f);
    f.SetBredde(0);
    // The background is a rectangle of corners (Left, Top) and (Right, Bottom): the last
    // column and row are the rings' business.
    TBitmap b = Paint(f);
    EXPECT_EQ(b.Canvas().Pixels(kR.Left, kR.Top), kFelt);
    EXPECT_EQ(b.Canvas().Pixels(kR.Right - 1, kR.Bottom - 1), kFelt);
    EXPECT_EQ(b.Canvas().Pixels(kR.Right, 10), clWhite);
    EXPECT_EQ(b.Canvas().Pixels(10, kR.Bottom), clWhite);

    f.SetMedFeltFarve(false);
    f.SetBredde(1);
    b = Paint(f);
    EXPECT_EQ(RingAt(b, kR, 0), Flat);
    EXPECT_EQ(b.Canvas().Pixels(10, 10), clWhite);

    // The outline lies on R's outer ring, and the brush is solid again afterwards.
    f.SetMedOmrids(true);
    f.SetBredde(2);
    TBitmap o(24, 22);
    o.Canvas().Brush.Style = bsClear;
    f.MakeRamme(o.Canvas(), kR, 1, false);
    EXPECT_EQ(Rings(o, kR, 2), (std::vector<Ring>{Ring{kOmrids, kOmrids}, Flat}));
    EXPECT_EQ(o.Canvas().Brush.Style, bsSolid);
    EXPECT_EQ(o.Canvas().Pen.Width, 1);
}

TEST(RammeX, ListLookFillsWithTheStateColour)
{
    TRammeFeltX f;
    Colour(f);
    f.SetSomListe(true);
    f.SetMedFeltFarve(false);
    f.SetReaktionOver(rtIngen);
    TBitmap b = Paint(f, 3);
    EXPECT_EQ(b.Canvas().Pixels(10, 10), kOver);
    b = Paint(f, 0);
    EXPECT_EQ(b.Canvas().Pixels(10, 10), kUaktiv);

    // KunRamme never uses the list fill, only FarveFelt when MedFeltFarve is set.
    TBitmap k(24, 22);
    f.KunRamme(k.Canvas(), kR);
    EXPECT_EQ(k.Canvas().Pixels(10, 10), clWhite);
    f.SetMedFeltFarve(true);
    f.KunRamme(k.Canvas(), kR);
    EXPECT_EQ(k.Canvas().Pixels(10, 10), kFelt);
}

TEST(RammeX, KunRammeIsTheNormalStateWithoutFocus)
{
    TRammeX f;
    Colour(f);
    f.SetArt(rtInd);
    f.SetBredde(2);
    f.SetFocusRamme(true);
    f.SetReaktionNede(rtUd);
    TBitmap b(24, 22);
    f.KunRamme(b.Canvas(), kR);
    EXPECT_EQ(Rings(b, kR, 3), (std::vector<Ring>{Sunken, Sunken, Ring{kFelt, kFelt}}));

    f.SetArt(rtIngen);
    f.SetMedOmrids(true);
    f.KunRamme(b.Canvas(), kR);
    EXPECT_EQ(Rings(b, kR, 2), (std::vector<Ring>{Ring{kOmrids, kOmrids}, Flat}));
}

TEST(RammeX, RingsStopWhereTheRectangleIsUsedUp)
{
    TRammeX f;
    Colour(f);
    f.SetArt(rtUd);
    f.SetBredde(100);
    TBitmap b(6, 6);
    f.MakeRamme(b.Canvas(), Rect(0, 0, 5, 5), 1, false);
    // Three rings fit a 6 x 6 frame; a fourth, crossed ring would repaint the third.
    EXPECT_EQ(b.Canvas().Pixels(2, 2), kLys);
    EXPECT_EQ(b.Canvas().Pixels(2, 3), kLys);
    EXPECT_EQ(b.Canvas().Pixels(3, 2), kSkygge);
    EXPECT_EQ(b.Canvas().Pixels(3, 3), kSkygge);

    // Absurd widths, depths and rectangles end at once and stay on the raster.
    for (TRammeXType art : {rtIngen, rtUd, rtInd, rtRifletUd, rtRifletInd}) {
        f.SetArt(art);
        f.SetBredde(INT_MAX);
        f.SetBreddeDybde(INT_MAX / 2);
        f.SetBreddeRifler(-5);
        TBitmap s(8, 8);
        f.MakeRamme(s.Canvas(), Rect(0, 0, 7, 7), 2, true);
        f.MakeRamme(s.Canvas(), Rect(5, 5, 1, 1), 1, false);
        f.MakeRamme(s.Canvas(), Rect(-100000, -100000, 100000, 100000), 1, false);
        f.SetBredde(-3);
        f.MakeRamme(s.Canvas(), Rect(0, 0, 7, 7), 1, false);
        TBitmap empty;
        f.MakeRamme(empty.Canvas(), Rect(0, 0, 7, 7), 1, true);
    }
}
