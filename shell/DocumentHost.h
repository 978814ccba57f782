#pragma once
#include "appcore/Options.h"
#include "platform/Bitmap.h"
#include "platform/Cursors.h"
#include <QString>

class QMdiArea;
class QMenu;
class TFileCommands;
class TImagePic;
class TMalvoform;
class TRammeIndreX;

// What the document windows and the file commands need from the main window. The main window
// implements it; tests use a small fake. The pure functions are the main window's own state
// and controls. The functions with an empty body reach windows that may be absent (tool
// properties, colour box, cliché box, zoom window, recent files): a host without such a
// window keeps the default, which does nothing.
class TDocumentHost {
public:
    virtual ~TDocumentHost() = default;

    // The document window activated last, or nullptr. A closing window clears it when it is
    // the one held; a window deleted without closing does not, so hold it as a QPointer.
    virtual TMalvoform* GForm() const = 0;
    virtual void SetGForm(TMalvoform* form) = 0;
    // The number of open document windows.
    virtual int PictureCount() const = 0;
    virtual void SetPictureCount(int count) = 0;
    // The number of new pictures made in this run; names the next new picture.
    virtual int newPictureCount() const = 0;
    virtual void SetnewPictureCount(int count) = 0;
    // The next document window makes a new blank picture.
    virtual bool NewImage() const = 0;
    virtual void SetNewImage(bool value) = 0;
    // The tool chosen last; every activated document takes it when Opt.SameTool is set.
    virtual int UserToolnummer() const = 0;
    virtual void SetUserToolnummer(int tool) = 0;
    // The number of the last clip file; the clip folder; check box "Gem klip".
    virtual int KlipbordCount() const = 0;
    virtual void SetKlipbordCount(int count) = 0;
    virtual QString KlipbordBib() const = 0;
    virtual bool gemKlip() const = 0;
    // The options record.
    virtual TOptions& Opt() = 0;

    // Status bar: panel 0 and 1 hold the position, panel 2 the hint (InfoHint).
    virtual void SetStatusPanel(int index, const QString& text) = 0;
    virtual void InfoHint(const QString& text) = 0;
    // The read-only name field on the tool book's page "Redskaber".
    virtual void SetFinfo(const QString& name) = 0;
    // The main window's position fields (and the move dialog's) show X and Y.
    virtual void ShowPosition(int X, int Y) = 0;
    // Refreshes the object indicator from GForm's picture.
    virtual void ShowObjektType() = 0;

    // The document tab bar: one tab per document window, labelled with its name. AddTab
    // appends the document's tab (only while the bar is shown) and selects it; RenameTab
    // shows the document's new name.
    virtual void AddTab(TMalvoform& form) = 0;
    virtual void RemoveTab(TMalvoform& form) = 0;
    virtual void RenameTab(TMalvoform& form) = 0;
    virtual void TabFocus(TMalvoform& form) = 0;

    // The document area the document windows live in.
    virtual QMdiArea* MdiArea() const = 0;
    // The frame drawn around every pixel magnifier; may be nullptr.
    virtual TRammeIndreX* MagnifierFrame() const = 0;
    // The picture pop-up menu PU; may be nullptr.
    virtual QMenu* PictureMenu() const = 0;
    // The picture-zoom command: shows GForm's pixel magnifier (or says why it cannot).
    virtual void AMiniPixExecute() = 0;
    // The tool book shows its page "Nyt"; switches it there.
    virtual bool NytPageShown() const = 0;
    virtual void ShowNytPage() = 0;
    // The icon palette panel iconRamme, on the side opposite the dock book, and its menu tick.
    virtual void ShowIconPalette() = 0;
    // The main window's "Indsæt som oval" flag.
    virtual bool PasteAsElipse() const = 0;
    // Closes the main window (which closes the program).
    virtual void CloseMainWindow() = 0;
    // The file commands the main window created (open and save dialogs, the page "Nyt").
    virtual TFileCommands& FileCommands() = 0;

    // Tool properties window.
    virtual void ShowProp(int Toolnummer, const QString& Cap) {}
    // Its remembered tool; -1 makes the next ShowProp rebuild its page.
    virtual void SetPropOldToolNr(int tool) {}
    virtual void SetPropEleModified() {}
    // Pushes its meta method into the picture.
    virtual void PushMetaMetode(TImagePic& picture) {}
    virtual void SetPixelfelt(TColor colour) {}
    // The polygon-count label polyFelt.
    virtual void ShowPolyCount(int count) {}
    // The shadow check box skyggeCheck.
    virtual void SetSkyggeCheck(bool checked) {}
    // The clipboard preview cbImage; with "Vis klipbord" ticked its page control shows page 0.
    virtual void ShowClipboardPreview(const TBitmap& bitmap) {}

    // Colour box: shows it (if hidden) with the picked colour as output colour.
    virtual void ShowPickedColour(TColor colour) {}
    virtual TColor OutFarve() const { return clBlack; }
    // Pushes its pen and fill colours into the picture (PFfarver).
    virtual void PushColours(TImagePic& picture) {}
    // Output and fill colour white, and white in field 3 of its fade palette.
    virtual void ColoursToWhite() {}
    // The two meta-colour panels show the colour in field 0.
    virtual void ShowMetaColour(TColor colour) {}

    // Cliché box: shows the clip folder and reloads it.
    virtual void ShowClipFolder() {}
    // Zoom window (focus zoom).
    virtual void CloseZoomWindow() {}
    virtual void SetZoomCursor(TCursor cursor) {}
    virtual void ZoomTransfer() {}
    // Recent files: puts the file at the top with its menu caption.
    virtual void InsertRecentFile(const QString& fileName, const QString& caption) {}
};
