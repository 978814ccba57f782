#include "shell/ToolCommands.h"
#include "shell/CommandActions.h"
#include "shell/CommandWindows.h"
#include "shell/DocumentHost.h"
#include "shell/Malvoform.h"
#include <QAction>
#include <QMenu>

// One action: name, shortcut, texts; Value is the tool number, pen or brush style or
// specific-colour method it stands for, AP whether a tool is performed on a selected area at
// once (with Opt.AP). Checked is empty for actions without a tick.
struct TToolCommands::TCommand {
    const char* Name;
    const char* Shortcut;
    TActionTexts Texts;
    int Value;
    bool AP;
    void (*Execute)(TToolCommands&, const TCommand&);
    bool (*Enabled)(const TToolCommands&);
    bool (*Checked)(const TToolCommands&, const TCommand&);
};

namespace {

using C = TToolCommands;
using R = C::TCommand;

constexpr int kCopyPencil = 101;
constexpr int kColourPicker = 100;

bool Document(const C& c)
{
    return c.HasDocument();
}
void Tool(C& c, const R& r)
{
    c.ChooseTool(r.Value, r.AP);
}
bool IsTool(const C& c, const R& r)
{
    return c.Picture()->ToolNr() == r.Value;
}
void PenStyle(C& c, const R& r)
{
    c.Picture()->SetPenStyle(TPenStyle(r.Value));
}
bool IsPenStyle(const C& c, const R& r)
{
    return c.Picture()->PenStyle() == r.Value;
}
void BrushStyle(C& c, const R& r)
{
    c.Picture()->SetBrushStyle(TBrushStyle(r.Value));
}
bool IsBrushStyle(const C& c, const R& r)
{
    return c.Picture()->BrushStyle() == r.Value;
}
void MetaMetode(C& c, const R& r)
{
    c.Picture()->SetMetaMetode(TMetaMetode(r.Value));
}
bool IsMetaMetode(const C& c, const R& r)
{
    return c.Picture()->MetaMetode() == r.Value;
}

// clang-format off
#define TOOL(name, nr, ap, dc, dh, ec, eh) {name, "", {dc, dh, ec, eh}, nr, ap, Tool, Document, IsTool}
const R kTools[] = {
    TOOL("AFocus", 0, false, "Fokus", "Vælg et område af billedet", "Focus", "Select an area of the picture"),
    TOOL("ABlyant", 1, false, "Blyant", "Tegn frihånd", "Pencil", "Draw freehand"),
    TOOL("ARedBlyant", 102, false, "Special blyant", "Tegn frihånd med specialblyanten", "Speciel pencil",
         "Draw freehand with the special pencil"),
    {"ASelCopy", "Ctrl+B", {"Kopierings blyant", "Kopier et frit tegnet område: Ctrl+B", "Copy pencil",
     "Copy a freely drawn area: Ctrl+B"}, kCopyPencil, false,
     [](C& c, const R&) { c.ASelCopyExecute(); }, Document, IsTool},
    TOOL("AStreg", 2, false, "Streg", "Tegn en lige streg", "Line", "Draw a straight line"),
    TOOL("APil", 33, false, "Pil", "Tegn en pil", "Arrow", "Draw an arrow"),
    TOOL("APilF", 34, false, "Pil fyldt", "Tegn en fyldt pil", "Arrow filled", "Draw a filled arrow"),
    TOOL("ARekt", 3, true, "Rektangel", "Tegn et rektangel", "Rectangle", "Draw a rectangle"),
    TOOL("ARektF", 4, true, "Rektangel fyldt", "Tegn et fyldt rektangel", "Rectangle filled",
         "Draw a filled rectangle"),
    TOOL("ARundtRekt", 5, true, "Afrundet rektangel", "Tegn et rektangel med runde hjørner", "Round rectangle",
         "Draw a rectangle with round corners"),
    TOOL("ARundtRektF", 6, true, "Afrundet rektangel fyldt", "Tegn et fyldt rektangel med runde hjørner",
         "Round rectangle filled", "Draw a filled rectangle with round corners"),
    TOOL("AEllipse", 7, true, "Ellipse", "Tegn en ellipse", "Elipse", "Draw an ellipse"),
    TOOL("AEllipseF", 8, true, "Ellipse fyldt", "Tegn en fyldt ellipse", "Elipse filled", "Draw a filled ellipse"),
    TOOL("APoly", 9, false, "Polygon", "Tegn en polygon punkt for punkt", "Polygon", "Draw a polygon point by point"),
    TOOL("APolyF", 10, false, "Polygon fyldt", "Tegn en fyldt polygon punkt for punkt", "Polygon filled",
         "Draw a filled polygon point by point"),
    TOOL("AFyld", 20, false, "Fyld", "Fyld det sammenhængende område med samme farve", "Fill",
         "Fill the connected area of one colour"),
    TOOL("AFyldTil", 21, false, "Fyld til", "Fyld op til kantfarven", "Fill to", "Fill up to the border colour"),
    TOOL("ASpray", 22, true, "Spray", "Spray med pennefarven", "Spray", "Spray with the pen colour"),
    TOOL("ARamme", 30, true, "Ramme", "Tegn en ramme", "Border", "Draw a border"),
    TOOL("ARammeArt", 31, true, "Special ramme", "Tegn en skygget ramme", "Special border", "Draw a shaded border"),
    TOOL("ARammeArtF", 32, true, "Special ramme fyldt", "Tegn en fyldt skygget ramme", "Special border filled",
         "Draw a filled shaded border"),
    {"ATekst", "", {"Tekst", "Skriv tekst i billedet", "Text", "Write text in the picture"}, 40, true,
     [](C& c, const R& r) {
         if (c.Picture()->TekstListe().isEmpty())
             c.SetGoToToolPage();
         c.ChooseTool(r.Value, r.AP);
     }, Document, IsTool},
    {"APixelInfo", "", {"Farvevælger", "Vælg en farve fra billedet", "Color picker",
     "Pick a colour from the picture"}, kColourPicker, false,
     [](C& c, const R& r) {
         c.SetGoToToolPage();
         c.ChooseTool(r.Value, r.AP);
     }, Document, IsTool},
    TOOL("FadeAction1", 50, false, "Farvestreg", "Tegn en streg i skiftende farver", "Color line",
         "Draw a line in changing colours"),
    TOOL("FadeAction2", 60, true, "Areal punkter", "Fyld området med farvede punkter", "Area pixels",
         "Fill the area with coloured pixels"),
    TOOL("FadeAction3", 61, true, "Areal linier", "Fyld området med farvede linier", "Area lines",
         "Fill the area with coloured lines"),
    TOOL("FadeAction4", 62, true, "Areal rektangler", "Fyld området med farvede rektangler", "Area rectangles",
         "Fill the area with coloured rectangles"),
    TOOL("FadeAction5", 63, true, "Zoom rektangler", "Rektangler der zoomer mod midten", "Zoom rectangles",
         "Rectangles zooming to the centre"),
    TOOL("FadeAction6", 64, true, "Rektangel vifte", "Linier fra midten ud til rektanglet", "Center lines",
         "Lines from the centre out to the rectangle"),
    TOOL("FadeAction7", 65, true, "Funktioner", "Tegn funktionskurver", "Functions", "Draw function curves"),
    TOOL("FadeAction8", 70, true, "Areal ellipser", "Fyld området med farvede ellipser", "Area elipses",
         "Fill the area with coloured ellipses"),
    TOOL("FadeAction9", 71, true, "Zoom ellipser", "Ellipser der zoomer mod midten", "Zoom elipses",
         "Ellipses zooming to the centre"),
    TOOL("FadeAction10", 80, true, "Cirkel vifte", "Linier fra midten ud til ellipsen", "Circled center lines",
         "Lines from the centre out to the ellipse"),
};
#undef TOOL

#define PEN(name, style, dc, ec) {name, "", {dc, "Pennens stregtype: " dc, ec, "Pen style: " ec}, style, false, \
                                  PenStyle, Document, IsPenStyle}
