#pragma once
#include <QDialog>
#include <QString>

class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeView;
class TBilCompo;

// The choose-library window: the mounted volumes and the home folder, a folder tree of the
// chosen one, the pictures of the chosen folder with a preview of the clicked one, and the
// folder's name. OK stores the folder in Bibliotek; Cancel and Escape leave it.
class TBibform : public QDialog {
public:
    explicit TBibform(QWidget* parent = nullptr);

    QString Bibliotek;

    void SetSprog(bool Engelsk);
    // Shows the folder: the tree selects it, the list shows its pictures.
    void VisMappe(const QString& Dir);
    // Previews a picture of the listed folder.
    void VisFil(const QString& Navn);
    // The shown folder (the read-only name field).
    QString Mappe() const;
    void OkClick();

    // Opens on Bibliotek and runs modally; True after OK.
    bool Udfor();

    QComboBox* Drev = nullptr;
    QTreeView* Mapper = nullptr;
    QListWidget* Filer = nullptr;
    TBilCompo* Preview = nullptr;
    QLineEdit* MappeFelt = nullptr;
    QPushButton* OkKnap = nullptr;
    QPushButton* AnnullerKnap = nullptr;

private:
    void FyldDrev();
    void VaelgDrev(const QString& Rod);

    QFileSystemModel* FModel = nullptr;
};
