#pragma once
#include <QDialog>
#include "appcore/ModalResult.h"

class QPlainTextEdit;
class QPushButton;

// The question dialog: a read-only memo of text lines above the buttons "Ja", "Nej" and
// "Annuller" (Yes, No, Cancel). Escape and the window's close button answer Cancel. It stays
// on top of its parent and is centred on it when shown.
class TSpmform : public QDialog {
    Q_OBJECT
public:
    explicit TSpmform(QWidget* parent = nullptr);

    // Line 1 clears the memo and shows S; any other line number adds S as a further line.
    void Tekst(int LinieNr, const QString& S);
    void SetSprog(bool Engelsk);

    // Shows the dialog modally and returns mrYes, mrNo or mrCancel.
    TModalResult Spoerg();
    // Fills the three lines and asks.
    TModalResult Spoerg(const QString& Linie1, const QString& Linie2, const QString& Linie3);
    // The answer of the last showing (mrNone before the first).
    TModalResult ModalResult() const { return FModalResult; }

    QPlainTextEdit* Memo() const { return FMemo; }
    QPushButton* JaKnap() const { return FJaKnap; }
    QPushButton* NejKnap() const { return FNejKnap; }
    QPushButton* AnnullerKnap() const { return FAnnullerKnap; }

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void Answer(TModalResult Result);

    QPlainTextEdit* FMemo = nullptr;
    QPushButton* FJaKnap = nullptr;
    QPushButton* FNejKnap = nullptr;
    QPushButton* FAnnullerKnap = nullptr;
    TModalResult FModalResult = mrNone;
};
