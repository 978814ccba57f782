#pragma once
#include "widgets/DimLinier.h"
#include "widgets/RammeX.h"
#include "widgets/TekstX.h"

// The frame, ruler and text-layout painters that the widgets of every window share. The main
// window creates this object before any window and frees it after the last one; widgets hold
// references to its painters and never free them.
class TSharedPainters : public TObject {
public:
    explicit TSharedPainters(TObject* owner = nullptr);

    // Outer frames of framed widgets.
    TRammeGrundX RammeIndNoA;
    TRammeGrundX RammeIndA;
    TRammeGrundX RammeIndTrans;
    TRammeGrundX RulRamme;
    TRammeGrundX TekstRamme;
    TRammeGrundX BibR;
    TRammeGrundX PalRamme;
    // Inner frames.
    TRammeIndreX ZoomRamme;
    TRammeIndreX ZoomRammeMini;
    // Frames of fields, buttons and thumbs.
    TRammeFeltX RammeKnap;
    TRammeFeltX RulKnap;
    TRammeFeltX PosKnapRamme;
    TRammeFeltX BWposR;
    TRammeFeltX BWR;
    TRammeFeltX Framme1;
    TRammeFeltX FrammeProp;
    TRammeFeltX BibRF;
    TRammeFeltX RammeIngen;
    // Rulers.
    TDimLinier DimLinier0;
    TDimLinier DimLinier2;
    TDimLinier DimLinier3;
    TDimLinier DimLinier4;
    TDimLinier DimLinier5;
    TDimLinier ReguLin;
    TDimLinier BWLin;
    TDimLinier RGBLin;
    TDimLinier RGBrel;
    // Text layout.
    TTekstX TekstCenter;
};
