// Recent files ("Åben igen"), the favourite folders and files of the page "Nyt", the program
// menu with its dialog, and the companion palette program.
#include "appcore/MenuExeFiler.h"
#include "appcore/Message.h"
#include "appcore/ReopenFilerX.h"
#include "dialogs/Progform.h"
#include "platform/ToolIcons.h"
#include "shell/FavoritPanel.h"
#include "shell/FileCommands.h"
#include "shell/Mainform.h"
#include "shell/NytPage.h"
#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QToolButton>
#include <QUrl>

namespace {

// The favourites actions of one list, in the order of their buttons.
const char* const kFavNames[2][6] = {
    {"aFavMappeInsert", "aFavMappeOpen", "aFavMappeDelete", "aFavMappeFlytOp", "aFavMappeFlytNed", "aFavMappeDelAll"},
    {"aFavFilInsert", "aFavFilOpen", "aFavFilDelete", "aFavFilFlytOp", "aFavFilFlytNed", "aFavFilDelAll"}};
const char* const kFavIcons[6] = {"FavInsert", "AOpenMalvo", "FavDelete", "FavUp", "FavDown", "FavClear"};

// An information box in the program's language.
void Say(TMainform& form, const QString& Dansk, const QString& English)
{
    ShowMessage(Sprogtekst(form.Engelsk(), Dansk, English), &form);
}

} // namespace

QString TMainform::PalProgFilename()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Pal");
}

void TMainform::BuildLists()
{
    // The open and save dialogs start in the picture folder of the data folder.
    FileCommands().Dialogs().StartFolder = Folder.DefaultGalBib;

    // Recent files: "Filliste", a line, then the entries from place 2 on.
    Reopen = new TReopenFiler(this);
    Reopen->Itemfile = Folder.MenuItemsFilnavn;
    Reopen->MenuStartNr = 2;
    Reopen->MedMenuStreg = true;
    Reopen->EntryIcon = ToolIcon(QStringLiteral("AOpenMalvo"));
    Reopen->OnKlik = [this](QAction*, const QString& name) { ReopenKlik(name); };
    MReopen = new QMenu(MFile);
    MReopen->setObjectName(QStringLiteral("MReopen"));
    MFilListe = MReopen->addAction(QString());
    MFilListe->setObjectName(QStringLiteral("MFilListe"));
    MFilListe->setEnabled(false);
    MReopen->addSeparator();
    Reopen->MainItem = MReopen;
    connect(MReopen, &QMenu::aboutToShow, this, [this] { Reopen->MakeMenu(); });
    MFile->insertMenu(FileAction("ASaveMalvo"), MReopen);
    MFile->insertSeparator(FileAction("ASaveMalvo"));
    Reopen->HentReopenFiler();

    // Favourites: folders and files, each in a column of the page "Nyt".
    TReopenFilerX** lists[2] = {&favDir, &favFiler};
    const QString files[2] = {Folder.FavoritMapperFilnavn, Folder.FavoritFilerFilnavn};
    for (int k = 0; k < 2; ++k) {
        auto* list = new TReopenFilerX(this);
        *lists[k] = list;
        list->Itemtype = k == 0 ? itBibliotek : itFil;
        list->Itemfile = files[k];
        QList<QAction*> actions;
        for (int i = 0; i < 6; ++i) {
            auto* a = new QAction(ToolIcon(QString::fromLatin1(kFavIcons[i])), QString(), this);
            a->setObjectName(QString::fromLatin1(kFavNames[k][i]));
            favActions_[k][i] = a;
            actions << a;
        }
        favPanels_[k] = new TFavoritPanel(k == 0, actions, this);
        favPanels_[k]->OverLabel->setObjectName(k == 0 ? QStringLiteral("favmapperOverLabel") : QStringLiteral("favfilerOverLabel"));
        list->SetListeBoks(favPanels_[k]->Liste);
        list->AskClearAll = [this] {
            return SpmOkAnnuller({QString(), Sprogtekst(Engelsk(), QStringLiteral("Skal alle indførte elementer i listen slettes?"),
                                                        QStringLiteral("Delete every entry of the list?"))}) == mrOk;
        };
        list->OnListeKlik = [this](const QString&, const QString& path) { InfoHint(path); };
        list->OnDblListeKlik = [this, k](const QString&, const QString& path) {
            if (k == 1)
                HentPicture(path);
            else
                QDesktopServices::openUrl(QUrl::fromLocalFile(path));
        };
        const auto selected = [list] { return list->Selected(); };
        connect(actions[0], &QAction::triggered, this, [this, k] { InsertFavourite(k == 0); });
        connect(actions[1], &QAction::triggered, this, [list, selected] {
            if (list->SelectedExists())
                list->ListeKlik(selected(), true);
        });
        connect(actions[2], &QAction::triggered, this, [list, selected] { list->DeleteItem(selected()); });
        connect(actions[3], &QAction::triggered, this, [list, selected] { list->flytOp(selected()); });
        connect(actions[4], &QAction::triggered, this, [list, selected] { list->flytNed(selected()); });
        connect(actions[5], &QAction::triggered, this, [list] { list->SletAlleItems(); });
        connect(favPanels_[k]->Liste, &QListWidget::currentRowChanged, this, &TMainform::UpdateListActions);
        list->HentReopenFiler();
        FileCommands().NytPage()->AddColumn(favPanels_[k]);
    }

    // The program menu: a pop-up of the tool button "Program menu" and the menu "Andre sager".
    MenuExe = new TMenuExeFiler(this);
    MenuExe->Itemfile = Folder.ProgItemFilnavn;
    MenuExe->OnParam = [this](const TProgRec& program) { return MenuExeParam(program); };
    MenuExe->OnKlik = [this](const QString& caption, bool found, bool started) {
        if (caption.isEmpty())
            return;
        if (!found)
            Say(*this, QStringLiteral("Programmet kunne ikke findes!"), QStringLiteral("The program could not be found!"));
        else if (!started)
            Say(*this, QStringLiteral("Programmet kunne ikke startes!"), QStringLiteral("The program could not be started!"));
    };
    progform_ = new TProgform(*MenuExe, this);
    RunProgform = [](TProgform& form) { form.exec(); };
    MAndet = new QMenu(this);
    menuBar()->insertMenu(MVindue->menuAction(), MAndet);
    MAndet->setObjectName(QStringLiteral("MAndet"));
    MProg = MAndet->addMenu(QString());
    MProg->setObjectName(QStringLiteral("MProg"));
    MenuExe->MainItem = MProg;
    MProgAdm = MAndet->addAction(QString());
    MProgAdm->setObjectName(QStringLiteral("MProgAdm"));
    connect(MProgAdm, &QAction::triggered, this, [this] {
        progform_->SetSprog(Engelsk());
        RunProgform(*progform_);
    });
    MAndet->addSeparator();
    Mpalette = MAndet->addAction(QString());
    Mpalette->setObjectName(QStringLiteral("Mpalette"));
    connect(Mpalette, &QAction::triggered, this, &TMainform::MpaletteClick);
    MPalInfo = MAndet->addAction(QString());
    MPalInfo->setObjectName(QStringLiteral("MPalInfo"));
    connect(MPalInfo, &QAction::triggered, this, [this] { HelpInfoNew(QStringLiteral("Palette")); });
    PuProg = new QMenu(this);
    PuProg->setObjectName(QStringLiteral("PuProg"));
    PuProg->addMenu(MProg);
    PuProg->addSeparator();
    PuProg->addAction(MProgAdm);
    MenuExe->HentProgrammer();
    // The tool button sits after the file buttons, before the document tabs.
    if (auto* row = qobject_cast<QHBoxLayout*>(tabRow_->layout()))
        row->insertWidget(row->indexOf(TabCon), BuildProgramButton(tabRow_));
}

