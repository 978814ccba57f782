#pragma once
#include "dialogs/QuestionDialog.h"

// The question dialog: a read-only memo of text lines above the buttons "Ja", "Nej" and
// "Annuller" (Yes, No, Cancel). Escape and the window's close button answer Cancel. It stays
// on top of its parent and is centred on it when shown.
class TSpmform : public TQuestionDialog {
    Q_OBJECT
public:
    explicit TSpmform(QWidget* parent = nullptr);

    // Line 1 clears the memo and shows S; any other line number adds S as a further line.
    void Tekst(int LinieNr, const QString& S);
    void SetSprog(bool Engelsk);

    // Shows the dialog modally and returns mrYes, mrNo or mrCancel.
    using TQuestionDialog::Spoerg;
    // Fills the three lines and asks.
    TModalResult Spoerg(const QString& Linie1, const QString& Linie2, const QString& Linie3);

    QPushButton* JaKnap() const { return FJaKnap; }
    QPushButton* NejKnap() const { return FNejKnap; }
    QPushButton* AnnullerKnap() const { return FAnnullerKnap; }

private:
    QPushButton* FJaKnap = nullptr;
    QPushButton* FNejKnap = nullptr;
    QPushButton* FAnnullerKnap = nullptr;
};
