#include "LibraryFiles.h"
#include "libraries/BibPan.h"
#include "libraries/Thumbnail.h"
#include "platform/ImageList.h"
#include "widgets/BitmapX.h"
#include "widgets/RammeX.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QWheelEvent>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {
// A panel as the boxes set it up: 112 x 95 fields with a 2-pixel frame, margin 4, grey fields.
class BibPanTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Frame.SetBredde(2);
        Frame.SetMargen(0);
        Frame.SetAfstandLodret(0);
        Frame.SetAfstandVandret(0);
        Bx.SetBitmapListe(&List);
        Bx.SetBitType(btUnikSimpel);
        Bx.SetRealDim(true);
        Pan.SetRammeFelt(&Frame);
        Pan.SetBitmapFelt(&Bx);
        Pan.SetAutoDim(false);
        Pan.SetFeltBredde(112);
        Pan.SetFeltHojde(95);
        Pan.SetIndreMargen(4);
        Pan.SetFeltFarve(clGray);
        // Fields take the panel's width by the columns.
        Pan.resize(4 * 112 + 1, 3 * 95 + 1);
        Pan.NytAntalVL(4, 3);
        Pan.OnAntalIalt = [this](TObject*, int n) { Counts.push_back(n); };
        Pan.OnProgress = [this](TObject*, uint8_t p) { Steps.push_back(p); };
    }
    QString Path(const QString& name) const { return Dir.path() + QLatin1Char('/') + name; }
    void Load()
    {
        Pan.SetBibliotek(Dir.path());
        Pan.LoadListe();
    }
    QStringList Names() const
    {
        QStringList names;
        for (int i = 0; i < int(Pan.Bil.size()); ++i)
            names << Pan.GetFilnavn(i, false);
        return names;
    }
    // Every pixel of thumbnail k has the field colour.
    bool Blank(int k) const
    {
        const TBitmap* b = List.Image(k);
        for (int y = 0; y < b->Height(); ++y)
            for (int x = 0; x < b->Width(); ++x)
                if (b->Canvas().Pixels(x, y) != clGray)
                    return false;
        return true;
    }

    QTemporaryDir Dir;
    TRammeFeltX Frame;
    TImageList List{16, 16};
    TBitmapX Bx;
    TBibPan Pan;
    std::vector<int> Counts;
    std::vector<int> Steps;
};
} // namespace

TEST_F(BibPanTest, KindsInOrderSortedByNameAnyCase)
{
    WriteBmpFile(Path("b.bmp"), Filled(10, 10, clRed));
    WriteBmpFile(Path("A.bmp"), Filled(10, 10, clRed));
    WriteBmpFile(Path("c.BMP"), Filled(10, 10, clRed));
    // Upper-case and double extensions are pictures like any other.
    WriteJpegFile(Path("photo.JPG"), Filled(30, 20, clBlue));
    WriteJpegFile(Path("my.photo.jpg"), Filled(30, 20, clBlue));
    TBitmap mask = Filled(16, 16, clBlack);
    WriteIconFile(Path("i.ico"), Filled(16, 16, clGreen), mask);
    WriteBytes(Path("notes.txt"), "hello");

    Load();
    EXPECT_EQ(Names(), (QStringList{"A.bmp", "b.bmp", "c.BMP", "my.photo.jpg", "photo.JPG", "i.ico"}));
    EXPECT_EQ(Counts, std::vector<int>{6});
    EXPECT_EQ(Pan.AntalIalt(), 6);
    EXPECT_EQ(Pan.Antal(), 6);
    EXPECT_EQ(List.Count(), 6);
    EXPECT_EQ(Pan.GetBredde(3), 30);
    EXPECT_EQ(Pan.GetHojde(4), 20);
    EXPECT_FALSE(Blank(3));
    EXPECT_FALSE(Blank(4));
    EXPECT_EQ(Pan.GetFilnavn(5, true), Dir.path() + "/i.ico");
    EXPECT_EQ(Pan.GetFilnavn(6, true), QString());
    EXPECT_EQ(Pan.GetBredde(-1), 0);
    // Long names are kept whole, so the path names the file itself.
    const QString longName = QString(40, 'x') + ".bmp";
    WriteBmpFile(Path(longName), Filled(3, 3, clRed));
    Pan.LoadListe();
    EXPECT_EQ(Pan.GetFilnavn(3, true), Path(longName));
    EXPECT_TRUE(QFileInfo(Pan.GetFilnavn(3, true)).isFile());
    QFile::remove(Path(longName));
    Counts.clear();

    // One kind only.
    Pan.SetFilType(ftJpg);
    Pan.LoadListe();
    EXPECT_EQ(Names(), (QStringList{"my.photo.jpg", "photo.JPG"}));
    EXPECT_EQ(Counts, std::vector<int>{2});
}

