#pragma once
#include <QString>
#include <functional>

class QPrinter;
class QWidget;
class TBitmapPrint;

// The platform's printing services that the print commands use. Each member has the real
// service as its default; tests replace members so that no modal dialog blocks them.
struct TPrintPlatform {
    // True when at least one printer is installed.
    std::function<bool()> HasPrinter;
    // Qt's printer-setup dialog on Printer; True when the user accepted it.
    std::function<bool(QPrinter& Printer, QWidget* Parent)> RunSetupDialog;
    // Asks for the name of a PDF file to print into; empty when the user cancelled.
    std::function<QString(QWidget* Parent, const QString& Caption, const QString& Suggestion, bool Engelsk)>
        AskPdfFile;
};

// The services in use (the real ones until a test replaces them).
TPrintPlatform& PrintPlatform();
// Puts the real services back.
void ResetPrintPlatform();

// The printer-setup command: Qt's print dialog on the print's printer. Where no printer is
// installed it first says so in the current language (prints then go to a PDF file, which the
// dialog can name). False when cancelled, or when Print has no printer of its own.
bool PrinterSetup(TBitmapPrint& Print, QWidget* Parent, bool Engelsk);

// Makes sure a printer whose output is a PDF file knows the file: when none is named it asks
// for one. Returns False when the user cancelled; AskedNow tells whether the name was asked
// for here (the caller forgets it after the job, so the next print asks again).
bool EnsurePdfFile(QPrinter& Printer, QWidget* Parent, bool Engelsk, bool& AskedNow);
