#pragma once
#include "platform/Canvas.h"
#include "platform/Color.h"
#include "platform/Types.h"
#include "widgets/RammeType.h"

// One one-pixel ring of a bevelled frame around (L, T)..(R, B) inclusive: the left and top
// edges with the bottom-left corner in colour a, the right and bottom edges with the top-right
// corner in colour b; then the rectangle shrinks by one pixel on every side.
void DrawBevelRing(TCanvas& c, int& L, int& T, int& R, int& B, TColor a, TColor b);

// A non-visual painter of three-dimensional frames made of one-pixel rings: flat, raised,
// sunken or ribbed, chosen by the state of the widget that owns it, with an optional
// background fill and outline. Every setter only stores; the owner repaints.
class TRammeX : public TObject {
public:
    explicit TRammeX(TObject* owner = nullptr);

    TRammeXType Art() const { return FArt; }
    void SetArt(TRammeXType value) { FArt = value; }
    TRammeXType ArtUaktiv() const { return FArtUaktiv; }
    void SetArtUaktiv(TRammeXType value) { FArtUaktiv = value; }
    TRammeXType ReaktionNede() const { return FReaktionNede; }
    void SetReaktionNede(TRammeXType value) { FReaktionNede = value; }
    TRammeXType ReaktionOver() const { return FReaktionOver; }
    void SetReaktionOver(TRammeXType value) { FReaktionOver = value; }
    int Bredde() const { return FBredde; }
    void SetBredde(int value) { FBredde = value; }
    int BreddeDybde() const { return FBreddeDybde; }
    void SetBreddeDybde(int value) { FBreddeDybde = value; }
    int BreddeRifler() const { return FBreddeRifler; }
    void SetBreddeRifler(int value) { FBreddeRifler = value; }
    TColor FarveRamme() const { return FFarveRamme; }
    void SetFarveRamme(TColor value) { FFarveRamme = value; }
    TColor FarveFelt() const { return FFarveFelt; }
    void SetFarveFelt(TColor value) { FFarveFelt = value; }
    TColor FarveLys() const { return FFarveLys; }
    void SetFarveLys(TColor value) { FFarveLys = value; }
    TColor FarveSkygge() const { return FFarveSkygge; }
    void SetFarveSkygge(TColor value) { FFarveSkygge = value; }
    TColor FarveOmrids() const { return FFarveOmrids; }
    void SetFarveOmrids(TColor value) { FFarveOmrids = value; }
    TColor FarveUaktiv() const { return FFarveUaktiv; }
    void SetFarveUaktiv(TColor value) { FFarveUaktiv = value; }
    TColor FarveOver() const { return FFarveOver; }
    void SetFarveOver(TColor value) { FFarveOver = value; }
    TColor FarveAktiv() const { return FFarveAktiv; }
    void SetFarveAktiv(TColor value) { FFarveAktiv = value; }
    bool MedOmrids() const { return FMedOmrids; }
    void SetMedOmrids(bool value) { FMedOmrids = value; }
    bool FocusRamme() const { return FFocusRamme; }
    void SetFocusRamme(bool value) { FFocusRamme = value; }
    bool MedFeltFarve() const { return FMedFeltFarve; }
    void SetMedFeltFarve(bool value) { FMedFeltFarve = value; }

    // Paints the frame for an owner state: 0 inactive, 1 normal, 2 and 4 pressed, 3 hovered.
    // R is inclusive: its right and bottom are the frame's last column and row.
    void MakeRamme(TCanvas& Can, const TRect& R, int Tilstand, bool Focus);
    // Paints the frame in the normal kind, without states, focus or list fill.
    void KunRamme(TCanvas& Can, const TRect& R);

protected:
    // The list-item look (fill with the state's ring colour); published by TRammeFeltX.
    bool FSomListe = false;

private:
    enum TRingKind { rkFlat, rkRaised, rkSunken };
    // One ring on (L, T, R, B), then the rectangle shrinks by one pixel on every side.
    void DrawRing(int& L, int& T, int& R, int& B, TRingKind kind);
    // n rings of the frame kind from the rectangle R inwards.
    void DrawRings(const TRect& R, TRammeXType kind, int n);
    void Paint(TCanvas& Can, const TRect& R, TRammeXType kind, int n, bool listFill, bool outline);

