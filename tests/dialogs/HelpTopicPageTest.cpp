#include <QImage>
#include <QTest>
#include <gtest/gtest.h>
#include "dialogs/HelpTopicPage.h"
#include "dialogs/HelpTopics.h"
#include "dialogs/TopicList.h"

namespace {

// The page with every opened topic recorded.
struct Page {
    Page()
    {
        page.OnTopic = [this](const QString& topic) { opened << topic; };
        page.resize(500, 400);
        page.show();
    }
    // Clicks row Row of List the way the user does.
    void Click(TTopicList* list, int row)
    {
        const QRect r = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }
    THelpTopicPage page;
    QStringList opened;
};

// The pixel at (X, Y) of row Row of List, as drawn.
QRgb RowPixel(TTopicList* list, int row, int x, int y)
{
    list->doItemsLayout(); // a refilled list lays its rows out later by itself
    const QImage image = list->viewport()->grab().toImage();
    const QRect r = list->visualItemRect(list->item(row));
    return image.pixel(r.left() + x, r.top() + y) & 0xFFFFFF;
}

} // namespace

TEST(HelpTopicPage, ChaptersOpenTheirTopicAndFillTheSubList)
{
    Page p;
    TTopicList* menu = p.page.menuBox();
    ASSERT_EQ(menu->count(), 13);
    EXPECT_EQ(menu->item(12)->text(), "Paletter");
    EXPECT_EQ(p.page.itemBox()->count(), 0);

    p.Click(menu, 0);
    EXPECT_EQ(p.opened, QStringList({"Tegneredskaber"}));
    ASSERT_EQ(p.page.itemBox()->count(), 12);
    EXPECT_EQ(p.page.itemBox()->item(11)->text(), "Spray");
    p.Click(p.page.itemBox(), 3);
    EXPECT_EQ(p.opened.last(), "Special blyant");

    // The empty rows do nothing at all.
    p.Click(menu, 3);
    p.Click(menu, 8);
    EXPECT_EQ(p.opened.size(), 2);
    EXPECT_EQ(p.page.ItemBoxChapter(), 0);
    EXPECT_EQ(p.page.itemBox()->count(), 12);

    // A chapter without a sub-list empties it.
    p.Click(menu, 4);
    EXPECT_EQ(p.opened.last(), "Nyt");
    EXPECT_EQ(p.page.itemBox()->count(), 0);
    p.page.setItemBox(12);
    EXPECT_EQ(menu->currentRow(), 12);
    EXPECT_EQ(p.page.itemBox()->Topic(3), "Redskabsfarverne");
    EXPECT_EQ(p.opened.size(), 3); // selecting a chapter does not open it
}

TEST(HelpTopicPage, EnglishCaptionsStillOpenTheDanishPages)
{
    Page p;
    p.page.setItemBox(9);
    p.page.SetSprog(true);
    EXPECT_EQ(p.page.menuBox()->item(9)->text(), "About colors");
    EXPECT_EQ(p.page.itemBox()->item(3)->text(), "Palette gray");
    EXPECT_EQ(p.page.menuBox()->currentRow(), 9);
    p.Click(p.page.itemBox(), 3);
    EXPECT_EQ(p.opened, QStringList({"Palette grå"}));
    p.page.SetSprog(false);
    EXPECT_EQ(p.page.itemBox()->item(3)->text(), "Palette grå");
    EXPECT_EQ(p.page.menuBox()->item(0)->text(), "Tegneredskaber");
}

TEST(HelpTopicPage, RowsCarryTheirGroupMarkerAndASilverBottomLine)
{
    Page p;
    TTopicList* menu = p.page.menuBox();
    p.page.setItemBox(5);
    menu->clearSelection(); // draw every row unselected
    const QRgb base = RowPixel(menu, 3, 10, 8);
    EXPECT_EQ(RowPixel(menu, 0, 2, 5), 0x0000FFu);   // blue, Qt's 0xRRGGBB
    EXPECT_EQ(RowPixel(menu, 2, 17, 14), 0x0000FFu); // last pixel of the 16 x 10 marker
    EXPECT_EQ(RowPixel(menu, 2, 18, 8), base);
    EXPECT_EQ(RowPixel(menu, 0, 2, 15), base);
    EXPECT_EQ(RowPixel(menu, 3, 8, 8), base);        // empty row: no marker
    EXPECT_EQ(RowPixel(menu, 7, 8, 8), 0x008000u);   // green
    EXPECT_EQ(RowPixel(menu, 10, 8, 8), 0xFF00FFu);  // magenta
    const int bottom = menu->visualItemRect(menu->item(1)).height() - 1;
    EXPECT_EQ(RowPixel(menu, 1, 40, bottom), 0xC0C0C0u);
    TTopicList* items = p.page.itemBox();
    items->clearSelection();
    EXPECT_EQ(RowPixel(items, 0, 9, 14), 0xFF0000u); // red 8 x 10
    EXPECT_EQ(RowPixel(items, 0, 10, 8), RowPixel(items, 0, 10, 2));
}

TEST(HelpTopics, ChapterOfFindsChaptersAndSubListEntries)
{
    EXPECT_EQ(HelpTopics::ChapterOf("Tekstboks"), 1);
    EXPECT_EQ(HelpTopics::ChapterOf("Tekst"), 1);
    EXPECT_EQ(HelpTopics::ChapterOf("Egenskaber"), 7);
    EXPECT_EQ(HelpTopics::ChapterOf("Farveboks"), 12);
    EXPECT_EQ(HelpTopics::ChapterOf("Velkommen"), -1);
    EXPECT_EQ(HelpTopics::ChapterOf(""), -1);
    EXPECT_EQ(HelpTopics::Chapter(-1), "");
    EXPECT_EQ(HelpTopics::Chapter(13), "");
    // Every topic of the lists has an English caption of its own.
    for (int row = 0; row < HelpTopics::ChapterCount; ++row) {
        // A named list: a range over "SubTopics(row) << ..." would read a destroyed temporary.
        const QStringList topics = HelpTopics::SubTopics(row) << HelpTopics::Chapter(row);
        for (const QString& topic : topics)
            if (!topic.isEmpty() && topic != "Zoom" && topic != "Ellipse" && topic != "Polygon" &&
                topic != "Spray" && topic != "Palette" && topic != "Palette 17" && topic != "Hexadecimal notation")
                EXPECT_NE(HelpTopics::TopicCaption(topic, true), topic) << topic.toStdString();
    }
}
