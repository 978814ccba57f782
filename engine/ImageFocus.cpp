#include "engine/ImageFocus.h"

TImageFocus::TImageFocus(QWidget* parent) : TCanvasProp(parent)
{
    FFocusType = ftMove;
    FFocusLine = psDot;
    Timer.setInterval(200);
    QObject::connect(&Timer, &QTimer::timeout, this, [this] { FocusTimerTick(); });
}

void TImageFocus::SetFocusType(TFocusType value)
{
    if (value == FFocusType)
        return;
    // A shown focus is hidden under the rules of its own kind and shown again under the new.
    const bool shown = FSelected;
    FjernFocus();
    FFocusType = value;
    if (shown)
        ShowFocus();
}

void TImageFocus::FjernFocus()
{
    if (FSelected)
        HideFocus();
    FSelected = false;
}

void TImageFocus::DefFocusRect(int Fx1, int Fy1, int Fx2, int Fy2)
{
    X1 = Fx1;
    Y1 = Fy1;
    X2 = Fx2;
    Y2 = Fy2;
    FR = {Fx1, Fy1, Fx2, Fy2};
}

void TImageFocus::TakeFocusSize()
{
    Bredde = X2 - X1;
    Hojde = Y2 - Y1;
    NytR = Rect(0, 0, Bredde, Hojde);
}

void TImageFocus::NewFocus(int Fx1, int Fy1, int Fx2, int Fy2)
{
    FjernFocus();
    DefFocusRect(Fx1, Fy1, Fx2, Fy2);
    ShowFocus();
    TakeFocusSize();
    if (OnAutoPerform)
        OnAutoPerform(this, false);
}

void TImageFocus::NewFocusRect(int Fx1, int Fy1, int Fx2, int Fy2)
{
    FjernFocus();
    DefFocusRect(Fx1, Fy1, Fx2, Fy2);
    ShowFocus();
    TakeFocusSize();
    if (OnFocusEnd)
        OnFocusEnd(this, FR);
    if (OnAutoPerform)
        OnAutoPerform(this, false);
}

void TImageFocus::GetFocusXY(int& Fx1, int& Fy1, int& Fx2, int& Fy2)
{
    NormaliseFocus();
    Fx1 = X1;
    Fy1 = Y1;
    Fx2 = X2;
    Fy2 = Y2;
}

void TImageFocus::GetRammeXY(int& Fx1, int& Fy1, int& Fx2, int& Fy2) const
{
    Fx1 = Rx1;
    Fy1 = Ry1;
    Fx2 = Rx2;
    Fy2 = Ry2;
}

TRect TImageFocus::GetFocusRect()
{
    if (!FSelected)
        FocusWholePicture();
    return FR;
}

void TImageFocus::SelectAll()
{
    FjernFocus();
    FocusWholePicture();
    ShowFocus();
}

void TImageFocus::SelectAlt()
{
    FjernFocus();
    FocusWholePicture();
    BeginFocusOutline();
    FSelected = true;
    if (OnFocusEnd)
        OnFocusEnd(this, FR);
}

void TImageFocus::NormaliseFocus()
{
    if (X2 < X1)
        std::swap(X1, X2);
    if (Y2 < Y1)
        std::swap(Y1, Y2);
}

void TImageFocus::FocusWholePicture()
{
    X1 = 0;
    Y1 = 0;
    X2 = FPicture.Width();
    Y2 = FPicture.Height();
    TakeFocusSize();
    FR = {X1, Y1, X2, Y2};
}

void TImageFocus::ShowFocus()
{
    BeginFocusOutline();
    FSelected = true;
    StartMarching();
}

void TImageFocus::ToggleFocusOutline()
{
    TCanvas& view = Canvas();
    if (FFocusType == ftNormal) {
        view.DrawFocusRect(FR);
        return;
    }
    // The outline has a pen of its own (width 1, inverting, in the outline's current style),
    // so pen settings that change while it shows never make a toggle leave marks on the view.
    const TPen user = view.Pen;
    view.Pen.Width = 1;
    view.Pen.Mode = pmNot;
    view.Pen.Style = FOutlineStyle;
    view.Brush.Style = bsClear;
    view.Rectangle(X1, Y1, X2, Y2);
    view.Pen = user;
    FRin = !FRin;
}

void TImageFocus::BeginFocusOutline()
{
    TCanvas& view = Canvas();
    view.Pen.Width = 1;
    SetObjektState(false, -2);
    FMarching = false;
    if (FFocusType != ftNormal) {
        FRin = false;
        view.Brush.Style = bsClear;
        view.Pen.Mode = pmNot;
        view.Pen.Style = FFocusLine;
        FOutlineLine = FFocusLine;
        FOutlineStyle = FFocusLine;
    }
    ToggleFocusOutline();
}

void TImageFocus::StartMarching()
{
    if (FFocusType != ftMove)
        return;
    if (!FRin)
        ToggleFocusOutline();
    Canvas().Pen.Style = psSolid;
    FOutlineStyle = psSolid;
    ToggleFocusOutline();
    FRin = true;
    FMarching = true;
    Timer.start();
}

void TImageFocus::FocusTimerTick()
{
    // Only a marching outline blinks; a tick that arrives after the outline went does nothing.
    if (FPainting || !FMarching)
        return;
    ToggleFocusOutline();
    if (OnAutoPerform)
        OnAutoPerform(this, false);
}

void TImageFocus::HideFocus()
{
    TCanvas& view = Canvas();
    if (FFocusType == ftNormal) {
        ToggleFocusOutline();
    } else {
        Timer.stop();
        if (FRin)
            ToggleFocusOutline();
        // Once marching, the dotted pattern is still on the view and goes with one more
        // toggle; an outline hidden in the middle of a drag is already gone.
        if (FFocusType == ftMove && FMarching) {
            view.Pen.Style = FFocusLine;
            FOutlineStyle = FOutlineLine; // the dots as they were drawn, whatever FocusLine is now
            ToggleFocusOutline();
        }
        FMarching = false;
        view.Brush.Style = FBrushStyle;
        view.Pen.Style = FPenStyle;
        view.Pen.Mode = pmCopy;
    }
    view.Pen.Width = FPenWidth;
}

void TImageFocus::StartFocusDrag(int X, int Y)
{
    FjernFocus();
    FRin = false;
    X1 = X2 = X;
    Y1 = Y2 = Y;
    FR = {X, Y, X, Y};
    BeginFocusOutline();
    FSelected = true;
}

void TImageFocus::MoveFocusDrag(int X, int Y)
{
    ToggleFocusOutline();
    X2 = X;
    Y2 = Y;
    FR = NormalizedRect(Rect(X1, Y1, X, Y));
    ToggleFocusOutline();
}

void TImageFocus::EndFocusDrag()
{
    if (X1 != X2 || Y1 != Y2) {
        StartMarching();
        NormaliseFocus();
        TakeFocusSize();
        if (OnFocusEnd)
            OnFocusEnd(this, FR);
    } else {
        FjernFocus();
        SetObjektState(false, -1);
    }
}
