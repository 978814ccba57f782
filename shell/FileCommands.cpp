#include "shell/FileCommands.h"
#include "platform/Trash.h"
#include "appcore/Message.h"
#include "shell/DocumentHost.h"
#include "shell/Malvoform.h"
#include "shell/NytPage.h"
#include "shell/WindowArrange.h"
#include "util/AlmenX.h"
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMimeData>
#include <QPointer>
#include <QToolButton>

// One command: its action's name, shortcut, Danish and English caption and hint, what it
// does and when it is enabled.
struct TFileCommands::TCommand {
    const char* Name;
    const char* Shortcut;
    const char* DanskCaption;
    const char* DanskHint;
    const char* EngelskCaption;
    const char* EngelskHint;
    void (*Execute)(TFileCommands&);
    bool (*Enabled)(const TFileCommands&);
};

namespace {

using C = TFileCommands;

QMdiArea& Area(TDocumentHost& host)
{
    return *host.MdiArea();
}

// The file name without its folder.
QString NameOf(const QString& FileName)
{
    return QFileInfo(FileName).fileName();
}


// clang-format off
const TFileCommands::TCommand kCommands[] = {
    {"ANewMalvo", "Ctrl+N", "Nyt billede", "Nyt tomt billede: Ctrl+N", "New picture", "New empty picture: Ctrl+N",
     [](C& c) { c.ANewMalvoExecute(); }, [](const C& c) { return c.AlwaysUpdate(); }},
    {"AOpenMalvo", "F3", "Åben billede", "Åben billede: F3", "Open picture", "Open picture from file: F3",
     [](C& c) { c.AOpenMalvoExecute(); }, [](const C& c) { return c.AlwaysUpdate(); }},
    {"ALoadFromCB", "Ctrl+P", "Indsæt som nyt", "Klipbordets indhold indsættes som nyt billede: Ctrl+P",
     "Paste as new", "Load new picture from clipboard: Ctrl+P",
     [](C& c) { c.ALoadFromCBExecute(); }, [](const C& c) { return c.ALoadFromCBUpdate(); }},
    {"ASaveMalvo", "F2", "Gem billede", "Gem aktuelle billede: F2", "Save picture", "Save picture: F2",
     [](C& c) { c.ASaveMalvoExecute(); }, [](const C& c) { return c.ASaveMalvoUpdate(); }},
    {"ASaveMalvoAs", "F4", "Gem billede som", "Navngiv og gem aktuelle billede: F4", "Save picture as",
     "Give picture name and save: F4",
     [](C& c) { c.ASaveMalvoAsExecute(); }, [](const C& c) { return c.DocumentUpdate(); }},
    {"AReloadMalvo", "Ctrl+H", "Genindlæs", "Genindlæs billede fra fil: Ctrl+H", "Reload",
     "Reload picture from file: Ctrl+H",
     [](C& c) { c.AReloadMalvoExecute(); }, [](const C& c) { return c.AReloadMalvoUpdate(); }},
    {"ALoadMalvo", "", "Hent nyt billede...", "Hent billede og erstat nuværende", "Load new picture...",
     "Load picture from file and replace",
     [](C& c) { c.ALoadMalvoExecute(); }, [](const C& c) { return c.DocumentUpdate(); }},
    {"APicInfo", "", "Billede information...", "Billede information", "Picture information...",
     "Picture information",
     [](C& c) { c.APicInfoExecute(); }, [](const C& c) { return c.DocumentUpdate(); }},
    {"ACloseMalvo", "Ctrl+L", "Luk billede", "Luk aktuelle billede: Ctrl+L", "Close picture", "Close picture: Ctrl+L",
     [](C& c) { c.ACloseMalvoExecute(); }, [](const C& c) { return c.DocumentUpdate(); }},
    {"ACloseAll", "Ctrl+Alt+L", "Luk alle billeder", "Lukker alle åbne billeder: Ctrl+Alt+L", "Close all pictures",
     "All pictures will be closed: Ctrl+Alt+L",
     [](C& c) { c.ACloseAllExecute(); }, [](const C& c) { return c.DocumentUpdate(); }},
    {"ACloseProg", "Ctrl+Q", "Luk Malvo", "Luk Malvo: Ctrl+Q", "Close Malvo", "Close the program: Ctrl+Q",
     [](C& c) { c.ACloseProgExecute(); }, [](const C& c) { return c.AlwaysUpdate(); }},
    {"ASizeToPic", "", "Tilpas størelse", "Tilpas formstørelse til billede", "Fit to picture",
     "Fit the form to the picture",
     [](C& c) { c.ASizeToPicExecute(); }, [](const C& c) { return c.ASizeToPicUpdate(); }},
    {"AWin7", "", "Maximer alle", "Maximer alle billeder", "Maximize all", "Maximize all pictures",
     [](C& c) { c.AWin7Execute(); }, [](const C& c) { return c.DocumentUpdate(); }},
    {"AWin1", "", "Stribe", "Stil billederne i stribe", "Cascade", "Cascade the pictures",
     nullptr, [](const C& c) { return c.DocumentUpdate(); }},
    {"AWin2", "", "Horisontalt", "Billederne over hinanden", "Tile horizontally", "Pictures one above the other",
     nullptr, [](const C& c) { return c.DocumentUpdate(); }},
    {"AWin3", "", "Vertikalt", "Billederne side om side", "Tile vertically", "Pictures side by side",
     nullptr, [](const C& c) { return c.DocumentUpdate(); }},
    {"AWin4", "", "Minimer alle", "Minimer alle billeder", "Minimize all", "Minimize all pictures",
     nullptr, [](const C& c) { return c.DocumentUpdate(); }},
    {"AWin5", "", "Arranger", "Arranger de minimerede billeder", "Arrange", "Arrange the minimized pictures",
     nullptr, [](const C& c) { return c.DocumentUpdate(); }},
    {"AWallpaper", "", "Sæt som tapet", "Sæt som tapet", "Put as wallpaper", "Put as wallpaper",
     [](C& c) { c.AWallpaperExecute(); }, [](const C& c) { return c.AWallpaperUpdate(); }},
    {"MFjernwall", "", "Fjern tapet", "Fjern tapet", "Remove wallpaper", "Remove wallpaper",
     [](C& c) { c.MFjernwallClick(); }, [](const C& c) { return c.MFjernwallUpdate(); }},
    {"ADoc", "", "Indfør i Seneste filer", "Indfør billedet i Stifinders Hurtig adgang/Seneste filer",
     "Set as Recent files", "Set as Recent files",
     [](C& c) { c.ADocExecute(); }, [](const C& c) { return c.ADocUpdate(); }},
    {"AClearDoc", "", "Fjern Seneste filer", "Rens Stifinders Seneste filer", "Clear Recent files",
     "Clear Recent files",
     [](C& c) { c.AClearDocExecute(); }, [](const C& c) { return c.AClearDocUpdate(); }},
};
// clang-format on

// The window arrangements, by action name.
void (*Arrangement(const char* name))(QMdiArea&)
{
    const QLatin1String n(name);
    if (n == QLatin1String("AWin1"))
        return WindowArrange::Cascade;
    if (n == QLatin1String("AWin2"))
        return WindowArrange::TileHorizontally;
    if (n == QLatin1String("AWin3"))
        return WindowArrange::TileVertically;
    if (n == QLatin1String("AWin4"))
        return WindowArrange::MinimizeAll;
    return WindowArrange::ArrangeIcons;
}

} // namespace

