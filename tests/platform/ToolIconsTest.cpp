#include "platform/ToolIcons.h"
#include <QDir>
#include <QFile>
#include <QHash>
#include <QPixmap>
#include <QSet>
#include <gtest/gtest.h>

namespace {
QByteArray Grid(char fill)
{
    QByteArray text;
    for (int y = 0; y < kToolIconSize; ++y)
        text += QByteArray(kToolIconSize, fill) + '\n';
    return text;
}

QByteArray Resource(const QString& file)
{
    QFile f(QStringLiteral(":/toolicons/") + file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST(ToolIcons, EveryListedActionHasAFileOfTwentyFourByTwentyFourPaletteCharacters)
{
    EXPECT_GE(ToolIconNames().size(), 100);
    for (const QString& name : ToolIconNames()) {
        const QByteArray text = Resource(name + ".txt");
        ASSERT_FALSE(text.isEmpty()) << name.toStdString() << " has no artwork";
        const QImage image = ParseToolIcon(text);
        ASSERT_FALSE(image.isNull()) << name.toStdString() << " is not 24 lines of 24 palette characters";
        EXPECT_EQ(image.size(), QSize(kToolIconSize, kToolIconSize));
        EXPECT_EQ(ToolIconImage(name), image) << name.toStdString();
        EXPECT_FALSE(ToolIcon(name).isNull()) << name.toStdString();
    }
}

TEST(ToolIcons, NoArtworkLiesOutsideTheListAndNoNameIsListedTwice)
{
    const QSet<QString> listed(ToolIconNames().begin(), ToolIconNames().end());
    EXPECT_EQ(listed.size(), ToolIconNames().size());
    for (const QString& file : QDir(QStringLiteral(":/toolicons")).entryList(QDir::Files)) {
        EXPECT_TRUE(file.endsWith(".txt")) << file.toStdString();
        EXPECT_TRUE(listed.contains(file.chopped(4))) << file.toStdString() << " is not in ToolIconNames";
    }
}

TEST(ToolIcons, EveryImageIsDrawnAndNoTwoActionsShareOne)
{
    QHash<QByteArray, QString> seen;
    for (const QString& name : ToolIconNames()) {
        const QImage image = ToolIconImage(name);
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                drawn += qAlpha(image.pixel(x, y)) != 0;
        EXPECT_GE(drawn, 40) << name.toStdString() << " is nearly blank";
        const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
        EXPECT_FALSE(seen.contains(pixels)) << name.toStdString() << " looks like " << seen.value(pixels).toStdString();
        seen.insert(pixels, name);
    }
}

TEST(ToolIcons, TheFilledRectangleHasADarkOutlineABlueInsideAndATransparentCorner)
{
    const QImage image = ToolIconImage("ARektF");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(2, 4), *ToolIconColour('k'));
    EXPECT_EQ(image.pixel(21, 19), *ToolIconColour('k'));
    EXPECT_EQ(image.pixel(12, 12), *ToolIconColour('b'));
    // light at the top left inside, dark at the bottom right inside
    EXPECT_EQ(image.pixel(3, 5), *ToolIconColour('c'));
    EXPECT_EQ(image.pixel(20, 18), *ToolIconColour('u'));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(image.pixel(12, 12), qRgb(0x32, 0x72, 0xD2));
}

TEST(ToolIcons, AnUnknownNameGivesANullIconAndImage)
{
    EXPECT_TRUE(ToolIcon("ANoSuchAction").isNull());
    EXPECT_TRUE(ToolIconImage("ANoSuchAction").isNull());
    EXPECT_TRUE(ToolIcon("").isNull());
    // names are not paths into other resources
    EXPECT_TRUE(ToolIconImage("../cursors/CUBLYANT").isNull());
    EXPECT_TRUE(ToolIconImage("arektf").isNull());
}

TEST(ToolIcons, GridsOfTheWrongSizeOrWithForeignCharactersAreRefused)
{
    EXPECT_FALSE(ParseToolIcon(Grid('k')).isNull());
    QByteArray crlf = Grid('w');
    crlf.replace("\n", "\r\n");
    EXPECT_FALSE(ParseToolIcon(crlf).isNull());
    EXPECT_FALSE(ParseToolIcon(Grid('k').chopped(1)).isNull()); // no line end after the last line

    EXPECT_TRUE(ParseToolIcon(QByteArray()).isNull());
    EXPECT_TRUE(ParseToolIcon(Grid('k') + Grid('k').left(kToolIconSize + 1)).isNull()); // 25 lines
    EXPECT_TRUE(ParseToolIcon(Grid('k').mid(kToolIconSize + 1)).isNull());             // 23 lines
    QByteArray longLine = Grid('k');
    longLine.insert(5, 'k');
    EXPECT_TRUE(ParseToolIcon(longLine).isNull());
    QByteArray shortLine = Grid('k');
    shortLine.remove(5, 1);
    EXPECT_TRUE(ParseToolIcon(shortLine).isNull());
    for (char bad : {'#', 'K', ' ', 'x'}) {
        QByteArray foreign = Grid('.');
        foreign[3 * (kToolIconSize + 1) + 7] = bad;
        EXPECT_TRUE(ParseToolIcon(foreign).isNull()) << bad;
    }
}

TEST(ToolIcons, TheDisabledLookIsGreyedFromTheSameImage)
{
    const QIcon icon = ToolIcon("AInverter");
    ASSERT_FALSE(icon.isNull());
    const QImage normal = icon.pixmap(kToolIconSize, QIcon::Normal).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage disabled = icon.pixmap(kToolIconSize, QIcon::Disabled).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(disabled.size(), normal.size());
    EXPECT_NE(disabled, normal);
    // the dark half of the inverter comes out lighter, the transparent corner stays transparent
    EXPECT_GT(qGray(disabled.pixel(18, 6)), qGray(normal.pixel(18, 6)));
    EXPECT_EQ(qAlpha(disabled.pixel(0, 0)), 0);
}
