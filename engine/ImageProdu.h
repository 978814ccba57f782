#pragma once
#include "engine/ImagePreProdu.h"

// Tenth link: the figure generators of the multicolour area tools. Walkers produce the
// coordinates of the figures inside the tool rectangle; each figure takes the next colour.
class TImageProdu : public TImagePreProdu {
public:
    explicit TImageProdu(QWidget* parent = nullptr);

protected:
    // Generators of tools 60-65, 70, 71 and 80, drawing on FCan.
    void AreaPoints();
    void AreaLines();
    void AreaFigures(bool ellipses);
    void ZoomFigures(bool ellipses);
    void RectangleFan();
    void CircleFan();
    void Functions();

    // Walkers 1 to 8: start and advance.
    void StartWalker(int walker);
    void AdvanceWalker(int walker);
    bool WalkerInside(int walker) const;
    void DotsAlong(int a, int b, int c, int d);
    TPoint CirclePoint() const;
    int ZoomCount() const;
    // One run of function curves: horizontal (y = f(x)) or vertical (x = f(y)).
    void FunctionRun(bool horizontal);
    // The walkers of a direction of repetition: the second, when there is one, runs with a
    // spacing of at least 2 when raiseSecond.
    void ForDirections(const int (&walkers)[2], bool raiseSecond, const std::function<void(int)>& run);

    TCanvas* FCan = nullptr;
    int FCentX = 0, FCentY = 0, RCentX = 0, RCentY = 0, FRadius = 0;
    TColor PixelFarve = clBlack;
    int Fx1 = 0, Fy1 = 0, Fx2 = 0, Fy2 = 0;
    int SlutX1 = 0, SlutY1 = 0, SlutX2 = 0, SlutY2 = 0;
    int ValX = 0, ValY = 0;
    bool IsDoneX = false, IsDoneY = false;
    int FVinkel = 0;
};
