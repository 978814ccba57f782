#include "shell/PictureCommands.h"
#include "engine/Captions.h"
#include "appcore/Message.h"
#include "shell/CommandActions.h"
#include "shell/CommandWindows.h"
#include "shell/DocumentHost.h"
#include "shell/FileCommands.h"
#include "shell/Malvoform.h"
#include <QAction>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QUrl>

struct TPictureCommands::TCommand {
    const char* Name;
    const char* Shortcut;
    TActionTexts Texts;
    void (*Execute)(TPictureCommands&);
    bool (*Enabled)(const TPictureCommands&);
    bool (*Checked)(const TPictureCommands&);
};

namespace {

using C = TPictureCommands;
using R = C::TCommand;

constexpr int kColourOperation = 300;

bool Document(const C& c)
{
    return c.HasDocument();
}
bool Focus(const C& c)
{
    return c.HasDocument() && c.Picture()->Selected();
}
bool ClipboardPicture(const C& c)
{
    return c.HasDocument() && c.ClipboardHasPicture();
}
bool Objekt(const C& c)
{
    return c.HasDocument() && c.Picture()->ObjektNr() >= 0;
}
bool Scalable(const C& c)
{
    return c.HasDocument() && c.Picture()->CanScale();
}
template <std::function<void()> TCommandWindows::*Hook>
bool HasWindow(const C& c)
{
    return c.HasDocument() && bool(c.Windows().*Hook);
}
template <std::function<void()> TCommandWindows::*Hook>
void RunWindow(C& c)
{
    if (c.Windows().*Hook)
        (c.Windows().*Hook)();
}

// clang-format off
#define ON_PICTURE(call) [](C& c) { c.Picture()->call; }
#define COLOUR(name, tool, call, dc, dh, ec, eh) \
    {name, "", {dc, dh, ec, eh}, [](C& c) { c.ColourOperation(tool, [](TImagePic& p) { p.call; }); }, Document, nullptr}

const R kEdit[] = {
    {"AUndo", "Ctrl+Z", {"Annuller", "Annuller sidste handling: Ctrl+Z", "Undo", "Undo the last step: Ctrl+Z"},
     ON_PICTURE(Undo()), [](const C& c) { return c.HasDocument() && c.Picture()->CanUndo(); }, nullptr},
    {"ARedo", "Ctrl+Y", {"Gentag", "Gentag det annullerede: Ctrl+Y", "Redo", "Redo what was undone: Ctrl+Y"},
     ON_PICTURE(Redo()), [](const C& c) { return c.HasDocument() && c.Picture()->CanRedo(); }, nullptr},
    {"ACopy", "Ctrl+C", {"Kopier", "Kopier fokus eller billedet til klipbordet: Ctrl+C", "Copy",
     "Copy the focus or the picture to the clipboard: Ctrl+C"}, ON_PICTURE(Copy()), Document, nullptr},
    {"ACut", "Ctrl+X", {"Klip", "Klip fokus eller billedet til klipbordet: Ctrl+X", "Cut",
     "Cut the focus or the picture to the clipboard: Ctrl+X"}, ON_PICTURE(Cut()), Document, nullptr},
    {"APaste", "Ctrl+V", {"Indsæt", "Indsæt fra klipbordet: Ctrl+V", "Paste", "Paste from the clipboard: Ctrl+V"},
     [](C& c) { c.Paste(false, false); }, ClipboardPicture, nullptr},
    {"APasteTrans", "Ctrl+W", {"Indsæt transparent", "Indsæt fra klipbordet uden transparentfarven: Ctrl+W",
     "Paste transparent", "Paste from the clipboard without the transparent color: Ctrl+W"},
     [](C& c) { c.Paste(true, false); }, ClipboardPicture, nullptr},
    {"APasteRep", "Ctrl+R", {"Indsæt gentaget", "Fyld fokus med klipbordets billede: Ctrl+R", "Paste repeated",
     "Tile the focus with the clipboard's picture: Ctrl+R"}, [](C& c) { c.Paste(false, true); },
     ClipboardPicture, nullptr},
    {"APasteRepTrans", "Ctrl+Alt+R", {"Indsæt gentaget transparent",
     "Fyld fokus med klipbordets billede uden transparentfarven: Ctrl+Alt+R", "Paste repeated transparent",
     "Tile the focus with the clipboard's picture without the transparent color: Ctrl+Alt+R"},
     [](C& c) { c.Paste(true, true); }, ClipboardPicture, nullptr},
    {"ASelectAll", "Ctrl+A", {"Vælg alt", "Fokus på hele billedet: Ctrl+A", "Select all",
     "Focus on the whole picture: Ctrl+A"}, ON_PICTURE(SelectAll()), Document, nullptr},
    {"AfokuserObjekt", "Ctrl+Alt+F", {"Fokuser objekt", "Realiser redskabet i fokus: Ctrl+Alt+F", "Focus object",
     "Perform the tool in the focus: Ctrl+Alt+F"}, RunWindow<&TCommandWindows::FokuserObjekt>,
     HasWindow<&TCommandWindows::FokuserObjekt>, nullptr},
    {"aRemoveFocus", "Esc", {"Fjern fokus", "Fjern fokus fra billedet: Esc", "Fjern fokus",
     "Fjern fokus fra billedet: Esc"},
     ON_PICTURE(FjernFocus()), Document, nullptr},
    {"ACutToFocus", "Ctrl+Alt+X", {"Beskær til fokus", "Billedet beskæres til fokus: Ctrl+Alt+X", "Cut to focus",
     "Cut the picture to the focus: Ctrl+Alt+X"}, ON_PICTURE(CutToFocus()), Focus, nullptr},
};

const R kPicture[] = {
    {"AScale", "", {"Skaler i procent...", "Skaler billedet i procent", "Scale in percent...",
     "Scale the picture in percent"}, [](C& c) { c.AScaleExecute(); }, Scalable, nullptr},
    {"AScaleToWidth", "", {"Skaler til bredde...", "Skaler billedet til en ny bredde", "Scale to width...",
     "Scale the picture to a new width"}, [](C& c) { c.AScaleToWidthExecute(); }, Scalable, nullptr},
    {"AScaleToHeight", "", {"Skaler til højde...", "Skaler billedet til en ny højde", "Scale to height...",
     "Scale the picture to a new height"}, [](C& c) { c.AScaleToHeightExecute(); }, Scalable, nullptr},
    {"AFlip1", "", {"Spejlvend lodret", "Spejlvend om en lodret akse", "Flip horizontal",
     "Mirror about a vertical axis"}, ON_PICTURE(Spejlvend(true, false, false)), Document, nullptr},
    {"AFlip2", "", {"Spejlvend vandret", "Spejlvend om en vandret akse", "Flip vertical",
     "Mirror about a horizontal axis"}, ON_PICTURE(Spejlvend(false, true, false)), Document, nullptr},
    {"ADrej1", "", {"Drej 90°", "Drej 90 grader", "Turn 90°", "Turn 90 degrees"}, ON_PICTURE(Drej(1)),
     Document, nullptr},
    {"ADrej2", "", {"Drej 180°", "Drej 180 grader", "Turn 180°", "Turn 180 degrees"}, ON_PICTURE(Drej(2)),
     Document, nullptr},
    {"ADrej3", "", {"Drej 270°", "Drej 270 grader", "Turn 270°", "Turn 270 degrees"}, ON_PICTURE(Drej(3)),
     Document, nullptr},
};

const R kColour[] = {
    COLOUR("AInverter", kColourOperation, Inverter(), "Inverter", "Inverter farverne", "Invert",
           "Invert the colors"),
    COLOUR("AOmrids", 200, TegnOmrids(), "Specifikfarveomrids", "Tegn omrids om specifikfarven",
           "Color-draw-method outline", "Draw an outline around the on-color-draw-method color"),
    COLOUR("AOmridsAlt", 201, DrawOmrids(), "Farveomrids", "Tegn omrids mellem farverne", "Color outline",
           "Draw outlines between the colors"),
    COLOUR("AGray", kColourOperation, MakeGray(), "Gråtoner", "Gør billedet gråt", "Gray tones",
           "Turn the picture gray"),
    {"ARedu", "", {"Reducer farveantal", "Reducer farverne med reguleringens værdier", "Reduce numbers of colors",
     "Reduce the colors by the regulate values"}, [](C& c) { c.AReduExecute(); },
     [](const C& c) { return c.HasDocument() && bool(c.Windows().ReguValues); }, nullptr},
    COLOUR("AColChange", kColourOperation, GrayToColor(), "Grå til farve", "Giv gråtonerne farve",
           "Gray to color", "Color the gray tones"),
    COLOUR("AToning", kColourOperation, Toning(8, true), "Toning lysere", "Ton billedet lysere", "Toning lighter",
           "Tone the picture lighter"),
    COLOUR("AToningDark", kColourOperation, Toning(8, false), "Toning mørkere", "Ton billedet mørkere",
           "Toning darker", "Tone the picture darker"),
    COLOUR("AIntfadeV", kColourOperation, IntFade(true), "Farveovergang vandret", "Vandret farveovergang",
           "Color fade horizontal", "Horizontal color fade"),
    COLOUR("AIntfadeL", kColourOperation, IntFade(false), "Farveovergang lodret", "Lodret farveovergang",
           "Color fade vertical", "Vertical color fade"),
    // The dialogs: harmless (disabled) until the main window has them.
    {"AFlyt", "", {"Flyt billede...", "Flyt billedet i trin", "Move picture...", "Move the picture in steps"},
     RunWindow<&TCommandWindows::ShowFlytform>, HasWindow<&TCommandWindows::ShowFlytform>, nullptr},
    {"AReducer", "", {"Farve reducering...", "Vis reguleringen af farverne", "Color reducement...",
                      "Show the color regulation"},
     RunWindow<&TCommandWindows::ShowReguform>, HasWindow<&TCommandWindows::ShowReguform>, nullptr},
    {"AAdjust", "", {"Juster farver...", "Vis justeringen af farverne", "Adjust colors...",
     "Show the color adjustment"}, RunWindow<&TCommandWindows::ShowJustform>,
     HasWindow<&TCommandWindows::ShowJustform>, nullptr},
    {"AJuster", "", {"Reguler", "Juster farverne med de sidste værdier", "Regulate",
     "Adjust the colors by the last values"}, RunWindow<&TCommandWindows::JusterFarver>,
     HasWindow<&TCommandWindows::JusterFarver>, nullptr},
};

const R kView[] = {
    {"ASaveToMem", "", {"Gem i hukommelse", "Gem billedet i hukommelsen", "Save to memory",
     "Save the picture in memory"}, ON_PICTURE(SaveToMem()), Document, nullptr},
    {"ALoadFromMem", "", {"Hent fra hukommelse", "Hent billedet fra hukommelsen", "Load from memory",
     "Load the picture from memory"}, ON_PICTURE(LoadFromMem()),
     [](const C& c) { return c.HasDocument() && c.Picture()->CanLoadFromMem(); }, nullptr},
    {"AMiniPix", "Ctrl+Ins", {"Billedzoom", "Vis billedet forstørret ved siden af: Ctrl+Ins", "Picture zoom",
     "Show the picture magnified beside it: Ctrl+Ins"}, [](C& c) { c.Host().AMiniPixExecute(); }, Document,
     [](const C& c) { return c.Host().GForm()->MiniPix(); }},
    {"AFocusZoom", "Shift+Ins", {"Fokuszoom", "Vis fokus forstørret: Shift+Ins", "Focus zoom",
     "Show the focus magnified: Shift+Ins"}, [](C& c) { c.AFocusZoomExecute(); },
     [](const C& c) { return Focus(c) && bool(c.Windows().NyVisning); },
     [](const C& c) { return c.Host().GForm()->FocusZoom(); }},
    {"Aviewmeta", "Ctrl+Alt+M", {"Vis metabitmap", "Metabitmap (Metapicture = Metabitmap) (Undo/Annuller)",
     "View metabitmap", "Metabitmap (Metapicture = Metabitmap) (Undo/Annuller)"}, ON_PICTURE(LoadMetaBitmap()),
     Document, nullptr},
    {"Aviewpicture", "Ctrl+Alt+P", {"Vis billedet", "Metapicture", "View picture", "Metapicture"},
     ON_PICTURE(ViewPictureBitmap()), Document, nullptr},
    {"AviewEdit", "Ctrl+Alt+E", {"Vis editbitmap", "Editbitmap (Benyt/use: Undo/Annuller)", "View editbitmap",
     "Editbitmap (Benyt/use: Undo/Annuller)"}, ON_PICTURE(LoadUndoBitmap()), Document, nullptr},
};

const R kObject[] = {
    {"Action1", "", {"Foran", "Placer objektet foran", "In front", "In front"},
     ON_PICTURE(PladserObjekt(mmNormal)), Objekt, nullptr},
    {"Action2", "", {"På specifikfarven", "Placer objektet på specifikfarven", "On color",
     "On color-draw-method color"}, ON_PICTURE(PladserObjekt(mmFarve)), Objekt, nullptr},
    {"Action3", "", {"Udenfor specifikfarven", "Placer objektet udenfor specifikfarven", "Outside color",
     "Outside color-draw-method color"}, ON_PICTURE(PladserObjekt(mmNotFarve)), Objekt, nullptr},
};

const R kSearch[] = {
    {"AGoogle", "", {"Google", "Søg på Google", "Google", "Søg på Google"},
     [](C& c) { c.Search("https://www.google.com/search?q="); }, [](const C&) { return true; }, nullptr},
    {"AYouTube", "", {"YouTube", "Søg på YouTube", "YouTube", "Søg på YouTube"},
     [](C& c) { c.Search("https://www.youtube.com/results?search_query="); }, [](const C&) { return true; },
     nullptr},
};
#undef ON_PICTURE
#undef COLOUR
// clang-format on

} // namespace