TEST_F(BibPanTest, ThumbnailFitsWithMarginAndCentring)
{
    WriteBmpFile(Path("wide.bmp"), Filled(400, 100, clRed));
    WriteBmpFile(Path("x_small.bmp"), Filled(20, 20, clBlue));
    Load();
    // Field 112 x 95 less the frame: 108 x 91; images one less; room 100 x 83.
    ASSERT_EQ(List.Width(), 107);
    ASSERT_EQ(List.Height(), 90);
    const TBitmap& wide = *List.Image(0);
    // Scaled by 0.25 to 100 x 25 and placed at (4, 33).
    for (int y = 0; y < wide.Height(); ++y)
        for (int x = 0; x < wide.Width(); ++x) {
            const bool inside = x >= 4 && x < 104 && y >= 33 && y < 58;
            ASSERT_EQ(wide.Canvas().Pixels(x, y), inside ? clRed : clGray) << x << "," << y;
        }
    // Never enlarged: 20 x 20 in the middle of the room.
    const TBitmap& small = *List.Image(1);
    EXPECT_EQ(small.Canvas().Pixels(44, 35), clBlue);
    EXPECT_EQ(small.Canvas().Pixels(63, 54), clBlue);
    EXPECT_EQ(small.Canvas().Pixels(43, 35), clGray);
    EXPECT_EQ(small.Canvas().Pixels(64, 54), clGray);
    EXPECT_EQ(ThumbTarget(20, 20, {107, 90, 108, 91, true, true, true, 4, clGray}), Rect(44, 35, 64, 55));
    EXPECT_EQ(ThumbTarget(20, 20, {107, 90, 108, 91, true, true, false, 4, clGray}), Rect(4, 4, 24, 24));
}

TEST_F(BibPanTest, IconBlackUnderTransparentMaskBecomesBackground)
{
    TBitmap colour = Filled(16, 16, clBlack);
    TBitmap mask = Filled(16, 16, clBlack);
    mask.Canvas().SetPixels(0, 0, clWhite);
    TBitmap rule = colour;
    PaintIconBackground(rule, mask);
    EXPECT_EQ(rule.Canvas().Pixels(0, 0), TColor(0x80C0C0));
    EXPECT_EQ(rule.Canvas().Pixels(1, 0), clBlack);

    WriteIconFile(Path("i.ICO"), colour, mask);
    TBitmap read;
    ASSERT_TRUE(LoadLibraryPicture(Path("i.ICO"), read));
    EXPECT_EQ(read.Canvas().Pixels(0, 0), TColor(0x80C0C0));
    EXPECT_EQ(read.Canvas().Pixels(1, 0), clBlack);
}

TEST_F(BibPanTest, ProgressStepsForEightFiles)
{
    for (int i = 0; i < 8; ++i)
        WriteBmpFile(Path(QStringLiteral("p%1.bmp").arg(i)), Filled(8, 8, clRed));
    Load();
    EXPECT_EQ(Steps, (std::vector<int>{0, 12, 25, 38, 50, 62, 75, 88, 100}));
    // A reload of the same folder reports the same steps.
    Steps.clear();
    Pan.LoadListe();
    EXPECT_EQ(Steps, (std::vector<int>{0, 12, 25, 38, 50, 62, 75, 88, 100}));
}

