#include "dialogs/QuestionDialog.h"
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include "dialogs/Centre.h"

TQuestionDialog::TQuestionDialog(QWidget* parent) : QDialog(parent)
{
    setModal(true);
    FMemo = new QPlainTextEdit(this);
    FMemo->setObjectName("Memo");
    FMemo->setReadOnly(true);
    FMemo->setFocusPolicy(Qt::NoFocus);
    FKnapper = new QHBoxLayout;
    FKnapper->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FMemo);
    layout->addLayout(FKnapper);
    resize(380, 170);
}

QPushButton* TQuestionDialog::AddKnap(const QString& Name, TModalResult Result)
{
    auto* knap = new QPushButton(this);
    knap->setObjectName(Name);
    connect(knap, &QPushButton::clicked, this, [this, Result] { Answer(Result); });
    FKnapper->addWidget(knap);
    if (!FFoersteKnap) {
        FFoersteKnap = knap;
        knap->setDefault(true);
    }
    return knap;
}

TModalResult TQuestionDialog::Spoerg()
{
    FModalResult = mrCancel;
    exec();
    return FModalResult;
}

void TQuestionDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnParent(this);
    if (FFoersteKnap)
        FFoersteKnap->setFocus();
}

// Escape and the window's close button arrive here.
void TQuestionDialog::reject()
{
    Answer(mrCancel);
}

void TQuestionDialog::Answer(TModalResult Result)
{
    FModalResult = Result;
    done(Result);
}
