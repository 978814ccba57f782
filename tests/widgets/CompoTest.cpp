#include "platform/PictureCodecs.h"
#include "widgets/CompoBil.h"
#include "widgets/CompoFade.h"
#include "widgets/CompoSeperator.h"
#include <QCoreApplication>
#include <QDir>
#include <QFocusEvent>
#include <QTemporaryDir>
#include <QLabel>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {
TColor Px(const TPreGrundCompo& w, int x, int y)
{
    return w.View().Canvas().Pixels(x, y);
}

TBitmap Solid(int w, int h, TColor c)
{
    TBitmap b(w, h);
    b.Canvas().Brush = {c, bsSolid};
    b.Canvas().FillRect(b.BoundsRect());
    return b;
}

// A flat one-pixel frame in kRing around a kFelt background.
constexpr TColor kRing = clLime, kFelt = clSilver, kBg = clAqua;
void FlatFrame(TRammeGrundX& f)
{
    f.SetArt(rtIngen);
    f.SetFarveRamme(kRing);
    f.SetFarveFelt(kFelt);
}

void WriteFile(const QString& path, const QByteArray& data)
{
    ASSERT_TRUE(PictureCodecs::WriteFileSafely(path, data));
}

QByteArray Bmp(const TBitmap& b)
{
    QByteArray data;
    EXPECT_TRUE(PictureCodecs::WriteBmp(b, data));
    return data;
}
} // namespace

TEST(Compo, AreasWithAndWithoutAFrame)
{
    TRammeCompo w;
    w.resize(40, 30);
    w.show();
    EXPECT_TRUE(w.CompoPainted());
    EXPECT_EQ(w.CompoRekt, Rect(0, 0, 39, 29));
    EXPECT_EQ(w.IndreRekt, Rect(0, 0, 40, 30));
    EXPECT_FALSE(w.CompoBeregnet);

    TRammeGrundX f;
    f.SetBredde(2);
    f.SetAfstandV(1);
    f.SetAfstandO(3);
    f.SetAfstandH(4);
    f.SetAfstandN(5);
    w.SetRammeYdre(&f);
    EXPECT_EQ(w.GrundRekt, Rect(0, 0, 39, 29));
    EXPECT_EQ(w.IndreRekt, Rect(2, 2, 38, 28));
    EXPECT_EQ(w.CompoRekt, Rect(3, 5, 33, 22));
    EXPECT_TRUE(w.CompoBeregnet);
    EXPECT_TRUE(w.YdreForandret);
    // Without TilpasAlign the areas of the first paint stay; with it they follow the size.
    w.resize(50, 30);
    EXPECT_EQ(w.CompoRekt.Right, 33);
    f.SetTilpasAlign(true);
    w.SetRammeYdre(&f);
    w.resize(60, 30);
    EXPECT_EQ(w.CompoRekt.Right, 53);
}

TEST(Compo, ClientRectangleForChildControls)
{
    TRammeCompo w;
    w.resize(40, 30);
    TRammeGrundX f;
    f.SetBredde(3);
    f.SetAfstandV(2);
    w.SetRammeYdre(&f);
    EXPECT_EQ(w.ClientRect(), Rect(3, 3, 37, 27));
    EXPECT_EQ(w.contentsMargins(), QMargins(3, 3, 3, 3));
    f.SetNytClientRect(true);
    EXPECT_EQ(w.ClientRect(), Rect(5, 3, 36, 26));
    w.SetRammeYdre(nullptr);
    EXPECT_EQ(w.ClientRect(), Rect(0, 0, 40, 30));
    EXPECT_EQ(w.contentsMargins(), QMargins(0, 0, 0, 0));
}

TEST(Compo, AFramedContainerHasItsClientRectangleBeforeTheFirstPaint)
{
    // A frame that makes its own client rectangle and follows the size, as RammeIndA.
    TRammeCompo w;
    w.resize(80, 50);
    TRammeGrundX f;
    f.SetBredde(2);
    f.SetNytClientRect(true);
    f.SetTilpasAlign(true);
    auto* layout = new QVBoxLayout(&w);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* child = new QLabel(QStringLiteral("x"), &w);
    layout->addWidget(child);
    w.SetRammeYdre(&f);
    layout->activate();
    EXPECT_FALSE(w.CompoPainted());
    EXPECT_EQ(w.ClientRect(), Rect(2, 2, 77, 47));
    EXPECT_EQ(child->geometry(), QRect(2, 2, 75, 45));
    // Shown at another size, the first paint lays the children out for that size.
    w.resize(100, 60);
    w.show();
    layout->activate();
    EXPECT_EQ(child->geometry(), QRect(2, 2, 95, 55));
}

