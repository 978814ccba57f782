#pragma once
#include "engine/Captions.h"
#include "engine/ImageProduTool.h"
#include "engine/PixelRows.h"
#include "platform/Raster.h"

// Twelfth link: operations on the picture as a whole or on a piece of it: clear, cut to the
// focus, scaling, mirroring, quarter turns, moving the picture, a figure or the focus contents,
// and the colour operations.
class TImageMani : public TImageProduTool {
public:
    explicit TImageMani(QWidget* parent = nullptr);

    // Pixels per move step.
    uint8_t MoveStep = 1;

    void ClearAll(TColor Col);
    void CutToFocus();
    // Scale by a percentage; 0 and 100 change nothing. False when the picture's file is needed
    // and missing, or the new size is empty or beyond the raster limits (nothing changes then).
    bool ScalePicture(int Procent);
    bool ScaleHeight();
    bool ScaleHeight(int NewWidth);
    bool ScaleWidth();
    bool ScaleWidth(int NewHeight);
    void ScaleWH(int NewWidth, int NewHeight);
    // The last scaling or cut was refused for the size it would make: beyond the raster
    // limits, or more than the memory free for the new picture, its view and its undo step.
    bool SizeRefused() const { return FSizeRefused; }
    // The size the scalings make of a W x H picture, in 64 bits so that a typed value cannot
    // overflow: by a percentage (rounded down; 0 and 100 keep the size), or to a width or a
    // height, where that side becomes Target exactly and the other keeps the proportion,
    // rounded down (nothing when the picture is empty).
    struct TScaledSize {
        qint64 Width = 0, Height = 0;
    };
    static TScaledSize ScaledByPercent(qint64 Procent, qint64 W, qint64 H);
    static TScaledSize ScaledToSide(bool ToWidth, qint64 Target, qint64 W, qint64 H);
    void Spejlvend(bool Lodret, bool Vandret, bool HeleBilledet);
    void Drej(int Vend90Antal);

    void FlytBillede(TFlytRetning Retning);
    void Flyt(TFlytRetning Retning);
    void AnnullerFlytning();
    void ResetMove();
    void MoveRtoFocusR();
    void PladserObjekt(TMetaMetode TempMetode);

    // Colour operations on the focus or the whole picture.
    void UdskiftPixels(TColor OldCol, TColor NewCol, uint8_t MetodeNr);
    void Inverter();
    void TegnOmrids();
    void DrawOmrids();
    void MakeGray();
    void ReducerFarver(uint8_t Red, uint8_t Green, uint8_t Blue);
    void JusterFarver(uint8_t minR, uint8_t minG, uint8_t minB, uint8_t maxR, uint8_t maxG, uint8_t maxB);
    void GrayToColor();
    void Toning(int Interval, bool Lysere);
    void IntFade(bool Vandret);

protected:
    // Takes the undo snapshot by handing the picture's pixels to UndoBitmap (the picture is about
    // to be replaced); the picture keeps the former undo pixels as memory to reuse.
    bool SnapshotBySwap(const TCaptionPair& caption);
    // Scales source into a new picture of w x h; the snapshot is taken here.
    bool ScaleInto(const TBitmap* source, int w, int h, const TCaptionPair& caption);
    // Whether a new picture of w x h may be made: within the raster limits, and the new
    // picture, its view and the undo step of the current one fit in the free memory. Sets
    // SizeRefused.
    bool RasterAllowed(qint64 w, qint64 h);
    enum class TScaleKind { ToWidth, ToHeight };
    bool ScaleBy(TScaleKind kind, int target, const TCaptionPair& caption);

    // The colour-operation frame with the undo step, the per-row rule and the view update in
    // one pass over the picture: rule(old picture, new row, x0, x1, y) writes pixels [x0, x1)
    // of the new row y from row y of the old picture (no other row).
    template <typename RowRule>
    void RewriteRows(const TCaptionPair& caption, RowRule rule);
    // The frame for rules that read pixels they have already rewritten: snapshot, then the
    // rule on the normalised area, then the area to the view.
    template <typename AreaRule>
    void RewriteArea(const TCaptionPair& caption, AreaRule rule);
    // The frame of the two outline operations: RewriteArea guarded against re-entry.
    template <typename AreaRule>
    void OutlineFrame(AreaRule rule);
    // Starts the undo step of a fused pass; UndoBitmap then holds the picture as it is. False
    // for an empty picture.
    bool BeginFusedSnapshot(const TCaptionPair& caption);
    // A per-channel table rule through RewriteRows.
    void ApplyTables(const TCaptionPair& caption, const PixelRows::TTables& tables);
    // Area := focus or whole picture, ordered, as FR.
    TRect TakeArea();
    // Pixels [x0, x1) of a picture row to row y of the view.
    void ShowRow(const uint32_t* row, int y, int x0, int x1);
    // Modified, events and no object after a colour operation.
    void EndOperation();
    void Step(TFlytRetning Retning);

    int MoveX = 0, MoveY = 0;
    int MX1 = 0, MY1 = 0, MX2 = 0, MY2 = 0;
    TRect MR;
    bool FSizeRefused = false;
};

// Implementations of the frame templates.
template <typename RowRule>
void TImageMani::RewriteRows(const TCaptionPair& caption, RowRule rule)
{
    TWaitCursor wait;
    const TRect area = TakeArea();
    const TRect inside = IntersectRect(area, FPicture.BoundsRect());
    if (!BeginFusedSnapshot(caption)) {
        EndOperation();
        return;
    }
    // Each new row is written into the history's row, from which the view, the history and the
    // picture take it while it is fresh in the cache.
    const TBitmap& old = FPicture;
    uint32_t* row = FHistory.BeginRows(inside);
    for (int y = inside.Top; y < inside.Bottom; ++y) {
        rule(old, row, inside.Left, inside.Right, y);
        ShowRow(row, y, inside.Left, inside.Right);
        FHistory.TakeNewRow(y);
    }
    FHistory.EndRows();
    Canvas().Changed(inside);
    EndOperation();
}

template <typename AreaRule>
void TImageMani::RewriteArea(const TCaptionPair& caption, AreaRule rule)
{
    TakeArea();
    SaveUndo(Caption(FSprog, caption));
    NormaliseFocus();
    FR = {X1, Y1, X2, Y2};
    rule();
    FPicture.Canvas().Changed(FR);
    Canvas().CopyRect(FR, FPicture.Canvas(), FR);
    EndOperation();
}
