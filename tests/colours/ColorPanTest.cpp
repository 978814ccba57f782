#include "colours/ColorPan.h"
#include "platform/Random.h"
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr TColor kBg = 0x405060;

// A panel of V x L visible fields of 10 x 10 pixels (no frames) over n fields, not painted yet.
std::unique_ptr<TColorPan> MakePan(int V, int L, int n)
{
    auto pan = std::make_unique<TColorPan>();
    pan->resize(V * 10 + 1, L * 10 + 1);
    pan->SetColor(kBg);
    pan->SetAntalVandret(V);
    pan->SetAntalLodret(L);
    pan->SetAntalIalt(n);
    return pan;
}

// The colour shown in the middle of visible field k.
TColor Shown(const TColorPan& pan, int k)
{
    const TRect r = pan.Felt(k)->IR;
    return pan.View().Canvas().Pixels((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

TPoint Centre(const TColorPan& pan, int k)
{
    const TRect r = pan.Felt(k)->IR;
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

TEST(ColorPan, APaintMakesTheRequestedPaletteOnceAndShowsIt)
{
    auto pan = MakePan(10, 2, 20);
    pan->SetFarvePal(cpStandard16);
    pan->Paint();
    EXPECT_EQ(pan->FarvePal(), cpSelvValgt);
    EXPECT_EQ(Shown(*pan, 0), clWhite);
    EXPECT_EQ(Shown(*pan, 6), clRed);
    EXPECT_EQ(pan->GetColor(16), clNone);
    EXPECT_EQ(Shown(*pan, 16), kBg); // empty fields show the background
    pan->FarveFelt(3, clBlue);
    pan->Paint(); // a self-chosen palette stays
    EXPECT_EQ(Shown(*pan, 3), clBlue);
    pan->SetFarvePal(cpIngen); // a different kind repaints at once
    EXPECT_EQ(pan->GetColor(0), clNone);
    EXPECT_EQ(Shown(*pan, 0), kBg);
}

TEST(ColorPan, IntervalRainbowAndSortedKinds)
{
    auto pan = MakePan(10, 1, 10);
    pan->SetFarve(clBlack);
    pan->SetFarveBg(clWhite);
    pan->SetFarvePal(cpInterval);
    pan->Paint();
    EXPECT_EQ(Shown(*pan, 1), RGB(26, 26, 26));
    EXPECT_EQ(Shown(*pan, 8), RGB(204, 204, 204));
    EXPECT_EQ(Shown(*pan, 9), clWhite);
    pan->SetMidtFarveType(cfSort); // the palette made stays until a new one is asked for
    EXPECT_EQ(pan->GetColor(5), RGB(128, 128, 128));
    pan->NyIntervalPal(); // down to black halfway and back up
    EXPECT_EQ(pan->GetColor(5), clBlack);
    EXPECT_EQ(Shown(*pan, 4), clBlack);
    EXPECT_EQ(Shown(*pan, 6), RGB(51, 51, 51));

    auto rainbow = MakePan(16, 3, 48);
    rainbow->SetFarvePal(cpRGBplus);
    rainbow->Paint();
    EXPECT_EQ(rainbow->GetColor(0), clRed);
    EXPECT_EQ(rainbow->GetColor(22), clRed);
    EXPECT_EQ(rainbow->GetColor(47), clAqua);

    RandSeed(5);
    auto sorted = MakePan(8, 4, 32);
    sorted->SetFarvePal(cpSorteret);
    sorted->Paint();
    for (int i = 1; i < 32; ++i) {
        const auto key = [](TColor c) { return 16 * GetGValue(c) + 8 * GetRValue(c) + GetBValue(c); };
        EXPECT_GE(key(sorted->GetColor(i - 1)), key(sorted->GetColor(i)));
    }
}

TEST(ColorPan, FieldAccessIsBoundedByTheColourList)
{
    auto pan = MakePan(4, 1, 4);
    pan->FarveFelt(6, clRed); // before the first paint: stored, the list grows
    EXPECT_EQ(pan->GetColor(6), clRed);
    pan->SetFarvePal(cpSelvValgt);
    pan->Paint(); // the list now has AntalIalt entries
    EXPECT_EQ(pan->GetColor(-1), clWhite);
    EXPECT_EQ(pan->GetColor(4), clWhite);
    pan->FarveFelt(-1, clRed);
    pan->FarveFelt(4, clRed);
    pan->FadeOut(-3, 100);
    pan->RemoveColor(-2);
    pan->OmbytColor(0, 9, false);
    EXPECT_EQ(pan->GetColor(4), clWhite);
    // An absurd count works on the colours the list can hold, at once.
    pan->SetAntalIalt(2000000000);
    pan->NyIntervalPal();
    pan->SetRGBplus();
    pan->StandardNamed();
    pan->FadeOut(2147483647, 2147483646);
    pan->NySorteretPal();
    EXPECT_NE(pan->GetColor(TFarveListe::kMaxLength - 1), clNone);
    EXPECT_EQ(pan->GetColor(TFarveListe::kMaxLength), clWhite);
    pan->SetAntalIalt(0);
    pan->SetFarvePal(cpInterval);
    pan->SetFarvePal(cpRGBplus);
    pan->SorterFarver();
    EXPECT_EQ(pan->GetColor(0), clWhite);
}

TEST(ColorPan, SortsReadOnlyTheColoursThatExist)
{
    auto pan = MakePan(4, 1, 1000); // far more fields than colours before the first paint
    pan->InitFarveFelt(0, clBlue);
    pan->InitFarveFelt(1, clRed);
    pan->InitFarveFelt(2, clLime);
    pan->SorterFarver();
    EXPECT_EQ(pan->GetColor(0), clLime);
    EXPECT_EQ(pan->GetColor(1), clRed);
    EXPECT_EQ(pan->GetColor(2), clBlue);
    pan->SorterColors(0, 0, 1);
    EXPECT_EQ(pan->GetColor(0), clBlue);
    pan->RandomPal();
    EXPECT_TRUE(pan->FarvenErDer(clRed));

    uint8_t r = 9, g = 9, b = 9;
    TColSor::HentRGB(clNone, r, g, b);
    EXPECT_EQ(r + g + b, 0);
    TColSor::HentRGB(RGB(1, 2, 3), r, g, b);
    EXPECT_EQ(std::tuple(r, g, b), std::tuple(1, 2, 3));
}

TEST(ColorPan, ColoursFollowAResizedPanel)
{
    auto pan = MakePan(2, 1, 2);
    pan->Standard16();
    pan->Paint();
    pan->resize(41, 11);
    pan->Opfrisk();
    EXPECT_EQ(pan->View().Width(), 41);
    EXPECT_EQ(Shown(*pan, 1), clBlack);
}

TEST(ColorPan, FieldWritesRepaintAndMirrorTheToolColours)
{
    auto pan = MakePan(3, 1, 3);
    pan->SetPMBPalette(true);
    std::vector<std::tuple<int, TColor, TColor>> changes;
    pan->OnPaletteChange = [&](TObject*, int nr, TColor o, TColor n) { changes.emplace_back(nr, o, n); };
    pan->FarveFelt(0, clLime); // before the first paint: only stored
    EXPECT_TRUE(changes.empty());
    pan->SetFarvePal(cpSelvValgt);
    pan->Paint();
    pan->FarveFelt(1, clBlue);
    pan->FarveFelt(2, clYellow);
    EXPECT_EQ(Shown(*pan, 1), clBlue);
    EXPECT_EQ(pan->MidtFarve(), clBlue);
    EXPECT_EQ(pan->FarveBg(), clYellow);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0], std::make_tuple(1, clRed, clBlue));
    EXPECT_EQ(changes[1], std::make_tuple(2, clWhite, clYellow));
    pan->RemoveColor(2); // an empty field is no tool colour
    EXPECT_EQ(pan->FarveBg(), clYellow);
    pan->NyFarve(clAqua); // no event
    EXPECT_EQ(changes.size(), 2u);
}

TEST(ColorPan, NewColorFillsTheFirstEmptyField)
{
    auto pan = MakePan(4, 1, 4); // cpIngen pending: the fields are empty, not black
    EXPECT_TRUE(pan->NewColor(clRed, true, -1));
    EXPECT_EQ(pan->GetColor(0), clRed);
    EXPECT_EQ(pan->GetColor(1), clNone);
    EXPECT_FALSE(pan->NewColor(clRed, true, -1));
    EXPECT_TRUE(pan->NewColor(clRed, false, 3));
    EXPECT_TRUE(pan->NewColor(clBlue, true, -1));
    EXPECT_TRUE(pan->NewColor(clLime, true, -1));
    EXPECT_FALSE(pan->NewColor(clAqua, true, -1)); // full
    EXPECT_FALSE(pan->NewColor(clAqua, true, 4));  // no such field
    pan->Paint();
    EXPECT_EQ(Shown(*pan, 2), clLime);
    EXPECT_TRUE(pan->FarvenErDer(clBlue));
    EXPECT_FALSE(pan->FarvenErDer(clAqua));
}

TEST(ColorPan, ColorControlAndOmbytColor)
{
    auto pan = MakePan(4, 1, 4);
    pan->SetFarvePal(cpSelvValgt);
    pan->Paint();
    const TColor A = clRed, B = clLime, C = clBlue, D = clYellow;
    const auto set = [&](std::initializer_list<TColor> cs) {
        int i = 0;
        for (TColor c : cs)
            pan->FarveFelt(i++, c);
    };
    const auto get = [&] { return std::vector<TColor>{pan->GetColor(0), pan->GetColor(1), pan->GetColor(2), pan->GetColor(3)}; };
    set({A, clNone, C, A});
    pan->ColorControl();
    EXPECT_EQ(get(), (std::vector<TColor>{A, C, clNone, clNone}));
    set({A, B, C, D});
    pan->OmbytColor(0, 3, true);
    EXPECT_EQ(get(), (std::vector<TColor>{B, C, D, A}));
    pan->OmbytColor(3, 0, true);
    EXPECT_EQ(get(), (std::vector<TColor>{A, B, C, D}));
    pan->OmbytColor(0, 3, false);
    EXPECT_EQ(get(), (std::vector<TColor>{D, B, C, A}));
    EXPECT_EQ(Shown(*pan, 0), D);
}

TEST(ColorPan, ClicksPickTheFieldColourForTheButton)
{
    auto pan = MakePan(4, 1, 4);
    pan->SetFarvePal(cpStandard16);
    pan->Paint();
    pan->RemoveColor(3);
    std::vector<int> clicks;
    pan->OnMus = [&](TObject*, TMouseButton, int nr) { clicks.push_back(nr); };
    const auto click = [&](TMouseButton b, int k) {
        const TPoint p = Centre(*pan, k);
        pan->MouseDown(b, {}, p.X, p.Y);
        pan->MouseUp(b, {}, p.X, p.Y);
    };
    click(mbLeft, 1);
    click(mbRight, 2);
    click(mbMiddle, 0);
    EXPECT_EQ(pan->Farve(), clBlack);
    EXPECT_EQ(pan->FarveBg(), clSilver);
    EXPECT_EQ(pan->MidtFarve(), clWhite);
    click(mbLeft, 3); // an empty field gives no colour, the owner still hears of the click
    EXPECT_EQ(pan->Farve(), clBlack);
    pan->SetNoInternMus(true);
    click(mbRight, 0);
    EXPECT_EQ(pan->FarveBg(), clSilver);
    EXPECT_EQ(clicks, (std::vector<int>{1, 2, 0, 3, 0}));

    // Real mouse events on the shown panel.
    pan->SetNoInternMus(false);
    pan->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(pan.get()));
    const TPoint p = Centre(*pan, 2);
    QTest::mouseClick(pan.get(), Qt::LeftButton, {}, QPoint(p.X, p.Y));
    EXPECT_EQ(pan->Farve(), clSilver);
}

TEST(ColorPan, ScrollingShowsTheColoursFromTheNewFirstField)
{
    auto pan = MakePan(4, 1, 10);
    pan->SetFarvePal(cpStandard16);
    pan->Paint();
    pan->NytStartNr(5, false);
    EXPECT_EQ(Shown(*pan, 0), TColorPan::StandardFarve(6));
    EXPECT_EQ(Shown(*pan, 3), TColorPan::StandardFarve(9));
    pan->NytStartNr(50, false); // clamped to the last full page
    EXPECT_EQ(pan->StartNr(), 6);
    EXPECT_EQ(Shown(*pan, 3), TColorPan::StandardFarve(10));
}

TEST(ColorPan, BackupCopyAndLanguage)
{
    auto pan = MakePan(4, 1, 4);
    pan->Standard16();
    pan->GemPal();
    pan->NyRandomPal();
    pan->HentPal();
    EXPECT_EQ(pan->GetColor(3), clGray);

    auto copy = MakePan(2, 2, 2);
    copy->KopierPalette(*pan);
    EXPECT_EQ(copy->AntalIalt(), 4);
    EXPECT_EQ(copy->AntalVandret(), 4);
    EXPECT_EQ(copy->AntalLodret(), 1);
    EXPECT_EQ(copy->FarvePal(), cpSelvValgt);
    copy->Paint();
    EXPECT_EQ(Shown(*copy, 2), clSilver);

    EXPECT_EQ(pan->GetFarveNavn(clGray), QString::fromUtf8("grå"));
    pan->SetSprog(stEngelsk);
    EXPECT_EQ(pan->GetFarveNavn(clGray), "gray");
}

TEST(ColorPan, CubesAndNamedTablesAreKeptAtTheFirstPaint)
{
    auto pan = MakePan(8, 8, 64);
    pan->SetSorMetode(csNone);
    pan->Standard64(false);
    pan->Paint();
    EXPECT_EQ(pan->GetColor(1), RGB(0, 0, 64));
    EXPECT_EQ(pan->GetColor(63), clWhite);

    auto named = MakePan(10, 3, 30);
    named->StandardNamed();
    named->Paint();
    EXPECT_EQ(named->GetColor(0), clWhite);
    EXPECT_EQ(named->GetColor(24), clNone);
    named->SetSorMetode(csIntens);
    named->Named28();
    EXPECT_EQ(named->GetColor(0), clWhite); // the greatest key comes first
    EXPECT_EQ(Shown(*named, 0), clWhite);
}

TEST(ColorPan, FadeOutBetweenTwoFields)
{
    auto pan = MakePan(5, 1, 5);
    pan->SetFarvePal(cpSelvValgt);
    pan->Paint();
    pan->FarveFelt(0, clBlack);
    pan->FarveFelt(4, clWhite);
    pan->FadeOut(0, 4);
    EXPECT_EQ(Shown(*pan, 1), RGB(64, 64, 64));
    EXPECT_EQ(Shown(*pan, 2), RGB(128, 128, 128));
    EXPECT_EQ(Shown(*pan, 3), RGB(192, 192, 192));
}

} // namespace