const R kPenStyles[] = {
    PEN("ASolid", psSolid, "Solid", "Solid"),
    PEN("ADash", psDash, "Streg", "Dash"),
    PEN("ADot", psDot, "Prik", "Dot"),
    PEN("ADashDot", psDashDot, "Streg prik", "Dash dot"),
    PEN("ADashDotDot", psDashDotDot, "Streg prik prik", "Dash dot dot"),
};
#undef PEN

#define BRUSH(name, style, dc, ec) {name, "", {dc, "Fyldets mønster: " dc, ec, "Fill pattern: " ec}, style, false, \
                                    BrushStyle, Document, IsBrushStyle}
const R kBrushStyles[] = {
    BRUSH("ASolidB", bsSolid, "Solid", "Solid"),
    BRUSH("AHorizontal", bsHorizontal, "Vandret", "Horizontal"),
    BRUSH("AVertical", bsVertical, "Lodret", "Vertical"),
    BRUSH("AFDiagonal", bsFDiagonal, "Diagonalt nedad", "Diagonal down"),
    BRUSH("ABDiagonal", bsBDiagonal, "Diagonalt opad", "Diagonal up"),
    BRUSH("ACross", bsCross, "Ternet", "Cross"),
    BRUSH("ADiagCross", bsDiagCross, "Diagonal ternet", "Diagonal cross"),
};
#undef BRUSH

