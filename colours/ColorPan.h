#pragma once
#include "colours/ColSor.h"
#include <QString>
#include <functional>

using TColPicEvent = std::function<void(TObject* Sender, int Nr)>;
using TPaletteChangeEvent = std::function<void(TObject* Sender, int FeltNo, TColor OldColor, TColor NewColor)>;

// The colour palette widget: a grid of colour fields the user clicks to pick colours, with
// generated palettes (standard tables, random, sorted, intervals, a rainbow), fades, colour
// names and palette files. Empty fields (clNone) show the panel's background colour.
class TColorPan : public TColSor {
public:
    explicit TColorPan(QWidget* parent = nullptr);

    // The kind of palette generated at the next paint (then it turns into cpSelvValgt).
    TColorPal FarvePal() const { return FFarvePal; }
    void SetFarvePal(TColorPal value);
    // Pen, middle and background colour; each setter fires OnPaletteChange (field 0, 1, 2).
    TColor Farve() const { return FFarve; }
    void SetFarve(TColor value);
    TColor MidtFarve() const { return FMidtFarve; }
    void SetMidtFarve(TColor value);
    TColor FarveBg() const { return FFarveBg; }
    void SetFarveBg(TColor value);
    TCenterFarve MidtFarveType() const { return FMidtFarveType; }
    void SetMidtFarveType(TCenterFarve value);
    // Switches the panel's own picking of colours by clicks off.
    bool NoInternMus() const { return FNoInternMus; }
    void SetNoInternMus(bool value) { FNoInternMus = value; }
    // Fields 0, 1, 2 mirror Farve, MidtFarve and FarveBg.
    bool PMBPalette() const { return FPMBPalette; }
    void SetPMBPalette(bool value) { FPMBPalette = value; }

    TColPicEvent OnColPic;
    TPaletteChangeEvent OnPaletteChange;

    // Fields.
    void FarveFelt(int Nr, TColor Col);
    void InitFarveFelt(int Nr, TColor Col);
    // The colour of field Nr; white for a field that does not exist.
    TColor GetColor(int Nr) const;
    bool NewColor(TColor C, bool ColKontrol, int FeltNr);
    void RemoveColor(int Nr);
    void ColorControl();
    bool FarvenErDer(TColor Farven) const;
    void OmbytColor(int Nr1, int Nr2, bool SomInsert);
    void KopierPalette(const TColorPan& Palette);
    void NyFarve(TColor Farven) { FFarve = Farven; }
    void NyFarveBg(TColor Farven) { FFarveBg = Farven; }
    void GemPal();
    void HentPal();
    void Opfrisk() override;

    // Palettes (ColorPanPaletter.cpp).
    void Standard16();
    void NyRandomPal();
    void NySorteretPal();
    void NyIntervalPal();
    void NyRanIntPal(bool Forgrund, bool Baggrund);
    void WinStandard48();
    void Standard64(bool LightFirst);
    void Standard125(bool LightFirst);
    void StandardNamed();
    void Named20();
    void Named28();
    static TColor RandomFarve();
    static TColor StandardFarve(uint8_t Nr);
    void SetIntervalPal();
    void SetRGBplus();
    void FadeOut(int PStartNr, int PSlutNr);
    void SorterColors(int Rval, int Gval, int Bval);
    static TColor GetBWColor(TColor Col, int Pos);
    QString GetFarveNavn(TColor Col) const;
    static QString GetFarveNavn20(TColor Col);
    static QString GetHtmlFarve(TColor Col);

    // Palette files and palettes from pictures (ColorPanFiler.cpp). The writers return False
    // when the file could not be written (an old file then stays as it was).
    bool GemPalette(const QString& Filnavn);
    bool SavePalette(const QString& Filnavn);
    void HentPalette(const QString& Filnavn);
    int LoadPalette(const QString& Filnavn);
    void AppendPal(const QString& Filnavn);
    int PalFraBilDyn(int MaxAntal, const TBitmap& Bitmap);
    void PalFraBil(const TBitmap& Bitmap);

    void Paint() override;

protected:
    void PaintFeltIndhold(int k) override;

private:
    // The colour list gets AntalIalt entries and the requested
    // kind of palette is made; FarvePal becomes cpSelvValgt.
    void GenererPalette();
    // Generates now and shows the result (the Ny... operations).
    void GenererOgVis(TColorPal kind);
    // Fills the inner rectangle of visible field k with its colour.
    void PaintFarve(int k);
    // Repaints the colour of field Nr if it is visible.
    void VisFelt(int Nr);
    // A click on field FeltNr picks its colour for the button.
    void MusKlik(TMouseButton Button, int FeltNr);
    // The number of fields that both exist in the list and count in AntalIalt.
    int BrugteFelter() const;
    void SetPMBFarve(int FeltNo, TColor& felt, TColor value);
    // The colour cube of 4 or 5 levels per channel, sorted by SorMetode.
    void Terning(int levels, bool LightFirst);
    // A named table over all fields, sorted afterwards if asked.
    void Navngiv(int tabel, bool sorter);
    // The palette becomes exactly these colours (AntalIalt follows), kept at later paints.
    void SaetPalette(const std::vector<TColor>& farver);
    // Writes the colours in order into the empty fields among 0..AntalIalt-1 and shows them.
    void FyldTommeFelter(const std::vector<TColor>& farver);

    TColorPal FFarvePal = cpIngen;
    TColor FFarve = clBlack;
    TColor FMidtFarve = clRed;
    TColor FFarveBg = clWhite;
    TCenterFarve FMidtFarveType = cfIngen;
    bool FNoInternMus = false;
    bool FPMBPalette = false;
};
