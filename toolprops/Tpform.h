#pragma once
#include "engine/Events.h"
#include "engine/ImageDraw.h"
#include "widgets/RammeX.h"
#include <QIcon>
#include <QList>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class QVBoxLayout;
class TBilCompo;
class TColorPan;
class TFontSizeComboBox;
class TImagePic;
class TMainServices;
class TNumEdit;
class TPrePixelPic;
class TSliderRow;
class TToolPreview;

// The tool properties window: a page control with one page per group of tools. Picking a
// tool shows its page; the page keeps the window's own copy of the tool's values, shows their
// effect at once on a small preview, hands them to the active picture on "Realiser" and reads
// them back on "Hent". The focus page edits the selection rectangle by numbers, the text pages
// set the text tool's fonts, text, alignment and shadow.
class TTpform : public QWidget {
public:
    // The pages of TpBog, in order (Side1 .. Side14).
    enum TPage {
        pgKlipbord, pgRundRekt, pgSpray, pgPolygon, pgPil, pgRamme, pgFokus, pgZoom, pgFarver,
        pgSpecialRamme, pgMulti, pgFont, pgTekst, pgEkstra, kPageCount
    };

    explicit TTpform(TMainServices& Services, QWidget* parent = nullptr);
    ~TTpform() override;

    // --- the tables of the tools
    // The page of a tool; pgKlipbord for the tools without a page of their own.
    static TPage PageOfTool(int tool);
    // The tool image of a tool (-1: the tool leaves the image as it is), and its artwork name.
    static int ToolImageIndex(int tool);
    static QString ToolImageName(int index);
    // The help topic of a tool.
    static QString HelpTopic(int tool);
    // The two tools of a pair that share a page and its values (or -1).
    static int PairPartner(int tool);

    // --- what the main window calls
    // The tool changed: shows its page (Cap is the tool's name for the tool label).
    void ShowProp(int Toolnummer, const QString& Cap);
    // The current-tool image of the main window shows the tool's icon.
    void ShowTool(int sToolNr);
    // The main window's specific and transparent colour fields and its method action follow
    // the active picture.
    void SetMetaMetode();
    void SetMetaMetode(const TImagePic* picture);
    void SetSprog(bool Engelsk);
    // The reset values of every page.
    void Reset();
    // Enables the actions from the active picture and the page (the idle update).
    void UpdateActions();
    // The clipboard preview shows the picture; with ShowClipboardPage the first page is shown.
    void ShowClipboard(const TBitmap& bitmap, bool ShowClipboardPage);
    // The colour pick's pixel colour.
    void SetPixelfelt(TColor colour);
    // The new pixel colour of the colours page (the colour box's active colour).
    void SetNyPixelfelt(TColor colour);
    void ShowPolyCount(int count);
    // The text layout reports its shadow flag. Ignored while Realiser hands the page to the
    // picture, so a value being applied is not overwritten by the one it replaces.
    void SetSkyggeCheck(bool checked);
    // The buttons of the main window's actions: five paste actions on the clipboard page, the
    // picture zoom and focus zoom on the focus page.
    void SetPasteActions(const QList<QAction*>& actions);
    void SetZoomActions(QAction* pictureZoom, QAction* focusZoom);
    // Get of the focus page, its text edits, and its Set: what the main window's
    // "focus the object" command runs.
    void HentFokus();
    void FocusEditTekst();
    void RealiserFokus();

    // --- actions
    QAction* AHent = nullptr;
    QAction* ARealiser = nullptr;
    QAction* AOpdaterCB = nullptr;
    QAction* AobjektFokus = nullptr;
    QAction* APredef = nullptr;
    void HentExecute();
    void RealiserExecute();
    void AOpdaterCBExecute();
    void AobjektFokusExecute();
    void APredefExecute();
    void InfoExecute();

