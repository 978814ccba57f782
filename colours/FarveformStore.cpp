// The colour box's large palettes, interval palettes, colour store and help lines.
#include "appcore/MainServices.h"
#include "appcore/Message.h"
#include "appcore/Options.h"
#include "colours/ColorPan.h"
#include "colours/Farveform.h"
#include "colours/PaletteFile.h"
#include <QFileInfo>
#include <QToolButton>
#include <algorithm>
#include <vector>

namespace {

constexpr int kLager = 24;

struct THelpLine {
    int Nr;
    const char* Dansk;
    const char* Engelsk;
};

// The help lines; a text ending in ": " is followed by a colour name.
constexpr THelpLine kHelpLines[] = {
    {0, "Lagerpalette: ", "Storepanel: "},
    {2, "Farveboxens aktive eller valgte farve: ", "The active color of the colorbox: "},
    {3, "Indsæt aktive farve i lager: ", "Insert active color in storepanel: "},
    {4, "Tøm lageret for farver.", "Clear the storepanel."},
    {5, "Palettens farvenavn: ", "The colorname of the panel: "},
    {6, "Farvepaletten består i 20 farver.", "Panel with 20 colors."},
    {7, "Farvepaletten består i 28 sorterede navngivne farver.", "Panel with 28 sorted colors."},
    {8, "Farvepaletten består i 28 navngivne farver.", "Panel with 28 named colors"},
    {9, "Hent palette fra fil.", "Load palette from file"},
    {10, "Farveovergangs-palette mellem to grundfarver. Farverne vælges med henholdsvis venstre og højre musknap.",
     "Fade panel made from 2 colors. Use left and right mousebottom to choose the colors."},
    {11, "Farveovergangs-palette mellem tre grundfarver, der vælges med venstre, midterste samt højre musknap.",
     "Fade panel made from 3 colors. Use left, right and middle mousebottom to choose the colors."},
    {12, "Farveovergangs-farverne. Disse farver vælges fra paletten.", "Fade colors."},
    {21, "Regulerer valgte farve i retning af mørkere eller lysere nuancer.", "Make the color more light or dark."},
    {23, "Realiser farve: ", "Set new color: "},
    {26, "Reguler rød's andel i farven.", "Increase or decrease the red part of the color."},
    {29, "Reguler grøn's andel i farven.", "Increase or decrease the green part of the color."},
    {32, "Reguler blå's andel i farven", "Increase or decrease the blue part of the color."},
    {34, "Hukommelses palette: ", "Memory panel: "},
    {35, "Indtast rød's værdi (0-255) i farvens RGB værdi.", "The red value in RGB(0-255)"},
    {36, "Indtast grøns's værdi (0-255) i farvens RGB værdi.", "The green value in RGB(0-255)"},
    {37, "Indtast blå's værdi (0-255) i farvens RGB værdi.", "The blue value in RGB(0-255)"},
    {38, "Tegnefarven vil få den aktive farve.", "The pen will get the active color."},
    {39, "Fyldfarven vil få den aktive farve.", "The fill will get the active color."},
    {40, "Aktuelle billedes penfarve.", "The pen color of the actual picture."},
    {41, "Aktuelle billedes fyldfarve.", "The fill color of the actual picture."},
    {42, "Normal redskabs realisering.", "Use normal draw method."},
    {43, "Speciel redskabs realisering, hvor realiseringen udelukkende foregår på specifikfarven.",
     "Use the on-color-draw-method, where drawing only will be performed on the on-color-draw-method color."},
    {44, "Sæt farveboksens aktuelle farve som specifikfarve.",
     "Apply the active color of the colorbox as on-color-draw-method color."},
    {45, "Vælg specifikfarve fra billede.", "Get the on-color-draw-method color from picture."},
    {49, "Aktuelle billedes mellemfarve.", "The middle color of the actual picture."},
    {50, "Sæt farveboksens aktuelle farve som transparent farve.",
     "Apply the active color of the colorbox as transparent color."},
    {52, "Speciel redskabs realisering, hvor realiseringen udelukkende udenfor specifikfarven.",
     "Use the on-color-draw-method, where drawing only will be performed outside the on-color-draw-method color."},
    {53, "Sæt mellemfarve til samme farve som penfarve.", "Make middle color the same as pen color."},
    {54, "Sæt fyldfarve til samme farve som penfarve.", "Make fill color the same as pen color."},
    {55, "Sæt penfarve til samme farve som mellemfarve.", "Make pen color the same as middle color."},
    {56, "Sæt fyldfarve til samme farve som mellemfarve.", "Make fill color the same as middle color."},
    {57, "Sæt penfarve til samme farve som fyldfarve.", "Make pen color the same as fill color."},
    {58, "Sæt mellemfarve til samme farve som fyldfarve.", "Make middle color the same as fill color."},
    {59, "Sorter farverne i paletten.", "Sort the colors in the palette."},
    {60, "Mellemfarven vil få den aktive farve.", "The middle color will get the active color."},
    {61, "Selvalgt palette. Vælg paletten under Andet-fanen",
     "Palette selected from file. Select the palette under Pal-tab"},
    {62, "Gem paletten til senere brug", "Save the palette for later use"},
    {63, "Hent gemte palette", "Load the saved palette"},
};

} // namespace

