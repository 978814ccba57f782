#pragma once
#include "appcore/Options.h"
#include "shell/TextTable.h"
#include "widgets/RammeX.h"
#include <QWidget>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TColorPan;
class TColourList;
class TRadioGroup;

// The tool book's page "Egenskaber": every option control. Check boxes, the radio groups and
// the "Anvend" buttons write into the options record at once; the placements, the language,
// the style and the applied frame look are told to the main window through the signals.
class TEgenskaberPage : public QWidget {
    Q_OBJECT
public:
    TEgenskaberPage(TOptions& Opt, QWidget* parent = nullptr);

    // Shows the options record in the controls.
    void VisOptions();
    // The placement radio groups: tool book and tool line at the top, dock book side.
    void VisPlaceringer(bool toolBookTop, bool toolLineTop);
    // Fills the style list and selects the name ("Sky" for an empty name).
    void FillStyles(const QString& designName);
    // The four layout-preset actions, shown as buttons on the page.
    void SetPresetActions(const QList<QAction*>& actions);
    // The label poLabelBH: width " | " height of the main window.
    void ShowMainSize(int width, int height);
    // The frame-look lists from the options (kind, reaction) and the preview frame.
    void VisFrameLook();
    void SetSprog(bool Engelsk);
    // The undo history's budget in megabytes (kept in the settings file, not the options).
    void VisHistoryBudget(int megabytes);

    // The preview frame the frame-look lists change; "Anvend" copies it to the options.
    TRammeFeltX& FrammeProp() { return FFrammeProp; }
    int TextCount() const { return texts_.Count(); }

    // The controls, for the main window and tests.
    QCheckBox *opstartCheck = nullptr, *text6Check = nullptr, *text13Check = nullptr,
              *text14Check = nullptr, *text15Check = nullptr, *text11Check = nullptr;
    QComboBox* designBox = nullptr;
    TRadioGroup *sprogBox = nullptr, *redGroup = nullptr, *redskabsPladsRadio = nullptr,
                *linjePladsRadio = nullptr;
    QLineEdit *ZmaxWEdit = nullptr, *ZmaxHEdit = nullptr, *jpgEdit = nullptr;
    QPushButton *aKnap = nullptr, *jpgKnap = nullptr, *anvendButton = nullptr;
    QComboBox *ArtBox = nullptr, *RObox = nullptr;
    TColourList *ColorBox2 = nullptr, *ColorBox = nullptr;
    QLabel* poLabelBH = nullptr;
    // The preview palette of the frame look, and the magnifier colours (grid, frame).
    TColorPan *PrePal = nullptr, *PixPal = nullptr;
    QPushButton* gendanKnap = nullptr;
    QSpinBox* historyBudgetBox = nullptr;

signals:
    void SprogChosen(int sprog);
    void DockSideChosen(int pladsRed);
    void ToolBookPlacementChosen(bool top);
    void ToolLinePlacementChosen(bool top);
    void StyleChosen(const QString& name);
    // "Anvend" of the frame look stored the three choices in the options.
    void FrameLookApplied();
    // The user set the undo history's budget (megabytes).
    void HistoryBudgetChosen(int megabytes);

private:
    QWidget* BuildStartGroup();
    QWidget* BuildLookGroup();
    QWidget* BuildPresetGroup();
    QWidget* BuildPlacementGroup();
    QWidget* BuildLimitsGroup();
    QWidget* BuildHistoryGroup();
    QWidget* BuildFrameGroup();
    QWidget* BuildMagnifierGroup();
    // Fields 0 and 1 of the magnifier panel become the grid and frame colours of the options.
    void StoreMagnifierColours();
    void BuildTexts();
    void BuildMagnifierTexts();
    void ApplyZmax();
    void ApplyJpgKvalitet();
    void PreviewFrameChanged();

    TOptions& Opt;
    TRammeFeltX FFrammeProp;
    QWidget* presetBox_ = nullptr;
    QList<QPushButton*> presetButtons_;
    TTextTable texts_;
    bool Engelsk_ = false;
};