TPictureCommands::TPictureCommands(TDocumentHost& host, TCommandWindows& windows, QWidget* parent)
    : QObject(parent), FHost(host), FWindows(windows), Parent(parent)
{
    findEdit = new QLineEdit(parent);
    findEdit->setObjectName(QStringLiteral("findEdit"));
    findEdit->hide();
    OpenUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    AskScale = DefaultScaleQuestion(parent);
    FTable.Add(*this, kEdit);
    FTable.Add(*this, kPicture);
    FTable.Add(*this, kColour);
    FTable.Add(*this, kView);
    FTable.Add(*this, kObject);
    FTable.Add(*this, kSearch);
    FUndo = Action(QStringLiteral("AUndo"));
    FRedo = Action(QStringLiteral("ARedo"));
    FPaste = Action(QStringLiteral("APaste"));
    FHadClipboardPicture = ClipboardHasPicture();
    SetSprog(Engelsk());
    UpdateActions();
}

TPictureCommands::~TPictureCommands() = default;

QList<QAction*> TPictureCommands::Actions() const
{
    return FTable.Actions();
}

QAction* TPictureCommands::Action(const QString& name) const
{
    return FTable.Action(name);
}

void TPictureCommands::FillEditMenu(QMenu& menu) const
{
    FTable.AddToMenu(menu, kEdit);
}

