// The main window's texts in Danish and English, and the language switch of the whole program.
#include "appcore/Message.h"
#include "colours/ColorPan.h"
#include "colours/Colform.h"
#include "colours/Farveform.h"
#include "colours/Justform.h"
#include "colours/Palform.h"
#include "colours/Reguform.h"
#include "colours/Sortform.h"
#include "dialogs/Flytform.h"
#include "dialogs/InfForm.h"
#include "dialogs/Printform.h"
#include "dialogs/Progform.h"
#include "dialogs/Spmform.h"
#include "shell/EgenskaberPage.h"
#include "shell/FileCommands.h"
#include "shell/HistoryWindow.h"
#include "shell/Mainform.h"
#include "shell/Malvoform.h"
#include "shell/RadioGroup.h"
#include "libraries/Gallery.h"
#include "libraries/Kliche.h"
#include "textbox/Fontform.h"
#include "textbox/Tekstform.h"
#include "toolprops/Tpform.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>

void TMainform::BuildTexts()
{
    using T = TTextTable;
    T& t = texts_;
    t.AddCaptionHint(MFile, "Fil", "Fil menu", "File", "File menu");
    t.AddCaptionHint(MPicture, "Billede", "Billede menu", "Picture", "Picture menu");
    t.AddCaptionHint(Mvis, "Vis", "Vis bokse og paneler", "View", "View menu");
    t.AddCaptionHint(MVindue, "Vindue", "Vindue menu", "Window", "Window menu");
    t.AddCaptionHint(APrint, "Udskriv...", "Udskriv det aktive billede", "Print...", "Print the active picture");
    t.AddCaptionHint(APrinterProp, "Printer...", "Printer indstillinger", "Printer...", "Printer properties");
    t.AddCaptionHint(MEdit, "Rediger", "Redigerings menu", "Edit", "Edit menu");
    t.AddCaptionHint(MToolDraw, "Tegneredskaber", "Menu med tegneredskaber", "Drawing tools", "Menu with drawing tools");
    t.AddCaptionHint(MToolSpeci, "Specialredskaber", "Tekst, ramme og andre redskaber", "Special tools",
                     "Texttools, bordertools and other tools");
    t.AddCaptionHint(MSubSpeci, "Multifarveredskaber", "Tegn med skiftende farver", "Fade tools",
                     "Draw with changing colors");
    t.AddCaptionHint(MPenStyle, "Pen stil", "Vælg penens stil", "Pen style", "Choose the style of the pen");
    t.AddCaptionHint(MBrushStyle, "Pensel stil", "Vælg penslens mønster", "Brush style", "Choose the pattern of the brush");
    t.AddCaptionHint(MMeta, "Specifik farve", "Hvordan figurer lægges på billedet", "Specific color",
                     "How figures are laid on the picture");
    t.AddCaptionHint(MColours, "Farver", "Farvebehandling af billedet", "Colors", "Color processing of the picture");
    t.AddCaptionHint(MObject, "Objekt", "Placer og flyt objekter", "Object", "Place and move objects");
    t.AddCaptionHint(MSearch, "Søg", "Søg på nettet", "Search", "Search the web");
    t.AddCaptionHint(MWindow, "Arranger billeder", "Arranger billedvinduerne", "Arrange pictures",
                     "Arrange the picture windows");
    t.AddCaptionHint(AopenCloseRed, "Redskabsboks", "Vis/Skjul Redskabsboksen: F7", "Toolpanel",
                     "Open/Close the Toolpanel: F7");
    t.AddCaptionHint(AopenCloseDrop, "Sidepanel", "Vis/Skjul sidepanelet med farveboksen", "Side panel",
                     "Open/Close the side panel with the color box");
    t.AddCaptionHint(AopenCloseLinje, "Redskabslinje", "Åben/Skjul Redskabslinjen: Ctrl+T", "Toolbar",
                     "Open/Close the Toolbar: Ctrl + T");
    t.AddCaptionHint(MIkonPalette, "Ikon palette", "Vis/Skjul ikonpaletten", "Icon palette",
                     "Open/Close the icon palette");
    t.AddCaptionHint(poAction[0], "Bruger defineret",
                     "Programmet starter op næste gang med de egenskaber det blev lukket med", "User defined",
                     "The program starts up next time with the properties it was closed with ");
    t.AddCaptionHint(poAction[1], "Standard med stor farveboks", "Programmet indrettes efter forudbestemte egenskaber",
                     "Standard with large color box", "The program is designed according to predetermined properties");
    t.AddCaptionHint(poAction[2], "Standard med lille farveboks", "Programmet indrettes efter forudbestemte egenskaber",
                     "Standard with small color box", "The program is designed according to predetermined properties");
    t.AddCaptionHint(poAction[3], "Speciel med redskabslinje", "Programmet indrettes efter forudbestemte egenskaber",
                     "Special with toolbar", "The program is designed according to predetermined properties");
    t.AddCaptionHint(MSorter, "Sorter filer alfabetisk", "Sorter fanerne efter billedernes navne", "Sort files",
                     "Sort the tabs by the names of the pictures");

    const char* pages[7][2] = {{"Nyt", "New"},           {"Redskaber", "Tools"},       {"Andre funktioner", "Other functions"},
                               {"Billeder", "Pictures"}, {"Egenskaber", "Properties"}, {"Information", "Information"},
                               {"Version", "Version"}};
    for (int i = 0; i < 7; ++i)
        t.Add(topBog, T::tkTab, pages[i][0], pages[i][1], i);
    const char* linePages[5][2] = {{"Redskaber", "Tools"},
                                   {"Pen og canvas", "Pen and canvas"},
                                   {"Redskabsrealisering og objektmanipulering", "Tool realisation and object manipulation"},
                                   {"Billedbehandling", "Picture processing"},
                                   {"Farvebehandling", "Color processing"}};
    for (int i = 0; i < 5; ++i)
        t.Add(bogLinje, T::tkTab, linePages[i][0], linePages[i][1], i);

    t.Add(findChild<QLabel*>(QStringLiteral("toolBox")), T::tkText, "Billede:", "Picture:");
    t.Add(Finfo, T::tkHint, "Navnet på det aktive billede", "The name of the active picture");
    t.Add(findChild<QLabel*>(QStringLiteral("klipLabel")), T::tkText, "Klipbord", "Clipboard");
    t.Add(gemKlipCheck, T::tkText, "Gem klip", "Save clips");
    t.Add(gemKlipCheck, T::tkHint, "Gem hvert kopieret område som en fil i klipbordsmappen",
          "Save every copied area as a file in the clip folder");
    t.Add(textShowCheck, T::tkText, "Vis klipbord", "Show clipboard");
    t.Add(textShowCheck, T::tkHint, "Vis klipbordet efter kopier og klip", "Show clipboard after copy and cut");
    t.Add(findChild<QLabel*>(QStringLiteral("infoLabel")), T::tkText,
          "Malvo er et tegneprogram til billeder i formaterne JPEG, BMP og ikon.\n\n"
          "Lav nye billeder på fanen \"Nyt\", eller åbn billeder med F3 eller ved at trække dem hen på "
          "vinduet. Indstillingerne findes på fanen \"Egenskaber\". Når Malvo lukkes, spørges der om "
          "hvert ændret billede skal gemmes.",
          "Malvo is a paint program for pictures in the JPEG, BMP and icon formats.\n\n"
          "Make new pictures on the page \"New\", or open pictures with F3 or by dragging them onto the "
          "window. The settings are on the page \"Properties\". When Malvo closes, it asks whether each "
          "changed picture is to be saved.");
    t.Add(panels_[2], T::tkHint, "Hjælpetekster", "Hints");
    t.Add(Iconpal, T::tkHint, "Ikonpalettens 16 farver", "The 16 colours of the icon palette");
    t.Add(findChild<QWidget*>(QStringLiteral("iconRammeLuk")), T::tkHint, "Skjul ikonpaletten", "Hide the icon palette");
    AddListTexts();
}

