#include "widgets/Rulskakt.h"
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>

namespace {
// The parts are drawn inclusive of their right and bottom edges, and are hit the same way.
bool Inside(const TRect& r, int x, int y)
{
    return x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
}
} // namespace

void TPreRulskakt::MoveBy(int64_t delta)
{
    FPosition = Limit(int64_t(FPosition) + delta);
}

void TPreRulskakt::StartTimer()
{
    FTimer.start();
}

void TPreRulskakt::StopTimer()
{
    FTimer.stop();
}

void TPreRulskakt::TakeFocus()
{
    setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
}

void TPreRulskakt::TimerTick()
{
    if (!MnDec && !MnInc) {
        StopTimer();
        return;
    }
    FTimer.setInterval(FTimerInterval);
    MoveBy(MnDec ? -int64_t(FStep) : int64_t(FStep));
    ShowPosition(true, false);
}

void TPreRulskakt::MouseDown(int X, int Y)
{
    if (TabStop())
        TakeFocus();
    if (!CanDraw())
        return;
    if (Inside(DecR, X, Y) || Inside(IncR, X, Y)) {
        const bool inc = !Inside(DecR, X, Y);
        (inc ? MnInc : MnDec) = true;
        (inc ? MoInc : MoDec) = true;
        (inc ? TilInc : TilDec) = 2;
        DrawButton(inc);
        MoveBy(inc ? int64_t(FStep) : -int64_t(FStep));
        StartTimer();
        ShowPosition(true, false);
        if (OnMusNede)
            OnMusNede(this, inc ? orInc : orDec);
    } else if (Inside(PosR, X, Y)) {
        MnPos = MoPos = true;
        ShowPosition(true, true);
        PosX = X;
        PosY = Y;
        Pos = FPosition;
        if (OnMusNede)
            OnMusNede(this, orPos);
    }
}

void TPreRulskakt::MouseMove(int X, int Y)
{
    if (!CanDraw())
        return;
    UpdateCursor(X, Y);
    if (MnDec || MnInc) {
        const bool inc = MnInc;
        bool& over = inc ? MoInc : MoDec;
        int& state = inc ? TilInc : TilDec;
        const bool inside = Inside(inc ? IncR : DecR, X, Y);
        if (inside == over)
            return;
        over = inside;
        state = inside ? 2 : FFocusInOut ? 1 : 3;
        DrawButton(inc);
        // The repeat runs only while the pointer is over the held button.
        if (inside)
            StartTimer();
        else
            StopTimer();
        return;
    }
    if (MnPos) {
        if (Interval == 0)
            return;
        const double moved = Vertical() ? double(Y) - PosY : double(X) - PosX;
        const double steps = std::clamp(std::trunc(moved / Interval), -4e9, 4e9);
        FPosition = Limit(int64_t(Pos) + int64_t(steps));
        MoPos = Inside(PosR, X, Y);
        ShowPosition(true, false);
        return;
    }
    if (FNoOverFocus) {
        if (OnMusOver)
            OnMusOver(this, orOver);
        return;
    }
    const bool inDec = Inside(DecR, X, Y), inInc = !inDec && Inside(IncR, X, Y);
    if (inDec || inInc) {
        bool& over = inInc ? MoInc : MoDec;
        if (over)
            return;
        over = true;
        if (FFocusOver && !hasFocus()) {
            TakeFocus();
        } else {
            (inInc ? TilInc : TilDec) = 3;
            DrawButton(inInc);
        }
        if (OnMusOver)
            OnMusOver(this, inInc ? orInc : orDec);
    } else if (Inside(PosR, X, Y)) {
        if (MoPos)
            return;
        MoPos = true;
        if (FFocusOver && !hasFocus())
            TakeFocus();
        ShowPosition(true, false);
        if (OnMusOver)
            OnMusOver(this, orPos);
    } else {
        PointerOut();
    }
}

void TPreRulskakt::PointerOut()
{
    if (MoDec || MoInc) {
        const bool inc = !MoDec;
        (inc ? MoInc : MoDec) = false;
        (inc ? TilInc : TilDec) = FFocusInOut ? 1 : 3;
        DrawButton(inc);
    } else if (MoPos) {
        MoPos = false;
        ShowPosition(true, false);
    } else {
        return;
    }
    if (OnMusOver)
        OnMusOver(this, orOut);
}