TFileCommands::TFileCommands(TDocumentHost& host, QWidget* parent)
    : QObject(parent), Host(host), Parent(parent), FDialogs(parent), FDesktop(TDesktopIntegration::ForThisDesktop())
{
    FNytPage = new TNytPage(parent);
    FNytPage->hide();
    CreateActions();
    FNytPage->NewButton->setDefaultAction(Action(QStringLiteral("ANewMalvo")));

    QClipboard* clipboard = QGuiApplication::clipboard();
    const auto readClipboard = [this, clipboard] {
        const QMimeData* data = clipboard->mimeData();
        FClipboardHasPicture = data && data->hasImage();
    };
    readClipboard();
    connect(clipboard, &QClipboard::dataChanged, this, readClipboard);
    SetSprog(Engelsk());
}

TFileCommands::~TFileCommands() = default;

void TFileCommands::CreateActions()
{
    for (const TCommand& command : kCommands) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1String(command.Name));
        if (*command.Shortcut) {
            action->setShortcut(QKeySequence(QLatin1String(command.Shortcut)));
            action->setShortcutContext(Qt::WindowShortcut);
        }
        if (command.Execute) {
            connect(action, &QAction::triggered, this, [this, &command] { command.Execute(*this); });
        } else {
            const auto arrange = Arrangement(command.Name);
            connect(action, &QAction::triggered, this, [this, arrange] { arrange(Area(Host)); });
        }
        FActions.emplace_back(action, &command);
    }
}

