#include "colours/ColourSlider.h"
#include "widgets/Rulskakt.h"
#include "widgets/SharedPainters.h"

TRulskakt* NewColourSlider(QWidget* Parent, TSharedPainters& Painters, int Min, int Max, int Pos)
{
    auto* bar = new TRulskakt(Parent);
    bar->SetOrientering(coVandret);
    bar->setFixedHeight(20);
    bar->SetPosMin(Min);
    bar->SetPosMax(Max);
    bar->SetPosVisible(1);
    bar->SetPosKnapDim(true);
    bar->SetPosKnapMin(9);
    bar->SetMedMark(true);
    bar->SetMarkMargen(4);
    bar->SetMarkFarve(clGray);
    bar->SetFocusInOut(false);
    bar->SetNoOverFocus(true);
    bar->SetCursorOver(crHandPoint);
    bar->SetUpdateBg(true);
    bar->SetRammeYdre(&Painters.RulRamme);
    bar->SetRammeKnap(&Painters.BWR);
    bar->SetRammePos(&Painters.BWposR);
    bar->SetIntervalLin(&Painters.RGBLin);
    bar->NyPosition(Pos);
    return bar;
}