TEST_F(BibPanTest, BadFilesKeepBlankFieldsOfNoSize)
{
    WriteBytes(Path("empty.bmp"), QByteArray());
    WriteBytes(Path("garbage.jpg"), QByteArray(500, 'x'));
    QByteArray bmp;
    ASSERT_TRUE(PictureCodecs::WriteBmp(Filled(40, 40, clRed), bmp));
    WriteBytes(Path("short.bmp"), bmp.left(60));
    // A JPEG whose header claims 30000 x 30000 pixels is not allocated.
    QByteArray jpeg;
    ASSERT_TRUE(PictureCodecs::WriteJpeg(Filled(16, 16, clRed), 90, jpeg));
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    jpeg[sof + 5] = char(0x75);
    jpeg[sof + 6] = char(0x30);
    jpeg[sof + 7] = char(0x75);
    jpeg[sof + 8] = char(0x30);
    WriteBytes(Path("huge.jpg"), jpeg);
    WriteBmpFile(Path("good.bmp"), Filled(10, 10, clRed));

    Load();
    ASSERT_EQ(Names(), (QStringList{"empty.bmp", "good.bmp", "short.bmp", "garbage.jpg", "huge.jpg"}));
    for (int k : {0, 2, 3, 4}) {
        EXPECT_TRUE(Blank(k)) << k;
        EXPECT_EQ(Pan.GetBredde(k), 0);
        EXPECT_EQ(Pan.GetHojde(k), 0);
    }
    EXPECT_FALSE(Blank(1));
    EXPECT_EQ(Pan.GetBredde(1), 10);
}

TEST_F(BibPanTest, MissingOrEmptyFolderGivesEmptyPanel)
{
    Pan.SetBibliotek(Path("missing"));
    Pan.LoadListe();
    EXPECT_EQ(Pan.AntalIalt(), 0);
    EXPECT_EQ(Pan.Antal(), 0);
    Pan.SetBibliotek("C:\\Malvomappe\\Billeder");
    Pan.LoadListe();
    Load();
    EXPECT_EQ(Counts, (std::vector<int>{0, 0, 0}));
    EXPECT_TRUE(Pan.ListeLoaded);
}

TEST_F(BibPanTest, ReloadFollowsChangedAddedAndRemovedFiles)
{
    WriteBmpFile(Path("b.bmp"), Filled(10, 10, clRed));
    WriteBmpFile(Path("d.bmp"), Filled(12, 10, clBlue));
    WriteBmpFile(Path("f.bmp"), Filled(14, 10, clGreen));
    Load();
    // A file before the others, one changed and one gone.
    WriteBmpFile(Path("a.bmp"), Filled(16, 10, clYellow));
    WriteBmpFile(Path("d.bmp"), Filled(30, 20, clBlack));
    QFile::remove(Path("b.bmp"));
    Pan.LoadListe();
    EXPECT_EQ(Names(), (QStringList{"a.bmp", "d.bmp", "f.bmp"}));
    EXPECT_EQ(Pan.GetBredde(1), 30);
    EXPECT_EQ(Pan.GetBredde(2), 14);

    // The thumbnails equal those of a panel that reads the folder afresh.
    TImageList fresh(16, 16);
    TBitmapX bx;
    bx.SetBitmapListe(&fresh);
    bx.SetBitType(btUnikSimpel);
    TBibPan other;
    other.SetRammeFelt(&Frame);
    other.SetBitmapFelt(&bx);
    other.SetAutoDim(false);
    other.SetFeltBredde(112);
    other.SetFeltHojde(95);
    other.resize(Pan.size());
    other.NytAntalVL(4, 3);
    other.SetIndreMargen(4);
    other.SetFeltFarve(clGray);
    other.SetBibliotek(Dir.path());
    other.LoadListe();
    ASSERT_EQ(fresh.Count(), List.Count());
    for (int i = 0; i < List.Count(); ++i)
        EXPECT_TRUE(fresh.Image(i)->Image() == List.Image(i)->Image()) << i;

    // A new last file is appended.
    WriteBmpFile(Path("g.bmp"), Filled(10, 10, clRed));
    Pan.LoadListe();
    EXPECT_EQ(Names().last(), "g.bmp");
    EXPECT_FALSE(Blank(3));
}

