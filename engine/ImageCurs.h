#pragma once
#include "engine/Events.h"
#include "platform/Bitmap.h"
#include <QWidget>

// First link of the picture component: the control itself with its view (an offscreen raster
// of the control's size that paintEvent only copies to the screen), the tool number and its
// cursor, the language, the automatic size, the object state and the first four events.
class TImageCurs : public QWidget {
public:
    explicit TImageCurs(QWidget* parent = nullptr);

    int ToolNr() const { return FToolNr; }
    // Stores the tool number, then gives the control the tool's cursor and fires OnCursor.
    void SetToolNr(int value);
    TSprogtype Sprog() const { return FSprog; }
    void SetSprog(TSprogtype value) { FSprog = value; }
    bool AutoDim() const { return FAutoDim; }
    void SetAutoDim(bool value) { FAutoDim = value; }
    bool Modified() const { return FModified; }
    void SetModified(bool value) { FModified = value; }
    int ObjektNr() const { return FObjektNr; }
    // The control's current cursor number.
    TCursor ToolCursor() const { return FCursor; }

    // The view: the control's own canvas, showing the picture 1:1 from the top-left corner.
    TCanvas& Canvas() const
    {
        FlushView();
        return FView.Canvas();
    }
    const TBitmap& View() const
    {
        FlushView();
        return FView;
    }

    // Redraws the view from the picture (the platform's repaint); the last link fills it in.
    virtual void Paint() {}
    // Sets the control's size and its view's size at once (also while hidden, when the
    // platform delays its resize event). The view is cleared to white unless the caller is
    // about to draw a picture over all of it.
    void ResizeComponent(int w, int h, bool clearView = true);

    TOnMusPos OnMusPos;
    TOnPosition OnPosition;
    TOnCursor OnCursor;
    TOnObjekt OnObjekt;
    // Every changed rectangle of the view, and the whole view when its copy of the picture is
    // put off: a window that shows the view scaled repaints only what changed.
    std::function<void(const TRect&)> OnViewChange;

    // An object (a figure, a pasted or inserted picture) is present and may still be moved.
    bool Objekt = false;
    // A mouse button went down on the control and has not come up yet.
    bool MusNede = false;

protected:
    // The view waits for its copy of the picture until it is first needed (painted, drawn on
    // or read): a hidden document does not pay for a view it does not show.
    void DeferViewRefresh()
    {
        FViewPending = true;
        if (OnViewChange)
            OnViewChange(FView.BoundsRect());
    }
    // Copies the picture into the view; the link that owns the picture fills it in.
    virtual void RefreshView() {}
    // The view's canvas for its pen, brush and font alone: a pending copy of the picture stays
    // pending, so a colour pushed into a hidden document costs no copy of its picture.
    TCanvas& ViewCanvasSettings() { return FView.Canvas(); }

    // Sets the object state and reports it through OnObjekt.
    void SetObjektState(bool objekt, int objektNr);
    void SetToolCursor();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    int FToolNr = 0;
    TSprogtype FSprog = stDansk;
    bool FAutoDim = false;
    bool FModified = false;
    int FObjektNr = 0;
    TCursor FCursor = crDefault;

private:
    void FlushView() const
    {
        if (!FViewPending)
            return;
        FViewPending = false;
        const_cast<TImageCurs*>(this)->RefreshView();
    }

    mutable TBitmap FView;
    mutable bool FViewPending = false;
};
