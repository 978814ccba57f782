#include "dialogs/PrintformSetup.h"
#include "dialogs/FileDialogLabels.h"
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include "appcore/Message.h"
#include "dialogs/BitmapPrint.h"

namespace {

TPrintPlatform RealPlatform()
{
    TPrintPlatform p;
    p.HasPrinter = [] { return !QPrinterInfo::availablePrinterNames().isEmpty(); };
    p.RunSetupDialog = [](QPrinter& Printer, QWidget* Parent) {
        QPrintDialog dialog(&Printer, Parent);
        return dialog.exec() == QDialog::Accepted;
    };
    p.AskPdfFile = [](QWidget* Parent, const QString& Caption, const QString& Suggestion, bool Engelsk) {
        QFileDialog dialog(Parent, Caption, Suggestion, "PDF (*.pdf)");
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix("pdf");
        SetFileDialogLabels(dialog, Engelsk, true);
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                        : QString();
    };
    return p;
}

TPrintPlatform& Platform()
{
    static TPrintPlatform platform = RealPlatform();
    return platform;
}

} // namespace

TPrintPlatform& PrintPlatform()
{
    return Platform();
}

void ResetPrintPlatform()
{
    Platform() = RealPlatform();
}

bool PrinterSetup(TBitmapPrint& Print, QWidget* Parent, bool Engelsk)
{
    QPrinter* printer = Print.Printer();
    if (!printer)
        return false;
    if (!PrintPlatform().HasPrinter())
        ShowMessage(Sprogtekst(Engelsk, "Der er ingen printer installeret.\rUdskrifter gemmes i en PDF-fil.",
                               "No printer is installed.\rPrints are saved in a PDF file."),
                    Parent);
    return PrintPlatform().RunSetupDialog(*printer, Parent);
}

bool EnsurePdfFile(QPrinter& Printer, QWidget* Parent, bool Engelsk, bool& AskedNow)
{
    AskedNow = false;
    if (Printer.outputFormat() != QPrinter::PdfFormat || !Printer.outputFileName().isEmpty())
        return true;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString name = PrintPlatform().AskPdfFile(
        Parent, Sprogtekst(Engelsk, "Gem udskrift som PDF", "Save print as PDF"), folder + "/Malvo.pdf", Engelsk);
    if (name.isEmpty())
        return false;
    Printer.setOutputFileName(name.endsWith(".pdf", Qt::CaseInsensitive) ? name : name + ".pdf");
    AskedNow = true;
    return true;
}