TEST_F(BibPanTest, JpegThumbnailMatchesFullDecodeWithinTolerance)
{
    const TBitmap photo = Pattern(1600, 1200);
    WriteJpegFile(Path("photo.jpg"), photo, 95);
    const TThumbLayout layout{107, 90, 108, 91, true, true, true, 4, clGray};
    const TThumb thumb = MakeThumb(Path("photo.jpg"), layout);
    ASSERT_TRUE(thumb.Ok);
    EXPECT_EQ(thumb.Bredde, 1600);
    EXPECT_EQ(thumb.Hojde, 1200);
    // The same fit from the whole decoded picture.
    TBitmap whole;
    ASSERT_TRUE(LoadLibraryPicture(Path("photo.jpg"), whole));
    TBitmap reference = Filled(107, 90, clGray);
    const TRect target = ThumbTarget(1600, 1200, layout);
    EXPECT_EQ(target, Rect(4, 8, 104, 83));
    reference.Canvas().StretchDraw(target, whole);
    long worst = 0;
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 107; ++x) {
            const QRgb a = reference.Image().pixel(x, y), b = thumb.Bitmap.Image().pixel(x, y);
            worst = std::max({worst, long(std::abs(qRed(a) - qRed(b))), long(std::abs(qGreen(a) - qGreen(b))),
                              long(std::abs(qBlue(a) - qBlue(b)))});
        }
    EXPECT_LE(worst, 24);
}

TEST_F(BibPanTest, GridIsBoundedAndThumbnailsNeverNegative)
{
    WriteBmpFile(Path("a.bmp"), Filled(10, 10, clRed));
    Pan.SetAutoDim(true);
    Pan.SetBibliotek(Dir.path());
    Pan.NyeFelterVL(1000, 0);
    EXPECT_EQ(Pan.AntalVandret(), TBibPan::kMaxSide);
    EXPECT_EQ(Pan.AntalLodret(), 1);
    Pan.LoadListe();
    EXPECT_EQ(Pan.AntalIalt(), 1);
    EXPECT_GE(List.Width(), 1);
    EXPECT_GE(List.Height(), 1);
    EXPECT_TRUE(ThumbTarget(10, 10, {1, 1, 2, 2, true, true, true, 4, clGray}).IsEmpty());
}

TEST_F(BibPanTest, NamesThatAreNotUtf8AreListedWithTheirThumbnails)
{
    QByteArray data;
    ASSERT_TRUE(PictureCodecs::WriteBmp(Filled(7, 5, clRed), data));
    const QByteArray raw = QFile::encodeName(Dir.path()) + "/caf\xe9.bmp";
    FILE* f = std::fopen(raw.constData(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(data.constData(), 1, size_t(data.size()), f);
    std::fclose(f);
    Load();
    ASSERT_EQ(Pan.AntalIalt(), 1);
    EXPECT_EQ(Pan.GetBredde(0), 7);
    EXPECT_FALSE(Blank(0));
    EXPECT_FALSE(Pan.GetFilnavn(0, false).isEmpty());
}

TEST_F(BibPanTest, ThumbnailsFollowTheFieldSizeAfterAResize)
{
    WriteBmpFile(Path("a.bmp"), Filled(10, 10, clRed));
    Pan.SetAutoDim(true);
    Load();
    const int before = List.Width();
    Steps.clear();
    Pan.resize(Pan.width() / 2, Pan.height());
    // Nothing is made while the resize goes on; once it rests, the thumbnails are new.
    EXPECT_TRUE(Steps.empty());
    Pan.ResizeDone();
    EXPECT_FALSE(Steps.empty());
    EXPECT_LT(List.Width(), before);
    EXPECT_EQ(List.Count(), 1);
    // The same size again makes nothing.
    Steps.clear();
    Pan.ResizeDone();
    EXPECT_TRUE(Steps.empty());
}

TEST_F(BibPanTest, WheelScrollsARowAndTellsTheOwner)
{
    for (int i = 0; i < 30; ++i)
        WriteBmpFile(Path(QStringLiteral("p%1.bmp").arg(i, 2, 10, QLatin1Char('0'))), Filled(8, 8, clRed));
    Load();
    int told = -1;
    Pan.OnStartNr = [&](TObject*, int nr) { told = nr; };
    QWheelEvent down(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&Pan, &down);
    EXPECT_EQ(Pan.StartNr(), 4);
    EXPECT_EQ(told, 4);
    QWheelEvent up(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 240), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&Pan, &up);
    EXPECT_EQ(Pan.StartNr(), 0);
}
