#include "engine/ImagePic.h"
#include "platform/MouseInput.h"
#include "engine/ToolCaptions.h"
#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>

namespace {
// The stroke figure whose press and move a tool uses, if any.
bool StrokeFigureOf(int toolNr, TFigure& figure)
{
    switch (toolNr) {
    case 2: case 33: case 34: case 50: figure = TFigure::Line; return true;
    case 3: case 4: figure = TFigure::Rect; return true;
    case 5: case 6: figure = TFigure::RoundRect; return true;
    case 7: case 8: figure = TFigure::Ellipse; return true;
    case 30: case 31: case 32: case 40: figure = TFigure::Rect; return true;
    case 60: case 61: case 62: case 63: case 64: case 65: figure = TFigure::Rect; return true;
    case 70: case 71: case 80: figure = TFigure::Ellipse; return true;
    default: return false;
    }
}

} // namespace

TImagePic::TImagePic(QWidget* parent) : TImagePicture(parent)
{
    setMouseTracking(true);
}

void TImagePic::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    // Pending work (a repaint) runs first; user input waits for this press to finish.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    Timer.stop();
    if (Button == mbRight && FPopupMenu) {
        FPopupMenu->popup(mapToGlobal(QPoint(X, Y)));
        return;
    }
    if (FToolNr == 100) {
        ReportPixel(X, Y, Button);
        return;
    }
    if (Button == mbRight) {
        if (FToolNr == 0)
            return;
        SwapColours();
    }
    MusNede = true;
    SpecialTool = Shift.Contains(ssShift) || FToolNr == 80;
    TempEllipse = Shift.Contains(ssCtrl) || FSomEllipse;
    if (FToolNr == 31 || FToolNr == 32) {
        PWidth = FPicture.Canvas().Pen.Width;
        FPicture.Canvas().Pen.Width = 1;
        Canvas().Pen.Width = 1;
    }
    if (!PressTool(X, Y))
        return;
    if (OnPosition)
        OnPosition(this, X, Y);
}

void TImagePic::MouseMove(TShiftState Shift, int X, int Y)
{
    if (MusNede)
        MoveTool(X, Y);
    if (OnMusPos)
        OnMusPos(this, X, Y);
}

void TImagePic::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (!MusNede)
        return;
    MusNede = false;
    ReleaseTool();
    if (FToolNr == 31 || FToolNr == 32) {
        FPicture.Canvas().Pen.Width = PWidth;
        Canvas().Pen.Width = PWidth;
    }
    SpecialTool = false;
    if (Button == mbRight && FToolNr > 0)
        SwapColours();
    if (OnPosition)
        OnPosition(this, FR.Left, FR.Top);
}

bool TImagePic::PressTool(int X, int Y)
{
    TFigure figure;
    if (StrokeFigureOf(FToolNr, figure)) {
        StrokeDown(figure, X, Y);
        return true;
    }
    switch (FToolNr) {
    case 0: StartFocusDrag(X, Y); break;
    case 1: PencilDown(X, Y); break;
    case 20: FillAt(X, Y); return false;
    case 21: FillToAt(X, Y); return false;
    case 22: SprayDown(X, Y); break;
    case 9: case 10: PolygonDown(X, Y); break;
    case 101: StartFreeFocus(X, Y); break;
    case 102: SpecialPencilDown(X, Y); break;
    default: break;
    }
    return true;
}

void TImagePic::MoveTool(int X, int Y)
{
    TFigure figure;
    if (StrokeFigureOf(FToolNr, figure)) {
        StrokeMove(figure, X, Y);
        return;
    }
    switch (FToolNr) {
    case 0: MoveFocusDrag(X, Y); break;
    case 1: PencilMove(X, Y); break;
    case 22: SprayMove(X, Y); break;
    case 9: case 10: PolygonMove(X, Y); break;
    case 101: MoveFreeFocus(X, Y); break;
    case 102: SpecialPencilMove(X, Y); break;
    default: break;
    }
}

void TImagePic::ReleaseTool()
{
    TFigure figure;
    if (StrokeFigureOf(FToolNr, figure)) {
        EndRubberBand(figure);
        switch (FToolNr) {
        case 30: CommitBorder(); break;
        case 31: case 32: CommitSpecialBorder(); break;
        case 33: case 34: FinishArrow(); break;
        case 40: WriteText(); break;
        default:
            if (IsMultiColourTool(FToolNr))
                RunMultiColour();
            else
                DrawFigure(figure, true);
            break;
        }
        return;
    }
    switch (FToolNr) {
    case 0: EndFocusDrag(); break;
    case 1: case 22: case 102: FocusWholePicture(); break;
    case 9: case 10: PolygonUp(); break;
    case 101:
        if (!NoFriFocus)
            CloseFreeFocus();
        break;
    default: break;
    }
}

void TImagePic::MakeTool(int Nr, bool Autoperform)
{
    if (Nr == -1)
        NewFocusRect(5, 10, width() - 5, height() - 5);
    else
        SetToolNr(Nr);
    if (!FSelected)
        return;
    if (!Autoperform) {
        FjernFocus();
        return;
    }
    TempEllipse = FSomEllipse;
    if (!ToolHasWork())
        return;
    if (const TCaptionPair* caption = MakeToolCaption(FToolNr))
        SaveUndo(Caption(FSprog, *caption));
    StartFigure(true);
    PerformOnFocus();
    if (OnAutoPerform)
        OnAutoPerform(this, false);
}

void TImagePic::PerformOnFocus()
{
    switch (FToolNr) {
    case 3: case 4: RectFigure(true); break;
    case 5: case 6: RoundRectFigure(true); break;
    case 7: case 8: EllipseFigure(true); break;
    case 22:
        X1 = X1 + (X2 - X1) / 2;
        Y1 = Y1 + (Y2 - Y1) / 2;
        SprayAt(X1, Y1);
        break;
    case 30: CommitBorder(); break;
    case 31: case 32: CommitSpecialBorder(); break;
    case 40: WriteText(); break;
    case 60: case 61: case 62: case 63: case 64: case 65: case 70: case 71: case 80: RunMultiColour(); break;
    case 33: case 34:
        Y1 = Y1 + (Y2 - Y1) / 2;
        Y2 = Y1;
        FinishArrow();
        break;
    default: break;
    }
}

void TImagePic::setNytR(int B, int H)
{
    Bredde = 70;
    Hojde = 100;
    NytR = Rect(0, 0, B, H);
    Copy();
}

void TImagePic::Paint()
{
    FPainting = true;
    const bool modified = FModified;
    const bool selected = FSelected;
    ShowPicture();
    FModified = modified;
    if (selected)
        ShowFocus();
    FPainting = false;
}

void TImagePic::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    MouseDown(ButtonOf(event->button()), ShiftOf(event), p.x(), p.y());
}

void TImagePic::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    MouseMove(ShiftOf(event), p.x(), p.y());
}

void TImagePic::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    MouseUp(ButtonOf(event->button()), ShiftOf(event), p.x(), p.y());
}
