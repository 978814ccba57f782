#include "colours/ColorPan.h"
#include "colours/PaletteFile.h"
#include "platform/Random.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<TColorPan> MakePan(int V, int L, int n)
{
    auto pan = std::make_unique<TColorPan>();
    pan->resize(V * 10 + 1, L * 10 + 1);
    pan->SetAntalVandret(V);
    pan->SetAntalLodret(L);
    pan->SetAntalIalt(n);
    pan->SetFarvePal(cpSelvValgt);
    pan->Paint();
    return pan;
}

QByteArray ReadRaw(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ColorPanFiles : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    // A file of n records with the colours 1, 2, 3, ...
    QString Numbered(const char* name, int n)
    {
        std::vector<TColor> colours;
        for (int i = 1; i <= n; ++i)
            colours.push_back(i);
        EXPECT_TRUE(PaletteFile::Write(Path(name), colours));
        return Path(name);
    }
};

TEST_F(ColorPanFiles, GemPaletteWritesUpToTheFirstEmptyFieldAndHentPaletteFitsTheGrid)
{
    auto pan = MakePan(4, 2, 8);
    for (int i = 0; i < 8; ++i)
        pan->FarveFelt(i, i == 5 ? clNone : RGB(i, 1, 2));
    ASSERT_TRUE(pan->GemPalette(Path("five.pal")));
    const QByteArray bytes = ReadRaw(Path("five.pal"));
    ASSERT_EQ(bytes.size(), 20);
    EXPECT_EQ(bytes.mid(16, 4), QByteArray("\x04\x01\x02\x00", 4));

    auto loaded = MakePan(16, 4, 64);
    loaded->HentPalette(Path("five.pal"));
    EXPECT_EQ(loaded->AntalIalt(), 5);
    EXPECT_EQ(loaded->AntalVandret(), 3);
    EXPECT_EQ(loaded->AntalLodret(), 2);
    EXPECT_EQ(loaded->GetColor(4), RGB(4, 1, 2));
    EXPECT_EQ(loaded->FarvePal(), cpSelvValgt);
    EXPECT_EQ(loaded->View().Canvas().Pixels(loaded->Felt(4)->IR.Left + 1, loaded->Felt(4)->IR.Top + 1), RGB(4, 1, 2));

    loaded->HentPalette(Numbered("25.pal", 25));
    EXPECT_EQ(std::pair(loaded->AntalVandret(), loaded->AntalLodret()), std::pair(10, 3));
    loaded->HentPalette(Numbered("61.pal", 61));
    EXPECT_EQ(std::pair(loaded->AntalVandret(), loaded->AntalLodret()), std::pair(16, 4));
    loaded->HentPalette(Numbered("100.pal", 100));
    EXPECT_EQ(loaded->Antal(), 64);
    loaded->NytStartNr(36, false);
    EXPECT_EQ(loaded->View().Canvas().Pixels(loaded->Felt(0)->IR.Left + 1, loaded->Felt(0)->IR.Top + 1), 37);

    loaded->HentPalette(Path("missing.pal"));
    EXPECT_EQ(loaded->AntalIalt(), 100);
}

TEST_F(ColorPanFiles, SavedStoreLoadsBackWithItsInsertPosition)
{
    auto store = MakePan(12, 2, 24);
    store->SetFarvePal(cpIngen);
    for (TColor c : {clRed, clLime, clBlue})
        store->NewColor(c, true, -1);
    ASSERT_TRUE(store->SavePalette(Path("store.pal")));
    const QByteArray bytes = ReadRaw(Path("store.pal"));
    ASSERT_EQ(bytes.size(), 96);
    EXPECT_EQ(bytes.count(QByteArray("\xFF\xFF\xFF\x1F", 4)), 21);

    auto other = MakePan(12, 2, 24);
    EXPECT_EQ(other->LoadPalette(Path("store.pal")), 3);
    EXPECT_EQ(other->GetColor(2), clBlue);
    EXPECT_EQ(other->GetColor(3), clNone);
    EXPECT_EQ(other->AntalIalt(), 24);

    // A gap: the next insert goes into it, never over the stored colour after it.
    other->FarveFelt(1, clNone);
    ASSERT_TRUE(other->SavePalette(Path("gap.pal")));
    EXPECT_EQ(other->LoadPalette(Path("gap.pal")), 1);
    // A full store gives 0, a missing file 0 and no change.
    for (int i = 0; i < 24; ++i)
        other->FarveFelt(i, RGB(i, 0, 0));
    ASSERT_TRUE(other->SavePalette(Path("full.pal")));
    EXPECT_EQ(other->LoadPalette(Path("full.pal")), 0);
    EXPECT_EQ(other->LoadPalette(Path("missing.pal")), 0);
    EXPECT_EQ(other->GetColor(23), RGB(23, 0, 0));
}