QList<QAction*> TFileCommands::Actions() const
{
    QList<QAction*> list;
    for (const auto& entry : FActions)
        list.append(entry.first);
    return list;
}

QAction* TFileCommands::Action(const QString& name) const
{
    for (const auto& entry : FActions)
        if (entry.first->objectName() == name)
            return entry.first;
    return nullptr;
}

int TFileCommands::FiltypeIndex() const
{
    return FNytPage->FiltypeIndex();
}

void TFileCommands::SetDesktop(std::unique_ptr<TDesktopIntegration> desktop)
{
    FDesktop = std::move(desktop);
}

void TFileCommands::SetSprog(bool Engelsk)
{
    for (const auto& [action, command] : FActions) {
        action->setText(QString::fromUtf8(Engelsk ? command->EngelskCaption : command->DanskCaption));
        const QString hint = QString::fromUtf8(Engelsk ? command->EngelskHint : command->DanskHint);
        action->setStatusTip(hint);
        action->setToolTip(hint);
    }
    FNytPage->SetSprog(Engelsk);
}

void TFileCommands::UpdateActions()
{
    for (const auto& [action, command] : FActions) {
        const bool enabled = command->Enabled(*this);
        if (action->isEnabled() != enabled)
            action->setEnabled(enabled);
    }
}

bool TFileCommands::Engelsk() const
{
    return Host.Opt().Sprog != 0;
}

void TFileCommands::Message(const QString& Dansk, const QString& English)
{
    ShowMessage(Sprogtekst(Engelsk(), Dansk, English), Parent);
}

// --- update handlers ---

bool TFileCommands::DocumentUpdate() const
{
    return Host.GForm() != nullptr;
}

bool TFileCommands::ALoadFromCBUpdate() const
{
    return DocumentUpdate() && FClipboardHasPicture;
}

bool TFileCommands::ASaveMalvoUpdate() const
{
    return DocumentUpdate() && Host.GForm()->Image->Modified();
}

bool TFileCommands::AReloadMalvoUpdate() const
{
    return ASaveMalvoUpdate() && QFileInfo(Host.GForm()->Image->Filnavn()).isFile();
}

bool TFileCommands::ASizeToPicUpdate() const
{
    return DocumentUpdate() && !Host.GForm()->isMaximized();
}

bool TFileCommands::AWallpaperUpdate() const
{
    return FDesktop && FDesktop->CanSetWallpaper() && DocumentUpdate() && !Host.GForm()->Image->Filnavn().isEmpty();
}

bool TFileCommands::MFjernwallUpdate() const
{
    return FDesktop && FDesktop->CanRemoveWallpaper();
}

bool TFileCommands::ADocUpdate() const
{
    return FDesktop && FDesktop->CanUseRecentDocuments() && DocumentUpdate() &&
           !Host.GForm()->Image->Filnavn().isEmpty();
}

bool TFileCommands::AClearDocUpdate() const
{
    return FDesktop && FDesktop->CanUseRecentDocuments();
}

// --- opening ---

bool TFileCommands::HentPicture(const QString& Fnavn)
{
    if (!QFileInfo(Fnavn).isFile())
        return false;
    Host.SetNewImage(false);
    QPointer<TMalvoform> form = new TMalvoform(Host);
    if (!form->Image->LoadBitmap(Fnavn)) {
        // A window whose picture could not be read goes again: it never stays empty and unnamed.
        form->Image->SetModified(false);
        form->close();
        ShowLoadFailure(Fnavn);
        return false;
    }
    ReportDamage(*form->Image);
    form->SetPNavn(NameOf(Fnavn));
    Host.AddTab(*form);
    Host.SetPropOldToolNr(-1);
    Host.ShowProp(form->Image->ToolNr(), form->PNavn);
    Host.InsertRecentFile(Fnavn, form->PNavn);
    if (!form)
        return true;
    form->ShowActive();
    if (TAlmenX::GetExt(Fnavn) == QLatin1String("ico"))
        Host.AMiniPixExecute();
    return true;
}

