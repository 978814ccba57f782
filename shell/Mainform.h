#pragma once
#include "appcore/DataFolder.h"
#include "appcore/Lists.h"
#include "appcore/MainServices.h"
#include "appcore/Options.h"
#include "appcore/Settings.h"
#include "shell/DockHost.h"
#include "shell/CommandWindows.h"
#include "shell/DocumentHost.h"
#include "shell/QtDanish.h"
#include "shell/Malvoform.h"
#include "shell/TextTable.h"
#include "widgets/RammeX.h"
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

class QAction;
class QFont;
class QActionGroup;
class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QSplitter;
class QTabBar;
class QTabWidget;
class QTimer;
class QCheckBox;
class QComboBox;
class QVBoxLayout;
class TColorPan;
class TColform;
class TFarveform;
class TPalform;
class TSharedPainters;
class TSortform;
class TTekstform;
class Tfontform;
class TReguform;
class TJustform;
class TEgenskaberPage;
class TFileCommands;
class TInfForm;
class TBitmapPrint;
class TFlytform;
class TFavoritPanel;
class TMenuExeFiler;
class TProgform;
class TReopenFiler;
class TReopenFilerX;
struct TProgRec;
class TZoomform;
class TTpform;
class TGalForm;
class TKlicheform;
class THistoryWindow;
class QToolButton;
class TObjectMove;
class TPrintform;
class TPictureCommands;
class TScaleform;
class TToolCommands;
class TSpmform;
class TinformationsForm;
class THelpTopicPage;
class QToolButton;

// The program's main window: the tool line, the document tab bar, the document area with the
// dock book and the icon palette panel beside it, the tool book and the status bar with its
// three panels (x position, y position, hints). It keeps the options and the settings lists,
// reopens the pictures of the last run, asks about every modified picture when it closes and
// then writes the options and lists back. Its member functions live in several files, one
// per concern (Mainform*.cpp).
class TMainform : public QMainWindow, public TDocumentHost, public TMainServices {
    Q_OBJECT
public:
    // Params are the command-line parameters after the program name.
    explicit TMainform(const QStringList& Params = {}, QWidget* parent = nullptr);
    ~TMainform() override;

    // --- state of the start-up and the options
    TDataFolder Folder;
    TProgstring Prog;
    // The pictures open at the last close, from OpenFiles.txt.
    QStringList PicsName;
    // True from creation until the first showing.
    bool Opstart = true;
    // The files that could not be written at the last close, or copied into the data folder
    // at start (for tests and the message).
    QStringList FailedWrites;
    // The start-up's messages, shown in one box once the main window is on the screen.
    QString startMessages_;

    // --- the window's parts
    QTabWidget* bogLinje = nullptr;  // the tool line
    QTabBar* TabCon = nullptr;       // the document tab bar
    QMdiArea* mdiArea = nullptr;     // the documents
    QTabWidget* dropbog = nullptr;   // the dock book
    QWidget* iconRamme = nullptr;    // the icon palette panel
    TColorPan* Iconpal = nullptr;    // its 16 colours
    TColorPan* IconpalTrans = nullptr; // its transparent colour
    QTabWidget* topBog = nullptr;    // the tool book
    QTabWidget* dropbogRed = nullptr; // tool-properties dock on the page "Redskaber"
    QTabWidget* billedBog = nullptr; // picture book on the page "Billeder"
    QLineEdit* Finfo = nullptr;      // read-only document name on the page "Redskaber"
    QLineEdit* Xedit = nullptr;      // position of the placed object, beside the move arrows
    QLineEdit* Yedit = nullptr;
    QCheckBox* gemKlipCheck = nullptr;  // "Gem klip"
    QCheckBox* textShowCheck = nullptr; // "Vis klipbord"
    TEgenskaberPage* Egenskaber = nullptr;
    QLabel* StatusPanel(int index) const;
    TDockHost* DockHost() const { return dockHost_; }
    // The program's own settings beyond the options record, written at close.
    const TSettings& Settings() const { return settings_; }
    TSpmform* Spmform() const { return spmform_; }
    TZoomform* Zoomform() const { return zoomform_; }
    TTpform* Tpform() const { return tpform_; }
    TGalForm* GalForm() const { return galForm_; }
    TKlicheform* Klicheform() const { return klicheForm_; }
    TInfForm* InfForm() const { return infForm_; }