const R kMeta[] = {
    {"AMetaNormal", "", {"Normal", "Tegn overalt", "Normal", "Draw everywhere"}, mmNormal, false,
     MetaMetode, Document, IsMetaMetode},
    {"AMetaFarve", "", {"På specifikfarven", "Tegn kun på specifikfarven", "On color",
     "Draw only on the on-color-draw-method color"}, mmFarve, false, MetaMetode, Document, IsMetaMetode},
    {"AMetaNotFarve", "", {"Udenfor specifikfarven", "Tegn kun udenfor specifikfarven", "Outside color",
     "Draw only outside the on-color-draw-method color"}, mmNotFarve, false, MetaMetode, Document, IsMetaMetode},
    {"AMetaBox", "", {"Specifikfarve fra farveboksen", "Farveboksens farve bliver specifikfarven",
     "Color from color box", "The color box's color becomes the on-color-draw-method color"}, 0, false,
     [](C& c, const R&) { c.MetaFarveFraBox(); }, Document, nullptr},
    {"AMetaPick", "", {"Specifikfarve fra billedet", "Vælg specifikfarven i billedet", "Color from picture",
     "Pick the on-color-draw-method color in the picture"}, 0, false,
     [](C& c, const R&) { c.AMetaPickExecute(); }, Document, nullptr},
    {"ATransColor", "", {"Transparentfarve fra farveboksen", "Farveboksens farve bliver transparentfarven",
     "Transparent color from color box", "The color box's color becomes the transparent color"}, 0, false,
     [](C& c, const R&) { c.TransColorFraBox(); }, Document, nullptr},
    {"ASetColorFromPic", "", {"Vælg farve", "Vælg en farve i billedet til farveboksen", "Set color",
     "Pick a colour in the picture for the colour box"}, 0, false,
     [](C& c, const R&) { c.ASetColorFromPicExecute(); }, Document, nullptr},
};

// The window commands: their windows may be missing (then the command is disabled).
#define WINDOW(name, key, hook, dc, dh, ec, eh) {name, key, {dc, dh, ec, eh}, 0, false,                      \
    [](C& c, const R&) { if (c.Windows().hook) c.Windows().hook(); },                                          \
    [](const C& c) { return bool(c.Windows().hook); }, nullptr}
const R kWindows[] = {
    WINDOW("AColor", "", ShowColourBox, "Farveboks", "Vis farveboksen", "Color box", "Show the color box"),
    {"AProp", "F5", {"Egenskaber", "Vis redskabernes egenskaber: F5", "Properties", "Show the tool properties: F5"},
     0, false, [](C& c, const R&) { if (c.Windows().ShowEgenskaberPage) c.Windows().ShowEgenskaberPage(); },
     [](const C& c) {
         return bool(c.Windows().ShowEgenskaberPage) &&
                !(c.Windows().EgenskaberPageShown && c.Windows().EgenskaberPageShown());
     }, nullptr},
    WINDOW("Ainformation", "Ctrl+I", ShowInformationPage, "Information", "Vis siden Information: Ctrl+I",
           "Information", "Show the page Information: Ctrl+I"),
    WINDOW("ATekstBox", "F6", ShowTextBox, "Tekstboks", "Vis tekstboksen: F6", "Text box", "Show the text box: F6"),
    WINDOW("APaletteBox", "", ShowPaletteBox, "Paletteboks", "Vis paletteboksen", "Palette box",
           "Show the palette box"),
};
#undef WINDOW
// clang-format on

} // namespace

TToolCommands::TToolCommands(TDocumentHost& host, TCommandWindows& windows, QWidget* parent)
    : QObject(parent), Host(host), FWindows(windows), Parent(parent)
{
    FTable.Add(*this, kTools);
    FTable.Add(*this, kPenStyles);
    FTable.Add(*this, kBrushStyles);
    FTable.Add(*this, kMeta);
    FTable.Add(*this, kWindows);
    CreateControls();
    SetSprog(Host.Opt().Sprog != 0);
    UpdateActions();
}

