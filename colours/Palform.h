#pragma once
#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TColorPan;
class TMainServices;
class TRulskakt;
class TSharedPainters;

// The palette dialog over the palette folder: in load mode (HentBox) a file is chosen and
// previewed, in save mode a name is given for the palette the caller put into Palet. Files can
// be moved to the recycle bin. Names are plain file names inside the folder: a name that
// reaches another folder is refused, and only the last extension is replaced by ".pal".
class TPalform : public QDialog {
public:
    TPalform(TMainServices& Services, TSharedPainters& Painters, QWidget* parent = nullptr);

    void SetSprog(bool Engelsk);
    // The folder the dialog lists (created where missing).
    QString Folder() const;
    // Reads the folder into the list again.
    void Opdater();
    // Sets the mode, reads the folder and shows the dialog modally; the result is Accepted
    // with Filnavn set, or Rejected with Filnavn empty.
    int Vis(bool Hent);
    // What Vis does before it shows the dialog.
    void Forbered(bool Hent);

    // --- handlers (also called by tests)
    void FilKlik(const QString& Navn);
    void OkKlik();
    void SletKlik();
    void reject() override;

    bool HentBox = true;
    QString Filnavn;
    TColorPan* Palet = nullptr;
    TRulskakt* PalRul = nullptr;
    QListWidget* filListe = nullptr;
    QLineEdit* Edit = nullptr;
    QPushButton* okKnap = nullptr;
    QPushButton* lukKnap = nullptr;
    QPushButton* sletKnap = nullptr;
    QPushButton* infoKnap = nullptr;

private:
    // The full path for a typed name, or empty (with a message) when the name is not a plain
    // file name.
    QString FilFor(const QString& Navn);
    void Besked(const char* Dansk, const char* Engelsk);
    void VisTekster();
    void PaletAntal(int Antal);

    TMainServices& Services;
    bool FSprog = false;
    QLabel* FNavnLabel = nullptr;
};
