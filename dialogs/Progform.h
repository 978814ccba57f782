#pragma once
#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QWidget;
class TMenuExeFiler;

// The program dialog: registers other programs for the program menu (file, menu text and
// whether the active picture is passed to it) and deletes them again, asking inside the page.
class TProgform : public QDialog {
public:
    explicit TProgform(TMenuExeFiler& Programs, QWidget* parent = nullptr);

    void SetSprog(bool Engelsk);
    // Runs the file dialog of the browse button; tests replace it. Empty: cancelled.
    std::function<QString()> ChooseFile;

    // "Indfør som menu": checks the fields and adds the program. False with a message.
    bool IndforClick();
    // The page "Slet program": the list of programs, one chosen, the question inside.
    void FillDeleteList();
    void SelectForDelete(int Nr);
    void SletClick();
    void AnswerDelete(bool Ja);

    QTabWidget* Pages = nullptr;
    QLineEdit* FilEdit = nullptr;
    QLineEdit* CapEdit = nullptr;
    QCheckBox* useTekstCheck = nullptr;
    QPushButton* BrowseButton = nullptr;
    QPushButton* AddButton = nullptr;
    QLabel* IconLabel = nullptr;
    QLabel* AddedLabel = nullptr;
    QListWidget* DeleteList = nullptr;
    QLabel* ChosenLabel = nullptr;
    QPushButton* DeleteButton = nullptr;
    QWidget* Question = nullptr;
    QLabel* QuestionLabel = nullptr;
    QPushButton* JaButton = nullptr;
    QPushButton* NejButton = nullptr;
    QPushButton* CloseButton = nullptr;
    int SletNr = -1;

private:
    QWidget* BuildInsertPage();
    QWidget* BuildDeletePage();
    void Browse();
    void ClearFields();
    QString Text(const char* Dansk, const char* English) const;

    TMenuExeFiler& FPrograms;
    bool FEngelsk = false;
};