QWidget* TMainform::BuildProgramButton(QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("ProgramKnap"));
    button->setIcon(ToolIcon(QStringLiteral("Programs")));
    button->setAutoRaise(true);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setMenu(PuProg);
    ProgramButton = button;
    return button;
}

void TMainform::AddListTexts()
{
    using T = TTextTable;
    T& t = texts_;
    t.AddCaptionHint(MReopen, "Åben igen", "Liste over seneste åbnede filer", "Open again", "Filelist");
    t.AddCaptionHint(MFilListe, "Filliste", "De senest åbnede og gemte billeder", "Filelist",
                     "The pictures opened and saved last");
    t.Add(PuProg, T::tkText, "Program menu", "Program menu");
    t.AddCaptionHint(MAndet, "Andre sager", "Lidt forskelligt...", "Other stuff", "Programs and other stuff...");
    t.AddCaptionHint(MProg, "Programmer", "Start et andet program med billedet", "Programs",
                     "Start another program with the picture");
    t.AddCaptionHint(MProgAdm, "Indfør program...", "Indfør eller slet programmer i menuen", "Insert program...",
                     "Add programs to the menu or delete them");
    t.AddCaptionHint(Mpalette, "Palette", "Lav din egen palette!", "Palette", "Make your own palette!");
    t.AddCaptionHint(MPalInfo, "Information...", "Om paletteprogrammet", "Information...", "About the palette program");
    t.AddCaptionHint(ProgramButton, "Program menu", "Start et andet program med billedet", "Program menu",
                     "Start another program with the picture");
    static const char* const texts[2][6][4] = {
        {{"Indsæt aktuelle mappe", "Indsæt mappen med det aktive billede", "Insert current directory",
          "Insert the folder of the active picture"},
         {"Åben", "Åben den valgte mappe", "Open", "Open the chosen folder"},
         {"Slet", "Slet den valgte mappe fra listen", "Delete", "Delete the chosen folder from the list"},
         {"Op", "Flyt mappen op", "Up", "Move the folder up"},
         {"Ned", "Flyt mappen ned", "Down", "Move the folder down"},
         {"Ryd", "Slet alle favorit mapper", "Clear", "Delete every favourite folder"}},
        {{"Indsæt aktuelle fil", "Indsæt det aktive billedes fil", "Insert current file",
          "Insert the file of the active picture"},
         {"Åben", "Åben den valgte fil", "Open", "Open the chosen file"},
         {"Slet", "Slet den valgte fil fra listen", "Delete", "Delete the chosen file from the list"},
         {"Op", "Flyt filen op", "Up", "Move the file up"},
         {"Ned", "Flyt filen ned", "Down", "Move the file down"},
         {"Ryd", "Slet alle favorit filer", "Clear", "Delete every favourite file"}}};
    for (int k = 0; k < 2; ++k) {
        for (int i = 0; i < 6; ++i) {
            t.AddCaptionHint(favActions_[k][i], texts[k][i][0], texts[k][i][1], texts[k][i][2], texts[k][i][3]);
        }
    }
    t.Add(favPanels_[0]->OverLabel, T::tkText, "Favorit mapper", "Favourite folders");
    t.Add(favPanels_[1]->OverLabel, T::tkText, "Favorit filer", "Favourite files");
}

