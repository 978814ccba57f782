#pragma once
#include "engine/ImagePic.h"
#include "widgets/RammeX.h"
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

// The picture coordinates under the pointer (no sender).
using TOnMus = std::function<void(int X, int Y)>;

// The cell settings of a pixel magnifier. Every setter stores the value and fires OnChange.
class TPixFelt : public TObject {
public:
    explicit TPixFelt(TObject* owner = nullptr) : TObject(owner) {}

    // Side of a cell in screen pixels.
    int FeltDim() const { return FFeltDim; }
    void SetFeltDim(int value) { FFeltDim = value; Changed(); }
    // Colour of every cell while no picture component is attached.
    TColor Farve() const { return FFarve; }
    void SetFarve(TColor value) { FFarve = value; Changed(); }
    TColor GridFarve() const { return FGridFarve; }
    void SetGridFarve(TColor value) { FGridFarve = value; Changed(); }
    // Number of cell rows (picture lines shown).
    int AntalL() const { return FAntalL; }
    void SetAntalL(int value) { FAntalL = value; Changed(); }
    // Number of cell columns (picture pixels per line shown).
    int AntalV() const { return FAntalV; }
    void SetAntalV(int value) { FAntalV = value; Changed(); }
    // Colour of the ring of cells around the shown area.
    TColor RammeFarve() const { return FRammeFarve; }
    void SetRammeFarve(TColor value) { FRammeFarve = value; Changed(); }
    bool Grids() const { return FGrids; }
    void SetGrids(bool value) { FGrids = value; Changed(); }

    TNotifyEvent OnChange;

private:
    friend class TPrePixelPic; // changes a value without OnChange where it redraws only a part
    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }

    int FFeltDim = 8;
    TColor FFarve = clWhite;
    TColor FGridFarve = clGray;
    int FAntalL = 20;
    int FAntalV = 20;
    TColor FRammeFarve = clRed;
    bool FGrids = true;
};

// Layout, drawing and refreshing of the magnifier: a window of a picture component's pixels
// shown as square cells, with grid lines and a ring of cells around it, inside an optional
// 3-D frame. Cell (j, i), 1 <= j <= AntalV, 1 <= i <= AntalL, stands for the picture pixel
// (NulX + j - 1, NulY + i - 1); column and row 0 and the last ones form the ring.
// Like the picture component, the control keeps its look in an offscreen view raster that
// paintEvent only copies to the screen.
class TPrePixelPic : public QWidget {
public:
    explicit TPrePixelPic(QWidget* parent = nullptr);
    ~TPrePixelPic() override;

    // Optional frame drawn around the control; not owned.
    TRammeIndreX* Ramme() const { return FRamme; }
    void SetRamme(TRammeIndreX* value) { FRamme = value; }
    // The cell settings; the control owns its own set.
    TPixFelt* Felter() const { return FFelter; }
    // Uses another settings object (not owned); its changes lay the control out again.
    // Nothing (nullptr) returns to the control's own settings.
    void SetFelter(TPixFelt* value);
    // The picture component shown; not owned. Attaching lays out and repaints.
    TImagePic* Malvok() const { return FMalvok; }
    void SetMalvok(TImagePic* value);
    // Picture coordinates of the top-left shown pixel; a change refreshes the cells.
    int NulX() const { return FNulX; }
    void SetNulX(int value);
    int NulY() const { return FNulY; }
    void SetNulY(int value);

    // The control's size for the current settings.
    int GetWidth() const;
    int GetHeight() const;

    // Lays the cells out and sizes the control.
    void BeregnCompo();
    // Cell (V, L) takes colour Farve and its inner rectangle is filled with it.
    void PixelFelt(int V, int L, TColor Farve);
    // Refreshes every inner cell whose colour differs from the picture component's view.
    void Transfer();
    // FeltDim := Dim without OnChange, then lays out and repaints.
    void SetFeltDim(int Dim);
    // With grid lines shown: the grid colour := Farve and the grid is redrawn.
    void FornyGrid(TColor Farve);
    // The ring colour := Farve and the ring is redrawn.
    void FornyRamme(TColor Farve);
    // Frees the cells; the next repaint lays the control out again.
    void FreeDim();
    // The repaint: lays out and loads the cells when the settings changed, then draws all.
    void Paint();

    // The tool cursor shown over the cells.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);

    // The view: what the control shows.
    TCanvas& Canvas() const { return FView.Canvas(); }
    const TBitmap& View() const { return FView; }
    // The colour a cell holds (-1 for a cell that does not exist).
    TColor CellColour(int V, int L) const;
    // A cell's outer rectangle on the view.
    TRect CellRect(int V, int L) const;

    // The rectangle covered by all cells, ring included.
    TRect FeltRekt;
    // The cells have been drawn since the last layout.
    bool IsCreated = false;
    // A press on a cell has not been released yet.
    bool MusNede = false;
    // The layout matches the settings.
    bool CompoBeregnet = false;

protected:
    // The cell under the control point (X, Y), ring included: the cell with
    // left < X <= right and top < Y <= bottom.
    bool HitCell(int X, int Y, int& j, int& i) const;
    // The picture pixel a cell stands for.
    TPoint CellPixel(int j, int i) const;

    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FelterChanged();
    void LoadCells();
    void DrawAll();
    void DrawRing();
    void DrawGrid();
    TRect InnerRect(int j, int i) const;
    void ShowChanged(const TRect& r);

    QPointer<TRammeIndreX> FRamme;
    TPixFelt* FFelter = nullptr;
    std::unique_ptr<TPixFelt> FOwnFelter;
    QPointer<TImagePic> FMalvok;
    int FNulY = 0;
    int FNulX = 0;
    // The cell colours, row by row, as laid out: FCols x FRows cells of FCellDim pixels
    // from (FX0, FY0).
    std::vector<TColor> FCells;
    int FCols = 0, FRows = 0, FCellDim = 0, FX0 = 0, FY0 = 0;
    TCursor FCursor = crDefault;
    mutable TBitmap FView;
    // Drawing many cells at once: one screen update at the end instead of one per cell.
    bool FBulk = false;
};

// The magnifier with mouse handling: presses, moves and releases on a cell reach the picture
// component at the pixel the cell stands for, so its tools draw through the magnifier.
class TPixelPic : public TPrePixelPic {
public:
    explicit TPixelPic(QWidget* parent = nullptr);

    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    void MouseMove(TShiftState Shift, int X, int Y);
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);

    TOnMus OnMus;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The pixel of the last cell a drag passed over: a release outside every cell ends the
    // picture component's drag there.
    TPoint FLastPixel;
    bool FHasLastPixel = false;
};
