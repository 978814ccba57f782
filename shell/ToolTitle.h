#pragma once
#include <QPoint>
#include <QWidget>
#include <functional>

class QSizeGrip;
class QToolButton;

// The title bar of a floating tool window. A floating tool window has no frame of the window
// system (whose moves the program cannot follow), so it gets this bar over its top edge and a
// size grip in its bottom-right corner: dragging the bar moves the window, releasing it tells
// where it was dropped, a double click asks to dock the window, the cross closes it.
class TToolTitle : public QWidget {
public:
    // Lays itself over the top of Window (its parent) and follows its width and title.
    explicit TToolTitle(QWidget* Window);

    // Shows or hides the bar and the grip, and makes room for the bar above the window's
    // controls (the window's own contents margins are restored when it is hidden).
    void SetShown(bool shown);
    bool Shown() const { return FShown; }

    // The pointer dragged the window to GlobalPos, and the drag ended there.
    std::function<void(QPoint GlobalPos)> OnDrag;
    std::function<void(QPoint GlobalPos)> OnDrop;
    std::function<void()> OnDoubleClick;
    // The language of the hints, asked when a hint is shown.
    std::function<bool()> Engelsk;

    QToolButton* CloseButton() const { return FClose; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place();
    int TitleHeight() const;
    bool English() const { return Engelsk && Engelsk(); }

    QWidget* FWindow;
    QToolButton* FClose;
    QSizeGrip* FGrip;
    QMargins FOwnMargins;
    bool FShown = false;
    bool FPressed = false;
    bool FMoved = false;
    QPoint FOffset;
};
