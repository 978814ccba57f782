#include <QFontDatabase>
#include <QTest>
#include <gtest/gtest.h>
#include "widgets/FontSizeComboBox.h"

namespace {

QStringList Items(const QComboBox& box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    return items;
}

} // namespace

TEST(FontSizeComboBox, ScalableFontGetsTheFixedList)
{
    TFontSizeComboBox box;
    box.SetFontName("DejaVu Sans");
    EXPECT_EQ(Items(box), QStringList({"8", "9", "10", "11", "12", "14", "16", "18", "20", "22",
                                       "24", "26", "28", "36", "48", "72"}));
}

TEST(FontSizeComboBox, RefillKeepsTheChosenSizeAndFiresClickOnce)
{
    TFontSizeComboBox box;
    box.SetFontName("DejaVu Sans");
    box.setCurrentIndex(box.findText("14"));
    int clicks = 0, changes = 0;
    box.OnClick = [&](TObject*) { ++clicks; };
    box.OnChange = [&](TObject*) { ++changes; };
    box.SetFontName("Liberation Serif");
    EXPECT_EQ(box.currentText(), "14");
    EXPECT_EQ(box.FontName(), "Liberation Serif");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 0);
}

TEST(FontSizeComboBox, ChoosingBySizeFiresChangeThenNewSize)
{
    TFontSizeComboBox box;
    box.SetFontName("DejaVu Sans");
    box.setCurrentIndex(box.findText("12"));
    QStringList calls;
    box.OnChange = [&](TObject*) { calls << "change"; };
    box.OnNyFontSize = [&](TObject*, int size) { calls << QString::number(size); };
    box.show();
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(calls, QStringList({"change", "14"}));
    EXPECT_EQ(box.FontSize(), 14);
}
