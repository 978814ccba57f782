#include "colours/PaletteFile.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    return b;
}

void WriteRaw(const QString& path, const QByteArray& data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

QByteArray ReadRaw(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class PaletteFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(PaletteFileTest, WritesLittleEndianRecordsAndReadsThemBack)
{
    const std::vector<TColor> colours{RGB(1, 2, 3), clNone, clWhite, clBtnFace};
    ASSERT_TRUE(PaletteFile::Write(Path("a.pal"), colours));
    EXPECT_EQ(ReadRaw(Path("a.pal")).left(12), Bytes({1, 2, 3, 0, 0xFF, 0xFF, 0xFF, 0x1F, 0xFF, 0xFF, 0xFF, 0}));
    std::vector<TColor> back;
    ASSERT_TRUE(PaletteFile::Read(Path("a.pal"), back));
    EXPECT_EQ(back, colours);
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(PaletteFileTest, ForeignValuesAreMaskedAndPartialRecordsDropped)
{
    // Top bytes 0x80 and 0x7F, an empty field, a system colour in the older form, half a record.
    WriteRaw(Path("f.pal"), Bytes({1, 2, 3, 0x80, 0x0F, 0, 0, 0x7F, 0xFF, 0xFF, 0xFF, 0x1F, 0x0F, 0, 0, 0x80, 9, 9}));
    std::vector<TColor> colours{clRed};
    ASSERT_TRUE(PaletteFile::Read(Path("f.pal"), colours));
    EXPECT_EQ(colours, (std::vector<TColor>{RGB(1, 2, 3), RGB(0x0F, 0, 0), clNone, clBtnFace}));
}

TEST_F(PaletteFileTest, MissingEmptyAndHugeFiles)
{
    std::vector<TColor> colours{clRed};
    EXPECT_FALSE(PaletteFile::Read(Path("missing.pal"), colours));
    EXPECT_FALSE(PaletteFile::Read(dir.path(), colours)); // a folder
    EXPECT_EQ(colours, std::vector<TColor>{clRed});
    WriteRaw(Path("empty.pal"), {});
    ASSERT_TRUE(PaletteFile::Read(Path("empty.pal"), colours));
    EXPECT_TRUE(colours.empty());
    WriteRaw(Path("huge.pal"), QByteArray(PaletteFile::kMaxRecords * 4 + 4000, char(0x11)));
    ASSERT_TRUE(PaletteFile::Read(Path("huge.pal"), colours));
    EXPECT_EQ(int(colours.size()), PaletteFile::kMaxRecords);
    EXPECT_EQ(colours.back(), 0x111111);
}

TEST_F(PaletteFileTest, AFailedWriteKeepsTheOldFile)
{
    ASSERT_TRUE(PaletteFile::Write(Path("k.pal"), {clRed}));
    EXPECT_FALSE(PaletteFile::Write(Path("nofolder/k.pal"), {clBlue}));
    std::vector<TColor> back;
    ASSERT_TRUE(PaletteFile::Read(Path("k.pal"), back));
    EXPECT_EQ(back, std::vector<TColor>{clRed});
}

TEST(PaletteGrid, GridsByColourCount)
{
    const auto grid = [](int n) {
        const PaletteFile::TGitter g = PaletteFile::GitterFor(n);
        return std::pair(g.Vandret, g.Lodret);
    };
    EXPECT_EQ(grid(5), std::pair(3, 2));
    EXPECT_EQ(grid(25), std::pair(10, 3));
    EXPECT_EQ(grid(30), std::pair(10, 3));
    EXPECT_EQ(grid(36), std::pair(12, 3));
    EXPECT_EQ(grid(37), std::pair(10, 4));
    EXPECT_EQ(grid(60), std::pair(15, 4));
    EXPECT_EQ(grid(61), std::pair(16, 4));
    EXPECT_EQ(grid(4), std::pair(2, 2));
    EXPECT_EQ(grid(0), std::pair(2, 2));
    EXPECT_EQ(grid(-3), std::pair(2, 2));
}

} // namespace