void TMainform::SetSprog()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool engelsk = Engelsk();
    qtDanish_.Follow(engelsk);
    Egenskaber->sprogBox->SetItemIndex(engelsk ? 1 : 0);
    texts_.Apply(engelsk);
    findChild<QLabel*>(QStringLiteral("versionLabel"))
        ->setText(Sprogtekst(engelsk, QStringLiteral("Malvo version %1\n\nDatamappe: %2\nQt %3"),
                             QStringLiteral("Malvo version %1\n\nData folder: %2\nQt %3"))
                      .arg(QStringLiteral(MALVO_VERSION), Folder.Dir, QString::fromLatin1(qVersion())));
    Egenskaber->SetSprog(engelsk);
    fileCommands_->SetSprog(engelsk);
    SetCommandsSprog(engelsk);
    SetListsSprog(engelsk);
    SetHelpSprog(engelsk);
    // The windows in their fixed order; each remembers the language for its later messages.
    const auto switchAll = [engelsk](auto*... windows) { ((windows ? windows->SetSprog(engelsk) : void()), ...); };
    switchAll(farveform_, galForm_, spmform_, klicheForm_, tpform_, fontform_, tekstform_, flytform_, reguform_,
              colform_, infForm_, printform_, progform_, justform_, palform_, sortform_, historyForm_);
    for (TMalvoform* form : Documents())
        form->SetSprog(engelsk);
    UpdateDocumentZoom();
    QApplication::restoreOverrideCursor();
}