    TRammeXType FArt = rtIngen;
    TRammeXType FArtUaktiv = rtIngen;
    TRammeXType FReaktionNede = rtInd;
    TRammeXType FReaktionOver = rtUd;
    int FBredde = 1;
    int FBreddeDybde = 0;
    int FBreddeRifler = 0;
    TColor FFarveRamme = clBlack;
    TColor FFarveFelt = clBtnFace;
    TColor FFarveLys = clBtnHighlight;
    TColor FFarveSkygge = clBtnShadow;
    TColor FFarveOmrids = clBlack;
    TColor FFarveUaktiv = clGray;
    TColor FFarveOver = clBlack;
    TColor FFarveAktiv = clBlack;
    bool FMedOmrids = false;
    bool FFocusRamme = false;
    bool FMedFeltFarve = true;

    // The canvas of the current paint and its flat-ring colour.
    TCanvas* FCanvas = nullptr;
    TColor RFarve = clBlack;
};

// A frame with the spacing values of an outer widget frame.
class TRammeGrundX : public TRammeX {
public:
    explicit TRammeGrundX(TObject* owner = nullptr) : TRammeX(owner) {}

    // Extra space inside the frame at the left, top, right and bottom.
    int AfstandV() const { return FAfstandV; }
    void SetAfstandV(int value) { FAfstandV = value; }
    int AfstandO() const { return FAfstandO; }
    void SetAfstandO(int value) { FAfstandO = value; }
    int AfstandH() const { return FAfstandH; }
    void SetAfstandH(int value) { FAfstandH = value; }
    int AfstandN() const { return FAfstandN; }
    void SetAfstandN(int value) { FAfstandN = value; }
    // The widget computes its own client rectangle; otherwise the client area is the widget
    // inset by Bredde on every side.
    bool NytClientRect() const { return FNytClientRect; }
    void SetNytClientRect(bool value) { FNytClientRect = value; }
    // Further client inset at the left and right edges, and at the top and bottom edges.
    int ClientLodret() const { return FClientLodret; }
    void SetClientLodret(int value) { FClientLodret = value; }
    int ClientVandret() const { return FClientVandret; }
    void SetClientVandret(int value) { FClientVandret = value; }
    // The widget recomputes its areas on every layout.
    bool TilpasAlign() const { return FTilpasAlign; }
    void SetTilpasAlign(bool value) { FTilpasAlign = value; }

private:
    int FAfstandV = 0, FAfstandO = 0, FAfstandH = 0, FAfstandN = 0;
    bool FNytClientRect = false;
    int FClientLodret = 0, FClientVandret = 0;
    bool FTilpasAlign = false;
};

// A frame with the spacing of an inner frame at its vertical and horizontal edges.
class TRammeIndreX : public TRammeX {
public:
    explicit TRammeIndreX(TObject* owner = nullptr) : TRammeX(owner) {}

    int AfstandLodret() const { return FAfstandLodret; }
    void SetAfstandLodret(int value) { FAfstandLodret = value; }
    int AfstandVandret() const { return FAfstandVandret; }
    void SetAfstandVandret(int value) { FAfstandVandret = value; }

private:
    int FAfstandLodret = 1;
    int FAfstandVandret = 1;
};

// The frame of a field in a button panel: the inner spacing (the gaps between fields) plus a
// margin and the list-item look.
class TRammeFeltX : public TRammeIndreX {
public:
    explicit TRammeFeltX(TObject* owner = nullptr) : TRammeIndreX(owner) {}

    int Margen() const { return FMargen; }
    void SetMargen(int value) { FMargen = value; }
    // Fill the background with the state's ring colour.
    bool SomListe() const { return FSomListe; }
    void SetSomListe(bool value) { FSomListe = value; }
    bool TilpasAlign() const { return FTilpasAlign; }
    void SetTilpasAlign(bool value) { FTilpasAlign = value; }

private:
    int FMargen = 0;
    bool FTilpasAlign = false;
};