TEST(Compo, DisabledBackgroundPictureGetsAGreyCheckerboard)
{
    TRammeCompo w;
    w.resize(20, 16);
    TRammeGrundX f;
    FlatFrame(f);
    w.SetRammeYdre(&f);
    w.SetBitmapGrund(Solid(4, 4, clRed));
    w.SetBitmapUaGray(true);
    w.show();
    EXPECT_EQ(Px(w, 0, 0), kRing);
    EXPECT_EQ(Px(w, 5, 6), clRed);
    w.setEnabled(false);
    EXPECT_EQ(w.Tilstand, 0);
    EXPECT_EQ(w.OldTilstand, -1);
    for (int y = 1; y < 15; ++y)
        for (int x = 1; x < 19; ++x)
            ASSERT_EQ(Px(w, x, y), (x + y) % 2 == 0 ? clGray : clRed) << x << "," << y;
    w.setEnabled(true);
    EXPECT_EQ(Px(w, 5, 5), clRed);
}

TEST(Compo, OpfriskGrundFillsTheContentAreaOnly)
{
    TRammeCompo w;
    w.resize(20, 16);
    w.SetColor(kBg);
    TRammeGrundX f;
    FlatFrame(f);
    f.SetAfstandV(2);
    w.SetRammeYdre(&f);
    w.show();
    w.Canvas().SetPixels(2, 1, clRed);
    w.Canvas().SetPixels(8, 8, clRed);
    w.OpfriskGrund();
    EXPECT_EQ(Px(w, 2, 1), clRed); // left of the content area
    EXPECT_EQ(Px(w, 8, 8), kFelt);
    EXPECT_EQ(Px(w, 18, 14), kFelt);
    f.SetMedFeltFarve(false);
    w.OpfriskGrund();
    EXPECT_EQ(Px(w, 8, 8), kBg);
}

TEST(Compo, FocusRedrawsTheFrameWithoutErasingTheContent)
{
    TRammeCompo w;
    w.resize(20, 16);
    TRammeGrundX f;
    FlatFrame(f);
    f.SetFocusRamme(true);
    f.SetFarveOmrids(clBlue);
    w.SetRammeYdre(&f);
    w.show();
    w.Canvas().SetPixels(8, 8, clRed);
    QFocusEvent in(QEvent::FocusIn);
    QCoreApplication::sendEvent(&w, &in);
    EXPECT_FALSE(w.Focus); // no TabStop: focus is not shown
    w.SetTabStop(true);
    QCoreApplication::sendEvent(&w, &in);
    EXPECT_TRUE(w.Focus);
    EXPECT_EQ(Px(w, 0, 5), clBlue);
    EXPECT_EQ(Px(w, 1, 5), kRing);
    EXPECT_EQ(Px(w, 8, 8), clRed);
    EXPECT_TRUE(f.MedFeltFarve());
    QFocusEvent out(QEvent::FocusOut);
    QCoreApplication::sendEvent(&w, &out);
    EXPECT_FALSE(w.Focus);
    EXPECT_EQ(Px(w, 0, 5), kRing);
}

TEST(Compo, FileNameExtensions)
{
    EXPECT_EQ(TPreGrundCompo::SetExt("a.b.jpg", "bmp"), "a.bmp");
    EXPECT_EQ(TPreGrundCompo::SetExt("abc", "bmp"), "abc.bmp");
    EXPECT_EQ(TPreGrundCompo::SetExt("/home/u/my.pictures/a.b.jpg", "bmp"), "/home/u/my.pictures/a.bmp");
    EXPECT_EQ(TPreGrundCompo::GetExt("a.b.jpg"), "b.jpg");
    EXPECT_EQ(TPreGrundCompo::GetExt("abc"), "");
    EXPECT_EQ(TPreGrundCompo::GetExt("/home/u/.local/abc"), "");
    EXPECT_EQ(TPreGrundCompo::GetExt("x." + QString(300, 'e')).size(), 255);
}

