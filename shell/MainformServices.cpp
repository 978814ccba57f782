// What the main window does for the windows below it: the question dialogs and help.
#include "appcore/Message.h"
#include "dialogs/Spmform.h"
#include "shell/Mainform.h"
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

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
    QMessageBox box(QMessageBox::Question, QStringLiteral("Malvo"), Info.join(QLatin1Char('\n')),
                    QMessageBox::Ok | QMessageBox::Cancel, this);
    box.setButtonText(QMessageBox::Ok, QStringLiteral("OK"));
    box.setButtonText(QMessageBox::Cancel, Sprogtekst(Engelsk(), QStringLiteral("Annuller"), QStringLiteral("Cancel")));
    return box.exec() == QMessageBox::Ok ? mrOk : mrCancel;
}

void TMainform::HelpInfoNew(const QString& S)
{
    const QString page = Folder.infoDir + S + QStringLiteral(".html");
    if (QFileInfo(page).isFile())
        QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}
