#pragma once

class QWidget;
class TColorPan;
class TRulskakt;
class TSharedPainters;

// The controls the colour windows share, configured alike (the value slider is NewColourSlider).
namespace ColourControls {

// A colour panel of Vandret x Lodret visible fields and Antal in all that holds the colours its
// owner puts there (tool colours, the magnifier's colours) and leaves the clicks to the owner.
TColorPan* NewHoldingPanel(QWidget* Parent, int Vandret, int Lodret, int Antal);
// A holding panel of Vandret x Lodret visible fields and Antal in all, Bredde x Hojde pixels,
// that leaves the handling of clicks to its owner and keeps the colours it is given.
TColorPan* NewPanel(QWidget* Parent, TSharedPainters& Painters, int Vandret, int Lodret, int Antal, int Bredde,
                    int Hojde);
// A horizontal scroll bar that scrolls Pan; disabled until the panel holds more than it shows.
TRulskakt* NewPanelBar(QWidget* Parent, TSharedPainters& Painters, TColorPan& Pan);

} // namespace ColourControls
