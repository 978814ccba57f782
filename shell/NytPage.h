#pragma once
#include <QWidget>
#include "appcore/Options.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
struct TOptions;

// What the page "Nyt" asks for: the size and margins of new pictures and how many to make.
struct TNewPictureRequest {
    int Bredde = 0;
    int Hojde = 0;
    int Antal = 0;
    int MargenL = 0;
    int MargenV = 0;
};

// The tool book's page "Nyt": the new-picture fields, six size buttons, the file type of
// generated names and the icon palette check box (shown only for "ico").
class TNytPage : public QWidget {
public:
    explicit TNytPage(QWidget* parent = nullptr);

    static constexpr int kMaxAntal = 50;
    static constexpr int kMaxMargen = MaxMargen;

    // Width, height, count, left and top margin.
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QComboBox* filtypeBox = nullptr;
    QCheckBox* palCheck = nullptr;
    // Runs the new-picture command (its action is set by the file commands).
    QToolButton* NewButton = nullptr;

    // The size buttons "16x16" ... "400x400".
    QList<QPushButton*> SizeButtons() const { return FSizeButtons; }
    // Index of the chosen file type: 0 "bmp", 1 "jpg", 2 "ico".
    int FiltypeIndex() const;

    // The fields show the options' size and margins, and the count 1.
    void ShowOptions(const TOptions& Opt);
    void SetSprog(bool Engelsk);
    // Puts a column (the favourites) into the row, after the size buttons.
    void AddColumn(QWidget* column);

    // Reads the fields. False with a message in the language when a field is not a whole
    // number, the size is beyond what a picture can be, a margin is out of range or the
    // count is above kMaxAntal.
    bool ReadRequest(bool Engelsk, TNewPictureRequest& Request, QString& Message) const;

private:
    QLineEdit* AddField(const QString& text, int row);

    QGridLayout* FFields = nullptr;
    QLabel* FLabels[6] = {};
    QHBoxLayout* FRow = nullptr;
    QList<QPushButton*> FSizeButtons;
};
