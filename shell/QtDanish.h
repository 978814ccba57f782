#pragma once
#include <QTranslator>

// Qt's own dialogs (print, page setup, file, colour, font, the standard buttons) speak
// English; in Danish this translator gives them Danish words: the program's own for the file
// dialog and the standard buttons, Qt's Danish catalogue (Debian's qt6-translations-l10n) for
// everything else. Installed while the program speaks Danish and removed for English.
class TQtDanish : public QTranslator {
public:
    explicit TQtDanish(QObject* parent = nullptr);
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }

    // Installs the translator in the application for Danish, removes it for English.
    void Follow(bool Engelsk);

    // Whether Qt's Danish catalogue was found (without it only the program's words apply).
    bool HasQtCatalogue() const { return !FQt.isEmpty(); }

private:
    QTranslator FQt;
    bool FInstalled = false;
};
