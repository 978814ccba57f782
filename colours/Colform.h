#pragma once
#include "platform/Color.h"
#include "platform/Input.h"
#include <QString>
#include <QWidget>
#include <functional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TColorPan;
class TMainServices;
class TRulskakt;
class TSharedPainters;

// The palette box: makes a palette of up to 256 colours from the active picture, shows it
// (64 fields at a time, the rest by scrolling), sorts it and saves it as a palette file. Its
// clicks hand colours to the colour box through the hooks below.
class TColform : public QWidget {
public:
    TColform(TMainServices& Services, TSharedPainters& Painters, QWidget* parent = nullptr);

    void SetSprog(bool Engelsk);
    // Field Nr (0 pen, 1 middle, 2 fill) of the tool-colour panel shows Col.
    void SetPFfelt(int Nr, TColor Col);

    // --- handlers (also called by tests)
    void CreateKnapClick();
    // A count button: FeltAntal := Antal, and a palette at once with "Auto create".
    void AntalKlik(int Antal);
    void ColPalAntalIalt(int Antal);
    void GemKlik();
    void UpdateAgem();

    int FeltAntal = 16;
    TColorPan* ColPal = nullptr;
    TRulskakt* Colrul = nullptr;
    TColorPan* PFpal = nullptr;
    QLineEdit* AntalInfo = nullptr;
    QLineEdit* Edit = nullptr;
    QPushButton* AntalKnap[10] = {}; // 8, 16, 32, 64, 256, then 20, 22, 30, 36, 44
    QPushButton* createKnap = nullptr;
    QPushButton* sortKnap = nullptr;
    QCheckBox* AutoCheck = nullptr;
    QCheckBox* autoCreateCheck = nullptr;
    QAction* Agem = nullptr;
    QToolButton* gemKnap = nullptr;

    // --- hooks the main window sets
    // A colour was clicked: the colour box makes it active; with TilRedskab it also goes to
    // the tool and the fade field of the button.
    std::function<void(TMouseButton Button, TColor Col, bool TilRedskab)> OnFarveKlik;
    // The help line of a hovered colour.
    std::function<void(TColor Col)> OnFarveOver;
    // Sorts the panel with the sort dialog's weights, and opens the sort dialog on it.
    std::function<void(TColorPan& Pan)> Sorter;
    std::function<void(TColorPan& Pan)> VisSorter;
    // The palette dialog in save mode on a copy of the panel: the chosen file, or empty.
    std::function<QString(const TColorPan& Pan)> VaelgGemFil;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Klik(TColorPan& Pan, TMouseButton Button, int FeltNr);
    // The create button's hint says whether there is a picture to take the colours from.
    void CreateHint();

    TMainServices& Services;
    bool FSprog = false;
    QLabel* FAntalLabel = nullptr;
    QLabel* FIaltLabel = nullptr;
};