void TFileCommands::HentPictures(const QStringList& Names)
{
    TMessageBatch oneBox;
    for (const QString& name : Names)
        HentPicture(name);
}

void TFileCommands::ShowLoadFailure(const QString& FileName)
{
    ShowFileMessage(Sprogtekst(Engelsk(), QStringLiteral("Fejl: Ukendt!\rEventuelt er filefternavnet ikke jpg, bmp eller ico!"),
                               QStringLiteral("Error: Unknown!")),
                    FileName, Parent);
}

void TFileCommands::ReportDamage(const TImagePic& image)
{
    if (image.Damaged())
        Message(QStringLiteral("Filen er beskadiget: kun en del af billedet kunne læses!"),
                QStringLiteral("The file is damaged: only part of the picture could be read!"));
}

bool TFileCommands::LoadInto(TMalvoform& form, const QString& FileName)
{
    TImagePic& image = *form.Image;
    const bool wasModified = image.Modified();
    const bool hadPicture = !image.Picture().Empty();
    if (image.LoadBitmap(FileName)) {
        ReportDamage(image);
        return true;
    }
    // The load began an undo step with the former picture before it failed: put it back.
    if (hadPicture)
        image.CancelStep();
    image.SetModified(wasModified);
    ShowLoadFailure(FileName);
    return false;
}

void TFileCommands::AOpenMalvoExecute()
{
    const QStringList files = FDialogs.RunOpen(true, Engelsk());
    if (files.isEmpty())
        return;
    QCoreApplication::processEvents();
    HentPictures(files);
}

void TFileCommands::AReloadMalvoExecute()
{
    if (TMalvoform* form = Host.GForm())
        LoadInto(*form, form->Image->Filnavn());
}

void TFileCommands::ALoadMalvoExecute()
{
    TMalvoform* form = Host.GForm();
    if (!form)
        return;
    const QStringList files = FDialogs.RunOpen(false, Engelsk());
    if (files.isEmpty())
        return;
    QCoreApplication::processEvents();
    if (!LoadInto(*form, files.first()))
        return;
    Host.RemoveTab(*form);
    form->SetPNavn(NameOf(form->Image->Filnavn()));
    Host.AddTab(*form);
}

// --- new pictures ---

void TFileCommands::ANewMalvoExecute()
{
    if (!Host.NytPageShown()) {
        Host.ShowNytPage();
        return;
    }
    TNewPictureRequest request;
    QString problem;
    if (!FNytPage->ReadRequest(Engelsk(), request, problem)) {
        ShowMessage(problem, Parent);
        return;
    }
    TOptions& opt = Host.Opt();
    opt.GBredde = request.Bredde;
    opt.GHojde = request.Hojde;
    opt.GMargenL = request.MargenL;
    opt.GMargenV = request.MargenV;
    const bool icon = FNytPage->FiltypeIndex() == 2;
    Host.SetNewImage(true);
    for (int i = 0; i < request.Antal; ++i) {
        auto* form = new TMalvoform(Host);
        form->show();
        if (icon) {
            if (FNytPage->palCheck->isChecked())
                Host.ShowIconPalette();
            Host.AMiniPixExecute();
        }
    }
    Host.SetNewImage(false);
    if (TMalvoform* form = Host.GForm())
        form->ShowActive();
}

void TFileCommands::ALoadFromCBExecute()
{
    Host.ColoursToWhite();
    Host.SetNewImage(true);
    QPointer<TMalvoform> form = new TMalvoform(Host);
    Host.SetNewImage(false);
    Host.SetGForm(form);
    form->show();
    QCoreApplication::processEvents();
    if (!form)
        return;
    TImagePic& image = *form->Image;
    image.SetTransFarve(0x00FFFFFF);
    const bool somEllipse = image.SomEllipse();
    image.SetSomEllipse(Host.PasteAsElipse());
    if (image.CBHasBitmap())
        image.LoadFromCB();
    image.SetSomEllipse(somEllipse);
    QCoreApplication::processEvents();
}

// --- saving ---

