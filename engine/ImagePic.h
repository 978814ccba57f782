#pragma once
#include "engine/ImagePicture.h"

class QMenu;

// The picture component that windows place: the last link of the chain. It turns presses,
// moves and releases into tool actions by tool number, performs a tool on the focus without
// a drag (MakeTool) and redraws the view. It needs no parent window.
class TImagePic : public TImagePicture {
public:
    explicit TImagePic(QWidget* parent = nullptr);

    // Mouse handlers, positions in picture pixels.
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    void MouseMove(TShiftState Shift, int X, int Y);
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);

    // Selects tool Nr (-1: keep the tool, focus inset in the component) and, with
    // Autoperform and a selected focus, performs it on the focus rectangle.
    void MakeTool(int Nr, bool Autoperform);

    // Bredde := 70, Hojde := 100, NytR := (0, 0, B, H), then Copy.
    void setNytR(int B, int H);

    // Redraws the view from the picture, keeping Modified and a selected focus.
    void Paint() override;

    // A right click shows this menu instead of reaching a tool.
    QMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu* menu) { FPopupMenu = menu; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The tool's press handler; False for the tools whose press ends the dispatch (fills).
    bool PressTool(int X, int Y);
    void MoveTool(int X, int Y);
    void ReleaseTool();
    // Performs the current tool on the focus rectangle.
    void PerformOnFocus();

    QMenu* FPopupMenu = nullptr;
};
