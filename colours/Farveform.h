#pragma once
#include "engine/Events.h"
#include "platform/Color.h"
#include "platform/Input.h"
#include <QList>
#include <QPair>
#include <QString>
#include <QWidget>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;
class QToolButton;
class TColorPan;
class TFadeCompo;
class TImagePic;
class TMainServices;
class TRulskakt;
class TSharedPainters;

// The colour box: the active colour (OutFarve) chosen from a large palette, a store of 24
// colours kept in Lagerpal.txt, a history of 36 applied colours, three fade colours for
// interval palettes, a shade bar, red/green/blue sliders with number entry and a page that
// mixes two tool colours bitwise. It gives colours to the pen, middle and fill colour of the
// active picture and writes a help line for every control into the main window's hint panel.
// It reaches the main window only through TMainServices and the hooks below.
class TFarveform : public QWidget {
public:
    // PalFilnavn is the palette file of palette 4, needed when the box starts on it.
    TFarveform(TMainServices& Services, TSharedPainters& Painters, const QString& PalFilnavn = QString(),
               QWidget* parent = nullptr);
    ~TFarveform() override;

    // --- offered to other windows
    // Makes F the active colour; MedRulbar re-centres the shade bar on it, MedRGB sets the sliders.
    void SetOutFarve(TColor F, bool MedRulbar, bool MedRGB);
    // Gives Col to the tool colour of the button in the active picture and to the history.
    void PenFyldFarver(TMouseButton Button, TColor Col);
    // A colour picked with a button in a palette: it becomes active and, with TilRedskab, goes
    // to the fade field and the tool colour of the button.
    void VaelgFarve(TMouseButton Button, TColor Col, bool TilRedskab);
    // The help line of a palette field under the mouse, with the colour's name.
    void VisPaletteNavn(TColor Col);
    // Synchronises the tool colours with the active picture (pushes or pulls, see SameColors).
    void PFfarver();
    // Help line Nr in the hint panel; -1 clears it.
    void Informa(int Nr);
    void SetSprog(bool Engelsk);
    // Chooses the large palette 1..4; the number is remembered in Opt.Fpal.
    void SetPal(int PalNr);
    // The sliders take the three values and the box takes the slider colour.
    void SetSliderFarve(uint8_t R, uint8_t G, uint8_t B);
    // Stores a colour in fade field Nr (0 left, 1 middle, 2 right button).
    void SetFadeFarve(int Nr, TColor Col);
    // Output colour and fill colour white, and white in fade field 2 (a new picture).
    void FarverTilHvid();
    // The big box shows the page control, the small one hides it.
    void SetSmallBox(bool Small);
    bool SmallBox() const { return FSmallBox; }

    TColor OutFarve = clWhite;
    TColor InFarve = clWhite;
    int LagerNr = 0;
    int HukNr = 0;
    QString LagerFilnavn;
    // The palette file of palette 4.
    QString PalFilnavn;

    // --- hooks the main window sets
    // The palette dialog in load mode: the chosen file, or empty after Cancel.
    std::function<QString()> VaelgPaletteFil;
    // A new palette file was chosen for palette 4.
    std::function<void(const QString& Filnavn)> OnPalFilnavn;
    // Opens the sort dialog on the large palette.
    std::function<void()> VisSorter;
    // A tool colour field changed (the palette box mirrors them).
    std::function<void(int Nr, TColor Col)> OnPFfelt;
    // The active colour changed while the picture's tool is the pixel tool (100).
    std::function<void(TColor Col)> OnNyPixelFarve;
    // The main window's specific and transparent colour panels and meta-method buttons.
    std::function<TColor()> MetaPanelFarve;
    std::function<TColor()> TransPanelFarve;
    std::function<TMetaMetode()> MetaKnapMetode;
    std::function<void(TColor Meta, TColor Trans, TMetaMetode Metode)> VisMetaFarver;

