#pragma once
#include "colours/ColourTypes.h"
#include "colours/FarveListe.h"
#include "widgets/PreFelter.h"
#include <cstdint>

// The button panel with a colour per field and the sorting of those colours. The colours live
// in FFeltCol (index = field number); the panel that derives from this paints them.
class TColSor : public TKnapPan {
public:
    explicit TColSor(QWidget* parent = nullptr);

    TColorSor SorMetode() const { return FSorMetode; }
    void SetSorMetode(TColorSor value) { FSorMetode = value; }

    // The red, green and blue bytes of Farven as they stand (system colours are not
    // converted); an empty colour gives 0, 0, 0.
    static void HentRGB(TColor Farven, uint8_t& R, uint8_t& G, uint8_t& B);

    // Sorts the colours of fields 0 .. up to the first empty one (at most AntalIalt) by
    // SorMetode and shows them; fields from the first empty one on are untouched.
    void SorterFarver();
    // The same colours in a random order.
    void RandomPal();

protected:
    // How many fields from field 0 hold a colour before the first empty one, at most AntalIalt.
    int SorterbareFelter() const;
    // SorterFarver without showing the result.
    void Sorter();
    // Shows the colours of the visible fields (the colour panel paints them).
    virtual void Opfrisk() {}

    uint8_t FGrayInterval = 8;
    TFarveListe FFeltCol;
    TFarveListe GHcol;
    TColorSor FSorMetode = csIntens;
};
