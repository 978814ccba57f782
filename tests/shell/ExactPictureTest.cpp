// What a user draws, pastes and inserts lands in the picture exactly: with the colours and
// settings the main window pushes into every document after an ordinary start, every tool
// leaves the pixels outside its changed rectangle as they were and writes no black it was not
// asked to draw.
#include "MainformFixture.h"
#include "colours/Farveform.h"
#include "libraries/Gallery.h"
#include "libraries/Kliche.h"
#include "toolprops/Tpform.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

constexpr int kW = 140, kH = 100;

// Neither white nor black nor any tool colour: every pixel differs from its neighbours.
TBitmap Pattern()
{
    TBitmap b(kW, kH);
    for (int y = 0; y < kH; ++y) {
        uint32_t* line = b.ScanLine(y);
        for (int x = 0; x < kW; ++x)
            line[x] = ToQRgb(RGB(40 + (x * 3) % 170, 50 + (y * 5) % 160, 60 + ((x + y) * 7) % 150));
    }
    return b;
}

struct Tool {
    const char* action;
    int nr;
};

// Every tool of the program with the action that chooses it.
const Tool kTools[] = {
    {"AFocus", 0},        {"ABlyant", 1},       {"AStreg", 2},        {"ARekt", 3},         {"ARektF", 4},
    {"ARundtRekt", 5},    {"ARundtRektF", 6},   {"AEllipse", 7},      {"AEllipseF", 8},     {"APoly", 9},
    {"APolyF", 10},       {"AFyld", 20},        {"AFyldTil", 21},     {"ASpray", 22},       {"ARamme", 30},
    {"ARammeArt", 31},    {"ARammeArtF", 32},   {"APil", 33},         {"APilF", 34},        {"ATekst", 40},
    {"FadeAction1", 50},  {"FadeAction2", 60},  {"FadeAction3", 61},  {"FadeAction4", 62},  {"FadeAction5", 63},
    {"FadeAction6", 64},  {"FadeAction7", 65},  {"FadeAction8", 70},  {"FadeAction9", 71},  {"FadeAction10", 80},
    {"APixelInfo", 100},  {"ASelCopy", 101},    {"ARedBlyant", 102},
};

// The tools that MakeTool performs on the focus.
bool Performs(int nr)
{
    return (nr >= 3 && nr <= 8) || nr == 22 || (nr >= 30 && nr <= 34) || nr == 40 || (nr >= 60 && nr <= 65) ||
           nr == 70 || nr == 71 || nr == 80;
}

// Pixels that differ between two rasters of one size outside the rectangle, and pixels that
// became pure black anywhere.
struct Damage {
    int outside = 0;
    int newBlack = 0;
    QString first;
};

Damage Compare(const TBitmap& before, const TBitmap& after, const TRect& allowed)
{
    Damage d;
    const uint32_t black = ToQRgb(clBlack);
    for (int y = 0; y < before.Height(); ++y) {
        const uint32_t* b = before.ScanLine(y);
        const uint32_t* a = after.ScanLine(y);
        for (int x = 0; x < before.Width(); ++x) {
            if (a[x] == b[x])
                continue;
            const bool inside = x >= allowed.Left && x < allowed.Right && y >= allowed.Top && y < allowed.Bottom;
            if (!inside && d.outside++ == 0)
                d.first = QStringLiteral("%1,%2").arg(x).arg(y);
            if (a[x] == black && d.newBlack++ == 0 && d.first.isEmpty())
                d.first = QStringLiteral("black at %1,%2").arg(x).arg(y);
        }
    }
    return d;
}

TRect Grown(TRect r, int by)
{
    r = NormalizedRect(r);
    return {r.Left - by, r.Top - by, r.Right + by, r.Bottom + by};
}

} // namespace

class ExactPictureTest : public MainformFixture {
protected:
    // A user's first minutes: a picture made on the page "Nyt", the page "Redskaber" clicked,
    // the picture to draw on opened from a file, pen red and fill blue chosen in the colour box.
    TImagePic& OrdinaryStart()
    {
        TMainform& form = Start();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
        ClickToolBookPage(TMainform::pgNyt);
        Act("ANewMalvo")->trigger();
        ClickToolBookPage(TMainform::pgRedskaber);
        QApplication::processEvents();
        const QString path = Home.path() + QStringLiteral("/pattern.bmp");
        QByteArray data;
        EXPECT_TRUE(PictureCodecs::WriteBmp(Pattern(), data));
        EXPECT_TRUE(PictureCodecs::WriteFileSafely(path, data));
        form.HentPicture(path);
        QApplication::processEvents();
        form.Farveform()->VaelgFarve(mbLeft, clRed, true);
        form.Farveform()->VaelgFarve(mbRight, clBlue, true);
        TImagePic& pic = Picture();
        EXPECT_EQ(pic.PenColor(), clRed);
        EXPECT_EQ(pic.BrushColor(), clBlue);
        // The panels on "Redskaber" keep their colours through their first paint, and an empty
        // field never reaches a picture.
        EXPECT_EQ(pic.TransFarve(), clWhite);
        EXPECT_EQ(pic.MetaFarve(), clWhite);
        EXPECT_TRUE(pic.Picture().Image() == Pattern().Image());
        return pic;
    }