    // The tool book's pages, in order.
    enum TToolBookPage { pgNyt, pgRedskaber, pgAndre, pgBilleder, pgEgenskaber, pgInformation, pgVersion };

    // --- actions of this window
    QAction* AopenCloseRed = nullptr;   // tool book shown
    QAction* AopenCloseDrop = nullptr;  // dock book shown
    QAction* AopenCloseLinje = nullptr; // tool line shown
    QAction* MIkonPalette = nullptr;    // icon palette panel shown
    QAction* AHistorik = nullptr;       // history window shown
    QAction* AZoomInd = nullptr;        // the active document's zoom one level up
    QAction* AZoomUd = nullptr;         // and down
    QAction* ANormalStr = nullptr;      // at 100 %
    QAction* ATilpas = nullptr;         // the whole picture in the window
    QAction* AGitter = nullptr;         // the pixel grid from 800 % shown
    QComboBox* ZoomBox = nullptr;       // the zoom levels on the tool line
    QLabel* ZoomPanel = nullptr;        // the status bar's zoom of the active document
    // Zooms the active document keeping its centre, and shows the zoom.
    void ZoomActive(double zoom);
    QAction* poAction[4] = {};          // the layout presets
    QAction* MSorter = nullptr;         // tab bar: sort the tabs
    // A file command's action by its name.
    QAction* FileAction(const char* name) const;
    QMenu *MFile = nullptr, *MPicture = nullptr, *Mvis = nullptr, *MVindue = nullptr, *MWindow = nullptr;
    QMenu *MEdit = nullptr, *MPenStyle = nullptr, *MBrushStyle = nullptr, *MMeta = nullptr;
    QMenu *MToolDraw = nullptr, *MToolSpeci = nullptr, *MSubSpeci = nullptr;
    QMenu *MColours = nullptr, *MObject = nullptr, *MSearch = nullptr;

    // --- recent files, favourites, program menu (MainformLists.cpp)
    TReopenFiler* Reopen = nullptr;
    TReopenFilerX* favDir = nullptr;
    TReopenFilerX* favFiler = nullptr;
    TMenuExeFiler* MenuExe = nullptr;
    QMenu *MReopen = nullptr, *MAndet = nullptr, *MProg = nullptr, *PuProg = nullptr;
    QAction *MFilListe = nullptr, *MProgAdm = nullptr, *Mpalette = nullptr, *MPalInfo = nullptr;
    QWidget* ProgramButton = nullptr;
    TProgform* Progform() const { return progform_; }
    // Runs the program dialog; tests replace it so that no modal loop starts.
    std::function<void(TProgform&)> RunProgform;
    void ReopenKlik(const QString& Filnavn);
    // Puts the active picture's folder or file into the favourites.
    void InsertFavourite(bool folder);
    // The arguments a program of the program menu gets.
    QStringList MenuExeParam(const TProgRec& program);
    void MpaletteClick();
    // The companion palette program beside the program file.
    static QString PalProgFilename();

    // --- start-up, showing, closing
    // Applies the settings list to the window (style, folders, placements, visibility).
    void HentProgstring();
    // Reads the options record and shows it in the option controls.
    void HentOptions();
    // Writes Progstring.txt, OpenFiles.txt and the options record; False when a write failed
    // (FailedWrites names the files).
    bool GemOptions();
    // One message naming FailedWrites, when there are any.
    void ReportFailedWrites();
    void GemProgstring();
    // The file names for OpenFiles.txt: documents with a file, in activation order walked
    // from the most recent.
    QStringList OpenFileNames() const;
    // Runs the first showing's work (also called by showEvent).
    void FormShow();
    // Once the first showing is on the screen: the window fitted with its frame, and the
    // gathered start-up messages shown (tries counts the waits for the window system).
    void AfterFirstShowing(int tries);
    // Asks every modified document, newest first; False when one was cancelled.
    bool AskAllDocuments();

