#pragma once
#include "platform/Color.h"
#include "textbox/FontLists.h"
#include "textbox/SprogTekster.h"
#include <QHash>
#include <QKeySequence>
#include <QWidget>
#include <cstdint>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QSplitter;
class QToolButton;
class TColorGrid;
class TColorPan;
class TFontSizeComboBox;
class TMainServices;
class TReditCan;
class TSharedPainters;
struct TOptions;

// The text box: a small rich-text editor (fonts, sizes, bold, italic, underline, strike-out,
// bullets, alignment, colours from a 16-colour grid and two standard colours for text and
// headings) whose visible text area is copied to the clipboard as a picture, to be pasted
// into a picture. Its shortcuts act only while the keyboard is inside it.
class TTekstform : public QWidget {
public:
    TTekstform(TMainServices& Services, TSharedPainters& Painters, QWidget* parent = nullptr);

    void SetSprog(bool Engelsk);
    // Size, place and the two splitters into the options (size and place only when the
    // window is not maximised).
    void GemPosition(TOptions& Opt) const;

    // Choosing a font name in the list; a size in the list (or typed); a size button.
    void FontNameChange();
    void SizBoxChange();
    void SizeButtonClick(int Size);
    // Standard text (size 10, the text colour) and standard heading (size 12, the heading colour).
    void AtekstExecute();
    void AoverskriftExecute();
    // A click in the colour grid: the selection takes the grid's foreground colour.
    void ColorGridClick();
    // The standard colour panel takes the grid's foreground colour.
    void StandardColourClick(TColorPan* Pan);
    // Copies the text area as a picture; an empty text copies nothing and says so.
    void KopiKnapClick();
    // The controls follow the selection: font, size, colour, line and column.
    void UpdateControls();

    // The action of a name ("Atekst", "Aoverskrift", "ACut", "ACopy", "APaste", "ASelectAll",
    // "AUndo", "ADelete", "ABold", "AItalic", "AUnderline", "AStrikeOut", "ABullets",
    // "AAlignLeft", "AAlignRight", "ACenter"), nullptr for another.
    QAction* Action(const QString& Name) const;

    TReditCan* Tekstbox = nullptr;
    QComboBox* FontName = nullptr;
    TFontSizeComboBox* SizBox = nullptr;
    QToolButton* SpeedButton[5] = {};
    TColorGrid* ColorGrid = nullptr;
    TColorPan* tekstColor = nullptr;
    TColorPan* overskriftColor = nullptr;
    QToolButton* KopiKnap = nullptr;
    QToolButton* spmKnap = nullptr;
    QLabel* InfoX[7] = {};
    QSplitter* SpVert = nullptr;
    QSplitter* SpHoriz = nullptr;
    QMenu* Popup = nullptr;
    QString OldFontname, OldFontSizname;
    uint8_t Sprog = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildActions();
    QWidget* BuildLeftPanel();
    QWidget* BuildTopPanel();
    void BuildStatusBar();
    void ApplyFormat(const std::function<void(class QTextCharFormat&)>& Change);
    void SetSelectionSize(int Size);
    void SetSelectionColour(TColor Colour);
    void ToggleBullets();
    void SetStatus(int Panel, const QString& Text);
    // Keys of the window's own shortcuts are taken before the shortcuts of other windows.
    bool TakeShortcut(QObject* Watched, QKeyEvent* Event);

    TMainServices& FServices;
    TSharedPainters& FPainters;
    TFontNavne FNavne;
    TSprogTekster FTexts;
    QHash<QString, QAction*> FActions;
    QHash<QKeySequence, QAction*> FShortcuts;
    // While the program itself sets the lists, their changes do nothing.
    bool FFollowing = false;
    int FLastSize = 10;
};
