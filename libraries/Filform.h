#pragma once
#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The file-name dialog: a name typed or taken from the files of a folder. OK accepts a name
// that gives a new file in the folder (folder parts of the name are dropped, the extension is
// replaced by Ext); an empty name or a file that exists keeps the dialog open with a message.
class TFilform : public QDialog {
public:
    explicit TFilform(QWidget* parent = nullptr);

    // Caption, button texts and the label "Filnavn" / "Filename".
    void SetTekst(bool Engelsk, const QString& Cap, const QString& OkCap, const QString& CanCap);
    // Lists the files of the folder; names are made in it.
    void SetBibliotek(const QString& Dir);
    QString Bibliotek() const { return FBibliotek; }
    // The extension of the files made, without the dot.
    QString Ext = QStringLiteral("bmp");

    // After OK the full path of the new file; empty after Cancel.
    QString Filnavn;

    // OK: checks the name; True (and the dialog accepted) when it gives a new file.
    bool OkClick();
    void reject() override;

    QLineEdit* NavnFelt = nullptr;
    QListWidget* Filer = nullptr;
    QPushButton* OkKnap = nullptr;
    QPushButton* CancelKnap = nullptr;

private:
    QLabel* FLabel = nullptr;
    QString FBibliotek;
    bool FEngelsk = false;
};
