#pragma once
#include "platform/Cursors.h"
#include "widgets/Compo.h"
#include "widgets/DimLinier.h"
#include <QTimer>
#include <cstdint>
#include <functional>

// What the pointer or the focus is on: the decrement button, the increment button, the thumb,
// none of them (it left), the bar took the focus, a move reported without reaction.
enum TOverRul { orDec, orInc, orPos, orOut, orFocus, orOver };
using TRulEvent = std::function<void(TObject* Sender, TOverRul Over)>;

// The program's scroll bar and slider: a decrement button, a shaft with a thumb standing for
// Position in PosMin .. PosMax, and an increment button, inside the frame of a framed widget.
// Holding a button repeats its step on a timer (TimerDelay, then every TimerInterval); the
// thumb can be dragged and the keys move it. A bar linked to a button panel scrolls the panel.
class TPreRulskakt : public TPreRammeCompo {
public:
    using TOnPosition = std::function<void(TObject* Sender, int Position)>;

    explicit TPreRulskakt(QWidget* parent = nullptr);
    ~TPreRulskakt() override;

    TCompoOrientering Orientering() const { return FOrientering; }
    void SetOrientering(TCompoOrientering value);
    int PosMin() const { return FPosMin; }
    void SetPosMin(int value) { SetRangeEnd(FPosMin, value); }
    int PosMax() const { return FPosMax; }
    void SetPosMax(int value) { SetRangeEnd(FPosMax, value); }
    int Position() const { return FPosition; }
    // Limited to the range; a different value is drawn and reported.
    void SetPosition(int value);
    // Values visible at once (page size), at least 1.
    int PosVisible() const { return FPosVisible; }
    void SetPosVisible(int value);
    // The thumb has the fixed length PosKnapMin.
    bool PosKnapDim() const { return FPosKnapDim; }
    void SetPosKnapDim(bool value) { StoreRepaint(FPosKnapDim, value); }
    // Shortest thumb length.
    int PosKnapMin() const { return FPosKnapMin; }
    void SetPosKnapMin(int value) { StoreRepaint(FPosKnapMin, value); }
    int Step() const { return FStep; }
    void SetStep(int value) { FStep = value; }
    int TimerDelay() const { return FTimerDelay; }
    void SetTimerDelay(int value);
    int TimerInterval() const { return FTimerInterval; }
    void SetTimerInterval(int value) { FTimerInterval = std::max(1, value); }

    // Shared painters (not owned): the frame around buttons and shaft, the buttons' frame and the
    // thumb's frame.
    TRammeIndreX* RammeIndre() const { return FRammeIndre; }
    void SetRammeIndre(TRammeIndreX* value) { StoreRepaint(FRammeIndre, value); }
    TRammeFeltX* RammeKnap() const { return FRammeKnap; }
    void SetRammeKnap(TRammeFeltX* value) { StoreRepaint(FRammeKnap, value); }
    TRammeX* RammePos() const { return FRammePos; }
    void SetRammePos(TRammeX* value) { StoreRepaint(FRammePos, value); }
    // Thumb pictures (copied) with a white background that is left out; BitmapPosA while held.
    const TBitmap& BitmapPos() const { return FBitmapPos; }
    void SetBitmapPos(const TBitmap& value) { StoreRepaint(FBitmapPos, value); }
    const TBitmap& BitmapPosA() const { return FBitmapPosA; }
    void SetBitmapPosA(const TBitmap& value) { StoreRepaint(FBitmapPosA, value); }
    // Triangle marks in the buttons.
    bool MedMark() const { return FMedMark; }
    void SetMedMark(bool value) { StoreRepaint(FMedMark, value); }
    int MarkMargen() const { return FMarkMargen; }
    void SetMarkMargen(int value) { StoreRepaint(FMarkMargen, value); }
    TColor MarkFarve() const { return FMarkFarve; }
    void SetMarkFarve(TColor value) { StoreRepaint(FMarkFarve, value); }
    // Ruler along the shaft (shared); its changes repaint the bar assigned it last.
    TDimLinier* IntervalLin() const { return FIntervalLin; }
    void SetIntervalLin(TDimLinier* value);
    // Length of the thumb's travel, set by the geometry.
    int IntDim() const { return FIntDim; }
    // Erase the old thumb by drawing the shaft again instead of restoring the saved pixels.
    bool UpdateBg() const { return FUpdateBg; }
    void SetUpdateBg(bool value) { FUpdateBg = value; }
    bool FocusOver() const { return FFocusOver; }
    void SetFocusOver(bool value) { FFocusOver = value; }
    bool FocusInOut() const { return FFocusInOut; }
    void SetFocusInOut(bool value) { FFocusInOut = value; }
    bool NoOverFocus() const { return FNoOverFocus; }
    void SetNoOverFocus(bool value) { FNoOverFocus = value; }
    TCursor CursorOver() const { return FCursorOver; }
    void SetCursorOver(TCursor value) { FCursorOver = value; }

