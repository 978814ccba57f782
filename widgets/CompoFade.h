#pragma once
#include "widgets/Compo.h"
#include <functional>
#include <vector>

// A two-segment colour gradient across the content area: StartFarve at the left end,
// MellemFarve in the middle, SlutFarve at the right end. Colours are taken byte by byte as
// stored (system colours are not resolved).
class TPreFadeCompo : public TPreRammeCompo {
public:
    explicit TPreFadeCompo(QWidget* parent = nullptr);

    TColor StartFarve() const { return FStartFarve; }
    void SetStartFarve(TColor value) { SetFarve(FStartFarve, value); }
    TColor MellemFarve() const { return FMellemFarve; }
    void SetMellemFarve(TColor value) { SetFarve(FMellemFarve, value); }
    TColor SlutFarve() const { return FSlutFarve; }
    void SetSlutFarve(TColor value) { SetFarve(FSlutFarve, value); }

    // The colour shown Pos pixels from the left of the content area; a position off the strip
    // gives the colour of its nearest end.
    TColor GetColor(int Pos);

    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)> OnMouseDown;

protected:
    void Paint() override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void SetFarve(TColor& field, TColor value);
    // The colour of every column of the strip, from the left.
    std::vector<TColor> Columns() const;
    void DrawStrip();

    TColor FStartFarve = clBlack;
    TColor FMellemFarve = clRed;
    TColor FSlutFarve = clWhite;
};

class TFadeCompo : public TPreFadeCompo {
public:
    using TPreFadeCompo::TPreFadeCompo;
};
