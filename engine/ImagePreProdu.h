#pragma once
#include "engine/ImageFile.h"

enum TFarveMet { fmRandom, fmInterval, fmRanInt, fmCol };
enum TRepRet { rrVandret, rrLodret, rrKryds, rrDia1, rrDia2, rrDiaKryds };
enum TFunkType { ftSinus, ftCosinus, ftTangens, ftCotangens };
enum TFigType { ftRektangel, ftElipse };

// Ninth link: the parameters of the multicolour tools and the colour sequence that gives each
// generated figure its colour, from the pen colour to the fill colour (optionally through a
// middle colour) by one of four methods.
class TImagePreProdu : public TImageFile {
public:
    explicit TImagePreProdu(QWidget* parent = nullptr);

    TColor MellemFarve() const { return FMellemFarve; }
    void SetMellemFarve(TColor v) { FMellemFarve = v; }
    bool UseMellem() const { return FUseMellem; }
    void SetUseMellem(bool v) { FUseMellem = v; }
    TFarveMet FarveMetode() const { return FFarveMetode; }
    void SetFarveMetode(TFarveMet v) { FFarveMetode = v; }
    // The setters marked "at least 1" replace a value <= 0 by 1.
    int ProduAntal() const { return FProduAntal; }
    void SetProduAntal(int v) { FProduAntal = AtLeastOne(v); }
    int Frekvens() const { return FFrekvens; }
    void SetFrekvens(int v) { FFrekvens = AtLeastOne(v); }
    int Grader() const { return FGrader; }
    void SetGrader(int v) { FGrader = AtLeastOne(v); }
    int StartGrad() const { return FStartGrad; }
    void SetStartGrad(int v) { FStartGrad = v; }
    int SlutGrad() const { return FSlutGrad; }
    void SetSlutGrad(int v) { FSlutGrad = v; }
    int FunkBredde() const { return FFunkBredde; }
    void SetFunkBredde(int v) { FFunkBredde = AtLeastOne(v); }
    int FunkHojde() const { return FFunkHojde; }
    void SetFunkHojde(int v) { FFunkHojde = AtLeastOne(v); }
    int CentrumX() const { return FCentrumX; }
    void SetCentrumX(int v) { FCentrumX = v; }
    int CentrumY() const { return FCentrumY; }
    void SetCentrumY(int v) { FCentrumY = v; }
    TRepRet RepRetning() const { return FRepRetning; }
    void SetRepRetning(TRepRet v) { FRepRetning = v; }
    TFunkType Funktion() const { return FFunktion; }
    void SetFunktion(TFunkType v) { FFunktion = v; }
    TFigType FadeStregType() const { return FFadeStregType; }
    void SetFadeStregType(TFigType v) { FFadeStregType = v; }
    bool AnvendDybde() const { return FAnvendDybde; }
    void SetAnvendDybde(bool v) { FAnvendDybde = v; }
    uint8_t StartDybde() const { return FStartDybde; }
    void SetStartDybde(uint8_t v) { FStartDybde = v; }
    uint8_t SlutDybde() const { return FSlutDybde; }
    void SetSlutDybde(uint8_t v) { FSlutDybde = v; }
    uint8_t MelDybde() const { return FMelDybde; }
    void SetMelDybde(uint8_t v) { FMelDybde = v; }
    bool MinColDim() const { return FMinColDim; }
    void SetMinColDim(bool v) { FMinColDim = v; }

    // The colour sequence: prepared for about Count figures from StartFarve to SlutFarve.
    void InitColours(int Count);
    TColor NextColour();
    int ColoursPerPhase() const { return RepAntal; }

    // Start and end colours of the sequence, taken from the pen and fill colour by the tools.
    TColor StartFarve = clBlack;
    TColor SlutFarve = clWhite;

protected:
    static int AtLeastOne(int v) { return v <= 0 ? 1 : v; }
    void NextPhase();
    // The per-colour steps from the current (possibly drifted) channels.
    void ComputeSteps();

    TColor FMellemFarve = clRed;
    bool FUseMellem = false;
    TFarveMet FFarveMetode = fmRandom;
    int FProduAntal = 1;
    int FFrekvens = 1;
    int FGrader = 400;
    int FStartGrad = 0;
    int FSlutGrad = 399;
    int FFunkBredde = 20;
    int FFunkHojde = 20;
    int FCentrumX = 50;
    int FCentrumY = 50;
    TRepRet FRepRetning = rrVandret;
    TFunkType FFunktion = ftSinus;
    TFigType FFadeStregType = ftRektangel;
    bool FAnvendDybde = false;
    uint8_t FStartDybde = 50;
    uint8_t FSlutDybde = 30;
    uint8_t FMelDybde = 20;
    bool FMinColDim = false;

    // Channels (R, G, B) of the start, end and middle colour; they drift with depth.
    int Start[3]{}, Slut[3]{}, Mel[3]{};
    int RepAntal = 1;
    int RepCount = -1;
    int IntCount = 0;
    int ProdAntal = 1;
    double ss[3]{}, sm[3]{}, ms[3]{};
    // Whole-number steps of fmCol: ssR without the middle colour, smR and smG with it.
    double ssR = 0, smR = 0, smG = 0;
    int DStart[3]{}, DSlut[3]{}, DMel1[3]{}, DMel2[3]{};
    int IntC[3]{}, MinC[3]{};
    int Pos[3]{};
    double If[3]{}, PosExact[3]{};
    double Rif = 0, posR = 0;
};
