// What the main window does for the windows below it: the question dialogs (help is in
// MainformHelp.cpp).
#include "appcore/Message.h"
#include "dialogs/SpmFormen.h"
#include "dialogs/Spmform.h"
#include "shell/Mainform.h"

TModalResult TMainform::SpmJaNejAnnuller(const QString& Linie1, const QString& Linie2, const QString& Linie3)
{
    if (!spmform_) {
        spmform_ = new TSpmform(this);
        spmform_->SetSprog(Engelsk());
    }
    spmform_->Tekst(1, Linie1);
    spmform_->Tekst(2, Linie2);
    spmform_->Tekst(3, Linie3);
    return RunQuestion ? RunQuestion(*spmform_) : spmform_->Spoerg();
}

TModalResult TMainform::SpmOkAnnuller(const QStringList& Info)
{
    if (RunOkCancel)
        return RunOkCancel(Info);
    auto* dialog = findChild<TspmFormen*>(QString(), Qt::FindDirectChildrenOnly);
    if (!dialog)
        dialog = new TspmFormen(this);
    dialog->SetSprog(Engelsk());
    return dialog->Spoerg(Info);
}
