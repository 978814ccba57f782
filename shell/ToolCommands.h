#pragma once
#include "platform/Color.h"
#include "shell/CommandActions.h"
#include "platform/Input.h"
#include <QList>
#include <QObject>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;
class QWidget;
class TColorPan;
class TDocumentHost;
class TImagePic;
class TMalvoform;
struct TCommandWindows;

// The tool selection of the main window: one action per tool (ARekt, ...), the one-shot tools
// (copy pencil, colour picks), the pen and brush styles and the specific-colour methods, ticked
// from the active picture; the window and tool-window commands; and the controls the tools
// need: the eight pen-width buttons and two pen-width fields, the hexadecimal colour field and
// the specific and transparent colour panels. The main window places the actions and controls
// (nothing here is placed) and calls UpdateActions() from its idle timer.
class TToolCommands : public QObject {
public:
    // One action of the tables: name, shortcut, texts, the tool number or style it stands for,
    // and what it does, when it is enabled and when it is ticked.
    struct TCommand;

    // Parent: the main window; the controls are its children until placed.
    TToolCommands(TDocumentHost& host, TCommandWindows& windows, QWidget* parent);
    ~TToolCommands() override;

    QList<QAction*> Actions() const;
    QAction* Action(const QString& name) const;
    // The menus, each in table order: the tools (drawing, special, multicolour), the pen
    // styles, the brush styles, the specific-colour methods with the colour commands, and the
    // window commands.
    void FillToolMenu(QMenu& menu) const;
    // The tool menus of the menu bar: drawing tools, special tools and the multicolour tools.
    void FillDrawToolMenu(QMenu& menu) const;
    void FillSpecialToolMenu(QMenu& menu) const;
    void FillFadeToolMenu(QMenu& menu) const;
    void FillPenStyleMenu(QMenu& menu) const;
    void FillBrushStyleMenu(QMenu& menu) const;
    void FillMetaMenu(QMenu& menu) const;
    void FillWindowMenu(QMenu& menu) const;

    void SetSprog(bool Engelsk);
    // Enables and ticks every action and control from the active document; cheap.
    void UpdateActions();

    // --- controls to place
    // Pen-width button 1 to 8.
    QToolButton* PenButton(int Width) const;
    // The pen-width fields of the tool book (PenEdit) and the tool line (PenEdit1).
    QLineEdit* PenEdit = nullptr;
    QLineEdit* PenEdit1 = nullptr;
    // The hexadecimal colour field, its label Label8 and its button "Udfør".
    QLineEdit* HexEdit = nullptr;
    QLabel* Label8 = nullptr;
    QPushButton* HexButton = nullptr;
    // Specific colour (tool book, tool line) and transparent colour (tool book, tool line).
    TColorPan* Metapan = nullptr;
    TColorPan* ColorPan1 = nullptr;
    TColorPan* Transpan = nullptr;
    TColorPan* ColorPan2 = nullptr;
    // Hovering over the button makes the colour box write its help line Nr; leaving clears it.
    void AttachHelpLine(QWidget* button, int Nr);
    // The help line of a colour button by its action (AMetaNormal 42, ...); -1 for others.
    static int HelpLineOf(const QString& actionName);

    // --- handlers
    void ChooseTool(int Nr, bool AP);
    void ASelCopyExecute();
    void ASetColorFromPicExecute();
    void AMetaPickExecute();
    void PenWidthClick(int Width);
    void PenEditChange(QLineEdit& edited);
    void HexEditKeyUp();
    void HexButtonClick();
    void MetapanMus(TColorPan& pan, TMouseButton Button, int FeltNr);
    void TranspanMus(TColorPan& pan, TMouseButton Button, int FeltNr);
    // The icon palette's colours and its transparent (white) field: the colour becomes the
    // colour box's output colour and goes to the tool colour of the mouse button.
    void IconpalMus(TColorPan& pan, TMouseButton Button, int FeltNr);
    void IconpalTransMus(TColorPan& pan, TMouseButton Button, int FeltNr);
    // Gives the colour to the tool colour of the button: through the colour box when there is
    // one, else straight to the active picture.
    void PenFyldFarver(TMouseButton Button, TColor Col);
    void MetaFarveFraBox();
    void TransColorFraBox();
    // Both specific-colour panels (or both transparent-colour panels) show the colour in field 0.
    void ShowMetaColour(TColor colour);
    void ShowTransColour(TColor colour);

    // The tool properties window goes to the tool's page at the next ShowProp.
    void SetGoToToolPage();

    bool HasDocument() const;
    TImagePic* Picture() const;
    TCommandWindows& Windows() const { return FWindows; }

private:
    void FillNamed(QMenu& menu, std::initializer_list<const char*> names) const;
    void CreateControls();
    void UpdateControls(bool document);
    void SetControlTexts(bool Engelsk);
    // The click on a colour panel: field 0 takes the field's colour, the colour box shows it.
    void ColourPanelClick(TColorPan& pan, TMouseButton Button, int FeltNr);
    bool eventFilter(QObject* watched, QEvent* event) override;

    TDocumentHost& Host;
    TCommandWindows& FWindows;
    QWidget* Parent;
    TActionTable<TToolCommands, TCommand> FTable;
    QList<QToolButton*> FPenButtons;
    QList<std::pair<QWidget*, int>> FHelpLines;
};
