#include "dialogs/Spmform.h"
#include <QPlainTextEdit>
#include <QPushButton>
#include "appcore/Message.h"

TSpmform::TSpmform(QWidget* parent) : TQuestionDialog(parent)
{
    setObjectName("Spmform");
    FJaKnap = AddKnap("JaKnap", mrYes);
    FNejKnap = AddKnap("NejKnap", mrNo);
    FAnnullerKnap = AddKnap("AnnullerKnap", mrCancel);
    SetSprog(false);
}

void TSpmform::Tekst(int LinieNr, const QString& S)
{
    if (LinieNr == 1)
        Memo()->clear();
    Memo()->appendPlainText(S);
}

void TSpmform::SetSprog(bool Engelsk)
{
    setWindowTitle(Sprogtekst(Engelsk, "Spørgsmål", "Question"));
    FJaKnap->setText(Sprogtekst(Engelsk, "Ja", "Yes"));
    FNejKnap->setText(Sprogtekst(Engelsk, "Nej", "No"));
    FAnnullerKnap->setText(Sprogtekst(Engelsk, "Annuller", "Cancel"));
}

TModalResult TSpmform::Spoerg(const QString& Linie1, const QString& Linie2, const QString& Linie3)
{
    Tekst(1, Linie1);
    Tekst(2, Linie2);
    Tekst(3, Linie3);
    return Spoerg();
}
