#pragma once
#include "platform/Canvas.h"
#include "platform/Color.h"
#include "platform/ImageList.h"
#include "platform/Types.h"
#include <QPointer>
#include <cstdint>

// Which image of the list a field and a state use.
enum TBitXType { btIngen, btSimpel, btDual, btTrio, btUnikSimpel, btUnikDual, btUnikTrio };

// Base of the image painter: the start index that the panel sets before each image and the
// change notification that the panel subscribes to.
class TBitGrundX : public TObject {
public:
    explicit TBitGrundX(TObject* owner = nullptr) : TObject(owner) {}

    // Added to every image index; the panel sets it from its BitmapIndex (no notification).
    int StartIndex() const { return FStartIndex; }
    void SetStartIndex(int value) { FStartIndex = value; }

    // Fired by the setters that change what is drawn.
    TNotifyEvent OnChange;

protected:
    void Change()
    {
        if (OnChange)
            OnChange(this);
    }

    int FStartIndex = 0;
};

// A non-visual painter of the image of a button-panel field, taken from an image list
// (referenced, never owned; a destroyed list reads as none). Every setter except those of
// Bredde, Hojde, FeltAntal, AktivLodret, AktivVandret, AktivVL and DontBlend notifies.
class TBitmapX : public TBitGrundX {
public:
    explicit TBitmapX(TObject* owner = nullptr) : TBitGrundX(owner) {}

    TImageList* BitmapListe() const { return FBitmapListe.data(); }
    // With RealDim the list's image size is copied into Bredde x Hojde.
    void SetBitmapListe(TImageList* value);
    TBitXType BitType() const { return FBitType; }
    void SetBitType(TBitXType value);
    bool RealDim() const { return FRealDim; }
    // On: clears FeltDim and Scale and copies the list's size.
    void SetRealDim(bool value);
    bool FeltDim() const { return FFeltDim; }
    // On: clears RealDim, Scale and Centrer.
    void SetFeltDim(bool value);
    int Bredde() const { return FBredde; }
    void SetBredde(int value) { FBredde = value; }
    int Hojde() const { return FHojde; }
    void SetHojde(int value) { FHojde = value; }
    int X1() const { return FX1; }
    void SetX1(int value);
    int Y1() const { return FY1; }
    void SetY1(int value);
    int FeltAntal() const { return FFeltAntal; }
    void SetFeltAntal(int value) { FFeltAntal = value; }
    bool AktivVL() const { return FAktivVL; }
    void SetAktivVL(bool value) { FAktivVL = value; }
    int AktivVandret() const { return FAktivVandret; }
    void SetAktivVandret(int value) { FAktivVandret = value; }
    int AktivLodret() const { return FAktivLodret; }
    void SetAktivLodret(int value) { FAktivLodret = value; }
    bool Scale() const { return FScale; }
    // On: sets RealDim.
    void SetScale(bool value);
    bool Centrer() const { return FCentrer; }
    // On: clears FeltDim.
    void SetCentrer(bool value);
    bool Gennemsigtig() const { return FGennemsigtig; }
    void SetGennemsigtig(bool value);
    TColor TransFarve() const { return FTransFarve; }
    void SetTransFarve(TColor value);
    TColor BgColor() const { return FBgColor; }
    void SetBgColor(TColor value);
    bool DontBlend() const { return FDontBlend; }
    void SetDontBlend(bool value) { FDontBlend = value; }

    // The list index of the image for item FeltNr in state Tilstand, -1 when there is none: no list, btIngen, a negative item or index, or an
    // index at or beyond the list's count.
    int ImageIndex(int FeltNr, int Tilstand) const;
    // The rectangle the image of a field with rectangle R and state Tilstand is drawn into.
    TRect TargetRect(const TRect& R, int Tilstand) const;
    // Paints the image of item FeltNr for state Tilstand into the field rectangle R; False
    // when nothing was drawn.
    bool PutBitmap(int FeltNr, TCanvas& Can, const TRect& R, uint8_t Tilstand);

private:
    QPointer<TImageList> FBitmapListe;
    TBitXType FBitType = btIngen;
    bool FRealDim = true;
    bool FFeltDim = false;
    int FBredde = 16;
    int FHojde = 16;
    int FX1 = 0;
    int FY1 = 0;
    int FFeltAntal = 1;
    bool FAktivVL = true;
    int FAktivVandret = 1;
    int FAktivLodret = 1;
    bool FScale = false;
    bool FCentrer = false;
    bool FGennemsigtig = false;
    TColor FTransFarve = clWhite;
    TColor FBgColor = clNone;
    bool FDontBlend = false;
};
