#pragma once
#include "platform/Canvas.h"
#include "platform/Color.h"
#include "platform/Types.h"
#include <functional>

// loLodret: vertical tick lines placed along x; loVandret: horizontal tick lines along y.
enum TLinOrient { loLodret, loVandret };
// Where the ticks stand across the ruler.
enum TLinAlign { laTop, laBottom, laCenter };

// A non-visual painter of ruler ticks: small, medium and large ticks for the values of a
// scale, spread along a rectangle. Every setter except SetInterval fires OnChange.
class TDimLinier : public TObject {
public:
    explicit TDimLinier(TObject* owner = nullptr) : TObject(owner) {}

    TLinOrient Orientering() const { return FOrientering; }
    void SetOrientering(TLinOrient value) { FOrientering = value; Changed(); }
    int StartVal() const { return FStartVal; }
    void SetStartVal(int value) { FStartVal = value; Changed(); }
    int SlutVal() const { return FSlutVal; }
    void SetSlutVal(int value) { FSlutVal = value; Changed(); }
    // Number of values; every paint sets it to SlutVal - StartVal + 1.
    int Interval() const { return FInterval; }
    void SetInterval(int value) { FInterval = value; }
    int IntervalStor() const { return FIntervalStor; }
    void SetIntervalStor(int value) { FIntervalStor = value; Changed(); }
    int IntervalMellem() const { return FIntervalMellem; }
    void SetIntervalMellem(int value) { FIntervalMellem = value; Changed(); }
    int IntervalLille() const { return FIntervalLille; }
    void SetIntervalLille(int value) { FIntervalLille = value; Changed(); }
    int DimStor() const { return FDimStor; }
    void SetDimStor(int value) { FDimStor = value; Changed(); }
    int DimMellem() const { return FDimMellem; }
    void SetDimMellem(int value) { FDimMellem = value; Changed(); }
    int DimLille() const { return FDimLille; }
    void SetDimLille(int value) { FDimLille = value; Changed(); }
    TColor LinieFarve() const { return FLinieFarve; }
    void SetLinieFarve(TColor value) { FLinieFarve = value; Changed(); }
    bool PixelLin() const { return FPixelLin; }
    void SetPixelLin(bool value) { FPixelLin = value; Changed(); }
    TLinAlign LinAlign() const { return FLinAlign; }
    void SetLinAlign(TLinAlign value) { FLinAlign = value; Changed(); }

    std::function<void(TObject* Sender)> OnChange;

    // Paints the ticks into R; FakDim is pixels per value (0: the values fill R).
    void MakeLinier(TCanvas& Can, const TRect& R, double FakDim);

private:
    void Changed()
    {
        if (OnChange)
            OnChange(this);
    }

    TLinOrient FOrientering = loLodret;
    int FStartVal = 0;
    int FSlutVal = 0;
    int FInterval = 0;
    int FIntervalStor = 0;
    int FIntervalMellem = 0;
    int FIntervalLille = 0;
    int FDimStor = 0;
    int FDimMellem = 0;
    int FDimLille = 0;
    TColor FLinieFarve = clBlack;
    bool FPixelLin = false;
    TLinAlign FLinAlign = laTop;
};
