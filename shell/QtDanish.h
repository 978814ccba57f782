#pragma once
#include <QTranslator>

// Qt's own dialogs (the file dialog, its questions, the standard buttons) speak English; in
// Danish this translator gives them the program's words. Installed while the program speaks
// Danish and removed for English.
class TQtDanish : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }

    // Installs the translator in the application for Danish, removes it for English.
    void Follow(bool Engelsk);

private:
    bool FInstalled = false;
};