    // --- layout
    void applyLayoutPreset();
    void SetPoNummer(int nummer);
    void showToolBox(bool indlejret);
    void SetToolBookTop(bool top);
    void SetToolLineTop(bool top);
    void SetDockSide(int pladsRed);
    void SetDockBookVisible(bool visible);
    void SetToolLineVisible(bool visible);
    void SetToolBookVisible(bool visible);
    void SetIconPaletteVisible(bool visible);
    // Shows the history window (docked or where the user placed it) or closes it.
    void SetHistoryVisible(bool visible);
    bool HistoryShown() const;
    THistoryWindow* HistoryWindow() const { return historyForm_; }
    bool ToolBookTop() const { return toolBookTop_; }
    bool ToolLineTop() const { return toolLineTop_; }

    // --- styles, language, tabs
    // Choosing a style in the style list: refused with a message while documents are open.
    void designBoxChange(const QString& name);
    // Applies Opt.Sprog to the whole program.
    void SetSprog();
    // How many texts the main window's own table sets in a switch.
    int TextCount() const { return texts_.Count(); }
    // Sorts the tabs alphabetically ("Sorter filer alfabetisk").
    void SortTabs();
    // The document windows in activation order, oldest first.
    QList<TMalvoform*> Documents() const;
    // The idle pass that enables every command from the active picture.
    void UpdateActions();

    // --- colour windows (MainformColourBox.cpp)
    TFarveform* Farveform() const { return farveform_; }
    TColform* Colform() const { return colform_; }
    TPalform* Palform() const { return palform_; }
    TSortform* Sortform() const { return sortform_; }
    // Docks or floats the colour box (palette box) by Opt.ColDock (Opt.ObjDock) and shows it.
    void ShowColourBox();
    void ShowPaletteBoxWindow();

    // --- text box, font window and colour dialogs (MainformTextBox.cpp)
    TTekstform* Tekstform() const { return tekstform_; }
    Tfontform* Fontform() const { return fontform_; }
    TReguform* Reguform() const { return reguform_; }
    TJustform* Justform() const { return justform_; }
    // Shows the text box, floating where the options place it the first time.
    void ShowTextBox();
    // The font window's choice into the tool properties' main text (extra False) or extra text.
    void FontToToolProps(bool extra, const TFont& font, const QString& text);

    // --- frames every palette field, button and magnifier uses
    TRammeFeltX Framme1;      // palette fields
    TRammeFeltX KnapFramme;   // buttons
    TRammeIndreX MiniFramme;  // pixel magnifiers
    void ApplyFrames();

    // Opens dropped files or parameters: folders and files of other types are skipped.
    void OpenPictureFiles(const QStringList& names);

    // --- help (MainformHelp.cpp)
    // The help window, made at its first use.
    TinformationsForm& InformationsForm();
    // The topic lists of the page "Information".
    THelpTopicPage* HelpTopicPage() const { return helpTopics_; }
    // Selects chapter aIndex of the topic lists and shows its entries.
    void setItemBox(int aIndex);
    QAction* AVelkommen = nullptr;     // F1
    QAction* AGenvejstaster = nullptr; // F9

    // --- TDocumentHost
    TMalvoform* GForm() const override { return gForm_; }
    void SetGForm(TMalvoform* form) override;
    int PictureCount() const override { return pictureCount_; }
    void SetPictureCount(int count) override { pictureCount_ = count; }
    int newPictureCount() const override { return newPictureCount_; }
    void SetnewPictureCount(int count) override { newPictureCount_ = count; }
    bool NewImage() const override { return newImage_; }
    void SetNewImage(bool value) override { newImage_ = value; }
    int UserToolnummer() const override { return userToolnummer_; }
    void SetUserToolnummer(int tool) override { userToolnummer_ = tool; }
    int KlipbordCount() const override { return klipbordCount_; }
    void SetKlipbordCount(int count) override { klipbordCount_ = count; }
    QString KlipbordBib() const override { return Folder.KlipbordBib; }
    bool gemKlip() const override;
    TOptions& Opt() override { return FOpt; }
    void SetStatusPanel(int index, const QString& text) override;
    void InfoHint(const QString& text) override;
    void SetFinfo(const QString& name) override;
    void ShowPosition(int X, int Y) override;
    void ShowObjektType() override;
    void ShowMetaColour(TColor colour) override;
    void InsertRecentFile(const QString& fileName, const QString& caption) override;
    // The colour box's part (MainformColourBox.cpp).
    void ShowPickedColour(TColor colour) override;
    TColor OutFarve() const override;
    void PushColours(TImagePic& picture) override;
    void ColoursToWhite() override;
    // The tool properties window's part (MainformToolProps.cpp).
    void ShowProp(int Toolnummer, const QString& Cap) override;
    void SetPropOldToolNr(int tool) override;
    void SetPropEleModified() override;
    void PushMetaMetode(TImagePic& picture) override;
    void SetPixelfelt(TColor colour) override;
    void ShowPolyCount(int count) override;
    void SetSkyggeCheck(bool checked) override;
    void ShowClipboardPreview(const TBitmap& bitmap) override;
    // The picture box's and the cliché box's part (MainformLibraries.cpp).
    void ShowClipFolder() override;
    void ShowPictureBox();
    void ShowClicheBox();
    void CloseZoomWindow() override;
    void SetZoomCursor(TCursor cursor) override;
    void ZoomTransfer() override;
    void AddTab(TMalvoform& form) override;
    void RemoveTab(TMalvoform& form) override;
    void RenameTab(TMalvoform& form) override;
    void TabFocus(TMalvoform& form) override;
    QMdiArea* MdiArea() const override { return mdiArea; }
    TRammeIndreX* MagnifierFrame() const override { return const_cast<TRammeIndreX*>(&MiniFramme); }
    QMenu* PictureMenu() const override { return pictureMenu_; }
    void AMiniPixExecute() override;
    bool NytPageShown() const override;
    void ShowNytPage() override;
    void ShowIconPalette() override;
    bool PasteAsElipse() const override { return false; }
    void CloseMainWindow() override { close(); }
    TFileCommands& FileCommands() override { return *fileCommands_; }

