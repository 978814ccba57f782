#pragma once
#include "shell/DesktopIntegration.h"
#include "shell/FileDialogs.h"
#include <QList>
#include <QObject>
#include <memory>
#include <vector>

class QAction;
class QWidget;
class TDocumentHost;
class TImagePic;
class TMalvoform;
class TNytPage;

// The file commands of the main window: new, open, paste as new, save, save as, reload,
// load into the active window, picture information, the close commands, window sizes and
// arrangement, wallpaper and recent documents, and the move of files to the wastebasket.
// Each command is a QAction named after it (ANewMalvo, ...); the main window places the
// actions, puts NytPage() into its tool book and calls UpdateActions() from its idle timer.
class TFileCommands : public QObject {
public:
    // One command of the table: name, shortcut, texts, what it does, when it is enabled.
    struct TCommand;

    // Parent: the main window, over which the dialogs are shown.
    TFileCommands(TDocumentHost& host, QWidget* parent);
    ~TFileCommands() override;

    // Every action of the file commands, in menu order, and one by its name.
    QList<QAction*> Actions() const;
    QAction* Action(const QString& name) const;
    // The page "Nyt" of the tool book (owned by whatever it is placed in; parented to the
    // main window until then).
    TNytPage* NytPage() const { return FNytPage; }
    int FiltypeIndex() const;
    TFileDialogs& Dialogs() { return FDialogs; }
    void SetDesktop(std::unique_ptr<TDesktopIntegration> desktop);

    // Captions and hints of every action and the page "Nyt" in the language.
    void SetSprog(bool Engelsk);
    // Enables every action from the active document's state.
    void UpdateActions();

    // Opens a picture file as a new document; a missing file is skipped silently. False when
    // nothing was opened.
    bool HentPicture(const QString& Fnavn);
    // Opens each file as HentPicture does; the files that could not be read are named
    // together in one message.
    void HentPictures(const QStringList& Names);
    // Moves a file to the wastebasket; False (after a message) when that failed, and False for
    // a file that does not exist.
    bool FileDeleteRB(const QString& AFileName);
    // The clipboard holds a picture (kept up to date from the clipboard's change signal).
    bool ClipboardHasPicture() const { return FClipboardHasPicture; }

    void ANewMalvoExecute();
    void AOpenMalvoExecute();
    void ALoadFromCBExecute();
    void ASaveMalvoExecute();
    void ASaveMalvoAsExecute();
    void AReloadMalvoExecute();
    void ALoadMalvoExecute();
    void APicInfoExecute();
    void ACloseMalvoExecute();
    void ACloseAllExecute();
    void ACloseProgExecute();
    void ASizeToPicExecute();
    void AWin7Execute();
    void AWallpaperExecute();
    void MFjernwallClick();
    void ADocExecute();
    void AClearDocExecute();

    bool AlwaysUpdate() const { return true; }
    bool DocumentUpdate() const;
    bool ALoadFromCBUpdate() const;
    bool ASaveMalvoUpdate() const;
    bool AReloadMalvoUpdate() const;
    bool ASizeToPicUpdate() const;
    bool AWallpaperUpdate() const;
    bool MFjernwallUpdate() const;
    bool ADocUpdate() const;
    bool AClearDocUpdate() const;

private:
    void CreateActions();
    bool Engelsk() const;
    void Message(const QString& Dansk, const QString& English);
    // Loads a file into an open document; a failure keeps the former picture (with the
    // open-failure message) and gives False.
    bool LoadInto(TMalvoform& form, const QString& FileName);
    // The open-failure message, naming the file.
    void ShowLoadFailure(const QString& FileName);
    // A file that loaded only in part is named damaged.
    void ReportDamage(const TImagePic& image);
    // After a save under FileName: name, caption, tab, name field and hint follow the file.
    void NameAfterSave(TMalvoform& form);

    TDocumentHost& Host;
    QWidget* Parent;
    TFileDialogs FDialogs;
    TNytPage* FNytPage = nullptr;
    std::unique_ptr<TDesktopIntegration> FDesktop;
    std::vector<std::pair<QAction*, const TCommand*>> FActions;
    bool FClipboardHasPicture = false;
};