    // --- hooks to the main window (each may stay empty)
    // Whether any picture is open (a closing document may still be the active one).
    std::function<bool()> PictureOpen;
    std::function<void(const QString& Cap)> OnToolCaption;
    std::function<void(const QIcon& icon)> OnToolImage;
    std::function<void()> OnObjektType;
    // The main window's pen-width edit.
    std::function<int()> PenWidthEdit;
    std::function<void(int Width)> SetPenWidthEdit;
    // The main window's specific colour, transparent colour and method.
    std::function<void(TColor MetaFarve, TColor TransFarve, TMetaMetode Metode)> OnMetaMetode;
    // The active document's shown magnifier: 0 none, 1 picture zoom, 2 focus zoom; its
    // magnifier; its own choice of cell size.
    std::function<int()> ZoomKind;
    std::function<TPrePixelPic*()> ShownMagnifier;
    std::function<int()> PredefinedCellSize;
    // The colour box: shown if hidden, and its active colour.
    std::function<void()> ShowColourBox;
    std::function<TColor()> ColourBoxColour;
    // The font window (absent until it exists: its buttons stay disabled).
    std::function<void(bool ExtraFont)> OpenFontWindow;
    // GoToToolPage was set: the window is brought into view with the tool's page.
    std::function<void()> OnShowWindow;

    // --- state
    int OldToolNr = -1;
    bool GoToToolPage = false;
    bool eleModified = false;
    bool Sprog = false;
    // The values of the pages.
    int VPenWidth = 1;
    int VRoundB = 2, VRoundH = 2;
    int VSprayProcent = 10, VSprayRadius = 10;
    int VPolyAntal = 3;
    int VPilBredde = 8, VPilHojde = 16, VPilHak = 0;
    int VBorderCount = 1, VBorderSpace = 1;
    TBorderLines VBorderLines{blTop, blBottom, blLeft, blRight};
    int VRamBredde = 3, VRamDybde = 1, VRamRifleBredde = 1;
    TRammeXType VRamArt = rtUd;
    TColor VRamFarveLys = 12632256, VRamFarveSkygge = 8421504;
    int vX1 = 0, vY1 = 0, vX2 = 0, vY2 = 0;
    int gX1 = 0, gY1 = 0, gX2 = 0, gY2 = 0;
    int Interval = 1;
    bool AutoFocus = true;
    uint8_t MetodeNr = 0;
    QString OldFontName, eOldFontName;

