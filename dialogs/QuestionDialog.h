#pragma once
#include <QDialog>
#include "appcore/ModalResult.h"

class QHBoxLayout;
class QPlainTextEdit;
class QPushButton;

// What both question dialogs share: a read-only memo above a row of answer buttons. Escape
// and the window's close button answer Cancel. The dialog is modal, stays on top of its
// parent and is centred on it when shown; the first button has the focus and answers Enter.
class TQuestionDialog : public QDialog {
    Q_OBJECT
public:
    // Shows the dialog modally and returns the answer (mrCancel unless a button gave another).
    TModalResult Spoerg();
    // The answer of the last showing (mrNone before the first).
    TModalResult ModalResult() const { return FModalResult; }
    QPlainTextEdit* Memo() const { return FMemo; }

protected:
    explicit TQuestionDialog(QWidget* parent);
    // Adds an answer button at the right end of the row.
    QPushButton* AddKnap(const QString& Name, TModalResult Result);

    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void Answer(TModalResult Result);

    QPlainTextEdit* FMemo = nullptr;
    QHBoxLayout* FKnapper = nullptr;
    QPushButton* FFoersteKnap = nullptr;
    TModalResult FModalResult = mrNone;
};
