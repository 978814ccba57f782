#pragma once
#include <QStringList>
#include "dialogs/QuestionDialog.h"

// The second question dialog: the memo info filled by the caller above the buttons "Ja"
// (answer OK) and "Nej" (answer Cancel). Escape and the close button answer Cancel.
class TspmFormen : public TQuestionDialog {
    Q_OBJECT
public:
    explicit TspmFormen(QWidget* parent = nullptr);

    void SetSprog(bool Engelsk);
    QPlainTextEdit* info() const { return Memo(); }

    using TQuestionDialog::Spoerg;
    // Fills the memo with Info, one entry a line, and asks: mrOk or mrCancel.
    TModalResult Spoerg(const QStringList& Info);

    QPushButton* JaKnap() const { return FJaKnap; }
    QPushButton* NejKnap() const { return FNejKnap; }

private:
    QPushButton* FJaKnap = nullptr;
    QPushButton* FNejKnap = nullptr;
};