    TImagePic& Picture() { return *Form->GForm()->Image; }

    void ClickToolBookPage(int page)
    {
        QTabBar* bar = Form->topBog->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
        QApplication::processEvents();
    }

    void Drag(QPoint from, QPoint to)
    {
        QWidget* w = &Picture();
        QTest::mousePress(w, Qt::LeftButton, {}, from);
        QTest::mouseMove(w, (from + to) / 2);
        QTest::mouseMove(w, to);
        QTest::mouseRelease(w, Qt::LeftButton, {}, to);
        QApplication::processEvents();
    }

    // The text page holds a text and "Realiser" hands it to the picture.
    void RealiseText()
    {
        Form->Tpform()->Memo->setPlainText(QStringLiteral("Malvo\nTekst"));
        Form->Tpform()->RealiserExecute();
    }

    // Chooses the tool the way the user does and drags it (polygons are clicked and closed).
    void UseTool(const Tool& tool, QPoint from, QPoint to)
    {
        Act(tool.action)->trigger();
        QApplication::processEvents();
        ASSERT_EQ(Picture().ToolNr(), tool.nr) << tool.action;
        if (tool.nr == 40)
            RealiseText();
        if (tool.nr == 9 || tool.nr == 10) {
            // The third corner follows the mouse; the second click closes the polygon.
            for (QPoint p : {from, to}) {
                QTest::mouseClick(&Picture(), Qt::LeftButton, {}, p);
                QTest::mouseMove(&Picture(), QPoint(to.x(), from.y()));
                QApplication::processEvents();
            }
            Picture().AfslutPolygon();
            return;
        }
        Drag(from, to);
    }

    // The tool changed nothing outside its rectangle (grown by the pen and a margin for arrow
    // heads and shadows) and wrote no black; then its change is undone.
    void ExpectOnlyInside(const TBitmap& before, const TRect& rect, const Tool& tool)
    {
        TRect allowed = Grown(rect, Picture().PenWidth() + 12);
        if (tool.nr == 21) // fills everything up to a pen-coloured border, of which there is none
            allowed = {0, 0, kW, kH};
        if (tool.nr == 22) // sprays around every point of the drag
            allowed = Grown(allowed, 40);
        const Damage d = Compare(before, Picture().Picture(), allowed);
        EXPECT_EQ(d.outside, 0) << tool.action << " changed pixels outside its rectangle, first " << d.first.toStdString();
        EXPECT_EQ(d.newBlack, 0) << tool.action << " wrote black, first " << d.first.toStdString();
        // The figure's working sheet holds memory only for the rows the tool drew on.
        const TBitmap& sheet = std::as_const(Picture()).MetaBitmap();
        if (tool.nr != 21)
            for (int y = 0; y < sheet.Height(); ++y)
                if (y < allowed.Top || y >= allowed.Bottom)
                    ASSERT_TRUE(sheet.RowPending(y)) << tool.action << " filled row " << y << " of the sheet";
        Restore(before, tool.action);
    }

    // Undoes what the tool did, when it changed the picture.
    void Restore(const TBitmap& before, const char* what)
    {
        Form->UpdateActions();
        if (!(Picture().Picture().Image() == before.Image()))
            Act("AUndo")->trigger();
        Picture().FjernFocus();
        const Damage left = Compare(before, Picture().Picture(), {});
        ASSERT_TRUE(Picture().Picture().Image() == before.Image())
            << "undo did not bring the picture back after " << what << ": " << left.outside << " pixels differ, first "
            << left.first.toStdString();
    }
};

TEST_F(ExactPictureTest, EveryToolDraggedChangesOnlyItsRectangleAndWritesNoBlack)
{
    TImagePic& pic = OrdinaryStart();
    const QPoint from(30, 25), to(85, 70);
    for (const Tool& tool : kTools) {
        const TBitmap before = pic.Picture();
        UseTool(tool, from, to);
        ExpectOnlyInside(before, TRect{from.x(), from.y(), to.x() + 1, to.y() + 1}, tool);
    }
}

