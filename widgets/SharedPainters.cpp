#include "widgets/SharedPainters.h"

namespace {
constexpr TColor kRulFelt = 14737632; // 0xE0E0E0
// The classic desktop's medium grey.
constexpr TColor clMedGray = 0xA4A0A0;

void Frame(TRammeX& f, TRammeXType art, TColor omrids)
{
    f.SetArt(art);
    f.SetFarveOmrids(omrids);
}

void Spacing(TRammeGrundX& f, int v, int o, int h, int n)
{
    f.SetAfstandV(v);
    f.SetAfstandO(o);
    f.SetAfstandH(h);
    f.SetAfstandN(n);
}

void Spacing(TRammeIndreX& f, int lodret, int vandret)
{
    f.SetAfstandLodret(lodret);
    f.SetAfstandVandret(vandret);
}

void NoReaction(TRammeX& f)
{
    f.SetReaktionNede(rtIngen);
    f.SetReaktionOver(rtIngen);
}

// Ruler scale: values, tick intervals (large, medium, small) and tick lengths.
void Scale(TDimLinier& d, int start, int slut, int stor, int mellem, int lille, int dimStor, int dimMellem,
           int dimLille)
{
    d.SetStartVal(start);
    d.SetSlutVal(slut);
    d.SetIntervalStor(stor);
    d.SetIntervalMellem(mellem);
    d.SetIntervalLille(lille);
    d.SetDimStor(dimStor);
    d.SetDimMellem(dimMellem);
    d.SetDimLille(dimLille);
}
} // namespace

TSharedPainters::TSharedPainters(TObject* owner) : TObject(owner)
{
    Frame(RammeIndNoA, rtInd, clBlack);

    Frame(RammeIndA, rtInd, clBlack);
    RammeIndA.SetNytClientRect(true);
    RammeIndA.SetTilpasAlign(true);

    Frame(RammeIndTrans, rtInd, clBlack);
    RammeIndTrans.SetMedFeltFarve(false);

    Frame(RulRamme, rtInd, clBlack);
    RulRamme.SetFarveFelt(kRulFelt);

    Frame(TekstRamme, rtUd, clMedGray);
    TekstRamme.SetBredde(2);
    TekstRamme.SetBreddeDybde(1);
    TekstRamme.SetFarveFelt(clWindow);
    TekstRamme.SetTilpasAlign(true);

    Frame(BibR, rtUd, clWhite);
    BibR.SetBredde(3);
    BibR.SetBreddeDybde(1);
    BibR.SetFocusRamme(true);
    Spacing(BibR, 2, 2, 18, 2);
    BibR.SetTilpasAlign(true);

    Frame(PalRamme, rtInd, clBlack);
    Spacing(PalRamme, 4, 4, 4, 4);

    Frame(ZoomRamme, rtInd, clBlack);
    Spacing(ZoomRamme, 8, 8);
    Frame(ZoomRammeMini, rtInd, clBlack);

    RammeKnap.SetFarveRamme(clBtnFace);
    RammeKnap.SetFarveOmrids(clBlack);
    RammeKnap.SetFarveUaktiv(clMedGray);
    RammeKnap.SetFarveOver(clBtnFace);
    RammeKnap.SetFocusRamme(true);
    Spacing(RammeKnap, 2, 2);

    Frame(RulKnap, rtUd, clBlack);
    RulKnap.SetArtUaktiv(rtUd);
    RulKnap.SetFarveRamme(clBtnFace);

    Frame(PosKnapRamme, rtUd, clBlack);
    PosKnapRamme.SetFarveRamme(kRulFelt);
    PosKnapRamme.SetFocusRamme(true);
    PosKnapRamme.SetMedFeltFarve(false);
    Spacing(PosKnapRamme, 0, 0);
    NoReaction(PosKnapRamme);

    Frame(BWposR, rtUd, clBlack);
    BWposR.SetFarveUaktiv(clBtnFace);
    BWposR.SetFocusRamme(true);
    Spacing(BWposR, 0, 0);
    BWposR.SetReaktionNede(rtUd);

    Frame(BWR, rtUd, clBlack);
    Spacing(BWR, 2, 2);

    for (TRammeFeltX* f : {&Framme1, &FrammeProp}) {
        Frame(*f, rtInd, clBlack);
        f->SetMedFeltFarve(false);
        Spacing(*f, 2, 2);
    }

    BibRF.SetFarveRamme(clBtnFace);
    BibRF.SetFarveOmrids(clBlack);
    BibRF.SetFarveOver(clBlue);
    BibRF.SetFarveAktiv(clYellow);
    BibRF.SetMedFeltFarve(false);
    Spacing(BibRF, 4, 4);
    BibRF.SetMargen(2);
    NoReaction(BibRF);
    BibRF.SetTilpasAlign(true);

    RammeIngen.SetFarveOmrids(clBlack);
    RammeIngen.SetMedFeltFarve(false);
    Spacing(RammeIngen, 2, 2);
    NoReaction(RammeIngen);

    Scale(DimLinier0, 1, 10, 5, 1, 0, 10, 6, 2);
    Scale(DimLinier2, 0, 100, 50, 10, 0, 10, 6, 2);
    Scale(DimLinier3, 0, 50, 20, 10, 2, 10, 8, 2);
    Scale(DimLinier4, 1, 44, 20, 10, 5, 10, 6, 2);
    Scale(DimLinier5, 0, 10, 5, 1, 0, 10, 6, 2);
    Scale(ReguLin, 0, 32, 16, 8, 1, 12, 10, 6);
    Scale(BWLin, 0, 255, 128, 64, 16, 12, 10, 6);
    Scale(RGBLin, 0, 255, 128, 64, 16, 12, 10, 6);
    Scale(RGBrel, 1, 255, 8, 4, 1, 12, 8, 4);
}