    // --- the controls
    QTabWidget* TpBog = nullptr;
    QWidget* Side[kPageCount] = {};
    QToolButton* HentKnap = nullptr;
    QToolButton* RealiserKnap = nullptr;
    QToolButton* InfoKnap = nullptr;
    // Clipboard page.
    TBilCompo* cbImage = nullptr;
    QToolButton* OpdaterKnap = nullptr;
    QWidget* PasteRow = nullptr;
    // Rounded rectangle, spray, arrow, special border.
    TSliderRow *RulB = nullptr, *RulH = nullptr, *RulP = nullptr, *RulR = nullptr;
    TSliderRow *RulPilB = nullptr, *RulPilH = nullptr, *RulPilHak = nullptr;
    TSliderRow *RulRamB = nullptr, *RulRamD = nullptr, *RulRamR = nullptr;
    QComboBox* RamArtBox = nullptr;
    TColorPan* SkyggePan = nullptr;
    // Polygon.
    TNumEdit* PolyEdit = nullptr;
    QLabel* polyFelt = nullptr;
    QPushButton* AfslutKnap = nullptr;
    // Border.
    TNumEdit *AntalEdit = nullptr, *AfstandEdit = nullptr;
    QToolButton* SideKnap[16] = {};
    // Previews: rounded rectangle, spray, arrow, border, polygon, special border, multicolour.
    TToolPreview *Pic = nullptr, *Pic1 = nullptr, *Pic2 = nullptr, *Pic3 = nullptr, *Pic4 = nullptr,
                 *Pic5 = nullptr, *Pic6 = nullptr;
    // Focus page.
    TNumEdit *EX1 = nullptr, *EY1 = nullptr, *EX2 = nullptr, *EY2 = nullptr, *IntervalEdit = nullptr;
    QLineEdit *BreddeFelt = nullptr, *HojdeFelt = nullptr, *GemtFelt = nullptr;
    QCheckBox* checkFunktion = nullptr;
    QRadioButton *ForogRadio = nullptr, *FormindskRadio = nullptr;
    QToolButton* FlytKnap[8] = {};
    QToolButton* DimKnap[9] = {};
    QPushButton *FHentKnap = nullptr, *FSaetKnap = nullptr, *GemKnap = nullptr, *GenkaldKnap = nullptr,
                *BilDimKnap = nullptr, *KvadratHKnap = nullptr, *KvadratBKnap = nullptr, *RammeXYKnap = nullptr;
    QToolButton* ObjektFokusKnap = nullptr;
    QWidget* ZoomRow = nullptr;
    // Zoom page.
    QRadioButton *BilledzoomRadio = nullptr, *FokuszoomRadio = nullptr;
    TNumEdit* PixelDimEdit = nullptr;
    QCheckBox* GridCheck = nullptr;
    TColorPan* ZoomPan = nullptr;
    TColorPan* ZoomStdPan = nullptr;
    QPushButton *GendanKnap = nullptr, *PredefKnap = nullptr;
    // Colours page.
    TColorPan* Pixelfelt = nullptr;
    QPushButton* UdskiftKnap = nullptr;
    QCheckBox* InversCheck = nullptr;
    // Multicolour page.
    QComboBox *RetningBox = nullptr, *MetodeBox = nullptr, *FunktionBox = nullptr;
    TNumEdit *ProduEdit = nullptr, *FrekvensEdit = nullptr, *CentrumXEdit = nullptr, *CentrumYEdit = nullptr;
    TNumEdit *GraderEdit = nullptr, *StartEdit = nullptr, *SlutEdit = nullptr, *FunkBEdit = nullptr,
             *FunkHEdit = nullptr;
    QCheckBox *MellemCheck = nullptr, *MinDimCheck = nullptr;
    QRadioButton *FormRekt = nullptr, *FormEllipse = nullptr;
    QWidget *CentrumRow = nullptr, *FormRow = nullptr, *GraderRow = nullptr, *FunkRow = nullptr;
    // Text pages.
    QComboBox *FontNavne = nullptr, *eFontNavne = nullptr;
    TFontSizeComboBox *FontSize = nullptr, *eFontSize = nullptr;
    QCheckBox *FedCheck = nullptr, *KursivCheck = nullptr, *UnderCheck = nullptr;
    QPushButton *FontKnap = nullptr, *eFontKnap = nullptr;
    QPlainTextEdit* Memo = nullptr;
    QComboBox *VandretBox = nullptr, *LodretBox = nullptr;
    TNumEdit *LinieEdit = nullptr, *LodretDybde = nullptr, *VandretDybde = nullptr, *ForskydEdit = nullptr;
    QCheckBox *skyggeCheck = nullptr, *EnLinieCheck = nullptr, *CheckMer = nullptr;
    QLineEdit* MerEdit = nullptr;

    // The fonts of the main and the extra text (stored with the settings), and setting them.
    TFont MemoFont() const;
    TFont MerFont() const;
    void SetFonts(const QString& name1, int size1, const QString& name2, int size2);
    // What the font window hands back: the font name, or the name and size, of the main text
    // (FontFelter) or of the extra text (eFontFelter).
    void FontFelter(const QString& FontNavn);
    void FontFelterSize(const QString& FontNavn, int Fontdim);
    void eFontFelter(const QString& FontNavn);
    void eFontFelterSize(const QString& FontNavn, int Fontdim);

    // The font of a font list entry: the stored name kept, the family Qt resolves it to shown.
    static QString ResolvedFamily(const QString& name);
    // Line i of the extra text for a main text of Lines lines: the i-th part between "#".
    static QStringList SplitMerTekst(const QString& text, int Lines);