TEST_F(ColorPanFiles, ShortAndForeignFilesLoadWhatIsSound)
{
    auto store = MakePan(12, 2, 24);
    store->Standard16();
    {
        QFile f(Path("foreign.pal"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\x01\x02\x03\xFF\x05\x06\x07\x00\x09", 9));
    }
    EXPECT_EQ(store->LoadPalette(Path("foreign.pal")), 2);
    EXPECT_EQ(store->GetColor(0), RGB(1, 2, 3));
    EXPECT_EQ(store->GetColor(1), RGB(5, 6, 7));
    EXPECT_EQ(store->GetColor(2), clNone);
    EXPECT_EQ(store->GetColor(23), clNone);
    EXPECT_EQ(store->FarvePal(), cpSelvValgt);
    store->Paint(); // kept
    EXPECT_EQ(store->GetColor(1), RGB(5, 6, 7));

    auto empty = MakePan(4, 1, 4);
    { QFile f(Path("empty.pal")); ASSERT_TRUE(f.open(QIODevice::WriteOnly)); }
    empty->HentPalette(Path("empty.pal"));
    EXPECT_EQ(empty->AntalIalt(), 0);
}

TEST_F(ColorPanFiles, AppendFillsOnlyEmptyFields)
{
    auto pan = MakePan(6, 1, 6);
    pan->FarveFelt(0, clRed);
    pan->FarveFelt(2, clBlue);
    for (int i : {1, 3, 4, 5})
        pan->RemoveColor(i);
    pan->AppendPal(Numbered("three.pal", 3));
    EXPECT_EQ(pan->GetColor(0), clRed);
    EXPECT_EQ(pan->GetColor(1), 1);
    EXPECT_EQ(pan->GetColor(2), clBlue);
    EXPECT_EQ(pan->GetColor(3), 2);
    EXPECT_EQ(pan->GetColor(4), 3);
    EXPECT_EQ(pan->GetColor(5), clNone);
    pan->AppendPal(Numbered("ten.pal", 10));
    EXPECT_EQ(pan->GetColor(5), 1);
    pan->AppendPal(Path("three.pal")); // full: nothing is overwritten
    EXPECT_EQ(pan->GetColor(0), clRed);
}

TEST_F(ColorPanFiles, PaletteFromAPicture)
{
    RandSeed(9);
    TBitmap picture(60, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            picture.ScanLine(y)[x] = ToQRgb(RGB((x / 6) * 20, 0, 0)); // ten colours
    auto pan = MakePan(16, 4, 64);
    pan->NytStartNr(10, false);
    std::vector<int> counts;
    pan->OnAntalIalt = [&](TObject*, int n) { counts.push_back(n); };
    EXPECT_EQ(pan->PalFraBilDyn(256, picture), 10);
    EXPECT_EQ(pan->AntalIalt(), 10);
    EXPECT_EQ(pan->StartNr(), 0);
    EXPECT_EQ(counts, std::vector<int>{10});
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(GetGValue(pan->GetColor(i)), 0);

    auto unpainted = std::make_unique<TColorPan>();
    int fired = 0;
    unpainted->OnAntalIalt = [&](TObject*, int n) { fired += n; };
    EXPECT_EQ(unpainted->PalFraBilDyn(16, TBitmap(3, 3)), 1);
    EXPECT_EQ(fired, 1);

    // Filling the empty fields only, with progress.
    auto fill = MakePan(4, 1, 4);
    fill->FarveFelt(0, clBlue);
    fill->RemoveColor(1);
    fill->FarveFelt(2, clLime);
    fill->RemoveColor(3);
    std::vector<int> progress;
    fill->OnColPic = [&](TObject*, int n) { progress.push_back(n); };
    fill->PalFraBil(picture);
    EXPECT_EQ(fill->GetColor(0), clBlue);
    EXPECT_EQ(fill->GetColor(2), clLime);
    EXPECT_NE(fill->GetColor(1), clNone);
    EXPECT_NE(fill->GetColor(3), clNone);
    EXPECT_EQ(progress, (std::vector<int>{1, 2, 3, 4}));
}

} // namespace
