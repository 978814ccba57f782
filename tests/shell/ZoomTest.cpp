// A zoomed document: presses reach the pixel under the mouse, every tool draws the same
// picture as at 100 %, the widget shows sharp blocks with a grid from 800 % and an averaged
// overview below 100 %, outlines stay thin, and the zoom is shown and kept per document.
#include "MainformFixture.h"
#include "colours/Farveform.h"
#include "shell/ZoomView.h"
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace {

// Every pixel differs from its neighbours and from the tool colours.
TBitmap Pattern(int w, int h)
{
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y) {
        uint32_t* line = b.ScanLine(y);
        for (int x = 0; x < w; ++x)
            line[x] = ToQRgb(RGB(40 + (x * 3) % 170, 50 + (y * 5) % 160, 60 + ((x + y) * 7) % 150));
    }
    return b;
}

// The screen point inside picture pixel p at an integer zoom (not on the block's edge).
QPoint Inside(QPoint p, int zoom)
{
    return p * zoom + QPoint(zoom / 2, zoom - 1);
}

QImage Grab(QWidget& widget, qreal ratio = 1)
{
    QImage image((QSizeF(widget.size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::red);
    widget.render(&image);
    return image;
}

class ZoomFixture : public MainformFixture {
protected:
    // Opens a pattern picture as the active document at the zoom (0: the zoom it opens at),
    // scrolled to its top-left corner.
    TMalvoform& Open(int w, int h, double zoom = 0, const TBitmap* picture = nullptr)
    {
        if (!Form)
            Start();
        const QString path = Home.path() + QStringLiteral("/p%1.bmp").arg(++opened_);
        QByteArray data;
        EXPECT_TRUE(PictureCodecs::WriteBmp(picture ? *picture : Pattern(w, h), data));
        EXPECT_TRUE(PictureCodecs::WriteFileSafely(path, data));
        Form->HentPicture(path);
        QApplication::processEvents();
        TMalvoform& doc = *Form->GForm();
        if (zoom > 0)
            doc.SetZoom(zoom);
        doc.Box->horizontalScrollBar()->setValue(0);
        doc.Box->verticalScrollBar()->setValue(0);
        QApplication::processEvents();
        return doc;
    }

    // Chooses a tool and drags it between two picture pixels through the shown widget.
    void DragTool(TMalvoform& doc, const char* tool, QPoint from, QPoint to)
    {
        Act(tool)->trigger();
        QWidget* w = doc.Shown();
        const double zoom = doc.Zoom();
        // A screen point inside the pixel: below 1 the pixels used are multiples of 1 / zoom.
        const auto screen = [zoom](QPoint p) {
            return zoom >= 1 ? Inside(p, int(zoom)) : QPoint(int(p.x() * zoom), int(p.y() * zoom));
        };
        if (QLatin1String(tool) == QLatin1String("APoly")) {
            for (QPoint p : {from, to}) {
                QTest::mouseClick(w, Qt::LeftButton, {}, screen(p));
                QTest::mouseMove(w, screen(QPoint(to.x(), from.y())));
            }
            doc.Image->AfslutPolygon();
            return;
        }
        QTest::mousePress(w, Qt::LeftButton, {}, screen(from));
        QTest::mouseMove(w, screen((from + to) / 2));
        QTest::mouseMove(w, screen(to));
        QTest::mouseRelease(w, Qt::LeftButton, {}, screen(to));
        QApplication::processEvents();
    }

    QString ZoomText() const { return Form->ZoomPanel->text(); }

    int opened_ = 0;
};

} // namespace

TEST_F(ZoomFixture, PressReachesThePixelUnderTheMouseAtEveryZoom)
{
    struct Case {
        double zoom;
        QPoint screen, pixel;
    };
    const Case cases[] = {{1.0 / 3, {10, 7}, {30, 21}}, {1, {17, 9}, {17, 9}}, {4, {71, 38}, {17, 9}},
                          {32, {300, 207}, {9, 6}}};
    for (const Case& c : cases) {
        TMalvoform& doc = Open(120, 90, c.zoom);
        ASSERT_DOUBLE_EQ(doc.Zoom(), c.zoom);
        EXPECT_EQ(doc.Shown() == doc.Image, c.zoom == 1);
        Act("ABlyant")->trigger();
        const TBitmap before = doc.Image->Picture();
        QTest::mouseMove(doc.Shown(), c.screen);
        EXPECT_EQ(Form->StatusPanel(0)->text(), QStringLiteral("X: %1").arg(c.pixel.x())) << c.zoom;
        EXPECT_EQ(Form->StatusPanel(1)->text(), QStringLiteral("Y: %1").arg(c.pixel.y())) << c.zoom;
        QTest::mouseClick(doc.Shown(), Qt::LeftButton, {}, c.screen);
        QApplication::processEvents();
        const TBitmap& after = doc.Image->Picture();
        QList<QPoint> changed;
        for (int y = 0; y < after.Height(); ++y)
            for (int x = 0; x < after.Width(); ++x)
                if (after.ScanLine(y)[x] != before.ScanLine(y)[x])
                    changed.append(QPoint(x, y));
        EXPECT_EQ(changed, QList<QPoint>{c.pixel}) << "zoom " << c.zoom;
    }
}

TEST_F(ZoomFixture, TheColourPickerTakesThePixelUnderTheMouseAtEveryZoom)
{
    struct Case {
        double zoom;
        QPoint screen, pixel;
    };
    const Case cases[] = {{1.0 / 3, {10, 7}, {30, 21}}, {4, {71, 38}, {17, 9}}, {32, {300, 207}, {9, 6}}};
    for (const Case& c : cases) {
        TMalvoform& doc = Open(120, 90, c.zoom);
        Act("APixelInfo")->trigger();
        const TPixInfo shown = doc.Image->OnPixelInfo;
        TColor picked = clNone;
        QPoint at(-1, -1);
        doc.Image->OnPixelInfo = [&](TObject* sender, int x, int y, uint8_t r, uint8_t g, uint8_t b, TColor colour,
                                     TMouseButton button) {
            picked = colour;
            at = QPoint(x, y);
            shown(sender, x, y, r, g, b, colour, button);
        };
        QTest::mouseClick(doc.Shown(), Qt::LeftButton, {}, c.screen);
        QApplication::processEvents();
        EXPECT_EQ(at, c.pixel) << c.zoom;
        EXPECT_EQ(picked, Pattern(120, 90).Canvas().Pixels(c.pixel.x(), c.pixel.y())) << c.zoom;
    }
}

// A figure moved after it was drawn: the zoomed widget shows the picture as it is after the
// move, block for block.
TEST_F(ZoomFixture, AnObjectMovedAt400IsShownWhereItIs)
{
    TMalvoform& doc = Open(40, 30, 4);
    DragTool(doc, "ARektF", QPoint(5, 4), QPoint(15, 12));
    ASSERT_TRUE(doc.Image->Objekt);
    for (TFlytRetning step : {frRight, frRight, frDown})
        doc.Image->Flyt(step);
    QApplication::processEvents();
    const QImage picture = doc.Image->Picture().Image();
    EXPECT_FALSE(picture == Pattern(40, 30).Image());
    const QImage shown = Grab(*doc.ZoomView);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ASSERT_EQ(shown.pixel(x * 4 + 2, y * 4 + 2) | 0xFF000000, picture.pixel(x, y) | 0xFF000000)
                << x << "," << y;
}

TEST_F(ZoomFixture, EveryToolFamilyDrawsTheSamePictureAt400AsAt100)
{
    const char* tools[] = {"ABlyant", "AStreg", "ARektF", "AEllipse", "ARundtRekt", "AFyld", "APil", "APoly",
                           "ARamme", "FadeAction2", "FadeAction8"};
    const QPoint from(12, 9), to(61, 47);
    for (const char* tool : tools) {
        TMalvoform& at100 = Open(90, 70, 1);
        DragTool(at100, tool, from, to);
        TMalvoform& at400 = Open(90, 70, 4);
        DragTool(at400, tool, from, to);
        EXPECT_TRUE(at100.Image->Picture().Image() == at400.Image->Picture().Image()) << tool;
        EXPECT_FALSE(at100.Image->Picture().Image() == Pattern(90, 70).Image()) << tool << " drew nothing";
    }
}

TEST_F(ZoomFixture, FocusDraggedAt400CoversTheSamePixelsAndStaysThin)
{
    const QPoint from(10, 8), to(50, 40);
    TMalvoform& at100 = Open(80, 60, 1);
    DragTool(at100, "AFocus", from, to);
    TMalvoform& at400 = Open(80, 60, 4);
    DragTool(at400, "AFocus", from, to);
    EXPECT_EQ(at100.Image->GetFocusRect(), at400.Image->GetFocusRect());
    EXPECT_TRUE(at100.Image->View().Image() == at400.Image->View().Image());

    // An outline pixel of the focus is a thin mark inside its block, not a 4 x 4 inverted
    // square: most of the block shows the picture's pixel.
    const QImage view = at400.Image->View().Image(), picture = at400.Image->Picture().Image();
    QPoint outline(-1, -1);
    for (int y = 0; y < view.height() && outline.x() < 0; ++y)
        for (int x = 0; x < view.width() && outline.x() < 0; ++x)
            if (((view.pixel(x, y) ^ picture.pixel(x, y)) & 0xFFFFFF) == 0xFFFFFF)
                outline = QPoint(x, y);
    ASSERT_GE(outline.x(), 0) << "no focus in the view";
    const QImage shown = Grab(*at400.ZoomView);
    int asPicture = 0;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            asPicture += (shown.pixel(outline.x() * 4 + x, outline.y() * 4 + y) | 0xFF000000) ==
                         (picture.pixel(outline) | 0xFF000000);
    EXPECT_GE(asPicture, 10);
    EXPECT_LT(asPicture, 16) << "the outline is not shown at all";
}

TEST_F(ZoomFixture, BlocksAbove100AndTheGridFrom800)
{
    TMalvoform& doc = Open(20, 15);
    const QImage picture = doc.Image->Picture().Image();
    QImage shown;
    for (int k : {2, 3, 4, 6}) {
        doc.SetZoom(k);
        shown = Grab(*doc.ZoomView);
        ASSERT_EQ(shown.size(), QSize(20 * k, 15 * k));
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                ASSERT_EQ(shown.pixel(x, y) | 0xFF000000, picture.pixel(x / k, y / k) | 0xFF000000)
                    << k << ": " << x << "," << y;
    }

    // A repaint of a rectangle that starts and ends inside blocks shows the same pixels.
    doc.SetZoom(3);
    QImage part(30, 21, QImage::Format_RGB32);
    {
        QPainter painter(&part);
        painter.translate(-5, -7);
        doc.ZoomView->PaintArea(painter, QRect(5, 7, 30, 21));
    }
    for (int y = 0; y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x)
            ASSERT_EQ(part.pixel(x, y) | 0xFF000000, picture.pixel((x + 5) / 3, (y + 7) / 3) | 0xFF000000)
                << x << "," << y;

    const QRgb grid = QColor::fromRgb(ToQRgb(Form->Opt().GridCol)).rgb();
    doc.SetZoom(6);
    EXPECT_NE(Grab(*doc.ZoomView).pixel(6, 3), grid);
    doc.SetZoom(8);
    shown = Grab(*doc.ZoomView);
    EXPECT_EQ(shown.pixel(8, 3), grid);
    EXPECT_EQ(shown.pixel(3, 16), grid);
    EXPECT_EQ(shown.pixel(3, 3) | 0xFF000000, picture.pixel(0, 0) | 0xFF000000);

    // The toggle hides the grid and is kept in the settings file.
    ASSERT_TRUE(Act("AGitter")->isChecked());
    Act("AGitter")->trigger();
    EXPECT_EQ(Form->Settings().Value(QStringLiteral("Zoom.Gitter")), QStringLiteral("0"));
    EXPECT_EQ(Grab(*doc.ZoomView).pixel(8, 3) | 0xFF000000, picture.pixel(1, 0) | 0xFF000000);
}

TEST_F(ZoomFixture, BlocksAreSharpAtRatioTwo)
{
    TMalvoform& doc = Open(16, 12);
    Act("AGitter")->trigger();
    const QImage picture = doc.Image->Picture().Image();
    for (int k : {4, 8}) {
        doc.SetZoom(k);
        const QImage shown = Grab(*doc.ZoomView, 2);
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                ASSERT_EQ(shown.pixel(x, y) | 0xFF000000, picture.pixel(x / (2 * k), y / (2 * k)) | 0xFF000000)
                    << k << ": " << x << "," << y;
    }
}

TEST_F(ZoomFixture, OverviewIsAveragedAndFollowsChanges)
{
    // One-pixel black and white squares average to grey; every n-th pixel would be black or white.
    TBitmap checker(64, 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            checker.ScanLine(y)[x] = ((x + y) & 1) ? ToQRgb(clBlack) : ToQRgb(clWhite);
    TMalvoform& doc = Open(64, 48, 0.5, &checker);
    ASSERT_EQ(doc.ZoomView->size(), QSize(32, 24));
    QImage shown = Grab(*doc.ZoomView);
    EXPECT_EQ(qGray(shown.pixel(5, 5)), 128);
    EXPECT_EQ(qGray(shown.pixel(29, 20)), 128);

    // A filled rectangle drawn at 50 % shows in the overview, and only where it was drawn.
    Form->Farveform()->VaelgFarve(mbRight, clBlack, true);
    Form->Farveform()->VaelgFarve(mbLeft, clBlack, true);
    DragTool(doc, "ARektF", QPoint(8, 8), QPoint(24, 20));
    QApplication::processEvents();
    shown = Grab(*doc.ZoomView);
    EXPECT_EQ(qGray(shown.pixel(8, 7)), 0);
    EXPECT_EQ(qGray(shown.pixel(20, 20)), 128);

    // What is drawn at 100 % shows when the document goes back to 50 %.
    doc.SetZoom(1);
    DragTool(doc, "ARektF", QPoint(36, 30), QPoint(50, 40));
    doc.SetZoom(0.5);
    EXPECT_EQ(qGray(Grab(*doc.ZoomView).pixel(21, 17)), 0);

    // A focus over the grey stays a one-pixel line that stands out (black on grey), not the
    // grey's inverse.
    DragTool(doc, "AFocus", QPoint(8, 30), QPoint(30, 44));
    shown = Grab(*doc.ZoomView);
    EXPECT_EQ(qGray(shown.pixel(4, 18)), 0);
    EXPECT_EQ(qGray(shown.pixel(6, 18)), 128);
}

TEST_F(ZoomFixture, BigPictureOpensWholeAtTheLargestFittingLevel)
{
    TMalvoform& small = Open(100, 80);
    EXPECT_EQ(small.Zoom(), 1);
    TMalvoform& big = Open(3000, 2000);
    QApplication::processEvents();
    const double zoom = big.Zoom();
    EXPECT_LT(zoom, 1);
    const QSize room = big.Box->maximumViewportSize();
    EXPECT_LE(big.ZoomView->width(), room.width());
    EXPECT_LE(big.ZoomView->height(), room.height());
    const double larger = ZoomLevels::Step(zoom, 1);
    EXPECT_TRUE(TViewOverview::Reduced(3000, larger) > room.width() || TViewOverview::Reduced(2000, larger) > room.height());
    // "Fit to window" chooses it again after a zoom.
    big.SetZoom(2);
    Act("ATilpas")->trigger();
    EXPECT_EQ(big.Zoom(), zoom);
}

TEST_F(ZoomFixture, CtrlWheelKeepsThePixelUnderTheMouse)
{
    TMalvoform& doc = Open(400, 300, 2);
    QApplication::processEvents();
    QWidget* viewport = doc.Box->viewport();
    doc.Box->horizontalScrollBar()->setValue(150);
    doc.Box->verticalScrollBar()->setValue(120);
    const QPoint at(viewport->width() / 3, viewport->height() / 2);
    const auto pixelUnder = [&] { return doc.ZoomView->PicturePoint(doc.ZoomView->mapFrom(viewport, at)); };
    const QPoint before = pixelUnder();
    for (int step = 0; step < 3; ++step) {
        const QPoint local = doc.ZoomView->mapFrom(viewport, at);
        QWheelEvent wheel(local, doc.ZoomView->mapToGlobal(local), {}, QPoint(0, 120), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(doc.ZoomView, &wheel);
        EXPECT_EQ(pixelUnder(), before) << "zoom " << doc.Zoom();
    }
    EXPECT_EQ(doc.Zoom(), 6);

    // The commands keep the pixel at the window's centre.
    const QPoint centre = viewport->rect().center();
    const auto pixelAtCentre = [&] { return doc.ZoomView->PicturePoint(doc.ZoomView->mapFrom(viewport, centre)); };
    const QPoint middle = pixelAtCentre();
    Act("AZoomUd")->trigger();
    EXPECT_EQ(doc.Zoom(), 4);
    EXPECT_EQ(pixelAtCentre(), middle);
}

TEST_F(ZoomFixture, StatusBarShowsEachDocumentsZoomInBothLanguages)
{
    Start();
    Form->Opt().Sprog = 0;
    Form->SetSprog();
    TMalvoform& first = Open(64, 48, 1.0 / 16);
    Form->UpdateActions();
    EXPECT_EQ(ZoomText(), QStringLiteral("Forstørrelse: 6,25 %"));
    TMalvoform& second = Open(64, 48);
    Form->activateWindow();
    QApplication::setActiveWindow(Form.get());
    QTest::keyClick(Form.get(), Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(Form.get(), Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(second.Zoom(), 3);
    EXPECT_EQ(ZoomText(), QStringLiteral("Forstørrelse: 300 %"));

    Form->Opt().Sprog = 1;
    Form->SetSprog();
    EXPECT_EQ(ZoomText(), QStringLiteral("Zoom: 300 %"));
    EXPECT_EQ(Act("AZoomInd")->text(), QStringLiteral("Zoom in"));
    Form->MdiArea()->setActiveSubWindow(&first);
    QApplication::processEvents();
    EXPECT_EQ(first.Zoom(), 1.0 / 16);
    EXPECT_EQ(second.Zoom(), 3);
    EXPECT_EQ(ZoomText(), QStringLiteral("Zoom: 6.25 %"));
    QTest::keyClick(Form.get(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(first.Zoom(), 1);
    EXPECT_EQ(ZoomText(), QStringLiteral("Zoom: 100 %"));
}
