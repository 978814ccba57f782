#include "dialogs/Spmform.h"
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include "appcore/Message.h"
#include "dialogs/Centre.h"

TSpmform::TSpmform(QWidget* parent) : QDialog(parent)
{
    setObjectName("Spmform");
    setModal(true);
    FMemo = new QPlainTextEdit(this);
    FMemo->setObjectName("Memo");
    FMemo->setReadOnly(true);
    FMemo->setFocusPolicy(Qt::NoFocus);
    FJaKnap = new QPushButton(this);
    FJaKnap->setObjectName("JaKnap");
    FNejKnap = new QPushButton(this);
    FNejKnap->setObjectName("NejKnap");
    FAnnullerKnap = new QPushButton(this);
    FAnnullerKnap->setObjectName("AnnullerKnap");
    FJaKnap->setDefault(true);
    connect(FJaKnap, &QPushButton::clicked, this, [this] { Answer(mrYes); });
    connect(FNejKnap, &QPushButton::clicked, this, [this] { Answer(mrNo); });
    connect(FAnnullerKnap, &QPushButton::clicked, this, [this] { Answer(mrCancel); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {FJaKnap, FNejKnap, FAnnullerKnap})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FMemo);
    layout->addLayout(buttons);
    resize(380, 170);
    SetSprog(false);
}

void TSpmform::Tekst(int LinieNr, const QString& S)
{
    if (LinieNr == 1)
        FMemo->clear();
    FMemo->appendPlainText(S);
}

void TSpmform::SetSprog(bool Engelsk)
{
    setWindowTitle(Sprogtekst(Engelsk, "Spørgsmål", "Question"));
    FJaKnap->setText(Sprogtekst(Engelsk, "Ja", "Yes"));
    FNejKnap->setText(Sprogtekst(Engelsk, "Nej", "No"));
    FAnnullerKnap->setText(Sprogtekst(Engelsk, "Annuller", "Cancel"));
}

TModalResult TSpmform::Spoerg()
{
    FModalResult = mrCancel;
    exec();
    return FModalResult;
}

TModalResult TSpmform::Spoerg(const QString& Linie1, const QString& Linie2, const QString& Linie3)
{
    Tekst(1, Linie1);
    Tekst(2, Linie2);
    Tekst(3, Linie3);
    return Spoerg();
}

void TSpmform::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnParent(this);
    FJaKnap->setFocus();
}

// Escape and the window's close button arrive here.
void TSpmform::reject()
{
    Answer(mrCancel);
}

void TSpmform::Answer(TModalResult Result)
{
    FModalResult = Result;
    done(Result);
}
