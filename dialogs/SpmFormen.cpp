#include "dialogs/SpmFormen.h"
#include <QPlainTextEdit>
#include <QPushButton>
#include "appcore/Message.h"

TspmFormen::TspmFormen(QWidget* parent) : TQuestionDialog(parent)
{
    setObjectName("spmFormen");
    FJaKnap = AddKnap("JaKnap", mrOk);
    FNejKnap = AddKnap("NejKnap", mrCancel);
    SetSprog(false);
}

void TspmFormen::SetSprog(bool Engelsk)
{
    setWindowTitle(Sprogtekst(Engelsk, "Spørgsmål", "Question"));
    FJaKnap->setText(Sprogtekst(Engelsk, "Ja", "Yes"));
    FNejKnap->setText(Sprogtekst(Engelsk, "Nej", "No"));
}

TModalResult TspmFormen::Spoerg(const QStringList& Info)
{
    info()->setPlainText(Info.join(u'\n'));
    return Spoerg();
}