TEST_F(ExactPictureTest, EveryToolPerformedOnTheFocusChangesOnlyTheFocus)
{
    TImagePic& pic = OrdinaryStart();
    const TRect focus{25, 20, 90, 75};
    for (const Tool& tool : kTools) {
        if (!Performs(tool.nr))
            continue;
        const TBitmap before = pic.Picture();
        if (tool.nr == 40)
            RealiseText();
        pic.NewFocusRect(focus.Left, focus.Top, focus.Right, focus.Bottom);
        pic.MakeTool(tool.nr, true);
        QApplication::processEvents();
        ExpectOnlyInside(before, focus, tool);
    }
}

TEST_F(ExactPictureTest, TransparentPasteAndFreeHandCopyPutBackOnlyTheShape)
{
    TImagePic& pic = OrdinaryStart();
    // A white square with a red dot, copied from another picture, pasted transparently: only the
    // dot lands, no frame.
    TBitmap piece(20, 16);
    piece.Canvas().SetPixels(7, 5, clRed);
    QApplication::clipboard()->setImage(piece.Image());
    QApplication::processEvents();
    TBitmap before = pic.Picture();
    pic.NewFocusRect(40, 30, 60, 46);
    Act("APasteTrans")->trigger();
    QApplication::processEvents();
    pic.FjernFocus();
    QApplication::processEvents();
    Damage d = Compare(before, pic.Picture(), TRect{40 + 7, 30 + 5, 40 + 8, 30 + 6});
    EXPECT_EQ(d.outside, 0) << "transparent paste changed more than the dot, first " << d.first.toStdString();
    Restore(before, "transparent paste");

    // A free-hand copy of a triangle, pasted transparently elsewhere: only the triangle lands.
    before = pic.Picture();
    Act("ASelCopy")->trigger();
    QWidget* w = &pic;
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(10, 10));
    for (QPoint p : {QPoint(40, 10), QPoint(25, 35), QPoint(11, 12)})
        QTest::mouseMove(w, p);
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(11, 12));
    QApplication::processEvents();
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    const QPoint source(pic.FR.Left, pic.FR.Top);
    EXPECT_EQ(QSize(pic.FR.Right - pic.FR.Left, pic.FR.Bottom - pic.FR.Top), copied.size());
    EXPECT_TRUE(pic.Picture().Image() == before.Image());
    pic.NewFocusRect(80, 50, 80 + copied.width(), 50 + copied.height());
    Act("APasteTrans")->trigger();
    QApplication::processEvents();
    pic.FjernFocus();
    QApplication::processEvents();
    // Inside the pasted rectangle every changed pixel is one of the triangle's, below its top
    // edge and within its outline's columns; nothing outside the rectangle changed.
    d = Compare(before, pic.Picture(), TRect{80, 50, 80 + copied.width(), 50 + copied.height()});
    EXPECT_EQ(d.outside, 0) << d.first.toStdString();
    EXPECT_EQ(d.newBlack, 0) << d.first.toStdString();
    const TBitmap& after = pic.Picture();
    for (int y = 0; y < copied.height(); ++y)
        for (int x = 0; x < copied.width(); ++x) {
            const uint32_t now = after.ScanLine(50 + y)[80 + x];
            if (now != before.ScanLine(50 + y)[80 + x])
                ASSERT_EQ(now, before.ScanLine(source.y() + y)[source.x() + x]) << x << "," << y;
        }
    // A corner of the bounding rectangle lies outside the triangle: it stays as it was.
    EXPECT_EQ(after.ScanLine(50 + copied.height() - 1)[80], before.ScanLine(50 + copied.height() - 1)[80]);
}

TEST_F(ExactPictureTest, TransparentInsertFromBothBoxesLeavesOnlyTheShape)
{
    TImagePic& pic = OrdinaryStart();
    Form->Farveform()->VaelgFarve(mbLeft, clRed, true); // a red pen once drew a frame on all sides
    // A white piece with a blue dot, as the picture box and the cliché box hold it.
    TBitmap piece(20, 16);
    piece.Canvas().SetPixels(7, 5, clBlue);
    QByteArray data;
    ASSERT_TRUE(PictureCodecs::WriteBmp(piece, data));
    TKlicheform& cliches = *Form->Klicheform();
    TGalForm& pictures = *Form->GalForm();
    ASSERT_TRUE(PictureCodecs::WriteFileSafely(cliches.KlicheBib + QStringLiteral("/dot.bmp"), data));
    pictures.SetGalBib(cliches.KlicheBib);
    pictures.BibliotekClick();
    cliches.BkKnapClick(0);
    for (TBibBox* box : {static_cast<TBibBox*>(&pictures), static_cast<TBibBox*>(&cliches)}) {
        if (!box->Trans())
            box->TransCheck->click();
        box->Vaelg(0);
        const TBitmap before = pic.Picture();
        pic.NewFocusRect(40, 30, 60, 46);
        box->IndsaetClick();
        pic.FjernFocus();
        QApplication::processEvents();
        const Damage d = Compare(before, pic.Picture(), TRect{47, 35, 48, 36});
        EXPECT_EQ(d.outside, 0) << box->objectName().toStdString() << ": more than the dot, first "
                                << d.first.toStdString();
        EXPECT_EQ(pic.Picture().Canvas().Pixels(47, 35), clBlue);
        Restore(before, "transparent insert");
    }
}

