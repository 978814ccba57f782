#pragma once
#include <QString>
#include <QStringList>
#include "appcore/ModalResult.h"

class TImagePic;
struct TOptions;

// The narrow interface through which windows below the main window reach it. The main window
// implements it; tests use a small fake. Windows never include the main window itself.
class TMainServices {
public:
    virtual ~TMainServices() = default;

    // The active document's picture component, or nullptr when no document is open.
    virtual TImagePic* ActivePicture() = 0;
    // The options record Opt.
    virtual TOptions& Options() = 0;
    // True when the program speaks English (Opt.Sprog = 1).
    virtual bool Engelsk() const = 0;

    // Writes S into the status bar's hint panel.
    virtual void InfoHint(const QString& S) = 0;
    // Writes S into status panel Panel (0 and 1 show the mouse position).
    virtual void StatusText(int Panel, const QString& S) = 0;

    // Opens the picture file Fnavn as a new document; a missing file is skipped silently.
    virtual void HentPicture(const QString& Fnavn) = 0;
    // Moves the file to the recycle bin; False when it does not exist or could not be moved.
    virtual bool FileDeleteRB(const QString& AFileName) = 0;

    // The question dialog TSpmform with three text lines: mrYes, mrNo or mrCancel.
    virtual TModalResult SpmJaNejAnnuller(const QString& Linie1, const QString& Linie2,
                                          const QString& Linie3) = 0;
    // The second question dialog TspmFormen with a text list: mrOk or mrCancel.
    virtual TModalResult SpmOkAnnuller(const QStringList& Info) = 0;

    // Opens the help topic S (the page S + ".html" in the help folder) and shows help.
    virtual void HelpInfoNew(const QString& S) = 0;
};
