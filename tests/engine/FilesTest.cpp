#include "PicFixture.h"
#include "platform/PictureCodecs.h"
#include "tests/common/PictureFiles.h"
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>

namespace {
class Files : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    QByteArray Bytes(const QString& name) const
    {
        QFile f(Path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void Write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(Path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QTemporaryDir dir;
};

// Largest difference of any channel between two pictures of the same size.
int MaxDiff(const QImage& a, const QImage& b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

// A smooth picture that JPEG keeps well.
TBitmap Smooth(int w, int h)
{
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.ScanLine(y)[x] = ToQRgb(RGB(x * 255 / w, y * 255 / h, 128));
    return b;
}
} // namespace

TEST(FileNames, ExtensionIsTakenAfterTheLastDotOfTheName)
{
    EXPECT_EQ(TImagePic::GetExt("/home/a/hus.jpg"), "jpg");
    EXPECT_EQ(TImagePic::GetExt("/home/a/.local/my.pictures/holiday.2024.JPG"), "JPG");
    EXPECT_EQ(TImagePic::GetExt("/home/my.pictures/hus"), "");
    EXPECT_EQ(TImagePic::GetExt("hus"), "");
    EXPECT_EQ(TImagePic::SetExt("/a.b/hus.jpg", "bmp"), "/a.b/hus.bmp");
    EXPECT_EQ(TImagePic::SetExt("/a.b/hus", "bmp"), "/a.b/hus.bmp");
    EXPECT_EQ(TImagePic::SetExt("holiday.2024.jpg", "ico"), "holiday.2024.ico");
}

TEST_F(Files, UpperCaseIsReadButOnlyLowerCaseIsWrittenAndOtherNamesAreRefused)
{
    TImagePic pic;
    pic.SetAutoDim(true);
    pic.NewBitmap(30, 20);
    EXPECT_TRUE(pic.SaveBitmap(Path("hus.jpg")));
    EXPECT_EQ(pic.Filnavn(), Path("hus.jpg"));
    EXPECT_FALSE(pic.SaveBitmap(Path("hus.JPG")));
    EXPECT_FALSE(QFile::exists(Path("hus.JPG")));
    EXPECT_FALSE(pic.SaveBitmap(Path("hus.jpeg")));
    EXPECT_FALSE(pic.SaveBitmap(Path("hus")));
    EXPECT_FALSE(QFile::exists(Path("hus.jpeg")));
    QFile::copy(Path("hus.jpg"), Path("upper.JPG"));
    QFile::copy(Path("hus.jpg"), Path("other.jpeg"));
    QFile::copy(Path("hus.jpg"), Path("noext"));
    TImagePic reader;
    EXPECT_TRUE(reader.LoadBitmap(Path("upper.JPG")));
    EXPECT_FALSE(reader.LoadBitmap(Path("other.jpeg")));
    EXPECT_FALSE(reader.LoadBitmap(Path("noext")));
    // A dot in a folder name does not matter.
    QDir(dir.path()).mkdir("my.pictures");
    EXPECT_TRUE(pic.SaveBitmap(Path("my.pictures/holiday.2024.bmp")));
    EXPECT_TRUE(reader.LoadBitmap(Path("my.pictures/holiday.2024.bmp")));
}

TEST_F(Files, BmpAndJpegRoundTripsAndQtReadsOurFiles)
{
    TImagePic pic;
    pic.SetAutoDim(true);
    pic.SetPicture(PatternPicture(37, 23));
    ASSERT_TRUE(pic.SaveBitmap(Path("p.bmp")));
    const QImage qtBmp(Path("p.bmp"));
    ASSERT_FALSE(qtBmp.isNull());
    EXPECT_EQ(MaxDiff(qtBmp, pic.Picture().Image()), 0);
    EXPECT_EQ(Bytes("p.bmp").at(28), 24); // written as 24 bits a pixel
    TImagePic back;
    back.SetAutoDim(true);
    ASSERT_TRUE(back.LoadBitmap(Path("p.bmp")));
    EXPECT_TRUE(SamePixels(back.Picture(), pic.Picture()));
    EXPECT_EQ(back.width(), 37);

    pic.SetPicture(Smooth(64, 48));
    ASSERT_TRUE(pic.SaveBitmap(Path("p.jpg")));
    const QImage qtJpg(Path("p.jpg"));
    ASSERT_EQ(qtJpg.size(), QSize(64, 48));
    EXPECT_LE(MaxDiff(qtJpg, pic.Picture().Image()), 12);
    ASSERT_TRUE(back.LoadBitmap(Path("p.jpg")));
    EXPECT_LE(MaxDiff(back.Picture().Image(), pic.Picture().Image()), 12);
    // The decoded pixels are proper opaque 32-bit pixels.
    EXPECT_EQ(back.Picture().ScanLine(5)[5] >> 24, 0xFFu);
}

TEST_F(Files, JpegQualityChangesTheSize)
{
    TImagePic pic;
    pic.SetPicture(PatternPicture(200, 150));
    pic.SetJpgKvalitet(1);
    ASSERT_TRUE(pic.SaveBitmap(Path("low.jpg")));
    pic.SetJpgKvalitet(100);
    ASSERT_TRUE(pic.SaveBitmap(Path("high.jpg")));
    EXPECT_LT(Bytes("low.jpg").size() * 4, Bytes("high.jpg").size());
}

TEST_F(Files, OtherProgramsFilesAreRead)
{
    QImage base(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            base.setPixel(x, y, qRgb(x * 6, y * 8, 100));
    struct Variant {
        const char* name;
        QImage image;
        int tolerance;
    };
    QImage indexed = base.convertToFormat(QImage::Format_Indexed8);
    std::vector<Variant> variants{
        {"v8.bmp", indexed, 0},
        {"v24.bmp", base.convertToFormat(QImage::Format_RGB888), 0},
        {"v32.bmp", base.convertToFormat(QImage::Format_ARGB32), 0},
        {"grey.jpg", base.convertToFormat(QImage::Format_Grayscale8), 6},
        {"colour.jpg", base, 20},
    };
    for (const Variant& v : variants) {
        QImageWriter writer(Path(v.name));
        if (QString(v.name).endsWith("grey.jpg"))
            writer.setQuality(100);
        ASSERT_TRUE(writer.write(v.image)) << v.name;
        TImagePic pic;
        ASSERT_TRUE(pic.LoadBitmap(Path(v.name))) << v.name;
        EXPECT_EQ(pic.Picture().Width(), 40);
        EXPECT_LE(MaxDiff(pic.Picture().Image(), v.image.convertToFormat(QImage::Format_RGB32)), v.tolerance)
            << v.name;
    }
    // A progressive JPEG.
    QImageWriter progressive(Path("prog.jpg"));
    progressive.setProgressiveScanWrite(true);
    ASSERT_TRUE(progressive.write(base));
    TImagePic pic;
    EXPECT_TRUE(pic.LoadBitmap(Path("prog.jpg")));
    EXPECT_EQ(pic.Picture().Height(), 30);
    // A top-down bitmap: negative height in the header.
    QByteArray bmp;
    {
        QBuffer buf(&bmp);
        buf.open(QIODevice::WriteOnly);
        QImageWriter(&buf, "bmp").write(base);
    }
    int32_t height;
    std::memcpy(&height, bmp.constData() + 22, 4);
    const int rowBytes = 40 * 3;
    QByteArray flipped = bmp;
    const int32_t negative = -height;
    std::memcpy(flipped.data() + 22, &negative, 4);
    const int offset = *reinterpret_cast<const int32_t*>(bmp.constData() + 10);
    for (int y = 0; y < 30; ++y)
        std::memcpy(flipped.data() + offset + y * rowBytes, bmp.constData() + offset + (29 - y) * rowBytes, rowBytes);
    Write("topdown.bmp", flipped);
    ASSERT_TRUE(pic.LoadBitmap(Path("topdown.bmp")));
    EXPECT_EQ(MaxDiff(pic.Picture().Image(), base), 0);
}

TEST_F(Files, IconsKeepTheProgramsTransparencyRules)
{
    // White background becomes transparent in the file and white again when read.
    TBitmap b(20, 16);
    b.Canvas().Brush.Color = clRed;
    b.Canvas().FillRect(Rect(4, 4, 12, 10));
    b.Canvas().SetPixels(1, 1, clBlack);
    TImagePic pic;
    pic.SetPicture(b);
    ASSERT_TRUE(pic.SaveBitmap(Path("hus.ico")));
    const QImage qt = QImage(Path("hus.ico"));
    ASSERT_EQ(qt.size(), QSize(20, 16));
    EXPECT_EQ(qAlpha(qt.pixel(0, 0)), 0);
    EXPECT_EQ(qt.pixel(5, 5), qRgb(255, 0, 0));
    TImagePic back;
    ASSERT_TRUE(back.LoadBitmap(Path("hus.ico")));
    EXPECT_TRUE(SamePixels(back.Picture(), b));
    EXPECT_EQ(back.Picture().Canvas().Pixels(1, 1), clBlack);

    // A transparent pixel whose colour is not black keeps its colour.
    TBitmap colour(8, 8), mask(8, 8);
    colour.Canvas().Brush.Color = clBlue;
    colour.Canvas().FillRect(colour.BoundsRect());
    mask.Canvas().Brush.Color = clWhite;
    mask.Canvas().FillRect(mask.BoundsRect());
    QByteArray data;
    ASSERT_TRUE(PictureCodecs::WriteIcon(colour, mask, data));
    Write("blue.ico", data);
    ASSERT_TRUE(back.LoadBitmap(Path("blue.ico")));
    EXPECT_EQ(back.Picture().Canvas().Pixels(3, 3), clBlue);
}

TEST_F(Files, DamagedAndLyingFilesAreRefused)
{
    TImagePic pic;
    pic.SetPicture(PatternPicture(20, 20));
    ASSERT_TRUE(pic.SaveBitmap(Path("good.jpg")));
    ASSERT_TRUE(pic.SaveBitmap(Path("good.bmp")));
    const QByteArray jpg = Bytes("good.jpg"), bmp = Bytes("good.bmp");
    Write("empty.jpg", {});
    Write("empty.bmp", {});
    Write("empty.ico", {});
    Write("short.jpg", jpg.left(40));
    Write("short.bmp", bmp.left(60));
    Write("wrong.jpg", bmp);
    Write("wrong.ico", jpg);
    Write("text.bmp", "not a picture at all");
    // Headers that claim 100,000 x 100,000 pixels.
    QByteArray hugeBmp = bmp;
    const int32_t big = 100000;
    std::memcpy(hugeBmp.data() + 18, &big, 4);
    std::memcpy(hugeBmp.data() + 22, &big, 4);
    Write("huge.bmp", hugeBmp);
    QByteArray hugeJpg = jpg;
    const int sof = hugeJpg.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    hugeJpg[sof + 5] = char(0x86); // height 0x86A0 = 34,464
    hugeJpg[sof + 6] = char(0xA0);
    hugeJpg[sof + 7] = char(0x86);
    hugeJpg[sof + 8] = char(0xA0);
    Write("huge.jpg", hugeJpg);
    // Within the limits, but far more pixels than 600 bytes can describe.
    QByteArray liarJpg = jpg;
    liarJpg[sof + 5] = char(0x40); // 16,384 x 16,384
    liarJpg[sof + 6] = char(0x00);
    liarJpg[sof + 7] = char(0x40);
    liarJpg[sof + 8] = char(0x00);
    Write("liar.jpg", liarJpg);
    for (const char* name : {"empty.jpg", "empty.bmp", "empty.ico", "short.bmp", "wrong.jpg", "wrong.ico",
                             "text.bmp", "huge.bmp", "huge.jpg", "liar.jpg", "missing.jpg"}) {
        TImagePic reader;
        reader.SetPicture(PatternPicture(5, 5));
        EXPECT_FALSE(reader.LoadBitmap(Path(name))) << name;
        // The former picture waits in the undo buffer.
        EXPECT_TRUE(reader.Picture().Empty()) << name;
        reader.Undo();
        EXPECT_EQ(reader.Picture().Width(), 5) << name;
    }
    // A truncated JPEG decodes as far as it goes or is refused, but never crashes.
    TImagePic reader;
    reader.LoadBitmap(Path("short.jpg"));
}

TEST_F(Files, FailedOrEmptySavesKeepTheOldFile)
{
    TImagePic pic;
    pic.SetPicture(PatternPicture(10, 10));
    ASSERT_TRUE(pic.SaveBitmap(Path("keep.bmp")));
    const QByteArray before = Bytes("keep.bmp");
    TImagePic empty;
    EXPECT_FALSE(empty.SaveBitmap(Path("keep.bmp")));
    EXPECT_EQ(Bytes("keep.bmp"), before);
    EXPECT_FALSE(pic.SaveBitmap(Path("no/such/folder/x.bmp")));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool writable = QFile(Path("probe")).open(QIODevice::WriteOnly); // root ignores permissions
    if (!writable) {
        pic.SetPicture(PatternPicture(12, 12));
        EXPECT_FALSE(pic.SaveBitmap(Path("keep.bmp")));
        EXPECT_EQ(Bytes("keep.bmp"), before);
    }
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(Files, NewInitLoadAndMemoryFiles)
{
    TImagePic pic;
    pic.SetAutoDim(true);
    pic.SetPapirfarve(clYellow);
    pic.NewBitmap(0, 50);
    EXPECT_TRUE(pic.Picture().Empty());
    pic.NewBitmap(-5, 50);
    pic.NewBitmap(100000, 10);
    EXPECT_TRUE(pic.Picture().Empty());
    std::pair<bool, int> objekt;
    pic.OnObjekt = [&](TObject*, bool o, int n) { objekt = {o, n}; };
    pic.NewBitmap(300, 200);
    EXPECT_EQ(pic.width(), 300);
    EXPECT_EQ(pic.Picture().Canvas().Pixels(299, 199), clYellow);
    EXPECT_FALSE(pic.Modified());
    EXPECT_TRUE(pic.Filnavn().isEmpty());
    EXPECT_EQ(objekt, std::make_pair(false, -1));
    EXPECT_TRUE(pic.CanEdit());
    EXPECT_FALSE(pic.CanUndo()); // no snapshot
    EXPECT_TRUE(ViewShowsPicture(pic));
    EXPECT_EQ(pic.Picture().Canvas().Brush.Color, pic.BrushColor());

    ASSERT_TRUE(pic.SaveBitmap(Path("new.bmp")));
    TImagePic init;
    init.SetAutoDim(true);
    init.InitBitmap(Path("new.bmp"));
    EXPECT_EQ(init.width(), 300);
    EXPECT_EQ(init.Filnavn(), Path("new.bmp"));
    EXPECT_FALSE(init.Modified());

    std::pair<int, int> loaded;
    init.OnLoad = [&](TObject*, int b, int h) { loaded = {b, h}; };
    init.SetPicture(PatternPicture(10, 10));
    ASSERT_TRUE(init.LoadBitmap(Path("new.bmp")));
    EXPECT_EQ(loaded, std::make_pair(300, 200));
    EXPECT_EQ(init.InfoString(), QStringLiteral("Annuller"));
    EXPECT_TRUE(init.CanScale());

    init.SaveToMem();
    init.SaveMemPic(Path("mem.bmp"));
    TImagePic mem;
    mem.LoadMemPic(Path("missing.bmp"));
    EXPECT_FALSE(mem.CanLoadFromMem());
    mem.LoadMemPic(Path("mem.bmp"));
    EXPECT_TRUE(mem.CanLoadFromMem());
    EXPECT_EQ(mem.GHBitmap.Width(), 300);
    TImagePic none;
    none.SaveMemPic(Path("nothing.bmp"));
    EXPECT_FALSE(QFile::exists(Path("nothing.bmp")));
}

TEST_F(Files, ATruncatedJpegOpensAndReportsItsDamage)
{
    TImagePic pic;
    pic.SetPicture(Smooth(160, 120));
    ASSERT_TRUE(pic.SaveBitmap(Path("whole.jpg")));
    const QByteArray whole = Bytes("whole.jpg");
    const int sos = whole.indexOf("\xFF\xDA");
    ASSERT_GT(sos, 0);
    const int scan = sos + 2 + (uchar(whole[sos + 2]) << 8 | uchar(whole[sos + 3]));
    Write("half.jpg", whole.left(scan + (whole.size() - scan) / 2));
    Write("none.jpg", whole.left(scan + 2));

    TImagePic reader;
    reader.SetAutoDim(true);
    ASSERT_TRUE(reader.LoadBitmap(Path("whole.jpg")));
    EXPECT_FALSE(reader.Damaged());
    const TBitmap full = reader.Picture();
    // Part of the data: the picture opens at its full size with what could be read, and the
    // component reports the damage so that the document window can tell the user.
    ASSERT_TRUE(reader.LoadBitmap(Path("half.jpg")));
    EXPECT_TRUE(reader.Damaged());
    EXPECT_EQ(reader.width(), 160);
    EXPECT_EQ(reader.Picture().Height(), 120);
    for (int y = 0; y < 16; ++y)
        ASSERT_EQ(std::memcmp(reader.Picture().ScanLine(y), full.ScanLine(y), 160 * 4), 0) << y;
    EXPECT_TRUE(ViewShowsPicture(reader));
    // The next whole file clears the report; so does a failed load.
    reader.InitBitmap(Path("whole.jpg"));
    EXPECT_FALSE(reader.Damaged());
    reader.InitBitmap(Path("half.jpg"));
    EXPECT_TRUE(reader.Damaged());
    // Not a single row: refused like any damaged file.
    EXPECT_FALSE(reader.LoadBitmap(Path("none.jpg")));
    EXPECT_FALSE(reader.Damaged());
    EXPECT_TRUE(reader.Picture().Empty());
}

TEST_F(Files, DamagedBitmapsAndIconsAreRefusedByLoadBitmap)
{
    TImagePic pic;
    pic.SetPicture(PatternPicture(12, 10));
    ASSERT_TRUE(pic.SaveBitmap(Path("good.ico")));
    QByteArray ico = Bytes("good.ico");
    ico[7] = char(20); // the directory's height no longer matches the header (10 rows + mask)
    Write("height.ico", ico);
    ico = Bytes("good.ico");
    std::memset(ico.data() + 6 + 8, 0, 4); // the entry claims 0 bytes
    Write("nobytes.ico", ico);

    // An RLE8 bitmap of 4 x 2 whose first run goes past the row's end.
    QByteArray rle;
    auto put32 = [&](quint32 v) {
        for (int k = 0; k < 4; ++k)
            rle.append(char(v >> (8 * k)));
    };
    const QByteArray runs("\x05\x01\x00\x00\x04\x01\x00\x01", 8);
    rle = "BM";
    put32(14 + 40 + 8 + runs.size());
    put32(0);
    put32(14 + 40 + 8);
    for (quint32 v : {40u, 4u, 2u})
        put32(v);
    rle.append(char(1)).append('\0').append(char(8)).append('\0');
    for (quint32 v : {1u, quint32(runs.size()), 0u, 0u, 2u, 0u})
        put32(v);
    put32(0x000000);
    put32(0xFFFFFF);
    rle += runs;
    Write("rle.bmp", rle);
    rle[14 + 40 + 8] = char(4); // the same file with a run that fits
    Write("rlegood.bmp", rle);

    TImagePic reader;
    ASSERT_TRUE(reader.LoadBitmap(Path("good.ico")));
    ASSERT_TRUE(reader.LoadBitmap(Path("rlegood.bmp")));
    EXPECT_EQ(reader.Picture().Canvas().Pixels(3, 1), clWhite);
    for (const char* name : {"height.ico", "nobytes.ico", "rle.bmp"}) {
        reader.SetPicture(PatternPicture(5, 5));
        EXPECT_FALSE(reader.LoadBitmap(Path(name))) << name;
        EXPECT_TRUE(reader.Picture().Empty()) << name;
        EXPECT_FALSE(reader.Damaged());
    }
}

TEST_F(Files, AHiddenPictureFillsItsViewWhenTheViewIsFirstNeeded)
{
    TImagePic first;
    first.SetAutoDim(true);
    first.SetPicture(PatternPicture(30, 20));
    ASSERT_TRUE(first.SaveBitmap(Path("a.bmp")));

    // Loaded while hidden: the view is filled from the picture when it is read or drawn on.
    TImagePic hidden;
    hidden.SetAutoDim(true);
    ASSERT_TRUE(hidden.LoadBitmap(Path("a.bmp")));
    EXPECT_TRUE(SamePixels(hidden.View(), hidden.Picture()));
    ASSERT_TRUE(hidden.LoadBitmap(Path("a.bmp")));
    hidden.Canvas().SetPixels(3, 3, clRed);
    EXPECT_EQ(hidden.View().Canvas().Pixels(3, 3), clRed);
    EXPECT_EQ(hidden.View().Canvas().Pixels(4, 3), hidden.Picture().Canvas().Pixels(4, 3));

    // Shown: the screen shows the picture.
    TImagePic shown;
    shown.SetAutoDim(true);
    ASSERT_TRUE(shown.LoadBitmap(Path("a.bmp")));
    shown.show();
    const QImage screen = shown.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(MaxDiff(screen, first.Picture().Image()), 0);
}

TEST_F(Files, PngAndWebpAreSavedAndReadBackExactlyInAnyCase)
{
    TImagePic pic;
    pic.SetAutoDim(true);
    pic.SetPicture(PatternPicture(41, 27));
    const QImage original = pic.Picture().Image();
    for (const char* name : {"a.png", "b.webp", "C.PNG", "D.WebP"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(TImagePic::Writable(Path(name)));
        ASSERT_TRUE(pic.SaveBitmap(Path(name)));
        EXPECT_EQ(pic.Filnavn(), Path(name));
        // The type follows the extension.
        const QByteArray bytes = Bytes(name);
        EXPECT_TRUE(QByteArray(name).toLower().endsWith("png") ? bytes.startsWith("\x89PNG") : bytes.startsWith("RIFF"));
        TImagePic reader;
        ASSERT_TRUE(reader.LoadBitmap(Path(name)));
        EXPECT_FALSE(reader.Damaged());
        EXPECT_EQ(reader.Picture().Image(), original);
    }
    // TIFF and GIF are read, never written: the old file stays.
    Write("keep.tif", "old");
    EXPECT_FALSE(TImagePic::Writable(Path("keep.tif")));
    EXPECT_FALSE(pic.SaveBitmap(Path("keep.tif")));
    EXPECT_EQ(Bytes("keep.tif"), QByteArray("old"));
    EXPECT_FALSE(pic.SaveBitmap(Path("x.gif")));
    EXPECT_FALSE(QFile::exists(Path("x.gif")));
}

TEST_F(Files, TiffAndGifOpenAndDamagedPngsOpenInPartOrNotAtAll)
{
    QByteArray tiff;
    QBuffer buffer(&tiff);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(PatternPicture(30, 20).Image().save(&buffer, "tiff"));
    Write("p.TIFF", tiff);
    Write("g.gif", SmallGif(3, 2, {qRgb(0, 0, 0), qRgb(255, 255, 255)}, {0, 1, 0, 1, 0, 1}));
    TImagePic reader;
    ASSERT_TRUE(reader.LoadBitmap(Path("p.TIFF")));
    EXPECT_EQ(reader.Picture().Image(), PatternPicture(30, 20).Image());
    ASSERT_TRUE(reader.LoadBitmap(Path("g.gif")));
    EXPECT_FALSE(reader.Damaged());
    EXPECT_EQ(reader.Picture().Canvas().Pixels(1, 0), clWhite);
    EXPECT_EQ(reader.Picture().Canvas().Pixels(2, 1), clWhite);
    EXPECT_EQ(reader.Picture().Canvas().Pixels(0, 0), clBlack);

    TImagePic pic;
    pic.SetPicture(PatternPicture(300, 200));
    ASSERT_TRUE(pic.SaveBitmap(Path("whole.png")));
    const QByteArray png = Bytes("whole.png");
    Write("cut.png", png.left(png.size() / 2));
    ASSERT_TRUE(reader.LoadBitmap(Path("cut.png")));
    EXPECT_TRUE(reader.Damaged());
    EXPECT_EQ(reader.Picture().Width(), 300);
    EXPECT_EQ(reader.Picture().Canvas().Pixels(1, 1), pic.Picture().Canvas().Pixels(1, 1));
    EXPECT_EQ(reader.Picture().Canvas().Pixels(1, 199), clWhite);
    ASSERT_TRUE(reader.LoadBitmap(Path("whole.png")));
    EXPECT_FALSE(reader.Damaged());

    Write("bmp.png", Bytes("p.TIFF"));
    Write("short.png", png.left(50));
    Write("text.webp", "RIFF and nothing else");
    for (const char* name : {"bmp.png", "short.png", "text.webp"}) {
        reader.SetPicture(PatternPicture(5, 5));
        EXPECT_FALSE(reader.LoadBitmap(Path(name))) << name;
        reader.Undo();
        EXPECT_EQ(reader.Picture().Width(), 5) << name;
    }
}

TEST_F(Files, ATurnedPhotoOpensUprightAndIsSavedUpright)
{
    TBitmap stored(64, 32);
    stored.Canvas().Brush = {clRed, bsSolid};
    stored.Canvas().FillRect(Rect(0, 0, 32, 32)); // left half red, right half white
    QByteArray jpeg;
    ASSERT_TRUE(PictureCodecs::WriteJpeg(stored, 95, jpeg));
    Write("phone.jpg", WithOrientation(jpeg, 8)); // turned anticlockwise to show
    TImagePic pic;
    pic.SetAutoDim(true);
    ASSERT_TRUE(pic.LoadBitmap(Path("phone.jpg")));
    ASSERT_EQ(pic.Picture().Width(), 32);
    ASSERT_EQ(pic.Picture().Height(), 64);
    const auto reddish = [](TColor c) { return (c & 0xFF) > 200 && ((c >> 8) & 0xFF) < 60; };
    EXPECT_TRUE(reddish(pic.Picture().Canvas().Pixels(16, 60))) << "the stored left half lies at the bottom";
    EXPECT_FALSE(reddish(pic.Picture().Canvas().Pixels(16, 4)));
    ASSERT_TRUE(pic.SaveBitmap(Path("phone.jpg")));
    EXPECT_EQ(PictureCodecs::JpegOrientation(Bytes("phone.jpg")), 1);
    TImagePic again;
    ASSERT_TRUE(again.LoadBitmap(Path("phone.jpg")));
    EXPECT_EQ(again.Picture().Height(), 64);
    EXPECT_TRUE(reddish(again.Picture().Canvas().Pixels(16, 60)));
}