    // Page handlers the tests call.
    void BorderSideClick(int Nr);
    void FocusMove(int Nr);
    void FocusResize(int Nr);
    void GemFokus();
    void GenkaldFokus();
    void BilledDimensioner();
    void KvadratHojde();
    void KvadratBredde();
    void RammeXY();
    void UdskiftExecute();
    void AfslutExecute();
    void FontNavnChange(bool extra);
    void GendanZoom();
    // Redraws the preview of the page (no preview: nothing).
    void RedrawPreview(TPage page);
    void FornyPreview(TPage page);
    // The multicolour page shows the controls of the tool.
    void AdaptMulti(int tool);

private:
    // Texts and hints: registered once with their control, applied by SetSprog.
    struct TText {
        std::function<void(const QString&)> Set;
        const char* Dansk;
        const char* Engelsk;
    };
    void Text(std::function<void(const QString&)> set, const char* dansk, const char* engelsk);
    void Caption(QWidget* w, const char* dansk, const char* engelsk);
    void Hint(QWidget* w, const char* dansk, const char* engelsk);
    void PageCaption(TPage page, const char* dansk, const char* engelsk);
    void UpdateHelpLines();
    // Hovering over field Nr of a two-field colour panel writes its help line.
    void FieldHints(TColorPan* pan, const char* const (*lines)[2]);
    // Status tips of a floating window reach the main window's hint panel.
    bool event(QEvent* event) override;

    // Building the window and its pages (one file per group of pages).
    void BuildFrame();
    // Sizes the page book by the page it shows (height) and its widest page (width).
    void FitBookToPage();
    QWidget* NewPage(TPage page);
    QToolButton* ActionButton(QAction* action, QWidget* parent);
    void BuildKlipbord();
    void BuildZoom();
    void BuildFarver();
    void BuildRundRekt();
    void BuildSpray();
    void BuildPolygon();
    void BuildPil();
    void BuildRamme();
    void BuildSpecialRamme();
    void BuildFokus();
    void BuildMulti();
    void BuildText();
    QVBoxLayout* PreviewColumn(QWidget* page, TToolPreview* preview, TPage which);
    // A page with its controls in a column on the left (returned) and its preview on the right.
    QVBoxLayout* PreviewPage(TPage which, const char* dansk, const char* engelsk, TToolPreview*& preview, int tool);
    // A labelled slider appended to a page's column.
    TSliderRow* AddSlider(QVBoxLayout* left, const char* name, int Min, int Max, bool editable, int* field,
                          TPage page, const char* dansk, const char* engelsk);
    TSliderRow* NewSlider(QWidget* parent, int Min, int Max, bool editable, int* field, TPage page);
    TNumEdit* NewEdit(QWidget* parent, int rule, int Min, int Max, const QString& suffix = {});

    // Get and Apply of each group of pages.
    void HentPage(TPage page, TImagePic& p);
    void RealiserPage(TPage page, TImagePic& p);
    void HentShapes(TPage page, TImagePic& p);
    void RealiserShapes(TPage page, TImagePic& p);
    void HentZoom();
    void RealiserZoom();
    void HentMulti(TImagePic& p);
    void RealiserMulti(TImagePic& p);
    void SetMultiValues(TImagePic& p) const;
    void HentText(TImagePic& p);
    bool RealiserText(TImagePic& p);
    void SetShapeValues(TPage page, TImagePic& p) const;
    void ResetShapeControls();
    void ResetZoom();
    void ShowBorderSides();
    void ShowFokus();
    // The rectangle of the edits, applied to the active picture when it has a focus and
    // auto perform is on; else the page is marked modified.
    void FokusChanged();
    void ApplyFokus(TImagePic& p);
    void AfterFocusStep();
    void FillFontLists();
    void SelectFont(QComboBox* list, TFontSizeComboBox* sizes, const QString& name, int size);

    // A value of a page changed by the user.
    void Modified(TPage page);
    TPage ActivePage() const;
    TImagePic* Picture() const;
    void HideToolPages();
    TToolPreview* PreviewOf(TPage page) const;

    TMainServices& FServices;
    std::vector<TText> FTexts;
    // The frames of the sliders.
    TRammeFeltX FSliderButtons;
    TRammeX FSliderThumb;
    // While the program itself fills controls, their changes mark nothing.
    bool FLoading = false;
    // While Realiser hands the page to the picture, the picture's reports do not reach it.
    bool FApplying = false;
    int FMultiTool = 65;
    QList<QWidget*> FFontButtons;
};