    // --- TMainServices
    TImagePic* ActivePicture() override;
    TOptions& Options() override { return FOpt; }
    bool Engelsk() const override { return FOpt.Sprog != 0; }
    void StatusText(int Panel, const QString& S) override { SetStatusPanel(Panel, S); }
    void HentPicture(const QString& Fnavn) override;
    bool FileDeleteRB(const QString& AFileName) override;
    TModalResult SpmJaNejAnnuller(const QString& Linie1, const QString& Linie2, const QString& Linie3) override;
    TModalResult SpmOkAnnuller(const QStringList& Info) override;
    void HelpInfoNew(const QString& S) override;

    // Runs the question dialogs; tests replace it so that no modal loop starts.
    std::function<TModalResult(TSpmform&)> RunQuestion;
    std::function<TModalResult(const QStringList&)> RunOkCancel;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Mainform.cpp: the window's parts.
    void FormCreate();
    void BuildCentre();
    void BuildIconRamme();
    QWidget* BuildToolLine();
    QWidget* BuildTabRow();
    void BuildToolBook();
    QWidget* BuildRedskaberPage();
    QWidget* BuildAndrePage();
    QWidget* BuildBillederPage();
    QWidget* BuildInfoPage(const char* name);
    void BuildStatusBar();
    void ConnectEgenskaber();
    // MainformMenus.cpp: actions, menus and their update handlers.
    void BuildActions();
    void BuildMenus();
    QAction* NewAction(const char* name, const QKeySequence& shortcut = {});
    // MainformLayout.cpp: places the rows of the central widget in their order.
    void ArrangeRows();
    void ArrangeCentre();
    // MainformCommands.cpp: the tool, picture and object-move commands, their menus and buttons.
    void BuildCommands();
    void BindIconPalette();
    // MainformLists.cpp
    void BuildLists();
    QWidget* BuildProgramButton(QWidget* parent);
    void AddListTexts();
    void SetListsSprog(bool engelsk);
    void UpdateListActions();
    // MainformZoom.cpp: the zoom window of the focus zoom.
    void BuildZoomWindow();
    void BuildCommandMenus();
    void GiveActionsImages();
    QWidget* BuildToolButtons(QWidget* parent);
    QWidget* BuildPictureButtons(QWidget* parent);
    void FillToolLine();
    void UpdateCommands();
    void SetCommandsSprog(bool engelsk);
    void BuildPrintActions();
    // MainformDock.cpp
    void BuildDockHost();
    void ToolWindowPlaced(TToolWindow kind, TDockSite site);
    QWidget* ToolWindow(TToolWindow kind) const;
    // The site the user placed the kind at by hand (placedByHand False when never).
    TDockSite HandSite(TToolWindow kind, bool& placedByHand) const;
    // At the end of the start: puts the tool windows the user placed by hand back where they
    // were at the last close, and gives the colour box's palette the keyboard focus.
    void RestoreHandPlacements();
    // MainformHelp.cpp
    void BuildHelp();
    void SetHelpSprog(bool engelsk);
    // MainformSprog.cpp
    void BuildTexts();
    // MainformColourBox.cpp
    void BuildColourWindows();
    void ShowSortform(int palnummer);
    void GemColourWindows();
    // MainformToolProps.cpp
    void BuildToolProps();
    void StoreToolPropsSettings();
    // MainformLibraries.cpp
    void BuildLibraryWindows();
    // The boxes' buttons follow the active document (in the idle pass).
    void UpdateLibraryButtons();
    void GemLibraryWindows();
    // MainformHistory.cpp
    void BuildHistoryWindow();
    void SetHistoryBudget(int megabytes);
    void UpdateHistoryWindow();
    // MainformDocZoom.cpp
    void BuildDocumentZoom();
    void UpdateDocumentZoom();
    // MainformTextBox.cpp
    void BuildTextWindows();
    void GemTextWindows();
    // MainformTabs.cpp
    void TabConChange(int index);
    int FindTab(const TMalvoform* form) const;
    TMalvoform* TabDocument(int index) const;
    // Tabs whose names are equal show the whole path as their tool tip.
    void UpdateTabTips();

