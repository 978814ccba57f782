#pragma once
#include <QDialog>
#include <QHash>
#include "dialogs/PrintformLayout.h"

class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TBitmap;
class TBitmapPrint;
class TPrintPreview;

// The print dialog: size in percent, left and top position, copies, the right and bottom
// margins that follow, and a preview of picture and paper at one sixteenth of the printer's
// pixels. OK ("Udskriv") prints the picture through the program's TBitmapPrint.
class TPrintform : public QDialog {
public:
    TPrintform(TBitmapPrint& BitmapPrint, QWidget* parent = nullptr);

    void SetSprog(bool Engelsk);

    // The print command: prepares the dialog for Picture, shows it modally and prints after
    // OK. False when cancelled or when printing failed (after a message in the dialog's
    // language).
    bool PrintPicture(const TBitmap& Picture);
    // Fills the fields for Picture: page size, the print's position, the picture's size,
    // 400 %, and the preview.
    void Forbered(const TBitmap& Picture);
    // Prints Picture with the fields as they stand; KopiAntal 0 starts no job. False when the
    // printing failed (after a message) or the PDF file was not named.
    bool Udskriv(const TBitmap& Picture);

    // The layout of the fields as they stand.
    TPrintLayout Layout() const;
    // The number a position, copies or size field holds: never below 0.
    static int FeltVaerdi(const QLineEdit* Edit);

    QLineEdit* Edit1 = nullptr;       // left position
    QLineEdit* Edit2 = nullptr;       // top position
    QLineEdit* Edit3 = nullptr;       // right margin, shown only
    QLineEdit* Edit4 = nullptr;       // bottom margin, shown only
    QLineEdit* Edit5 = nullptr;       // copies
    QLineEdit* Edit6 = nullptr;       // printed width, shown only
    QLineEdit* Edit7 = nullptr;       // page width, shown only
    QLineEdit* Edit8 = nullptr;       // page height, shown only
    QLineEdit* Edit9 = nullptr;       // printed height, shown only
    QLineEdit* EditProcent = nullptr; // size in percent
    QButtonGroup* ButtonGroup1 = nullptr; // size presets 25 % ... 600 %
    QButtonGroup* ButtonGroup2 = nullptr; // move left, right, up, down
    QButtonGroup* StepGroup = nullptr;    // the steps 10, 50, 100
    QPushButton* centHknap = nullptr;
    QPushButton* centVknap = nullptr;
    QPushButton* okKnap = nullptr;
    QPushButton* cancelKnap = nullptr;
    TPrintPreview* papir = nullptr;
    // Move step in printer pixels.
    int flytInterval = 50;
    bool Sprog = false;

private:
    QLineEdit* AddFelt(const char* Name, bool Input);
    QWidget* BuildMargner();
    QWidget* BuildBilledeOgPapir();
    QWidget* BuildFlyt();
    QWidget* BuildStorrelse();
    // Passes an input field's text through the number filter and recomputes the layout.
    void FeltChange(QLineEdit* Edit);
    void Beregn();
    void Flyt(int Retning);
    void SetFelt(QLineEdit* Edit, qint64 Value);

    TBitmapPrint& FBitmapPrint;
    QHash<QLineEdit*, QString> FGodTekst;
    // Labels whose texts change with the language.
    QLabel* FVenstreLabel = nullptr;
    QLabel* FTopLabel = nullptr;
    QLabel* FHojreLabel = nullptr;
    QLabel* FBundLabel = nullptr;
    QLabel* FKopierLabel = nullptr;
    QLabel* FStorrelseLabel = nullptr;
    QLabel* FBilledeLabel = nullptr;
    QLabel* FPapirLabel = nullptr;
    QLabel* FBreddeLabel = nullptr;
    QLabel* FHojdeLabel = nullptr;
    int FPicW = 0;
    int FPicH = 0;
    QGroupBox* FMargner = nullptr;
    QGroupBox* FBilledeOgPapir = nullptr;
    QGroupBox* FFlytBillede = nullptr;
};