void TFileCommands::NameAfterSave(TMalvoform& form)
{
    form.SetPNavn(NameOf(form.Image->Filnavn()));
    Host.RenameTab(form);
    Host.SetFinfo(form.PNavn);
    Host.InfoHint(Sprogtekst(Engelsk(), QStringLiteral("Billedet er gemt som "), QStringLiteral("The picture is saved as ")) +
                  form.PNavn);
}

void TFileCommands::ASaveMalvoExecute()
{
    TMalvoform* form = Host.GForm();
    if (!form)
        return;
    // A picture opened from a type that is only read (TIFF, GIF) is saved under a new name.
    if (form->Image->Filnavn().isEmpty() || !TImageMetoder::Writable(form->Image->Filnavn())) {
        ASaveMalvoAsExecute();
        return;
    }
    if (form->SaveTo(form->Image->Filnavn()))
        NameAfterSave(*form);
}

void TFileCommands::ASaveMalvoAsExecute()
{
    QPointer<TMalvoform> form = Host.GForm();
    if (!form)
        return;
    const QString chosen = FDialogs.RunSave(form->PNavn, Engelsk(), form->Image->Filnavn());
    if (chosen.isEmpty())
        return;
    QCoreApplication::processEvents();
    if (!form || !form->SaveTo(chosen))
        return;
    NameAfterSave(*form);
    Host.InsertRecentFile(form->Image->Filnavn(), form->PNavn);
}

// --- information, closing and windows ---

void TFileCommands::APicInfoExecute()
{
    if (TMalvoform* form = Host.GForm())
        FDialogs.ShowInfo(form->Image->Filnavn(), form->Image->Picture().Width(), form->Image->Picture().Height(),
                          Engelsk());
}

void TFileCommands::ACloseMalvoExecute()
{
    if (TMalvoform* form = Host.GForm())
        form->close();
}

void TFileCommands::ACloseAllExecute()
{
    const QList<QMdiSubWindow*> windows = Area(Host).subWindowList(QMdiArea::ActivationHistoryOrder);
    QList<QPointer<TMalvoform>> forms;
    for (QMdiSubWindow* w : windows)
        if (auto* form = dynamic_cast<TMalvoform*>(w))
            forms.append(form);
    // Oldest first, as the program's close asks.
    for (const QPointer<TMalvoform>& form : forms) {
        if (!form)
            continue;
        Host.SetGForm(form);
        form->close();
    }
}

void TFileCommands::ACloseProgExecute()
{
    Host.CloseMainWindow();
}

void TFileCommands::ASizeToPicExecute()
{
    if (TMalvoform* form = Host.GForm())
        form->ResizeFormToPic();
}

void TFileCommands::AWin7Execute()
{
    WindowArrange::MaximizeAll(Area(Host));
}

// --- the desktop ---

void TFileCommands::AWallpaperExecute()
{
    TMalvoform* form = Host.GForm();
    if (form && FDesktop && !FDesktop->SetWallpaper(form->Image->Filnavn()))
        Message(QStringLiteral("Tapetet kunne ikke sættes!"), QStringLiteral("The wallpaper could not be set!"));
}

void TFileCommands::MFjernwallClick()
{
    if (FDesktop && !FDesktop->SetWallpaper(QString()))
        Message(QStringLiteral("Tapetet kunne ikke fjernes!"), QStringLiteral("The wallpaper could not be removed!"));
}

void TFileCommands::ADocExecute()
{
    TMalvoform* form = Host.GForm();
    if (form && FDesktop && !FDesktop->AddRecentDocument(QFileInfo(form->Image->Filnavn()).absoluteFilePath()))
        Message(QStringLiteral("Billedet kunne ikke indføres i Seneste filer!"),
                QStringLiteral("The picture could not be set as a recent file!"));
}

void TFileCommands::AClearDocExecute()
{
    if (FDesktop && !FDesktop->ClearRecentDocuments())
        Message(QStringLiteral("Seneste filer kunne ikke renses!"), QStringLiteral("Recent files could not be cleared!"));
}

bool TFileCommands::FileDeleteRB(const QString& AFileName)
{
    if (!QFileInfo::exists(AFileName))
        return false;
    if (MoveToTrash(AFileName))
        return true;
    Message(QStringLiteral("Filen kunne ikke flyttes til papirkurven og er ikke slettet:\r") + AFileName,
            QStringLiteral("The file could not be moved to the wastebasket and was not deleted:\r") + AFileName);
    return false;
}