void TPictureCommands::FillPictureMenu(QMenu& menu) const
{
    FTable.AddToMenu(menu, kPicture);
}

void TPictureCommands::FillColourMenu(QMenu& menu) const
{
    FTable.AddToMenu(menu, kColour);
}

void TPictureCommands::FillViewMenu(QMenu& menu) const
{
    FTable.AddToMenu(menu, kView);
}

void TPictureCommands::FillObjectMenu(QMenu& menu) const
{
    FTable.AddToMenu(menu, kObject);
}

void TPictureCommands::FillSearchMenu(QMenu& menu) const
{
    FTable.AddToMenu(menu, kSearch);
}

void TPictureCommands::BuildPopupMenu(QMenu& PU) const
{
    CommandActions::FillMenu(PU, {"AUndo", "ARedo", "-", "ACopy", "APaste", "APasteTrans", "ASelectAll"},
                             [this](const QString& name) { return Action(name); });
    PU.addSeparator();
    CommandActions::FillMenu(PU, {"AReloadMalvo", "ACloseMalvo", "ACloseAll"},
                             [this](const QString& name) { return FHost.FileCommands().Action(name); });
}

void TPictureCommands::SetSprog(bool Engelsk)
{
    FTable.SetSprog(Engelsk);
    findEdit->setPlaceholderText(Engelsk ? QStringLiteral("Search") : QStringLiteral("Søg"));
}