    TOptions FOpt;
    QStringList params_;
    QPointer<TMalvoform> gForm_;
    int pictureCount_ = 0;
    int newPictureCount_ = 0;
    bool newImage_ = false;
    int userToolnummer_ = 0;
    int klipbordCount_ = -1;
    bool toolBookTop_ = false;
    bool toolLineTop_ = true;
    bool sorting_ = false;

    QWidget* centre_ = nullptr;
    QVBoxLayout* rows_ = nullptr;
    QWidget* toolLineRow_ = nullptr;
    QWidget* tabRow_ = nullptr;
    QSplitter* middle_ = nullptr;
    QLabel* panels_[3] = {};
    QMenu* pictureMenu_ = nullptr;
    QTimer* updateTimer_ = nullptr;
    TDockHost* dockHost_ = nullptr;
    TSpmform* spmform_ = nullptr;
    TInfForm* infForm_ = nullptr;
    TinformationsForm* informationsForm_ = nullptr;
    THelpTopicPage* helpTopics_ = nullptr;
    QToolButton* helpKnap_[3] = {};
    std::unique_ptr<TFileCommands> fileCommands_;
    TCommandWindows windows_;
    TToolCommands* tools_ = nullptr;
    TPictureCommands* pictures_ = nullptr;
    TObjectMove* mover_ = nullptr;
    TScaleform* scaleform_ = nullptr;
    TFlytform* flytform_ = nullptr;
    TZoomform* zoomform_ = nullptr;
    TProgform* progform_ = nullptr;
    // Danish words for Qt's own dialogs while the program speaks Danish.
    TQtDanish qtDanish_;
    TFavoritPanel* favPanels_[2] = {};
    // The favourites actions: folders, files; insert, open, delete, up, down, clear.
    QAction* favActions_[2][6] = {};
    TTpform* tpform_ = nullptr;
    TSharedPainters* libraryPainters_ = nullptr;
    TGalForm* galForm_ = nullptr;
    TKlicheform* klicheForm_ = nullptr;
    QToolButton* toolImage_ = nullptr;
    // One print for the whole run, so its position stays between jobs.
    std::unique_ptr<TBitmapPrint> bitmapPrint_;
    TPrintform* printform_ = nullptr;
    QAction *APrint = nullptr, *APrinterProp = nullptr;
    TTextTable texts_;
    TSharedPainters* colourPainters_ = nullptr;
    TFarveform* farveform_ = nullptr;
    TPalform* palform_ = nullptr;
    TColform* colform_ = nullptr;
    TSortform* sortform_ = nullptr;
    TTekstform* tekstform_ = nullptr;
    Tfontform* fontform_ = nullptr;
    TReguform* reguform_ = nullptr;
    TJustform* justform_ = nullptr;
    bool textBoxPlaced_ = false;
    THistoryWindow* historyForm_ = nullptr;
    // The program's own settings file (where tool windows were placed by hand).
    TSettings settings_;
    bool handPlacementsRestored_ = false;
};
