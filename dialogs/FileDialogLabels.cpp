#include "dialogs/FileDialogLabels.h"
#include <QFileDialog>

void SetFileDialogLabels(QFileDialog& dialog, bool Engelsk, bool Save)
{
    if (Engelsk)
        return;
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Kig i:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Filnavn:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Filtype:"));
    dialog.setLabelText(QFileDialog::Accept, Save ? QStringLiteral("Gem") : QStringLiteral("Åben"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Annuller"));
}