void TPictureCommands::UpdateActions()
{
    FTable.Update(*this, HasDocument());
    // While undo and redo are possible they name their steps; afterwards they keep their last text.
    if (FUndo->isEnabled())
        NameStep(*FUndo, Picture()->InfoString(), QStringLiteral("Ctrl+Z"));
    if (FRedo->isEnabled())
        NameStep(*FRedo, RedoCaptionOf(Picture()->History().RedoCaption()), QStringLiteral("Ctrl+Y"));
    const bool clipboardPicture = ClipboardHasPicture();
    if (FHadClipboardPicture && !clipboardPicture)
        FHost.ShowClipboardPreview(TBitmap());
    FHadClipboardPicture = clipboardPicture;
}

void TPictureCommands::NameStep(QAction& action, const QString& step, const QString& key)
{
    if (step.isEmpty() || action.text() == step)
        return;
    action.setText(step);
    action.setStatusTip(step + QStringLiteral(": ") + key);
    action.setToolTip(action.statusTip());
}

bool TPictureCommands::HasDocument() const
{
    return FHost.GForm() != nullptr;
}

TImagePic* TPictureCommands::Picture() const
{
    TMalvoform* form = FHost.GForm();
    return form ? form->Image : nullptr;
}

bool TPictureCommands::ClipboardHasPicture() const
{
    return FHost.FileCommands().ClipboardHasPicture();
}

