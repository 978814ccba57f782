#pragma once
#include "libraries/BibPan.h"
#include "widgets/PathLabel.h"
#include "platform/ImageList.h"
#include "widgets/BitmapX.h"
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QAction;
class QCheckBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QObject;
class QPushButton;
class QToolButton;
class TImagePic;
class TMainServices;
class TProgressCompo;
class TRulskakt;
class TSharedPainters;

// What the picture box and the cliché box share: a thumbnail panel with its scroll bar, the
// grid buttons, a progress bar, the name and size of the selected file, insert (also
// transparently), open, and deleting one or all files to the recycle bin. The main window is
// reached through TMainServices and the hooks below.
class TBibBox : public QWidget {
public:
    TBibBox(TMainServices& Services, TSharedPainters& Painters, QWidget* parent = nullptr);
    ~TBibBox() override;

    // Full path of the selected file, empty while none is selected.
    QString Filnavn;
    // Columns and rows of the next reload.
    int AntalV = 3;
    int AntalL = 3;
    bool Sprog = false; // English

    TBibPan* Panel = nullptr;
    TRulskakt* Rul = nullptr;
    TProgressCompo* Progress = nullptr;
    QLineEdit* VFelt = nullptr;
    QLineEdit* LFelt = nullptr;
    QLineEdit* NavnFelt = nullptr;
    QLineEdit* BreddeFelt = nullptr;
    QLineEdit* HojdeFelt = nullptr;
    // The count of pictures (the cliché box has one), kept up to date by the panel.
    QLineEdit* AntalFelt = nullptr;
    QPushButton* IndsaetKnap = nullptr;
    QPushButton* AabenKnap = nullptr;
    QCheckBox* TransCheck = nullptr;
    QToolButton* SletKnap = nullptr;
    QAction* ASletFil = nullptr;
    QAction* ASletAlle = nullptr;
    QToolButton* InfoKnap = nullptr;
    QToolButton *VPlus = nullptr, *VMinus = nullptr, *LPlus = nullptr, *LMinus = nullptr;

    // Every text in Danish or English.
    virtual void SetSprog(bool Engelsk);
    // Sets the transparent check box without telling the other box.
    void SetTrans(bool value);
    bool Trans() const;

    // Grid buttons: change the counts of the next reload (at least 1, at most TBibPan::kMaxSide).
    void PlusV() { SkiftAntal(AntalV, +1, VFelt); }
    void MinusV() { SkiftAntal(AntalV, -1, VFelt); }
    void PlusL() { SkiftAntal(AntalL, +1, LFelt); }
    void MinusL() { SkiftAntal(AntalL, -1, LFelt); }
    // Rebuilds the panel with the counts from its first field, on the folder Mappe when one is
    // given; with Rapport the count goes to the hint panel.
    void Genindlaes(bool Rapport, const QString& Mappe = QString());
    // Selects item Nr: the name and size fields show it.
    void Vaelg(int Nr);
    // The hint for item Nr: name (width x height).
    void Over(int Nr);
    void IndsaetClick();
    void AabenClick();
    // Double click or Enter on the selected field: opens it without a document, else inserts
    // it at the focus's top-left corner.
    void DblClick();
    void SletFilClick();
    void SletAlleClick();
    // Enables the buttons from the selection and the active document.
    virtual void UpdateButtons();

    // The transparent check box was clicked (the other box mirrors it).
    std::function<void(bool Checked)> OnTransClick;
    // Every file was deleted: the clip counter starts again.
    std::function<void()> OnAlleSlettet;

protected:
    // The help topic of the information button.
    virtual QString HelpTopic() const = 0;
    // The name field's text for a file name.
    virtual QString VistNavn(const QString& Navn) const { return Navn; }
    // The language of the single-file delete question.
    virtual bool SletSprog() const { return Sprog; }
    // After a deletion the cliché box clears the selection and reports the count; the picture
    // box reloads quietly.
    virtual bool RapporterSletning() const = 0;
    // Shows the count after a reload in the hint panel.
    void VisAntal();
    void RydValg();
    // The grid of the options: the counts, their fields and the panel (not read yet).
    void StartAntal(int V, int L);
    bool ValgtFindes() const;
    // Inserts the selected file into Pic, transparently when the check box says so.
    void Indsaet(TImagePic& Pic);

    // A row for the folder buttons above the panel, and one for extra buttons below.
    QHBoxLayout* MappeRaekke = nullptr;
    QHBoxLayout* KnapRaekke = nullptr;
    TPathLabel* BibLabel = nullptr;

    // A control's Danish and English caption and help line; SetSprog walks them.
    struct TTekst {
        QObject* Kontrol;
        QString Dansk, English, HintDansk, HintEnglish;
    };
    void Tekst(QObject* Kontrol, const QString& Dansk, const QString& English, const QString& HintDansk = {},
               const QString& HintEnglish = {});
    QString T(const QString& Dansk, const QString& English) const { return Sprog ? English : Dansk; }

    TMainServices& Services;
    TSharedPainters& Painters;

    void closeEvent(QCloseEvent* event) override;
    // Help lines of the controls go to the main window's hint panel, docked or floating.
    bool event(QEvent* event) override;

private:
    void Byg();
    void SkiftAntal(int& Antal, int Trin, QLineEdit* Felt);
    void AntalIalt(int Ialt);

    TImageList FListe;
    TBitmapX FBitmapX;
    QLabel *FNavnLabel = nullptr, *FBreddeLabel = nullptr, *FHojdeLabel = nullptr;
    std::vector<TTekst> FTekster;
};
