// Stored window places and sizes fitted into the screens (the test screens: 1400 x 1000 at the
// origin and 1024 x 768 to its right), and the shortened path label.
#include "../common/Screens.h"
#include "widgets/PathLabel.h"
#include "widgets/ScreenFit.h"
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <climits>
#include <gtest/gtest.h>

TEST(ScreenFit, EveryStoredGeometryEndsWhollyOnAScreen)
{
    const QRect cases[] = {{250, 250, 1100, 1000},     {-2000, -2, 900, 700},   {1391, 250, 1091, 982},
                           {0, -500, 300, 200},        {INT_MAX / 2, INT_MAX / 2, 300, 200},
                           {-30000, 30000, 16000, 16000}, {1500, 100, 1091, 982}};
    for (const QRect& r : cases) {
        const QRect fitted = FitToScreen(r, QSize(400, 500));
        EXPECT_TRUE(OnSomeScreen(fitted)) << r.x() << "," << r.y();
        EXPECT_GE(fitted.height(), 500);
    }
    // A place and size that fit stay as they are.
    EXPECT_EQ(FitToScreen(QRect(31, 32, 900, 700)), QRect(31, 32, 900, 700));
    // A window on the small screen that is taller than it keeps that screen and its height.
    const QRect small = FitToScreen(QRect(1500, 100, 1091, 982));
    EXPECT_EQ(small, QRect(1400, 0, 1024, 768));
    // The title bar comes back onto the screen when the window was pushed above it.
    EXPECT_EQ(FitToScreen(QRect(250, -2, 800, 600)).top(), 0);
}

TEST(ScreenFit, PlaceOnScreenMovesAndShrinksAWindow)
{
    QWidget window;
    window.setMinimumSize(200, 150);
    PlaceOnScreen(&window, QPoint(5000, -400), QSize(3000, 2000));
    EXPECT_TRUE(OnSomeScreen(window.frameGeometry()));
    EXPECT_LE(window.width(), 1400);
    PlaceOnScreen(&window, QPoint(10, 10), QSize(50, 50));
    EXPECT_EQ(window.size(), QSize(200, 150));
    EXPECT_EQ(window.pos(), QPoint(10, 10));
}

TEST(PathLabel, ALongFolderIsShortenedInTheMiddleAndWholeInTheToolTip)
{
    const QString path = "/home/user/" + QString(400, 'x') + "/Billeder";
    TPathLabel label;
    label.SetPath(path);
    label.resize(200, 20);
    label.show();
    EXPECT_EQ(label.toolTip(), path);
    EXPECT_EQ(label.Path(), path);
    EXPECT_TRUE(label.text().startsWith("/home/"));
    EXPECT_TRUE(label.text().endsWith("Billeder"));
    EXPECT_TRUE(label.text().contains(QChar(0x2026)));
    EXPECT_LE(label.fontMetrics().horizontalAdvance(label.text()), 200);
    // It never asks its window for room: its least width is nothing.
    EXPECT_EQ(label.minimumSizeHint().width(), 0);
    // A short folder is shown whole.
    label.SetPath("/tmp");
    EXPECT_EQ(label.text(), "/tmp");
}