TToolCommands::~TToolCommands() = default;

QList<QAction*> TToolCommands::Actions() const
{
    return FTable.Actions();
}

QAction* TToolCommands::Action(const QString& name) const
{
    return FTable.Action(name);
}

void TToolCommands::FillToolMenu(QMenu& menu) const
{
    FTable.AddToMenu(menu, kTools);
}

void TToolCommands::FillDrawToolMenu(QMenu& menu) const
{
    FillNamed(menu, {"AFocus", "ARedBlyant", "ABlyant", "ASelCopy", "AStreg", "ARekt", "ARektF", "ARundtRekt",
                     "ARundtRektF", "AEllipse", "AEllipseF", "APoly", "APolyF", "AFyld", "AFyldTil", "ASpray"});
}

void TToolCommands::FillSpecialToolMenu(QMenu& menu) const
{
    FillNamed(menu, {"APixelInfo", "APil", "APilF", "ARamme", "ARammeArt", "ARammeArtF", "ATekst"});
}

void TToolCommands::FillFadeToolMenu(QMenu& menu) const
{
    FillNamed(menu, {"FadeAction1", "FadeAction2", "FadeAction3", "FadeAction4", "FadeAction5", "FadeAction6",
                     "FadeAction7", "FadeAction8", "FadeAction9", "FadeAction10"});
}

void TToolCommands::FillNamed(QMenu& menu, std::initializer_list<const char*> names) const
{
    CommandActions::FillMenu(menu, names, [this](const QString& name) { return Action(name); });
}

void TToolCommands::FillPenStyleMenu(QMenu& menu) const
{
    FTable.AddToMenu(menu, kPenStyles);
}

void TToolCommands::FillBrushStyleMenu(QMenu& menu) const
{
    FTable.AddToMenu(menu, kBrushStyles);
}

void TToolCommands::FillMetaMenu(QMenu& menu) const
{
    FTable.AddToMenu(menu, kMeta);
}

void TToolCommands::FillWindowMenu(QMenu& menu) const
{
    FTable.AddToMenu(menu, kWindows);
}

void TToolCommands::SetSprog(bool Engelsk)
{
    FTable.SetSprog(Engelsk);
    SetControlTexts(Engelsk);
}

void TToolCommands::UpdateActions()
{
    const bool document = HasDocument();
    FTable.Update(*this, document);
    UpdateControls(document);
}

bool TToolCommands::HasDocument() const
{
    return Host.GForm() != nullptr;
}

TImagePic* TToolCommands::Picture() const
{
    TMalvoform* form = Host.GForm();
    return form ? form->Image : nullptr;
}

// --- tools

void TToolCommands::ChooseTool(int Nr, bool AP)
{
    TMalvoform* form = Host.GForm();
    if (!form)
        return;
    Host.SetUserToolnummer(Nr);
    form->Image->MakeTool(Nr, AP && Host.Opt().AP);
    // The tool may have closed the document (a modal step let events run).
    if (Host.GForm() == form)
        Host.ShowProp(Nr, form->PNavn);
    if (Nr == 0 && FWindows.ShowRedskaberPage)
        FWindows.ShowRedskaberPage();
}

void TToolCommands::SetGoToToolPage()
{
    if (FWindows.SetGoToToolPage)
        FWindows.SetGoToToolPage(true);
}

void TToolCommands::ASelCopyExecute()
{
    TMalvoform* form = Host.GForm();
    if (!form)
        return;
    Host.SetUserToolnummer(kCopyPencil);
    form->OldToolNr = form->Image->ToolNr();
    form->Image->SetToolNr(kCopyPencil);
    Host.ShowProp(kCopyPencil, form->PNavn);
}

void TToolCommands::ASetColorFromPicExecute()
{
    if (TMalvoform* form = Host.GForm()) {
        form->OnlyColor = true;
        form->OldToolNr = form->Image->ToolNr();
        form->Image->SetToolNr(kColourPicker);
    }
}

void TToolCommands::AMetaPickExecute()
{
    if (TMalvoform* form = Host.GForm()) {
        form->ReturnToTool = true;
        form->OldToolNr = form->Image->ToolNr();
        form->Image->SetToolNr(kColourPicker);
    }
}
