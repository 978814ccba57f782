#include "platform/Bitmap.h"
#include "platform/Clipboard.h"
#include "platform/Cursors.h"
#include <QBitmap>
#include <QClipboard>
#include <QGuiApplication>
#include <gtest/gtest.h>

TEST(Clipboard, PictureComesBackEqual)
{
    TBitmap b(13, 7);
    for (int x = 0; x < 13; ++x)
        b.Canvas().SetPixels(x, x % 7, RGB(x * 19, 255 - x, 7));
    TClipboard::SetBitmap(b);
    ASSERT_TRUE(TClipboard::HasBitmap());
    TBitmap back;
    ASSERT_TRUE(TClipboard::GetBitmap(back));
    EXPECT_EQ(back.Width(), 13);
    EXPECT_EQ(back.Height(), 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 13; ++x)
            ASSERT_EQ(back.Canvas().Pixels(x, y), b.Canvas().Pixels(x, y));
    QGuiApplication::clipboard()->clear();
    TBitmap untouched(2, 2);
    EXPECT_FALSE(TClipboard::HasBitmap());
    EXPECT_FALSE(TClipboard::GetBitmap(untouched));
    EXPECT_EQ(untouched.Width(), 2);
}

TEST(Cursors, EveryToolCursorIsRegisteredWithItsHotSpotAndArtwork)
{
    TCursors::RegisterToolCursors();
    ASSERT_EQ(TCursors::ToolCursors().size(), 36u);
    int number = 4;
    for (const TCursorResource& r : TCursors::ToolCursors()) {
        EXPECT_EQ(r.Number, number++);
        ASSERT_TRUE(TCursors::IsRegistered(r.Number)) << r.Resource;
        const QCursor c = TCursors::Get(r.Number);
        EXPECT_EQ(c.shape(), Qt::BitmapCursor) << r.Resource;
        EXPECT_EQ(c.hotSpot(), QPoint(r.HotX, r.HotY)) << r.Resource;
        const QImage shape = c.bitmap().toImage();
        ASSERT_EQ(shape.size(), QSize(32, 32)) << r.Resource;
        // The hot spot points with a black pixel.
        EXPECT_EQ(shape.pixelIndex(r.HotX, r.HotY), 1) << r.Resource;
        EXPECT_EQ(c.mask().toImage().pixelIndex(r.HotX, r.HotY), 1) << r.Resource;
    }
    EXPECT_EQ(TCursors::Get(200).shape(), Qt::ArrowCursor);
    EXPECT_EQ(TCursors::Get(crHourGlass).shape(), Qt::WaitCursor);
}

TEST(Cursors, ScreenCursorShowsWaitAndGoesBackToDefault)
{
    TCursors::SetScreenCursor(crHourGlass);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_EQ(TCursors::ScreenCursor(), crHourGlass);
    TCursors::SetScreenCursor(crDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
