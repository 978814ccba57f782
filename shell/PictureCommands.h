#pragma once
#include "shell/CommandActions.h"
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QLineEdit;
class QMenu;
class QUrl;
class QWidget;
class TDocumentHost;
class TImagePic;
class TMalvoform;
struct TCommandWindows;
struct TOptions;

// The picture commands of the main window: undo and redo, the clipboard, select all, the
// focus, scaling, mirrors and turns, cut to the focus, the colour operations, the memory slot,
// the picture zoom and the focus zoom, the views of the picture's rasters, object placement
// and web search. Each is a QAction named after it (AUndo, ...), enabled only while a document
// is active; the main window places them (FillEditMenu, ..., BuildPopupMenu) and calls
// UpdateActions() from its idle timer.
class TPictureCommands : public QObject {
public:
    // One command of the tables: name, shortcut, texts, what it does, when it is enabled and
    // (for the zooms) when it is ticked.
    struct TCommand;

    // What the scale question shows: mode 0 percent, 1 a new width, 2 a new height.
    struct TScaleQuestion {
        int ScaleMode = 0;
        QString InputLabel;
        QString UnitLabel;
        QString Input;
    };
    // The area the focus zoom shows.
    struct TZoomArea {
        int X, Y, W, H;
        bool operator==(const TZoomArea&) const = default;
    };

    // Parent: the main window, over which messages and questions are shown.
    TPictureCommands(TDocumentHost& host, TCommandWindows& windows, QWidget* parent);
    ~TPictureCommands() override;

    QList<QAction*> Actions() const;
    QAction* Action(const QString& name) const;
    // The menus, each in table order: undo to cut to focus; scaling, mirrors and turns; the
    // colour operations and their dialogs; memory slot, zooms and views; object placement;
    // web search.
    void FillEditMenu(QMenu& menu) const;
    void FillPictureMenu(QMenu& menu) const;
    void FillColourMenu(QMenu& menu) const;
    void FillViewMenu(QMenu& menu) const;
    void FillObjectMenu(QMenu& menu) const;
    void FillSearchMenu(QMenu& menu) const;
    // The picture pop-up menu PU: undo, redo, -, copy, paste, paste transparent, select all,
    // -, reload, close picture, close all pictures.
    void BuildPopupMenu(QMenu& PU) const;

    void SetSprog(bool Engelsk);
    // Enables every action from the active document; undo's caption follows the step it
    // would undo. Cheap: no clipboard access (the file commands keep the clipboard's state).
    void UpdateActions();

    // The search field findEdit for the web search actions.
    QLineEdit* findEdit = nullptr;

    // Asks for the scale value; False on cancel. By default a plain number dialog; the main
    // window sets the scale dialog, tests a fake.
    std::function<bool(const TScaleQuestion& question, int& Value)> AskScale;
    // Opens a web address in the browser (QDesktopServices by default; tests replace it).
    std::function<void(const QUrl& url)> OpenUrl;

    // --- handlers
    void Paste(bool Transparent, bool Reproducer);
    void AScaleExecute();
    void AScaleToWidthExecute();
    void AScaleToHeightExecute();
    // Shows or hides the active document's pixel magnifier; the main window's AMiniPixExecute
    // calls it once the start-up is over.
    void MiniPixZoom();
    void AFocusZoomExecute();
    void ColourOperation(int Toolnummer, void (*operation)(TImagePic&));
    void AReduExecute();
    void Search(const char* prefix);

    // The focus (x1, y1)-(x2, y2) as zoomed: with Zuse wider or taller areas are cut to the
    // maximum and stay centred.
    static TZoomArea FocusZoomArea(int x1, int y1, int x2, int y2, const TOptions& opt);
    // Whether a magnifier of the picture's size at Cell pixels a cell fits memory and screen.
    static bool MagnifierFits(int Width, int Height, int Cell);

    bool HasDocument() const;
    // Names an undo or redo command after its step (caption and hint).
    static void NameStep(QAction& action, const QString& step, const QString& key);
    TImagePic* Picture() const;
    TDocumentHost& Host() const { return FHost; }
    TCommandWindows& Windows() const { return FWindows; }
    bool ClipboardHasPicture() const;

private:
    // A plain number dialog for AskScale until the main window sets its scale dialog.
    static std::function<bool(const TScaleQuestion&, int&)> DefaultScaleQuestion(QWidget* parent);
    bool Engelsk() const;
    void Message(const QString& Dansk, const QString& English);
    // Runs the scale question and the scaling; a failure is reported.
    void Scale(const TScaleQuestion& question, bool (*scale)(TImagePic&, int));

    TDocumentHost& FHost;
    TCommandWindows& FWindows;
    QWidget* Parent;
    TActionTable<TPictureCommands, TCommand> FTable;
    QAction* FUndo = nullptr;
    QAction* FRedo = nullptr;
    QAction* FPaste = nullptr;
    bool FHadClipboardPicture = false;
};