    // The button panel this bar scrolls (not owned): its NytStartNr(Position, False) follows
    // the bar when CompoFunktion is set, and it handles every key the bar receives.
    QWidget* Component() const { return FComponent; }
    template <typename TPanel>
    void SetComponent(TPanel* panel)
    {
        FComponent = panel;
        if (panel)
            FComponentStartNr = [panel](int nr) { panel->NytStartNr(nr, false); };
        else
            FComponentStartNr = nullptr;
    }
    void SetComponent(std::nullptr_t)
    {
        FComponent = nullptr;
        FComponentStartNr = nullptr;
    }
    bool CompoFunktion() const { return FCompoFunktion; }
    void SetCompoFunktion(bool value) { FCompoFunktion = value; }

    // Follows a change the owner made itself: a different position within the range is drawn
    // without a report.
    void NyPosition(int NyPos);
    // Page size, position and maximum at once, without limits; the geometry is computed anew.
    void NyePos(int PosVis, int PosMaximum, int NyPos);

    TOnPosition OnPosition;
    TRulEvent OnMusOver, OnMusNede, OnMusOp;

    // The repeat timer; TimerTick is its handler.
    const QTimer& Timer() const { return FTimer; }
    void TimerTick();

    // The handlers of the pointer and the keys, at widget coordinates.
    void MouseDown(int X, int Y);
    void MouseMove(int X, int Y);
    void MouseUp();
    void KeyDown(int Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier);

    // The geometry of the last computation: the shaft, the two buttons (inclusive), the thumb
    // at its current place (inclusive), the thumb's length and pixels per value.
    TRect RulRekt, DecR, IncR, PosR;
    int KnapH = 0;
    double Interval = 0;
    // Frame states of the buttons: 0 inactive, 1 normal, 2 pressed, 3 hovered.
    int TilDec = 1, TilInc = 1;
    // A button or the thumb is held; the pointer is over it.
    bool MnDec = false, MnInc = false, MnPos = false;
    bool MoDec = false, MoInc = false, MoPos = false;

protected:
    void Paint() override;
    void FocusChanged(bool entered) override;

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Geometry and drawing (Rulskakt.cpp).
    void BeregnSkakt();
    void DrawButton(bool increment);
    void DrawMark(const TRect& r, bool increment, bool pressed);
    void DrawRuler();
    void DrawThumb();
    void ShowPosition(bool Notify, bool Force);
    // A new end of the range pulls the position in, without a report, and lays out anew.
    void SetRangeEnd(int& field, int value);
    // Position limited to the range (PosMin where the range is empty).
    int Limit(int64_t v) const;
    bool Vertical() const { return FOrientering == coLodret; }
    bool CanDraw() const { return CompoPainted() && FSkaktValid; }

    // Pointer handling (RulskaktInput.cpp).
    void MoveBy(int64_t delta);
    void StartTimer();
    void StopTimer();
    // Ends a hold whose release will never come.
    void CancelHold();
    // The pointer left the buttons and the thumb while nothing is held.
    void PointerOut();
    void TakeFocus();
    void UpdateCursor(int X, int Y);

    TCompoOrientering FOrientering = coLodret;
    int FPosMin = 0;
    int FPosMax = 10;
    int FPosition = 0;
    int FPosVisible = 11;
    bool FPosKnapDim = false;
    int FPosKnapMin = 4;
    int FStep = 1;
    int FTimerDelay = 400;
    int FTimerInterval = 100;
    QPointer<TRammeIndreX> FRammeIndre;
    QPointer<TRammeFeltX> FRammeKnap;
    QPointer<TRammeX> FRammePos;
    TBitmap FBitmapPos, FBitmapPosA;
    bool FMedMark = false;
    int FMarkMargen = 3;
    TColor FMarkFarve = clBlack;
    QPointer<TDimLinier> FIntervalLin;
    int FIntDim = 0;
    bool FUpdateBg = false;
    bool FFocusOver = true;
    bool FFocusInOut = true;
    bool FNoOverFocus = false;
    TCursor FCursorOver = crDefault;
    QPointer<QWidget> FComponent;
    std::function<void(int)> FComponentStartNr;
    bool FCompoFunktion = false;

    QTimer FTimer;
    // The thumb's rectangle at PosMin, and the pixels saved under the thumb.
    TRect PosRekt;
    TBitmap PosBit;
    bool BitMade = false;
    // Position and pointer when the thumb was grabbed.
    int Pos = 0, PosX = 0, PosY = 0;
    // Position last drawn (wide: PosMin - 1 must not overflow).
    int64_t OldPos = -1;
    bool SkaktBeregnet = false;
    // The geometry has been computed at least once.
    bool FSkaktValid = false;
    bool FCursorShown = false;
};

class TRulskakt : public TPreRulskakt {
public:
    using TPreRulskakt::TPreRulskakt;
};
