#pragma once
#include "engine/CanvasProp.h"
#include <QTimer>
#include <array>

// Third link: the focus (selection) rectangle with its outline on the view and the blink
// timer, the tool rectangle and the point store shared by the free focus and the polygons.
// Showing and hiding the outline never touches the picture, and the outline is drawn with a
// pen of its own, so changes of the pen and brush settings while it shows leave no marks.
class TImageFocus : public TCanvasProp {
public:
    explicit TImageFocus(QWidget* parent = nullptr);

    static constexpr int kPolyCapacity = 1000; // highest index of Poly

    bool Selected() const { return FSelected; }
    TFocusType FocusType() const { return FFocusType; }
    // A shown focus is hidden and shown again in the new kind.
    void SetFocusType(TFocusType value);
    TPenStyle FocusLine() const { return FFocusLine; }
    void SetFocusLine(TPenStyle value) { FFocusLine = value; }
    int PolyCount() const { return FPolyCount; }
    void SetPolyCount(int value) { FPolyCount = value; }

    TOnFocusEnd OnFocusEnd;
    TOnAutoPerform OnAutoPerform;

    // Public focus operations.
    void FjernFocus();
    void DefFocusRect(int Fx1, int Fy1, int Fx2, int Fy2);
    void NewFocusRect(int Fx1, int Fy1, int Fx2, int Fy2);
    void NewFocus(int Fx1, int Fy1, int Fx2, int Fy2);
    void GetFocusXY(int& Fx1, int& Fy1, int& Fx2, int& Fy2);
    void GetRammeXY(int& Fx1, int& Fy1, int& Fx2, int& Fy2) const;
    TRect GetFocusRect();
    void SelectAll();
    void SelectAlt();

    // Inner operations shared by the tools and the owner.
    void NormaliseFocus();
    void FocusWholePicture();
    void ShowFocus();
    void HideFocus();
    void BeginFocusOutline();
    void ToggleFocusOutline();
    void StartMarching();
    void FocusTimerTick();
    void StartFocusDrag(int X, int Y);
    void MoveFocusDrag(int X, int Y);
    void EndFocusDrag();
    bool TimerActive() const { return Timer.isActive(); }
    void StopTimer() { Timer.stop(); }
    // The phase of the outline on the view (True: the complement of the dotted pattern).
    bool OutlinePhase() const { return FRin; }

    // The tool rectangle: start and current point of a drag, not necessarily ordered.
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    // Width and height of the last completed focus.
    int Bredde = 0, Hojde = 0;
    // The focus rectangle, ordered; also the changed rectangle of the last tool.
    TRect FR;
    // (0, 0, Bredde, Hojde): where a copied focus lands.
    TRect NytR;
    // Inner rectangle left by the last special frame.
    int Rx1 = 0, Ry1 = 0, Rx2 = 0, Ry2 = 0;
    std::array<TPoint, kPolyCapacity + 1> Poly{};

protected:
    // Bredde, Hojde and NytR from the tool rectangle.
    void TakeFocusSize();

    bool FSelected = false;
    TFocusType FFocusType = ftMove;
    TPenStyle FFocusLine = psDot;
    int FPolyCount = 0;
    QTimer Timer;
    bool FRin = false;
    // StartMarching has run: the pen is solid and the outline alternates.
    bool FMarching = false;
    // The pen style of the outline's next toggle, and the dotted style it was begun with.
    TPenStyle FOutlineStyle = psDot;
    TPenStyle FOutlineLine = psDot;
};