    // --- components
    TColorPan* BigSpal = nullptr;
    TColorPan* InOutPal = nullptr;
    QLineEdit* navnFelt = nullptr;
    TColorPan* Fadepal = nullptr;
    TFadeCompo* BWPal = nullptr;
    TRulskakt* BWRul = nullptr;
    TColorPan* PFpal = nullptr;
    TColorPan* Hukpal = nullptr;
    TColorPan* Lagerpal = nullptr;
    TRulskakt* RBar = nullptr;
    TRulskakt* GBar = nullptr;
    TRulskakt* BBar = nullptr;
    QLineEdit* REdit = nullptr;
    QLineEdit* GEdit = nullptr;
    QLineEdit* BEdit = nullptr;
    QCheckBox* Penfelt = nullptr;
    QCheckBox* Middlefelt = nullptr;
    QCheckBox* Fillfelt = nullptr;
    QPushButton* OkKnap = nullptr;
    TColorPan* mixPal = nullptr;
    QGroupBox* grundCheck = nullptr;
    QGroupBox* MixCheck = nullptr;
    QGroupBox* resultatCheck = nullptr;
    QRadioButton* XORcheck = nullptr;
    QRadioButton* ANDcheck = nullptr;
    QRadioButton* ORcheck = nullptr;
    QPushButton* mixKnap = nullptr;
    QPushButton* flytKnap[6] = {};
    QPushButton* LInsKnap = nullptr;
    QPushButton* LClearKnap = nullptr;
    QToolButton* LgemKnap = nullptr;
    QToolButton* LhentKnap = nullptr;
    QToolButton* PalKnap[4] = {}; // Pal125knap, Pal64knap, Pal24knap, RanpalKnap
    QPushButton* RanPalKnappen = nullptr;
    QToolButton* RiPalKnap1 = nullptr;
    QToolButton* RiPalKnap2 = nullptr;
    QToolButton* sortKnap = nullptr;
    QToolButton* udvCheck = nullptr;
    QToolButton* infoKnap[3] = {};
    QTabWidget* Bog = nullptr;

    // --- handlers (also called by tests)
    void PanelKlik(TColorPan& Pan, TMouseButton Button, int FeltNr);
    void BWPalMouseDown(TMouseButton Button, int X);
    void BWRulChange(int Pos);
    // Slider or edit of channel 0 (red), 1 (green) or 2 (blue).
    void RGBBarChange(int Kanal, int Pos);
    void RGBEditChange(int Kanal);
    void OkKnapClick();
    void LInsKnapClick();
    void LClearKnapClick();
    void LgemKnapClick();
    void LhentKnapClick();
    void RiPalKnapClick(bool MedMidt);
    void RanPalKnappenClick();
    void MixUpdate();
    void MixKnapClick();
    void FlytKnapClick(int Nr);
    // Enables Apply from the active picture (a document without an active selection).
    void UpdateOkKnap();
    // The mixing indices: base and result 0 pen, 1 middle, 2 fill; mix also 3 white; the
    // operation 0 XOR, 1 AND, 2 OR, -1 none.
    int GrundIndex() const;
    int MixIndex() const;
    int ResultatIndex() const;
    int MixOperation() const;
    void SetGrundIndex(int i);
    void SetMixIndex(int i);
    void SetResultatIndex(int i);
    // -1 leaves no operation checked: the result is then black.
    void SetMixOperation(int op);

    // The help line Nr as shown in the language, with the name it carries.
    QString HelpLine(int Nr) const;
    bool Engelsk() const { return FSprog; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Farveform.cpp: the controls and their layout.
    void BuildControls();
    // The size button names the other size: "Stor Boks" in the small box.
    void ShowSizeButtonText();
    QWidget* BuildPalettePart();
    QWidget* BuildShadePart();
    QWidget* BuildRGBPage();
    QWidget* BuildToolColourPage();
    TColorPan* NewPan(int Vandret, int Lodret, int Antal, int Bredde, int Hojde);
    TRulskakt* NewSlider(int Max, int Pos);
    QGroupBox* NewRadioBox(int Antal, QButtonGroup*& Group);
    void ConnectControls();
    void HelpLineOn(QWidget* w, int Nr);
    // FarveformColours.cpp
    void PFfelt(int Nr, TColor Col);
    void SetPictureColour(int Nr, TColor Col);
    void GivFadeOgTool(TMouseButton Button, TColor Col);
    void TilHistorie(TColor Col);
    void PanelOver(TColorPan& Pan, int FeltNr);
    void VisRGB(TColor F);
    // FarveformStore.cpp
    bool PaletteFilBrugbar(const QString& Filnavn) const;
    void VisCaption();

    TMainServices& Services;
    TSharedPainters& Painters;
    bool FSprog = false;
    bool FSmallBox = false;
    bool FirstPic = true;
    QString FbCap;
    QString FPalCaption; // the file name of palette 4 when it was loaded from a file
    QString FarveNavn;   // the name of the active colour in help lines
    QString HukNavn;     // the name of the field under the mouse in help lines
    int FRGBPos[3] = {255, 255, 255}; // slider positions the box acted on last
    int FBWPos = 128;
    QButtonGroup* FGrund = nullptr;
    QButtonGroup* FMix = nullptr;
    QButtonGroup* FResultat = nullptr;
    QButtonGroup* FOperation = nullptr;
    QList<QPair<QWidget*, int>> FHelpLines;
    QLabel* FLabels[6] = {}; // red, green, blue, store, setColor, mix
    QTimer* FUpdateTimer = nullptr;
};
