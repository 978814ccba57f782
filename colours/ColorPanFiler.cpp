// Palette files and palettes taken from pictures.
#include "colours/ColorPan.h"
#include "colours/PaletteFile.h"
#include "colours/PictureColours.h"
#include "platform/Cursors.h"

bool TColorPan::GemPalette(const QString& Filnavn)
{
    return PaletteFile::Write(Filnavn, FFeltCol.Prefix(FFeltCol.FilledPrefix(AntalIalt())));
}

bool TColorPan::SavePalette(const QString& Filnavn)
{
    const bool ok = PaletteFile::Write(Filnavn, FFeltCol.Prefix(AntalIalt()));
    FFarvePal = cpSelvValgt;
    return ok;
}

void TColorPan::HentPalette(const QString& Filnavn)
{
    std::vector<TColor> farver;
    if (!PaletteFile::Read(Filnavn, farver))
        return;
    SaetPalette(farver);
    const PaletteFile::TGitter gitter = PaletteFile::GitterFor(AntalIalt());
    NytAntalVL(gitter.Vandret, gitter.Lodret);
}

void TColorPan::SaetPalette(const std::vector<TColor>& farver)
{
    FFeltCol.Assign(farver);
    // The colours are kept as they are at the paints that the new count and grid bring.
    FFarvePal = cpSelvValgt;
    SetAntalIalt(FFeltCol.Length());
}

int TColorPan::LoadPalette(const QString& Filnavn)
{
    std::vector<TColor> farver;
    if (!PaletteFile::Read(Filnavn, farver))
        return 0;
    // A file shorter than the panel leaves the rest of its fields empty.
    FFeltCol.Assign(farver, AntalIalt());
    FFarvePal = cpSelvValgt;
    Opfrisk();
    // The next insert position: the first empty field, so that a gap never leads the next
    // insert over a stored colour; 0 for a full panel.
    return std::max(0, FFeltCol.FirstEmpty(AntalIalt()));
}

void TColorPan::AppendPal(const QString& Filnavn)
{
    std::vector<TColor> farver;
    if (!PaletteFile::Read(Filnavn, farver))
        return;
    // Stored colours stay where they are, and a full panel takes nothing.
    FyldTommeFelter(farver);
}

int TColorPan::PalFraBilDyn(int MaxAntal, const TBitmap& Bitmap)
{
    SaetPalette(PictureColours::Dynamisk(Bitmap, MaxAntal));
    const int n = AntalIalt();
    NytAntalVL(AntalVandret(), AntalLodret());
    // The owner hears of the new count also when the panel has not been shown yet.
    if (!CompoPainted && OnAntalIalt)
        OnAntalIalt(this, n);
    return n;
}

void TColorPan::PalFraBil(const TBitmap& Bitmap)
{
    TWaitCursor wait;
    const int n = AntalIalt();
    const std::vector<TColor> farver =
        PictureColours::Stikproeve(Bitmap, n, [this](int fundet) {
            if (OnColPic)
                OnColPic(this, fundet);
        });
    FyldTommeFelter(farver);
}

void TColorPan::FyldTommeFelter(const std::vector<TColor>& farver)
{
    const int n = AntalIalt();
    FFeltCol.Grow(n, clNone);
    size_t next = 0;
    for (int felt = 0; felt < n && next < farver.size(); ++felt)
        if (FFeltCol.At(felt) == clNone)
            FFeltCol.Put(felt, farver[next++]);
    FFarvePal = cpSelvValgt;
    Opfrisk();
}