TEST(Compo, KunBitmapLoadsTheThreeKindsAndLeavesOthers)
{
    QTemporaryDir dir;
    const QString base = dir.path() + "/my.pictures/";
    ASSERT_TRUE(QDir().mkpath(base));
    const TBitmap red = Solid(5, 3, clRed);
    WriteFile(base + "p.bmp", Bmp(red));
    WriteFile(base + "p.BMP", Bmp(red));
    WriteFile(base + "a.b.bmp", Bmp(red));
    WriteFile(base + "bad.bmp", "not a picture");
    QByteArray jpeg;
    ASSERT_TRUE(PictureCodecs::WriteJpeg(Solid(6, 4, clBlue), 100, jpeg));
    WriteFile(base + "p.jpg", jpeg);
    WriteFile(base + "p.JPG", jpeg);

    TBitmap b = Solid(2, 2, clLime);
    for (const char* name : {"p.BMP", "a.b.bmp", "bad.bmp", "missing.bmp", "p.JPG"}) {
        EXPECT_FALSE(TPreGrundCompo::KunBitmap(base + name, b)) << name;
        EXPECT_EQ(b.Width(), 2) << name;
        EXPECT_EQ(b.Canvas().Pixels(0, 0), clLime) << name;
    }
    ASSERT_TRUE(TPreGrundCompo::KunBitmap(base + "p.bmp", b));
    EXPECT_EQ(b.Width(), 5);
    EXPECT_EQ(b.Canvas().Pixels(4, 2), clRed);
    ASSERT_TRUE(TPreGrundCompo::KunBitmap(base + "p.jpg", b));
    EXPECT_EQ(b.Width(), 6);
    EXPECT_EQ(b.Height(), 4);

    // Icon: transparent black pixels take the icon background colour, opaque black stays.
    TBitmap colour(2, 1), mask(2, 1);
    colour.Canvas().SetPixels(0, 0, clBlack);
    colour.Canvas().SetPixels(1, 0, clBlack);
    mask.Canvas().SetPixels(0, 0, clWhite);
    mask.Canvas().SetPixels(1, 0, clBlack);
    QByteArray ico;
    ASSERT_TRUE(PictureCodecs::WriteIcon(colour, mask, ico));
    WriteFile(base + "i.ico", ico);
    ASSERT_TRUE(TPreGrundCompo::KunBitmap(base + "i.ico", b));
    EXPECT_EQ(b.Canvas().Pixels(0, 0), 0x80C0C0);
    EXPECT_EQ(b.Canvas().Pixels(1, 0), clBlack);
}

TEST(Fade, StripColumnsAndGetColor)
{
    TFadeCompo w;
    w.resize(256, 20);
    w.show();
    EXPECT_EQ(Px(w, 0, 0), clBlack);
    EXPECT_EQ(Px(w, 128, 10), clRed);
    EXPECT_EQ(Px(w, 255, 18), clWhite);
    EXPECT_EQ(Px(w, 64, 5), RGB(128, 0, 0)); // Near(127.5) = 128
    EXPECT_EQ(Px(w, 192, 5), RGB(255, 128, 128));
    // The bottom row of the content area is left out.
    EXPECT_EQ(Px(w, 64, 19), ColorToRGB(clBtnFace));
    for (int x = 0; x < 256; ++x)
        ASSERT_EQ(w.GetColor(x), Px(w, x, 10)) << x;
    EXPECT_EQ(w.GetColor(128), clRed);
    // Off the strip: its nearest end, never a system colour.
    EXPECT_EQ(w.GetColor(-7), clBlack);
    EXPECT_EQ(w.GetColor(100000), clWhite);

    w.SetMellemFarve(clBlue);
    EXPECT_EQ(Px(w, 128, 10), clBlue);
    EXPECT_EQ(Px(w, 64, 10), RGB(0, 0, 128));
}

TEST(Fade, StripInsideAFrameAndTinyStrips)
{
    TFadeCompo w;
    TRammeGrundX f;
    FlatFrame(f);
    f.SetBredde(2);
    w.SetRammeYdre(&f);
    w.resize(14, 10); // content columns 2 .. 11: n = 10, half = 5
    w.SetStartFarve(RGB(0, 100, 0));
    w.SetSlutFarve(RGB(0, 0, 200));
    w.show();
    EXPECT_EQ(Px(w, 1, 5), kRing);
    EXPECT_EQ(Px(w, 2, 5), RGB(0, 100, 0));
    EXPECT_EQ(Px(w, 7, 5), clRed);
    EXPECT_EQ(Px(w, 11, 5), RGB(0, 0, 200));
    EXPECT_EQ(w.GetColor(5), clRed);
    EXPECT_EQ(Px(w, 12, 5), kRing);
    // One column shows the end colour, two the start and the end; no strip at all gives the
    // start colour.
    struct Case {
        int width, pos;
        TColor colour;
    };
    for (const Case c : {Case{5, 0, RGB(0, 0, 200)}, Case{6, 0, RGB(0, 100, 0)}, Case{6, 1, RGB(0, 0, 200)},
                         Case{2, 0, RGB(0, 100, 0)}, Case{0, 3, RGB(0, 100, 0)}}) {
        w.resize(c.width, 10);
        w.SetRammeYdre(&f);
        EXPECT_EQ(w.GetColor(c.pos), c.colour) << c.width << " " << c.pos;
    }
}