void TMainform::SetListsSprog(bool engelsk)
{
    Reopen->DeleteItemCap = Sprogtekst(engelsk, QStringLiteral("Fjern liste"), QStringLiteral("Remove list"));
    Reopen->DeleteItemHint = Sprogtekst(engelsk, QStringLiteral("Herved påbegyndes en ny liste"),
                                        QStringLiteral("Prepaire for new list to begin"));
}

void TMainform::UpdateListActions()
{
    // Until both lists are made there is nothing to enable.
    if (!favDir || !favFiler)
        return;
    const bool hasFile = gForm_ && !gForm_->Image->Filnavn().isEmpty();
    TReopenFilerX* lists[2] = {favDir, favFiler};
    for (int k = 0; k < 2; ++k) {
        const int row = lists[k]->Selected(), count = lists[k]->Antal();
        const bool chosen = row >= 0 && row < count;
        const bool enabled[6] = {hasFile, chosen, chosen, chosen && row > 0, chosen && row < count - 1, count > 0};
        for (int i = 0; i < 6; ++i)
            favActions_[k][i]->setEnabled(enabled[i]);
    }
}

void TMainform::InsertRecentFile(const QString& fileName, const QString& caption)
{
    Reopen->InsertItem(fileName, caption);
    Reopen->GemReopenFiler();
}

void TMainform::ReopenKlik(const QString& Filnavn)
{
    if (Filnavn.isEmpty()) {
        Reopen->GemReopenFiler();
        Say(*this, QStringLiteral("Filen kunne ikke findes!"), QStringLiteral("File not found!"));
        return;
    }
    HentPicture(Filnavn);
}

void TMainform::InsertFavourite(bool folder)
{
    if (!gForm_)
        return;
    const QString file = gForm_->Image->Filnavn();
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return;
    if (folder) {
        const QString dir = QFileInfo(file).absolutePath();
        favDir->InsertItem(dir, FolderCaption(dir));
    } else {
        favFiler->InsertItem(file, gForm_->PNavn);
    }
    UpdateListActions();
}

QStringList TMainform::MenuExeParam(const TProgRec& program)
{
    // Only a program registered with the picture as parameter gets it, and only a picture
    // with a file.
    if (program.Parameter != QLatin1String("UseParam") || !gForm_ || gForm_->Image->Filnavn().isEmpty())
        return {};
    return {gForm_->Image->Filnavn()};
}

void TMainform::MpaletteClick()
{
    const QString program = PalProgFilename();
    if (!QFileInfo(program).isFile()) {
        Say(*this, QStringLiteral("Programmet kunne ikke findes!"), QStringLiteral("The program could not be found!"));
        return;
    }
    QStringList arguments{Engelsk() ? QStringLiteral("engelsk") : QStringLiteral("dansk")};
    if (QFileInfo(Prog.PalFilnavn).isFile())
        arguments << Prog.PalFilnavn;
    if (!QProcess::startDetached(program, arguments, Folder.Dir))
        Say(*this, QStringLiteral("Programmet kunne ikke startes!"), QStringLiteral("The program could not be started!"));
}
