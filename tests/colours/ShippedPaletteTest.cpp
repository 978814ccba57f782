// The default palette the program ships, data/palettes/Mixed.pal, is made here by the program's
// own palette writer. Run with MALVO_WRITE_SHIPPED=1 to write it again after a change.
#include "appcore/DataFolder.h"
#include "colours/ColorPan.h"
#include "colours/PaletteFile.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <algorithm>
#include <set>

namespace {

// The first n distinct colours of a rainbow palette of the panel, in order.
std::vector<TColor> Rainbow(int n)
{
    for (int fields = n;; ++fields) {
        TColorPan rainbow;
        rainbow.SetAntalIalt(fields);
        rainbow.SetFarvePal(cpRGBplus);
        rainbow.Paint();
        std::vector<TColor> colours;
        for (int i = 0; i < fields; ++i)
            if (std::find(colours.begin(), colours.end(), rainbow.GetColor(i)) == colours.end())
                colours.push_back(rainbow.GetColor(i));
        if (int(colours.size()) >= n) {
            colours.resize(size_t(n));
            return colours;
        }
    }
}

// 64 colours: 48 of a rainbow, then 16 greys from black to white.
std::vector<TColor> MixedColours()
{
    TColorPan greys;
    greys.SetAntalIalt(16);
    greys.NyFarve(clBlack);
    greys.NyFarveBg(clWhite);
    greys.NyIntervalPal();
    std::vector<TColor> colours = Rainbow(48);
    for (int i = 0; i < 16; ++i)
        colours.push_back(greys.GetColor(i));
    return colours;
}

QByteArray WrittenBy(const std::vector<TColor>& colours, const QString& path)
{
    TColorPan pan;
    pan.SetAntalIalt(int(colours.size()));
    for (int i = 0; i < int(colours.size()); ++i)
        pan.InitFarveFelt(i, colours[size_t(i)]);
    pan.SetFarvePal(cpSelvValgt);
    EXPECT_TRUE(pan.GemPalette(path));
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(ShippedPalette, MixedIsTheProgramsOwnSixtyFourColourMix)
{
    const QString shipped = TDataFolder::ShippedDataFolder() + "/palettes/Mixed.pal";
    QTemporaryDir dir;
    const QByteArray made = WrittenBy(MixedColours(), dir.filePath("Mixed.pal"));
    ASSERT_EQ(made.size(), 64 * 4);
    if (qEnvironmentVariableIsSet("MALVO_WRITE_SHIPPED")) {
        QDir().mkpath(TDataFolder::ShippedDataFolder() + "/palettes");
        QFile::remove(shipped);
        ASSERT_TRUE(QFile::copy(dir.filePath("Mixed.pal"), shipped));
    }
    QFile f(shipped);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << shipped.toStdString();
    EXPECT_EQ(f.readAll(), made);

    // Every colour is distinct and the greys run from black to white.
    const std::vector<TColor> colours = MixedColours();
    EXPECT_EQ(std::set<TColor>(colours.begin(), colours.end()).size(), colours.size());
    EXPECT_EQ(colours[48], clBlack);
    EXPECT_EQ(colours[63], clWhite);
}

TEST(ShippedPalette, PreparingTheDataFolderCopiesItWhereMissingOnly)
{
    QTemporaryDir base;
    const TDataFolder folder(base.path(), "user");
    ASSERT_TRUE(folder.Prepare(TDataFolder::ShippedDataFolder()));
    std::vector<TColor> colours;
    ASSERT_TRUE(PaletteFile::Read(folder.DefaultPalFilnavn, colours));
    EXPECT_EQ(colours.size(), 64u);

    // The user's own Mixed.pal stays.
    ASSERT_TRUE(PaletteFile::Write(folder.DefaultPalFilnavn, {clRed}));
    ASSERT_TRUE(folder.Prepare(TDataFolder::ShippedDataFolder()));
    ASSERT_TRUE(PaletteFile::Read(folder.DefaultPalFilnavn, colours));
    EXPECT_EQ(colours, std::vector<TColor>{clRed});
}