// The pattern is taller than the bands in which whole-picture rules rewrite rows, so a rule
// that read a row another band had already rewritten would show here.
TEST_F(ExactPictureTest, MirrorsAndTurnsOfTheWholePictureAndOfAFocusAreExact)
{
    TImagePic& pic = OrdinaryStart();
    const QImage original = pic.Picture().Image();
    const struct {
        const char* command;
        QImage expected;
    } whole[] = {{"AFlip1", original.mirrored(true, false)},
                 {"AFlip2", original.mirrored(false, true)},
                 {"ADrej2", original.mirrored(true, true)}};
    for (const auto& [command, expected] : whole) {
        pic.FjernFocus();
        Act(command)->trigger();
        QApplication::processEvents();
        EXPECT_TRUE(pic.Picture().Image() == expected) << command;
        EXPECT_TRUE(pic.View().Image().copy(0, 0, kW, kH) == expected) << command;
        Form->UpdateActions();
        Act("AUndo")->trigger();
        ASSERT_TRUE(pic.Picture().Image() == original) << command;
    }
    // A focus across the first band's edge: only the focus turns over.
    const QRect focus(10, 30, 50, 60);
    QImage expected = original;
    const QImage turned = original.copy(focus).mirrored(false, true);
    for (int y = 0; y < focus.height(); ++y)
        for (int x = 0; x < focus.width(); ++x)
            expected.setPixel(focus.x() + x, focus.y() + y, turned.pixel(x, y));
    pic.NewFocusRect(focus.left(), focus.top(), focus.right() + 1, focus.bottom() + 1);
    Act("AFlip2")->trigger();
    QApplication::processEvents();
    pic.FjernFocus();
    EXPECT_TRUE(pic.Picture().Image() == expected);
}

TEST_F(ExactPictureTest, TenDifferentStepsUndoOneByOneToEachEarlierPictureAndRedoToEachLater)
{
    TImagePic& pic = OrdinaryStart();
    std::vector<QImage> states{pic.Picture().Image()};
    const auto commit = [&] {
        QApplication::processEvents();
        Form->UpdateActions();
        states.push_back(pic.Picture().Image());
    };
    const std::pair<const char*, QPoint> strokes[] = {{"ARektF", {10, 10}},  {"AEllipse", {50, 20}},
                                                     {"AStreg", {5, 60}},    {"ABlyant", {70, 70}},
                                                     {"APilF", {20, 40}},    {"ARammeArtF", {60, 10}}};
    for (const auto& [action, at] : strokes) {
        for (const Tool& tool : kTools)
            if (QLatin1String(tool.action) == QLatin1String(action))
                UseTool(tool, at, at + QPoint(40, 25));
        commit();
    }
    for (const char* command : {"AInverter", "AFlip1", "ADrej1", "AGray"}) {
        pic.FjernFocus();
        Act(command)->trigger();
        commit();
    }
    ASSERT_EQ(states.size(), 11u);
    for (size_t i = 1; i < states.size(); ++i)
        ASSERT_FALSE(states[i] == states[i - 1]) << "step " << i << " changed nothing";
    for (int i = 9; i >= 0; --i) {
        ASSERT_TRUE(Act("AUndo")->isEnabled()) << i;
        Act("AUndo")->trigger();
        Form->UpdateActions();
        ASSERT_TRUE(pic.Picture().Image() == states[size_t(i)]) << "undo to state " << i;
        ASSERT_TRUE(pic.View().Image().copy(0, 0, pic.Picture().Width(), pic.Picture().Height()) == states[size_t(i)]);
    }
    EXPECT_FALSE(Act("AUndo")->isEnabled());
    for (size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(Act("ARedo")->isEnabled()) << i;
        Act("ARedo")->trigger();
        Form->UpdateActions();
        ASSERT_TRUE(pic.Picture().Image() == states[i]) << "redo to state " << i;
    }
    EXPECT_FALSE(Act("ARedo")->isEnabled());
}