bool TPictureCommands::Engelsk() const
{
    return FHost.Opt().Sprog != 0;
}

void TPictureCommands::Message(const QString& Dansk, const QString& English)
{
    ShowMessage(Sprogtekst(Engelsk(), Dansk, English), Parent);
}

// --- clipboard

void TPictureCommands::Paste(bool Transparent, bool Reproducer)
{
    TImagePic* picture = Picture();
    if (!picture)
        return;
    picture->SetMetaTrans(Transparent);
    const bool somEllipse = picture->SomEllipse();
    picture->SetSomEllipse(FHost.PasteAsElipse());
    picture->PasteToFocus = picture->Selected();
    picture->Paste(Reproducer);
    picture->SetSomEllipse(somEllipse);
}

// --- colour operations and web search

void TPictureCommands::ColourOperation(int Toolnummer, void (*operation)(TImagePic&))
{
    if (TImagePic* picture = Picture()) {
        FHost.SetUserToolnummer(Toolnummer);
        operation(*picture);
    }
}

void TPictureCommands::AReduExecute()
{
    uint8_t red = 0, green = 0, blue = 0;
    TImagePic* picture = Picture();
    if (!picture || !FWindows.ReguValues || !FWindows.ReguValues(red, green, blue))
        return;
    FHost.SetUserToolnummer(kColourOperation);
    picture->ReducerFarver(red, green, blue);
    if (FWindows.DecValues)
        FWindows.DecValues();
}

void TPictureCommands::Search(const char* prefix)
{
    const QByteArray address = QByteArray(prefix) + QUrl::toPercentEncoding(findEdit->text());
    OpenUrl(QUrl::fromEncoded(address, QUrl::StrictMode));
}