TEST(Bil, FitsAPictureIntoThePreview)
{
    TBilCompo w;
    w.resize(151, 201); // content area 150 x 200
    w.show();
    EXPECT_TRUE(w.NoBitmap());
    w.SetBitmapBil(Solid(300, 100, clRed));
    EXPECT_EQ(w.RealBredde(), 300);
    EXPECT_EQ(w.Drect, Rect(0, 75, 150, 125));
    EXPECT_EQ(Px(w, 0, 75), clRed);
    EXPECT_EQ(Px(w, 149, 124), clRed);
    EXPECT_NE(Px(w, 75, 74), clRed);
    EXPECT_NE(Px(w, 75, 125), clRed);
    // Never enlarged.
    w.SetBitmapBil(Solid(40, 30, clBlue));
    EXPECT_EQ(w.Drect, Rect(55, 85, 95, 115));
    EXPECT_NE(Px(w, 10, 100), clRed);
    w.FreeBitmap();
    EXPECT_TRUE(w.NoBitmap());
    EXPECT_EQ(w.RealHojde(), 0);
    EXPECT_NE(Px(w, 60, 90), clBlue);
}

TEST(Bil, LoadBitmapReplacesThePictureOnlyAfterASuccessfulRead)
{
    QTemporaryDir dir;
    WriteFile(dir.path() + "/good.bmp", Bmp(Solid(20, 10, clLime)));
    WriteFile(dir.path() + "/bad.bmp", "BM but nothing more");
    TBilCompo w;
    w.resize(101, 101);
    w.show();
    w.SetBitmapBil(Solid(50, 50, clRed));
    EXPECT_FALSE(w.LoadBitmap(dir.path() + "/missing.bmp"));
    EXPECT_FALSE(w.LoadBitmap(dir.path() + "/bad.bmp"));
    ASSERT_FALSE(w.NoBitmap());
    EXPECT_EQ(w.RealBredde(), 50);
    EXPECT_EQ(Px(w, 50, 50), clRed);
    EXPECT_TRUE(w.LoadBitmap(dir.path() + "/good.bmp"));
    EXPECT_EQ(w.RealBredde(), 20);
    EXPECT_EQ(w.Drect, Rect(40, 45, 60, 55));
    EXPECT_EQ(Px(w, 50, 50), clLime);
}

TEST(Bil, NewPaintAndAreasThatFollowTheSize)
{
    TBilCompo w;
    TRammeGrundX f;
    f.SetTilpasAlign(true);
    w.SetRammeYdre(&f);
    w.resize(52, 52);
    w.show();
    w.SetBitmapBil(Solid(100, 100, clRed));
    EXPECT_EQ(w.Drect, Rect(1, 1, 50, 50));
    w.resize(102, 52);
    EXPECT_EQ(w.Drect, Rect(26, 1, 75, 50));
    w.NewPaint();
    EXPECT_TRUE(w.RektBeregnet);
}

TEST(Seperator, GrooveLines)
{
    TSeperator w;
    EXPECT_EQ(w.width(), 8);
    EXPECT_EQ(w.height(), 22);
    w.resize(47, 12);
    w.SetFarveLys(clYellow);
    w.SetFarveSkygge(clBlue);
    w.SetOrientering(soVandret);
    w.show();
    EXPECT_NE(Px(w, 10, 5), clBlue); // no groove before MedRille
    w.SetMedRille(true);
    for (int x = 0; x < 47; ++x) {
        const bool on = x >= 2 && x <= 44;
        EXPECT_EQ(Px(w, x, 5) == clBlue, on) << x;
        EXPECT_EQ(Px(w, x, 6) == clYellow, on) << x;
    }
    EXPECT_NE(Px(w, 10, 4), clBlue);
    EXPECT_NE(Px(w, 10, 7), clYellow);
    w.SetRetning(spUd);
    EXPECT_EQ(Px(w, 10, 5), clYellow);
    EXPECT_EQ(Px(w, 10, 6), clBlue);

    w.SetOrientering(soLodret);
    w.SetRetning(srInd);
    w.resize(8, 22);
    EXPECT_EQ(Px(w, 3, 2), clBlue);
    EXPECT_EQ(Px(w, 4, 19), clYellow);
    EXPECT_NE(Px(w, 3, 20), clBlue);
}

TEST(Seperator, DiagonalsAndAbsurdSettings)
{
    TSeperator w;
    w.resize(20, 20);
    w.SetFarveSkygge(clBlue);
    w.SetFarveLys(clYellow);
    w.SetMedRille(true);
    w.SetOrientering(soNedHojre);
    w.show();
    EXPECT_EQ(Px(w, 2, 2), clYellow);
    EXPECT_EQ(Px(w, 10, 10), clYellow);
    EXPECT_EQ(Px(w, 10, 11), clBlue);
    w.SetOrientering(soOpHojre);
    EXPECT_EQ(Px(w, 2, 18), clBlue);
    EXPECT_EQ(Px(w, 10, 10), clBlue);
    for (int v : {-2000000000, 2000000000}) {
        w.SetRilleBredde(v);
        w.SetRilleSpace(v);
    }
    EXPECT_TRUE(w.CompoPainted());
}
