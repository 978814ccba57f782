#pragma once

class QWidget;
class TRulskakt;
class TSharedPainters;

// The value slider of the colour windows: horizontal, a fixed thumb with marks, the shaft and
// its ruler redrawn at every step, from Min to Max, standing at Pos (set without a report).
TRulskakt* NewColourSlider(QWidget* Parent, TSharedPainters& Painters, int Min, int Max, int Pos);