QString TFarveform::HelpLine(int Nr) const
{
    for (const THelpLine& line : kHelpLines)
        if (line.Nr == Nr) {
            const QString text = QString::fromUtf8(FSprog ? line.Engelsk : line.Dansk);
            if (!text.endsWith(QStringLiteral(": ")))
                return text;
            // The store, history and palette lines name the field under the mouse; the others
            // the active colour.
            const bool felt = Nr == 0 || Nr == 5 || Nr == 34;
            return text + (felt ? HukNavn : FarveNavn);
        }
    return QString();
}

void TFarveform::Informa(int Nr)
{
    if (Nr == -1) {
        Services.InfoHint(QString());
        return;
    }
    const QString text = HelpLine(Nr);
    if (!text.isEmpty())
        Services.InfoHint(text);
}

// ---- the large palette

bool TFarveform::PaletteFilBrugbar(const QString& Filnavn) const
{
    // An empty or unreadable file counts as missing.
    std::vector<TColor> farver;
    return !Filnavn.isEmpty() && PaletteFile::Read(Filnavn, farver) && !farver.empty();
}

void TFarveform::VisCaption()
{
    setWindowTitle(FPalCaption.isEmpty() ? FbCap : FbCap + QStringLiteral(": ") + FPalCaption);
}

void TFarveform::SetPal(int PalNr)
{
    TOptions& Opt = Services.Options();
    Opt.Fpal = PalNr;
    BigSpal->SetNumLodret(false);
    if (PalNr < 1 || PalNr > 4)
        return;
    FPalCaption.clear();
    switch (PalNr) {
    case 1:
        BigSpal->NytAntalVL(10, 2);
        BigSpal->SetAntalIalt(20);
        BigSpal->Named20();
        break;
    case 2:
    case 3:
        BigSpal->NytAntalVL(7, 4);
        BigSpal->SetAntalIalt(28);
        BigSpal->SetSorMetode(PalNr == 2 ? csIntens : csNone);
        BigSpal->Named28();
        BigSpal->SetSorMetode(csNone);
        break;
    case 4:
        if (PaletteFilBrugbar(PalFilnavn)) {
            BigSpal->NytAntalVL(16, 4);
            BigSpal->HentPalette(PalFilnavn);
            FPalCaption = QFileInfo(PalFilnavn).fileName();
        } else {
            // Without its file, palette 4 is the 64-colour cube, remembered as palette 2.
            Opt.Fpal = 2;
            BigSpal->NytAntalVL(16, 4);
            BigSpal->SetAntalIalt(64);
            BigSpal->Standard64(true);
        }
        break;
    }
    VisCaption();
}

void TFarveform::RanPalKnappenClick()
{
    if (!VaelgPaletteFil)
        return;
    const QString fil = VaelgPaletteFil();
    if (fil.isEmpty())
        return;
    PalFilnavn = fil;
    if (OnPalFilnavn)
        OnPalFilnavn(fil);
    SetPal(4);
}

void TFarveform::RiPalKnapClick(bool MedMidt)
{
    BigSpal->NyFarve(Fadepal->GetColor(0));
    BigSpal->SetMidtFarve(Fadepal->GetColor(1));
    BigSpal->NyFarveBg(Fadepal->GetColor(2));
    BigSpal->SetMidtFarveType(MedMidt ? cfSelvValgt : cfIngen);
    BigSpal->NyRanIntPal(false, false);
    BigSpal->ColorControl();
}

// ---- the colour store

void TFarveform::LInsKnapClick()
{
    if (!Lagerpal->NewColor(OutFarve, true, LagerNr))
        return;
    LagerNr = (LagerNr + 1) % kLager;
    Services.InfoHint(Sprogtekst(FSprog, "Der blev indsat en farve", "A color was inserted"));
    LgemKnap->setEnabled(true);
}

void TFarveform::LClearKnapClick()
{
    Lagerpal->SetFarvePal(cpIngen);
    // The fields read as empty at once, also before the store is first painted.
    for (int i = 0; i < kLager; ++i)
        Lagerpal->InitFarveFelt(i, clNone);
    LagerNr = 0;
    LgemKnap->setEnabled(true);
}

void TFarveform::LgemKnapClick()
{
    if (!Lagerpal->SavePalette(LagerFilnavn)) {
        // The old file stays, and so does the chance to save again.
        Services.InfoHint(Sprogtekst(FSprog, "Farvelageret kunne ikke gemmes", "The colorstore could not be saved"));
        ShowMessage(Sprogtekst(FSprog, "Farvelageret kunne ikke gemmes i filen:\r", "The colorstore could not be saved in the file:\r") +
                        LagerFilnavn,
                    this);
        return;
    }
    Services.InfoHint(Sprogtekst(FSprog, "Paletten er gemt til senere anvendelse", "The palette is saved for later use"));
    LgemKnap->setEnabled(false);
}

void TFarveform::LhentKnapClick()
{
    // A store file of another size is cut or padded to the 24 fields.
    LagerNr = std::clamp(Lagerpal->LoadPalette(LagerFilnavn), 0, kLager - 1);
    LgemKnap->setEnabled(false);
}
