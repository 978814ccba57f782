#pragma once
#include <QDialog>
#include <QPointer>
#include <QSize>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TImagePic;
class TMainServices;
struct TOptions;

// The size the picture component's scaling makes: mode 0 by percent v (0 and 100 keep the
// size; otherwise v x side / 100 in integers), mode 1 to the width v, mode 2 to the height v
// (the other side by the same factor, cut toward zero). It follows the component's own
// arithmetic step by step, so the dialog announces exactly what the scaling will make.
QSize SkaleretStorrelse(int Mode, int v, int W, int H);

// The scale dialog: one number (a percentage, a new width or a new height), the method
// (from the picture or from its file) and the new width and height it will give. The caller
// sets the input label, unit label, input text and mode, then shows it modally on the active
// picture; Enter or "Skaler" close with OK, Escape or "Annuller" with Cancel.
class TScaleform : public QDialog {
public:
    enum { ModeProcent, ModeBredde, ModeHojde };

    explicit TScaleform(TMainServices& Services, QWidget* parent = nullptr);

    void SetSprog(bool Engelsk);
    // The caller's settings before showing.
    void Forbered(const QString& InputText, const QString& UnitText, const QString& Value, int Mode);
    // Shows the dialog modally on the active picture; True on OK, ScaleProcent then holds the
    // number entered.
    bool Spoerg();
    // Stores the dialog's place in the options.
    void GemPosition(TOptions& Opt) const;
    // Takes the stored place (fitted into the screen).
    void HentPosition(const TOptions& Opt);

    // The number entered.
    int ScaleProcent = 0;
    // 0 percent, 1 new width, 2 new height.
    int ScaleMode = ModeProcent;
    bool Sprog = false;

    QLabel* InputLabel = nullptr;
    QLabel* UnitLabel = nullptr;
    QLineEdit* Input = nullptr;
    QGroupBox* Metode = nullptr;
    QRadioButton* FraBillede = nullptr;
    QRadioButton* FraFil = nullptr;
    QLabel* InfoLabel = nullptr;
    QLineEdit* NyBredde = nullptr;
    QLineEdit* NyHojde = nullptr;
    QPushButton* SkalerKnap = nullptr;
    QPushButton* AnnullerKnap = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void InputChange();
    void MetodeClick(bool FraFilValgt);
    // The info line for the method; Valgt: the user chose it (the Danish texts then end with
    // a full stop, at showing with an exclamation mark).
    void ShowInfo(bool FraFilValgt, bool Valgt);
    // Fills the new width and height for the number in the field.
    void VisStorrelse();
    // The size scaling starts from: the picture's, or with scaling from file the file's.
    QSize KildeStorrelse() const;

    TMainServices& FServices;
    QPointer<TImagePic> FPicture;
    QButtonGroup* FMetodeGruppe = nullptr;
    QLabel* FBreddeLabel = nullptr;
    QLabel* FHojdeLabel = nullptr;
    QString FGodTekst;
    bool FInfoValgt = false;
};
