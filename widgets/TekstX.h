#pragma once
#include "platform/Canvas.h"
#include "platform/Graphics.h"
#include "platform/Types.h"
#include <QString>
#include <functional>

enum TAlignVandretX { avCentrer, avVenstre, avHojre };
enum TAlignLodretX { alCentrer, alOppe, alNede };

// Text layout, first link: the inner margins of the rectangle written into and the
// shortening of a text with "..." to the inner width.
class TTekstGrundX : public TObject {
public:
    explicit TTekstGrundX(TObject* parent = nullptr);

    int MargenVenstre() const { return FMargenVenstre; }
    void SetMargenVenstre(int value);
    int MargenOppe() const { return FMargenOppe; }
    void SetMargenOppe(int value);
    int MargenHojre() const { return FMargenHojre; }
    void SetMargenHojre(int value);
    int MargenNede() const { return FMargenNede; }
    void SetMargenNede(int value);

    // The surface of the current write (none before the first write).
    TCanvas* Canvas() const { return LiveCanvas(); }
    // The inner rectangle of the current write, and its width and height.
    TRect Rekt() const { return FRekt; }
    int Bredde() const { return FBredde; }
    int Hojde() const { return FHojde; }

    // R without the margins; also sets Bredde and Hojde.
    TRect BeregnRekt(const TRect& R);
    // S shortened with "..." so that it fits Bredde in the current canvas font.
    QString AfkortTekst(const QString& S) const;

    TNotifyEvent OnChange;

protected:
    void Change();
    // The canvas written on last, while it still exists.
    TCanvas* LiveCanvas() const { return FCanvasAlive.expired() ? nullptr : FCanvas; }
    int TextWidth(const QString& s) const { return LiveCanvas() ? FCanvas->TextWidth(s) : 0; }
    int TextHeight(const QString& s) const { return LiveCanvas() ? FCanvas->TextHeight(s) : 0; }

    int FMargenVenstre = 0;
    int FMargenOppe = 0;
    int FMargenHojre = 0;
    int FMargenNede = 0;
    TCanvas* FCanvas = nullptr;
    std::weak_ptr<void> FCanvasAlive;
    TRect FRekt;
    int FBredde = 0;
    int FHojde = 0;
};

// Second link: alignment and the three writers (one line, stacked characters, word wrap).
// The writers draw into Rekt on the current canvas with its current font and colour.
class TTekstSkrivX : public TTekstGrundX {
public:
    explicit TTekstSkrivX(TObject* parent = nullptr);

    TAlignVandretX AlignVandret() const { return FAlignVandret; }
    void SetAlignVandret(TAlignVandretX value);
    TAlignLodretX AlignLodret() const { return FAlignLodret; }
    void SetAlignLodret(TAlignLodretX value);
    int LinieAfstand() const { return FLinieAfstand; }
    void SetLinieAfstand(int value);
    // "&" marks an accelerator: it is not drawn and the next character is underlined.
    bool Genkey() const { return FGenkey; }
    void SetGenkey(bool value);

    void SkrivNormalTekst(const QString& Tekst);
    void SkrivLodretTekst(const QString& Tekst);
    void SkrivOpdelTekst(const QString& Tekst);

protected:
    // Draws the characters one at a time from (x, y) to the right, the accelerator marks
    // left out and the character after each mark underlined.
    void DrawWithAccelerators(int x, int y, const QString& Tekst);
    // Draws one character at (x, y), underlined when asked.
    void DrawCharacter(int x, int y, const QString& c, bool underline);

    TAlignVandretX FAlignVandret = avCentrer;
    TAlignLodretX FAlignLodret = alCentrer;
    int FLinieAfstand = 0;
    bool FGenkey = false;
};

// Third link: the caller's state picks the font colour (0 inactive, 1 normal, 2 and 4
// pressed, 3 hovered), pressed states shift the text, and an optional drop shadow.
class TTekstX : public TTekstSkrivX {
public:
    explicit TTekstX(TObject* parent = nullptr);

    bool LodretTekst() const { return FLodretTekst; }
    void SetLodretTekst(bool value);
    bool OpdelTekst() const { return FOpdelTekst; }
    void SetOpdelTekst(bool value);
    int AktivVandret() const { return FAktivVandret; }
    void SetAktivVandret(int value) { FAktivVandret = value; }
    int AktivLodret() const { return FAktivLodret; }
    void SetAktivLodret(int value) { FAktivLodret = value; }
    TColor FarveNormal() const { return FFarveNormal; }
    void SetFarveNormal(TColor value);
    TColor FarveAktiv() const { return FFarveAktiv; }
    void SetFarveAktiv(TColor value);
    TColor FarveOver() const { return FFarveOver; }
    void SetFarveOver(TColor value);
    TColor FarveInaktiv() const { return FFarveInaktiv; }
    void SetFarveInaktiv(TColor value);
    TColor FarveSkygge() const { return FFarveSkygge; }
    void SetFarveSkygge(TColor value);
    bool SkyggeTekst() const { return FSkyggeTekst; }
    void SetSkyggeTekst(bool value);
    int SkyggeDybdeL() const { return FSkyggeDybdeL; }
    void SetSkyggeDybdeL(int value);
    int SkyggeDybdeV() const { return FSkyggeDybdeV; }
    void SetSkyggeDybdeV(int value);
    bool SkyggeInaktiv() const { return FSkyggeInaktiv; }
    void SetSkyggeInaktiv(bool value) { FSkyggeInaktiv = value; }

    // Writes Tekst in CanFont into R on Can for the state Tilstand; returns the rectangle
    // used (R for an empty text, which draws nothing).
    TRect SkrivTekst(TCanvas& Can, const TRect& R, const TFont& CanFont, const QString& Tekst, int Tilstand);

    // The font colour of a state.
    TColor StateColour(int Tilstand) const;

protected:
    // Writes with the writer the layout asks for (one line is shortened first).
    void Write(const QString& Tekst);

    bool FLodretTekst = false;
    bool FOpdelTekst = false;
    int FAktivVandret = 1;
    int FAktivLodret = 1;
    TColor FFarveNormal = 0;
    TColor FFarveAktiv = 0;
    TColor FFarveOver = 0;
    TColor FFarveInaktiv = 0x808080;
    TColor FFarveSkygge = 0xFFFFFF;
    bool FSkyggeTekst = false;
    int FSkyggeDybdeL = 1;
    int FSkyggeDybdeV = 1;
    bool FSkyggeInaktiv = true;
};