void TPreRulskakt::MouseUp()
{
    TOverRul part;
    if (MnDec || MnInc) {
        const bool inc = MnInc;
        (inc ? MnInc : MnDec) = false;
        // Released over the button it keeps the hover look; elsewhere it looks as after leaving.
        (inc ? TilInc : TilDec) = (inc ? MoInc : MoDec) || !FFocusInOut ? 3 : 1;
        if (CanDraw())
            DrawButton(inc);
        part = inc ? orInc : orDec;
    } else if (MnPos) {
        MnPos = false;
        ShowPosition(true, true);
        part = orPos;
    } else {
        return;
    }
    StopTimer();
    FTimer.setInterval(FTimerDelay);
    if (OnMusOp)
        OnMusOp(this, part);
}

void TPreRulskakt::CancelHold()
{
    if (!MnDec && !MnInc && !MnPos) {
        StopTimer();
        return;
    }
    MoDec = MoInc = MoPos = false;
    MouseUp();
}

void TPreRulskakt::KeyDown(int Key, Qt::KeyboardModifiers Modifiers)
{
    if (FComponent) {
        QKeyEvent key(QEvent::KeyPress, Key, Modifiers);
        QCoreApplication::sendEvent(FComponent, &key);
        return;
    }
    switch (Key) {
    case Qt::Key_End: FPosition = FPosMax; break;
    case Qt::Key_Home: FPosition = FPosMin; break;
    case Qt::Key_Left: MoveBy(-1); break;
    case Qt::Key_Right: MoveBy(1); break;
    case Qt::Key_Up: MoveBy(Vertical() ? -1 : 1); break;
    case Qt::Key_Down: MoveBy(Vertical() ? 1 : -1); break;
    default: break;
    }
    ShowPosition(true, false);
}

void TPreRulskakt::FocusChanged(bool entered)
{
    // A focus lost while a button is held: the release goes elsewhere.
    if (!entered)
        CancelHold();
    if (FPainting)
        return;
    TPreRammeCompo::FocusChanged(entered);
    if (!TabStop())
        return;
    if (!entered)
        MoDec = MoInc = MoPos = false;
    if (CanDraw()) {
        if (FRammeIndre && FRammeIndre->FocusRamme())
            DrawFrameOnly(*FRammeIndre, CompoRekt);
        DrawThumb();
    }
    if (entered) {
        if (OnMusOver)
            OnMusOver(this, orFocus);
    } else {
        QCoreApplication::processEvents();
    }
}

void TPreRulskakt::UpdateCursor(int X, int Y)
{
    const bool over = Inside(DecR, X, Y) || Inside(IncR, X, Y) || Inside(PosR, X, Y);
    if (over == FCursorShown)
        return;
    FCursorShown = over;
    if (over)
        setCursor(TCursors::Get(FCursorOver));
    else
        unsetCursor();
}

void TPreRulskakt::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    MouseDown(p.x(), p.y());
}

void TPreRulskakt::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    MouseMove(p.x(), p.y());
}

void TPreRulskakt::mouseReleaseEvent(QMouseEvent*)
{
    MouseUp();
}

void TPreRulskakt::leaveEvent(QEvent* event)
{
    TPreRammeCompo::leaveEvent(event);
    if (CanDraw() && !MnDec && !MnInc && !MnPos && !FNoOverFocus)
        PointerOut();
}

void TPreRulskakt::keyPressEvent(QKeyEvent* event)
{
    KeyDown(event->key(), event->modifiers());
    event->accept();
}

void TPreRulskakt::hideEvent(QHideEvent* event)
{
    CancelHold();
    TPreRammeCompo::hideEvent(event);
}

void TPreRulskakt::changeEvent(QEvent* event)
{
    if ((event->type() == QEvent::EnabledChange && !isEnabled()) ||
        (event->type() == QEvent::ActivationChange && !isActiveWindow()))
        CancelHold();
    TPreRammeCompo::changeEvent(event);
}

bool TPreRulskakt::event(QEvent* event)
{
    if (event->type() == QEvent::UngrabMouse)
        CancelHold();
    return TPreRammeCompo::event(event);
}
